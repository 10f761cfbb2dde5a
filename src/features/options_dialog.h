// The options dialog, the shortcuts dialogs, the global hotkeys and the
// start-with-Windows value.
#pragma once

#include <windows.h>

#include <string>

#include "core/keys.h"
#include "core/options.h"

// The ids of the show/hide hotkey and the live ink hotkey, registered for
// the overlay.
constexpr int HOTKEY_ID = 100;
constexpr int LIVE_HOTKEY_ID = 101;

// A system-wide hotkey of the overlay: its id, the options that keep it in
// Settings.dat (modifiers 1 Alt, 2 Ctrl; the key; the Ctrl and Alt boxes)
// and what the user is told when another program holds it.
struct GlobalHotkey {
    int id;
    int modOption, keyOption, ctrlOption, altOption;  // -1: no option of its own for the box
    const char* takenMessage;
};
inline constexpr GlobalHotkey showHideHotkey{
    HOTKEY_ID,         OPT_MODSHOW,      OPT_KEYSHOW,
    IDOPTS_HOTKEYCTRL, IDOPTS_HOTKEYALT, "The shortcut key to Hide/Show Quillcast is already taken. Please change it."};
inline constexpr GlobalHotkey liveInkHotkey{LIVE_HOTKEY_ID,
                                            OPT_MODLIVE,
                                            OPT_KEYLIVE,
                                            -1,
                                            -1,
                                            "The shortcut key to Live Ink is already taken. Please change it."};

// The hotkey's combination as its options hold it; key 0 when it has none.
KeyCombo HotkeyCombo(const GlobalHotkey& hotkey);
// Its combination as the option table's defaults give it.
KeyCombo DefaultHotkeyCombo(const GlobalHotkey& hotkey);
// Only Ctrl and Alt, with a key of the options dialog's key list, can be
// kept in Settings.dat.
bool HotkeyCanHold(KeyCombo combo);
// Registers `combo` (no key: none) in place of the hotkey's combination,
// stores it in the options and the dialog and saves Settings.dat. When
// another program holds it, the user is told, the old combination stays
// registered and nothing changes: false.
bool ChangeHotkey(const GlobalHotkey& hotkey, KeyCombo combo);

// The modeless options dialog, and the shortcuts dialog it opens (made by
// whoever knows every command, owned by the options dialog).
extern HWND hwndOptions;
extern HWND hwndShortcuts;
// The list in which the user changes the keys of every command, opened by
// "Shortcuts..." (made by whoever knows every command, owned by the options
// dialog).
extern HWND hwndShortcutEditor;

INT_PTR CALLBACK OptionsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
// Makes the options dialog, hidden. Once, at start-up.
void CreateOptionsDialog();
// Shows the option table in the dialog's controls.
void ShowOptionsInDialog();

void FillKeyList(HWND combo);
void ShowOptionsDialog();
void ReadOptionsDialog();
bool RegisterShowHotkey();
// The live ink hotkey, chosen in the dialog like the show/hide hotkey.
bool RegisterLiveHotkey();
void ApplyRunAtStartup();

// The command the Run value holds: the fixed program name in the program's
// own folder, whatever name the running file has.
std::string RunAtStartupCommand();

// Writes (run) or deletes the value `valueName` under root\subKey; false
// when the key cannot be opened or the value not changed. The program
// ignores the result: without the rights it simply does not start with
// Windows.
bool SetRunValue(HKEY root, const char* subKey, const char* valueName, bool run, const std::string& command);
