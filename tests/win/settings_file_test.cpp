// Settings.dat on disk and the controls that show the loaded options.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/app.h"
#include "dock/dock.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "win_env.h"

namespace {

// The selections of the pen size, shape width, opacity, mark, face and size lists.
std::vector<LRESULT> Selections() {
    std::vector<LRESULT> chosen;
    for (HWND list : {hwndPenSize, hwndShapeWidth, hwndOpacity, hwndMarks, hwndFontFace, hwndFontSize})
        chosen.push_back(SendMessageA(list, CB_GETCURSEL, 0, 0));
    return chosen;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        recordedMessages.clear();
        savedPath = settingsPath;
        dir = exeDir + "\\settings-test\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        settingsPath = dir + "Settings.dat";
        DeleteFileA(settingsPath.c_str());
        RemoveDirectoryA((settingsPath + ".tmp").c_str());
        SetOptionTableDefaults();
        lastPath = "C:\\snaps\\";
    }
    void TearDown() override { settingsPath = savedPath; }

    static void WriteRaw(const std::string& text) { ASSERT_TRUE(WriteFileReplacing(settingsPath, text)); }
    static std::string ReadRaw() {
        std::string text;
        EXPECT_TRUE(ReadWholeFile(settingsPath, text));
        return text;
    }

    std::string savedPath, dir;
};

TEST_F(SettingsFile, SavedFileHasCrLfLinesAndReadsBack) {
    opts[IDOPTS_TOOL] = 5;
    ASSERT_TRUE(SaveSettings());
    const std::string text = ReadRaw();
    EXPECT_EQ(text.rfind("0=0\r\n7=5\r\n8=0\r\n", 0), 0u);
    EXPECT_NE(text.find("1066=1\r\n<LastPath>=C:\\snaps\\\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
    EXPECT_TRUE(recordedMessages.empty());

    SetOptionTableDefaults();
    lastPath.clear();
    LoadSettings();
    EXPECT_EQ(opts[IDOPTS_TOOL], 5);
    EXPECT_EQ(lastPath, "C:\\snaps\\");
}

TEST_F(SettingsFile, FailedWriteIsReportedAndKeepsThePreviousFile) {
    WriteRaw("7=3\r\n<LastPath>=old\r\n");
    // The file cannot be replaced while another program holds it open.
    HANDLE lock = CreateFileA(settingsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    opts[IDOPTS_TOOL] = 6;
    EXPECT_FALSE(SaveSettings());
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Could not write options file.");
    EXPECT_EQ(recordedMessages[0].title, "Zephrine Error");
    CloseHandle(lock);
    EXPECT_EQ(ReadRaw(), "7=3\r\n<LastPath>=old\r\n");
}

TEST_F(SettingsFile, MissingFileIsReportedAndChangesNothing) {
    opts[IDOPTS_TOOL] = 4;
    LoadSettings();
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "fileOptions could not be found.");
    EXPECT_EQ(recordedMessages[0].title, "");
    EXPECT_EQ(opts[IDOPTS_TOOL], 4);
}

TEST_F(SettingsFile, LoadingShowsTheValuesInTheControls) {
    WriteRaw("7=6\n13=2\n17=7\n12=1\n53=4\n49=1\n39=3\n40=72\n1052=0\n56=1\n1055=0\n1064=1\n1066=0\n55=65\n");
    LoadSettings();
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 1);  // every load starts with the dock at the top
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 0);
    EXPECT_EQ(SendMessageA(hwndTools, TB_ISBUTTONCHECKED, 5, 0), TRUE);
    EXPECT_EQ(Selections(), (std::vector<LRESULT>{1, 6, 0, 4, 3, 8}));  // 8: "72", the last size
    EXPECT_EQ(SendMessageA(hwndFilled, BM_GETCHECK, 0, 0), BST_CHECKED);
    std::vector<UINT> checks;
    for (int id : {IDC_DOCKTOP, IDC_DOCKBOTTOM, IDC_ALWAYSSHOW, IDC_HOTKEYCTRL, IDC_HOTKEYALT})
        checks.push_back(IsDlgButtonChecked(hwndOptions, id));
    EXPECT_EQ(checks, (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, BST_CHECKED, BST_CHECKED, BST_UNCHECKED}));
    char key[16] = "";
    GetDlgItemTextA(hwndOptions, IDC_HOTKEYLIST, key, sizeof key);
    EXPECT_STREQ(key, "A");
    const RECT dock = WindowRect(hwndDock);
    EXPECT_EQ(dock.top, 0);
    EXPECT_EQ(dock.left, ScreenWidth() / 2 - 240);

    // Values without an item leave the selection as it was.
    WriteRaw("40=13\n55=124\n");
    LoadSettings();
    EXPECT_EQ(Selections()[5], 8);
    GetDlgItemTextA(hwndOptions, IDC_HOTKEYLIST, key, sizeof key);
    EXPECT_STREQ(key, "A");
}

TEST_F(SettingsFile, DamagedValuesSelectTheDefaults) {
    WriteRaw("7=99\n13=-4\n53=400\n39=12\n");
    LoadSettings();
    EXPECT_EQ(SendMessageA(hwndTools, TB_ISBUTTONCHECKED, 0, 0), TRUE);  // the pen
    EXPECT_EQ(Selections()[0], 2);                                       // width 3
    EXPECT_EQ(Selections()[3], 0);
    EXPECT_EQ(Selections()[4], 0);
}

}  // namespace
