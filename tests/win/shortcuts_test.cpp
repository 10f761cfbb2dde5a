// The keys the user gives the commands: through the shortcut editor's list
// (a row chosen, a combination pressed), on the overlay, for the global
// hotkey; and the names of snapshots saved without a dialog.
#include "snapshot_helpers.h"

#include "app/overlay_proc.h"
#include "resource.h"

namespace {

// Ctrl as the key messages of this thread see it.
void HoldCtrl(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

int Row(CommandId id) { return static_cast<int>(FindCommand(id) - commandTable); }

// Each test starts with the eraser and a shortcut editor shown; the keys
// and their file are put back after it.
class Shortcuts : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        DockChooseTool(TOOL_ERASER);
        ShowWindow(hwndShortcutEditor, SW_SHOW);
    }
    void TearDown() override {
        HoldCtrl(false);
        ShowWindow(hwndShortcutEditor, SW_HIDE);
        shortcutKeys = saved;
        DeleteFileA((dataDir + "Shortcuts.dat").c_str());
        UnregisterHotKey(canvas.hwndOverlay, HOTKEY_ID);  // start-up's Alt+F11
        RegisterHotKey(canvas.hwndOverlay, HOTKEY_ID, MOD_ALT, VK_F11);
        ProgramTest::TearDown();
    }
    // Chooses the row of `id` and presses `key` on the list.
    void Press(CommandId id, WPARAM key) {
        const HWND list = GetDlgItem(hwndShortcutEditor, IDC_SHORTCUTLIST);
        SendMessageA(list, LB_SETCURSEL, Row(id), 0);
        SendMessageA(list, WM_KEYDOWN, key, 1);
    }
    void OverlayKey(WPARAM key) { SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, key, 1); }
    const ShortcutTable saved = shortcutKeys;
};

TEST_F(Shortcuts, ARemappedKeyActsTheOldOneNotAndAClearedOneNothing) {
    Press(CMD_PEN, 'Q');
    Press(CMD_RECTANGLE, VK_DELETE);
    EXPECT_EQ(ReadFileBytes(dataDir + "Shortcuts.dat"), "pen=Q\r\nrectangle=\r\n") << "Shortcuts.dat";
    for (const auto& [key, tool] : {std::pair{'P', TOOL_ERASER}, {'R', TOOL_ERASER}, {'Q', TOOL_PEN}}) {
        OverlayKey(key);
        EXPECT_EQ(opts[IDOPTS_TOOL], tool) << "tool after " << key;
    }
}

TEST_F(Shortcuts, AClashIsRefusedNamingTheCommandThatHasTheKeys) {
    HoldCtrl(true);
    Press(CMD_PEN, 'E');
    EXPECT_EQ(recordedMessages, std::vector<std::string>{"Ctrl+E is already used by Erase All."}) << "messages";
    EXPECT_EQ(KeyPairText(shortcutKeys[Row(CMD_PEN)].keys), "P") << "keys of the pen";
}

// Ctrl+F9 is held by another owner.
TEST_F(Shortcuts, AGlobalHotkeyHeldElsewhereIsRefusedAndTheOldOneStays) {
    ASSERT_TRUE(ChangeHotkey(showHideHotkey, KeyCombo{VK_F11, KEY_MOD_ALT}))
        << "Alt+F11 ours, whatever an earlier test saved";
    ASSERT_TRUE(RegisterHotKey(nullptr, 0xBFFD, MOD_CONTROL, VK_F9));
    HoldCtrl(true);
    Press(CMD_SHOW_HIDE, VK_F9);
    UnregisterHotKey(nullptr, 0xBFFD);
    EXPECT_EQ(recordedMessages, std::vector<std::string>{showHideHotkey.takenMessage}) << "messages";
    EXPECT_FALSE(RegisterHotKey(nullptr, 0xBFFD, MOD_ALT, VK_F11)) << "Alt+F11 free";
}

// Ctrl+F10 is free.
TEST_F(Shortcuts, AGlobalHotkeyChangedGivesTheOldOneUpAndIsSaved) {
    HoldCtrl(true);
    Press(CMD_SHOW_HIDE, VK_F10);
    EXPECT_TRUE(RegisterHotKey(nullptr, 0xBFFD, MOD_ALT, VK_F11)) << "Alt+F11 free";
    UnregisterHotKey(nullptr, 0xBFFD);
    EXPECT_FALSE(RegisterHotKey(nullptr, 0xBFFD, MOD_CONTROL, VK_F10)) << "Ctrl+F10 free";
    EXPECT_NE(ReadFileBytes(settingsPath).find("54=2\r\n55=121\r\n"), std::string::npos) << "Ctrl+F10 in Settings.dat";
}

// One, two and three files of that second: the next name counts on.
TEST_F(SnapshotTest, SnapshotsSavedWithoutADialogNeverTakeAnExistingName) {
    lastPath = folder;
    const ClockTime time{2026, 3, 7, 14, 5, 9};
    const std::string stem = folder + "Quillcast 2026-03-07 14.05.09";
    const std::string names[] = {stem + ".png", stem + " (2).png", stem + " (3).png", stem + " (4).png"};
    for (const std::string& name : names) DeleteFileA(name.c_str());
    for (int files = 0; files < 4; ++files) {
        EXPECT_EQ(SaveNowPath(time), names[files]) << "name with " << files << " files of that second";
        WriteFileReplacing(names[files], "taken");
    }
}

}  // namespace
