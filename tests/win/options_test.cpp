// Settings.dat on disk and the controls that show it; the options dialog
// driven through its buttons (BM_CLICK, as a click sends), the show/hide
// hotkey against keys held by another owner, and the Run value.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "canvas/canvas.h"
#include "app/commands.h"
#include "core/options.h"
#include "features/showing.h"
#include "win/files.h"
#include "win/program.h"
#include "win/ui.h"
#include "dock/dock.h"
#include "resource.h"
#include "core/keys.h"
#include "features/options_dialog.h"
#include "features/settings.h"
#include "win_env.h"

static std::string SettingsFile() {
    std::string text;
    ReadWholeFile(settingsPath, text);
    return text;
}
// The tool shown, then the selections of the pen size, shape width, opacity, mark, face and size lists.
static std::vector<LRESULT> Shown() {
    LRESULT tool = 0;  // the id of the checked tool button
    while (tool < 8 && !SendMessageA(dock.hwndTools, TB_ISBUTTONCHECKED, tool, 0)) ++tool;
    std::vector<LRESULT> shown{tool};
    for (HWND list : {dock.hwndPenSize, dock.hwndShapeWidth, dock.hwndOpacity, dock.hwndMarks, dock.hwndFontFace,
                      dock.hwndFontSize})
        shown.push_back(SendMessageA(list, CB_GETCURSEL, 0, 0));
    return shown;
}

TEST(SettingsFile, MissingSavedFailedLoadedAndDamagedFiles) {
    StartProgramOnce();
    DeleteFileA(settingsPath.c_str());
    recordedMessages.clear();
    opts[IDOPTS_TOOL] = 4;
    LoadSettings();  // a missing file is told and changes nothing
    EXPECT_EQ(opts[IDOPTS_TOOL], 4);
    lastPath = "C:\\snaps\\";
    ASSERT_TRUE(SaveSettings());
    const std::string text = SettingsFile();  // CR LF line ends
    EXPECT_EQ(text.substr(0, 10) + text.substr(text.size() - 30), "0=0\r\n7=4\r\n1066=1\r\n<LastPath>=C:\\snaps\\\r\n");
    // A failed write (another program holds the file) is told and keeps the file.
    HANDLE lock = CreateFileA(settingsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(SaveSettings());
    CloseHandle(lock);
    EXPECT_EQ(SettingsFile(), text);
    EXPECT_EQ(recordedMessages.size() == 2 ? recordedMessages[0].text + "|" + recordedMessages[1].text : "",
              "fileOptions could not be found.|Could not write options file.");
    // Loaded values show in the dock and the dialog; every load starts with the dock at the top.
    ASSERT_TRUE(WriteFileReplacing(settingsPath,
                                   "7=6\n13=2\n17=7\n12=1\n53=4\n49=1\n39=3\n40=72\n1052=0\n56=1\n"
                                   "1055=0\n1064=1\n55=65\n"));
    LoadSettings();
    EXPECT_EQ(Shown(), (std::vector<LRESULT>{5, 1, 6, 0, 4, 3, 8}));  // 8: "72", the last size
    EXPECT_TRUE(SendMessageA(dock.hwndFilled, BM_GETCHECK, 0, 0) && IsDlgButtonChecked(hwndOptions, IDC_HOTKEYCTRL) &&
                IsDlgButtonChecked(hwndOptions, IDC_ALWAYSSHOW) && IsDlgButtonChecked(hwndOptions, IDC_DOCKTOP));
    char key[16] = "";
    GetDlgItemTextA(hwndOptions, IDC_HOTKEYLIST, key, sizeof key);
    EXPECT_TRUE(key == std::string("A") && WindowRect(dock.hwndDock).top == 0 && opts[IDOPTS_WHITEBOARD] == 0);
    // Damaged values select the defaults: the pen, width 3, the first mark and face.
    ASSERT_TRUE(WriteFileReplacing(settingsPath, "7=99\n13=-4\n53=400\n39=12\n"));
    LoadSettings();
    EXPECT_EQ(Shown(), (std::vector<LRESULT>{0, 2, 6, 0, 0, 0, 8}));
}

// Whether the key is free: another owner (this thread, without a window) can take it.
static bool KeyIsFree(UINT modifiers, UINT key) {
    const bool free = RegisterHotKey(nullptr, 0xBFFF, modifiers, key);
    return free && UnregisterHotKey(nullptr, 0xBFFF);
}
static void Click(int id) { SendMessageA(GetDlgItem(hwndOptions, id), BM_CLICK, 0, 0); }
static void ChooseKey(const char* name) { ASSERT_EQ(findCombo(GetDlgItem(hwndOptions, IDC_HOTKEYLIST), name), 0); }

// The key list holds F1..F12 then A..Z, in that order though it has the sort
// style. Edge and hotkey choices apply at once; Cancel puts back what was
// saved, the close box keeps them unsaved. OK sets or removes the Run value.
// A key another owner holds is told and the dialog stays; a free key then
// works and is saved. No key chosen fails too, and Cancel after a failed OK
// leaves no hotkey.
TEST(Options, DialogAppliesSavesRestoresAndReportsTakenKeys) {
    StartProgramOnce();
    recordedMessages.clear();
    ShowOptionsDialog();
    const HWND keys = GetDlgItem(hwndOptions, IDC_HOTKEYLIST);
    for (int i = 0; i < SendMessageA(keys, CB_GETCOUNT, 0, 0) || i < 38; ++i)  // in order despite the sort style
        EXPECT_EQ(SendMessageA(keys, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(KeyListName(i).c_str())), i) << i;
    Click(IDC_DOCKTOP);
    CheckDlgButton(hwndOptions, IDC_HOTKEYCTRL, BST_UNCHECKED);
    CheckDlgButton(hwndOptions, IDC_HOTKEYALT, BST_CHECKED);
    ChooseKey("F11");
    Click(IDC_OK);
    const std::string saved = SettingsFile();
    for (int closer : {0, IDC_CANCEL}) {  // the close box, then Cancel
        ShowOptionsDialog();
        Click(IDC_DOCKBOTTOM);
        Click(IDC_HOTKEYCTRL);
        opts[IDOPTS_PENWIDTH] = 5;  // changed elsewhere, unsaved
        closer ? Click(closer) : (void)SendMessageA(hwndOptions, WM_CLOSE, 0, 0);
        EXPECT_FALSE(Visible(hwndOptions));
        EXPECT_EQ(WindowRect(dock.hwndDock).top == 0, closer == IDC_CANCEL)
            << closer;  // the close box keeps the bottom
        EXPECT_EQ(opts[IDOPTS_HOTKEYCTRL] == 0 && opts[IDOPTS_PENWIDTH] != 5, closer == IDC_CANCEL) << closer;
        EXPECT_EQ(SettingsFile(), saved);
    }
    // The Run value names Quillcast.exe in the program's folder, whatever the
    // running file is called; a key the program cannot write is left silently.
    for (bool run : {true, false}) {
        ShowOptionsDialog();
        CheckDlgButton(hwndOptions, IDC_RUNATSTART, run ? BST_CHECKED : BST_UNCHECKED);
        Click(IDC_OK);
        char data[1024] = "";
        DWORD size = sizeof data;
        RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillcast",
                     RRF_RT_REG_SZ, nullptr, data, &size);
        EXPECT_EQ(data, run ? exeDir + "\\Quillcast.exe" : "");
    }
    for (bool on : {true, false})
        EXPECT_FALSE(SetRunValue(HKEY_CURRENT_USER, "Software\\NoSuchKey", "Quillcast", on, "x"));
    EXPECT_TRUE(recordedMessages.empty());
    ShowOptionsDialog();
    ASSERT_FALSE(KeyIsFree(MOD_ALT, VK_F11));                      // the saved key
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xBFFE, MOD_ALT, VK_F8));  // held by another owner
    ChooseKey("F8");
    Click(IDC_OK);
    EXPECT_TRUE(Visible(hwndOptions) && KeyIsFree(MOD_ALT, VK_F11));  // the old key was given up
    UnregisterHotKey(nullptr, 0xBFFE);
    ChooseKey("F7");
    Click(IDC_OK);
    EXPECT_FALSE(Visible(hwndOptions) || KeyIsFree(MOD_ALT, VK_F7));
    EXPECT_NE(SettingsFile().find("54=1\r\n55=118\r\n"), std::string::npos);
    ShowOptionsDialog();
    SendMessageA(keys, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Click(IDC_OK);
    EXPECT_TRUE(Visible(hwndOptions));
    Click(IDC_CANCEL);
    EXPECT_TRUE(KeyIsFree(MOD_ALT, VK_F7));
    Sleep(300);  // the window manager's focus change after the dialog hides settles before later tests
    PumpMessages();
    EXPECT_EQ(recordedMessages.size() == 2 ? recordedMessages[1].text : "",
              "The shortcut key to Hide/Show Quillcast is already taken. Please change it.");
}
