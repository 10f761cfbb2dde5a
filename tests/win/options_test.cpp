// Settings.dat and the controls that show it; the options dialog driven
// through its buttons (BM_CLICK, as a click sends), the show/hide hotkey
// against keys held by another owner, and the Run value.
#include "saved_state.h"

#include <commctrl.h>

#include "resource.h"

namespace {

using Settings = ProgramTest;

// Every load puts the dock at the top and the whiteboard off. The lists
// show the pen size, shape width, opacity, mark, face and size (8: "72", the
// last size).
TEST_F(Settings, LoadedValuesShowInTheDockAndTheDialog) {
    ASSERT_TRUE(WriteFileReplacing(settingsPath,
                                   "7=6\n13=2\n17=7\n12=1\n53=4\n49=1\n39=3\n40=72\n1052=0\n"
                                   "56=1\n1055=0\n1064=1\n55=65\n"));
    LoadSettings();
    EXPECT_TRUE(SendMessageA(dock.hwndTools, TB_ISBUTTONCHECKED, 5, 0)) << "tool button 5 checked";
    const HWND lists[] = {dock.hwndPenSize, dock.hwndShapeWidth, dock.hwndOpacity,
                          dock.hwndMarks,   dock.hwndFontFace,   dock.hwndFontSize};
    const int shown[] = {1, 6, 0, 4, 3, 8};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(SendMessageA(lists[i], CB_GETCURSEL, 0, 0), shown[i]) << "list " << i;
    EXPECT_TRUE(SendMessageA(dock.hwndFilled, BM_GETCHECK, 0, 0)) << "fill box checked";
    for (int box : {IDC_HOTKEYCTRL, IDC_ALWAYSSHOW, IDC_DOCKTOP})
        EXPECT_TRUE(IsDlgButtonChecked(hwndOptions, box)) << "dialog box " << box << " checked";
    char key[16] = "";
    GetDlgItemTextA(hwndOptions, IDC_HOTKEYLIST, key, sizeof key);
    EXPECT_STREQ(key, "A") << "hotkey";
    EXPECT_EQ(WindowRect(dock.hwndDock).top, 0) << "dock's top";
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 0) << "whiteboard";
}

void Click(int id) { SendMessageA(GetDlgItem(hwndOptions, id), BM_CLICK, 0, 0); }

void ChooseKey(const char* name) { ASSERT_EQ(findCombo(GetDlgItem(hwndOptions, IDC_HOTKEYLIST), name), 0) << name; }

// Whether another owner (this thread, without a window) can take the key.
bool KeyIsFree(UINT modifiers, UINT key) {
    const bool free = RegisterHotKey(nullptr, 0xBFFF, modifiers, key);
    return free && UnregisterHotKey(nullptr, 0xBFFF);
}

// The dialog shown again after an OK of Alt+F11 with the dock at the top and
// hiding itself, which registered that hotkey and saved the file.
class Options : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ShowOptionsDialog();
        Click(IDC_DOCKTOP);
        Click(IDC_AUTOHIDE);
        CheckDlgButton(hwndOptions, IDC_HOTKEYCTRL, BST_UNCHECKED);
        CheckDlgButton(hwndOptions, IDC_HOTKEYALT, BST_CHECKED);
        ChooseKey("F11");
        Click(IDC_OK);
        saved = ReadFileBytes(settingsPath);
        ShowOptionsDialog();
        recordedMessages.clear();
    }
    void TearDown() override {
        ShowWindow(hwndOptions, SW_HIDE);
        // The window manager's focus change after the dialog hides settles
        // before later tests.
        Sleep(300);
        ProgramTest::TearDown();
    }
    std::string saved;
};

TEST_F(Options, TheDialogShowsCentredNearTheTopOfTheScreen) {
    const RECT dialog = WindowRect(hwndOptions);
    EXPECT_NEAR(dialog.left + dialog.right, ScreenWidth(), 1) << "left plus right";
    EXPECT_EQ(dialog.top, 10) << "top";
}

// Edge, autohide and hotkey choices apply at once: Cancel puts back what was saved;
// the close box hides the dialog and keeps them unsaved.
TEST_F(Options, CancelPutsBackWhatWasSavedAndTheCloseBoxKeepsTheChangesUnsaved) {
    for (bool cancel : {true, false}) {
        Click(IDC_DOCKBOTTOM);
        Click(IDC_HOTKEYCTRL);
        Click(IDC_ALWAYSSHOW);
        cancel ? Click(IDC_CANCEL) : (void)SendMessageA(hwndOptions, WM_CLOSE, 0, 0);
        EXPECT_FALSE(Visible(hwndOptions)) << "dialog shown, cancel " << cancel;
        EXPECT_EQ(WindowRect(dock.hwndDock).top == 0, cancel) << "dock at the top, cancel " << cancel;
        EXPECT_EQ(opts[IDOPTS_HOTKEYCTRL], cancel ? 0 : 1) << "Ctrl in the hotkey, cancel " << cancel;
        EXPECT_EQ(opts[IDOPTS_AUTOHIDE], cancel ? 1 : 0) << "autohide, cancel " << cancel;
        EXPECT_EQ(ReadFileBytes(settingsPath), saved) << "Settings.dat, cancel " << cancel;
        ShowOptionsDialog();
    }
}

// The value names Quillcast.exe in the program's folder, whatever the
// running file is called.
TEST_F(Options, OkSetsOrRemovesTheRunValue) {
    for (bool run : {true, false}) {
        CheckDlgButton(hwndOptions, IDC_RUNATSTART, run ? BST_CHECKED : BST_UNCHECKED);
        Click(IDC_OK);
        char data[1024] = "";
        DWORD size = sizeof data;
        RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillcast",
                     RRF_RT_REG_SZ, nullptr, data, &size);
        EXPECT_EQ(data, run ? exeDir + "\\Quillcast.exe" : "") << "Run value, box checked " << run;
        ShowOptionsDialog();
    }
}

// The dialog stays open, and the old key is given up.
TEST_F(Options, AKeyHeldByAnotherOwnerIsTold) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xBFFE, MOD_ALT, VK_F8));
    ChooseKey("F8");
    Click(IDC_OK);
    UnregisterHotKey(nullptr, 0xBFFE);
    EXPECT_TRUE(Visible(hwndOptions)) << "dialog shown";
    const std::vector<std::string> told{"The shortcut key to Hide/Show Quillcast is already taken. Please change it."};
    EXPECT_EQ(recordedMessages, told) << "messages";
    EXPECT_TRUE(KeyIsFree(MOD_ALT, VK_F11)) << "Alt+F11 free";
}

// Ctrl and Alt ticked together both belong to the hotkey.
TEST_F(Options, AFreeKeyIsRegisteredAndSaved) {
    ChooseKey("F7");
    Click(IDC_HOTKEYCTRL);
    Click(IDC_OK);
    EXPECT_FALSE(Visible(hwndOptions)) << "dialog shown";
    EXPECT_FALSE(KeyIsFree(MOD_ALT | MOD_CONTROL, VK_F7)) << "Ctrl+Alt+F7 free";
    EXPECT_NE(ReadFileBytes(settingsPath).find("54=3\r\n55=118\r\n"), std::string::npos)
        << "Ctrl+Alt+F7 in Settings.dat";
}

}  // namespace
