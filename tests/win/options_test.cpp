// The options dialog driven through its buttons (BM_CLICK, as a click
// sends), the show/hide hotkey against keys held by another owner, and the
// Run value.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/app.h"
#include "dock/dock.h"
#include "resource.h"
#include "settings/options.h"
#include "settings/options_dialog_win.h"
#include "settings/settings_win.h"
#include "win_env.h"

namespace {

const char* const HOTKEY_TAKEN = "The shortcut key to Hide/Show Quillcast is already taken. Please change it.";
const char* const RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A hidden window on a thread of its own holds one hotkey: for the program
// that is another owner, as another process would be.
class HotkeyHolder {
public:
    HotkeyHolder(UINT modifiers, UINT key) {
        thread_ = std::thread([this, modifiers, key] {
            HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            registered_ = RegisterHotKey(window, 7, modifiers, key) != FALSE;
            ready_ = true;
            while (!quit_) {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
                Sleep(5);
            }
            if (registered_) UnregisterHotKey(window, 7);
            DestroyWindow(window);
        });
        while (!ready_) Sleep(1);
    }
    ~HotkeyHolder() {
        quit_ = true;
        thread_.join();
    }
    bool registered() const { return registered_; }

private:
    std::thread thread_;
    std::atomic<bool> ready_{false}, quit_{false}, registered_{false};
};

// Whether someone (the program, here) already holds the key.
bool HeldElsewhere(UINT modifiers, UINT key) { return !HotkeyHolder(modifiers, key).registered(); }

class Options : public ::testing::Test {
protected:
    // Each test starts from the first-run options and leaves none behind, so
    // that a hotkey or edge chosen here does not follow into other tests.
    void SetUp() override {
        char appData[MAX_PATH] = "";
        SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
        DeleteFileA((std::string(appData) + "\\Quillcast\\Settings.dat").c_str());
        StartProgramOnce();
        recordedMessages.clear();
        ShowOptionsDialog();
    }
    void TearDown() override { DeleteFileA(settingsPath.c_str()); }
    static void Click(int id) { SendMessageA(GetDlgItem(hwndOptions, id), BM_CLICK, 0, 0); }
    static void SetCheck(int id, bool on) { CheckDlgButton(hwndOptions, id, on ? BST_CHECKED : BST_UNCHECKED); }
    static void ChooseKey(const char* name) {
        ASSERT_EQ(findCombo(GetDlgItem(hwndOptions, IDC_HOTKEYLIST), name), 0) << name;
    }
    static int DockTop() { return WindowRect(hwndDock).top; }
    static std::string SettingsFile() {
        std::string text;
        ReadWholeFile(settingsPath, text);
        return text;
    }
    static std::string RunValue() {
        char data[1024] = "";
        DWORD size = sizeof data;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, RUN_KEY, "Quillcast", RRF_RT_REG_SZ, nullptr, data, &size) !=
            ERROR_SUCCESS)
            return "<absent>";
        return data;
    }
};

TEST_F(Options, ShownTopMostAtTheTopCentreWithItsShortcutsWindow) {
    const RECT r = WindowRect(hwndOptions);
    EXPECT_EQ(r.left, ScreenWidth() / 2 - optionsDlgWidth / 2);
    EXPECT_EQ(r.top, 10);
    EXPECT_TRUE(GetWindowLongA(hwndOptions, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Click(IDC_VIEWSHORTCUTS);
    EXPECT_TRUE(Visible(hwndShortcuts));
    SendMessageA(hwndShortcuts, WM_CLOSE, 0, 0);
    EXPECT_FALSE(Visible(hwndShortcuts));
    EXPECT_TRUE(Visible(hwndOptions));
}

TEST_F(Options, DockBottomMovesAtOnceAndCancelRestoresTheFile) {
    ASSERT_EQ(DockTop(), 0);
    SetCheck(IDC_HOTKEYCTRL, false);
    Click(IDC_OK);  // the file now holds the dialog's state
    ASSERT_TRUE(recordedMessages.empty());
    const std::string saved = SettingsFile();
    ShowOptionsDialog();

    Click(IDC_DOCKBOTTOM);
    EXPECT_EQ(DockTop(), ScreenHeight() - 52);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 0);
    Click(IDC_HOTKEYCTRL);
    EXPECT_EQ(opts[IDOPTS_HOTKEYCTRL], 1);
    opts[IDOPTS_PENWIDTH] = 5;  // changed elsewhere, unsaved

    Click(IDC_CANCEL);
    EXPECT_FALSE(Visible(hwndOptions));
    EXPECT_EQ(DockTop(), 0);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 1);
    EXPECT_EQ(IsDlgButtonChecked(hwndOptions, IDC_DOCKTOP), BST_CHECKED);
    EXPECT_EQ(opts[IDOPTS_HOTKEYCTRL], 0);
    EXPECT_EQ(IsDlgButtonChecked(hwndOptions, IDC_HOTKEYCTRL), BST_UNCHECKED);
    EXPECT_NE(opts[IDOPTS_PENWIDTH], 5);
    EXPECT_EQ(SettingsFile(), saved);
}

TEST_F(Options, AnyButtonAppliesTheDockEdgeAndAutohideAtOnceAndCloseKeepsThemUnsaved) {
    const std::string saved = SettingsFile();
    ToggleDockEdge();  // as the B key does
    ASSERT_EQ(DockTop(), ScreenHeight() - 52);
    Click(IDC_AUTOHIDE);  // the radio buttons still say top
    EXPECT_EQ(DockTop(), 0);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 1);
    EXPECT_EQ(opts[IDOPTS_AUTOHIDE], 1);
    ShowWindow(hwndDock, SW_HIDE);
    Click(IDC_ALWAYSSHOW);
    EXPECT_EQ(opts[IDOPTS_AUTOHIDE], 0);
    EXPECT_TRUE(Visible(hwndDock));
    Click(IDC_DOCKBOTTOM);
    SendMessageA(hwndOptions, WM_CLOSE, 0, 0);
    EXPECT_FALSE(Visible(hwndOptions));
    EXPECT_EQ(DockTop(), ScreenHeight() - 52);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 0);
    EXPECT_EQ(SettingsFile(), saved);
}

TEST_F(Options, HotkeyWithoutModifiersIsRegisteredAndSaved) {
    SetCheck(IDC_HOTKEYCTRL, false);
    SetCheck(IDC_HOTKEYALT, false);
    ChooseKey("F9");
    Click(IDC_OK);
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_FALSE(Visible(hwndOptions));
    EXPECT_EQ(opts[OPT_MODSHOW], 0);
    EXPECT_EQ(opts[OPT_KEYSHOW], VK_F9);
    EXPECT_TRUE(HeldElsewhere(0, VK_F9));
    EXPECT_FALSE(HeldElsewhere(MOD_ALT, VK_F9));
    EXPECT_FALSE(HeldElsewhere(MOD_ALT, VK_F11));  // the start-up key was given up
    EXPECT_NE(SettingsFile().find("54=0\r\n55=120\r\n"), std::string::npos);

    SetCheck(IDC_HOTKEYCTRL, true);
    SetCheck(IDC_HOTKEYALT, true);
    ChooseKey("Q");
    ShowOptionsDialog();
    Click(IDC_OK);
    EXPECT_EQ(opts[OPT_MODSHOW], MOD_CONTROL | MOD_ALT);
    EXPECT_TRUE(HeldElsewhere(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_FALSE(HeldElsewhere(0, VK_F9));
}

TEST_F(Options, KeyHeldByAnotherOwnerIsReportedAndAFreeKeyThenWorks) {
    ASSERT_TRUE(HeldElsewhere(MOD_ALT, VK_F11));  // registered at start-up
    HotkeyHolder other(MOD_ALT, VK_F8);
    ASSERT_TRUE(other.registered());
    ASSERT_TRUE(HeldElsewhere(MOD_ALT, VK_F8));  // a second owner is refused

    SetCheck(IDC_HOTKEYCTRL, false);
    SetCheck(IDC_HOTKEYALT, true);
    ChooseKey("F8");
    const std::string saved = SettingsFile();
    Click(IDC_OK);
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, HOTKEY_TAKEN);
    EXPECT_EQ(recordedMessages[0].title, "Tablorix");
    EXPECT_TRUE(Visible(hwndOptions));
    EXPECT_FALSE(HeldElsewhere(MOD_ALT, VK_F11));  // the old key is gone
    EXPECT_EQ(opts[OPT_KEYSHOW], VK_F8);           // read, but not saved
    EXPECT_EQ(SettingsFile(), saved);

    ChooseKey("F7");
    Click(IDC_OK);
    EXPECT_EQ(recordedMessages.size(), 1u);
    EXPECT_FALSE(Visible(hwndOptions));
    EXPECT_TRUE(HeldElsewhere(MOD_ALT, VK_F7));
    EXPECT_NE(SettingsFile().find("55=118\r\n"), std::string::npos);

    // A failed OK and then Cancel: no hotkey at all until a later OK.
    ShowOptionsDialog();
    ChooseKey("F8");
    Click(IDC_OK);
    EXPECT_EQ(recordedMessages.size(), 2u);
    Click(IDC_CANCEL);
    EXPECT_FALSE(HeldElsewhere(MOD_ALT, VK_F7));
    EXPECT_FALSE(Visible(hwndOptions));
}

TEST_F(Options, NoKeyChosenIsAFailureNotKeyZero) {
    HWND list = GetDlgItem(hwndOptions, IDC_HOTKEYLIST);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetCheck(IDC_HOTKEYALT, true);
    Click(IDC_OK);
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, HOTKEY_TAKEN);
    EXPECT_TRUE(Visible(hwndOptions));
    EXPECT_EQ(opts[OPT_KEYSHOW], 0);
    EXPECT_FALSE(HeldElsewhere(MOD_ALT, 0));
    EXPECT_FALSE(RegisterShowHotkey());
}

TEST_F(Options, RunValueNamesQuillcastExeInTheProgramFolder) {
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    ASSERT_NE(std::string(module).find("wintests.exe"), std::string::npos);
    const std::string expected = exeDir + "\\Quillcast.exe";
    EXPECT_EQ(RunAtStartupCommand(), expected);

    SetCheck(IDC_RUNATSTART, true);
    Click(IDC_OK);
    EXPECT_EQ(opts[IDOPTS_RUNATSTART], 1);
    EXPECT_EQ(RunValue(), expected);

    ShowOptionsDialog();
    SetCheck(IDC_RUNATSTART, false);
    Click(IDC_OK);
    EXPECT_EQ(RunValue(), "<absent>");
    ApplyRunAtStartup();  // deleting what is absent is quiet
    EXPECT_EQ(RunValue(), "<absent>");
    EXPECT_TRUE(recordedMessages.empty());
}

// Wine lets anyone write HKLM, so a refused write is shown on keys the
// program cannot open for writing: a missing one and a root not open.
TEST_F(Options, RefusedRunKeyChangesNothingAndSaysNothing) {
    const char* missing = "Software\\QuillcastTest\\NoSuchKey";
    for (bool on : {true, false}) EXPECT_FALSE(SetRunValue(HKEY_CURRENT_USER, missing, "Quillcast", on, "x"));
    HKEY probe;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, missing, 0, KEY_READ, &probe), ERROR_SUCCESS);
    EXPECT_FALSE(SetRunValue(reinterpret_cast<HKEY>(ULONG_PTR{0x7ff0}), RUN_KEY, "Quillcast", true, "x"));
    EXPECT_TRUE(recordedMessages.empty());
}

}  // namespace
