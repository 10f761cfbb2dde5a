// The options dialog, the shortcuts dialog, the show/hide hotkey and the
// start-with-Windows value.
#pragma once

#include <windows.h>

#include <string>

// The ids of the show/hide hotkey and the live ink hotkey, registered for
// the overlay.
constexpr int HOTKEY_ID = 100;
constexpr int LIVE_HOTKEY_ID = 101;

// The modeless options dialog, and the shortcuts dialog it opens (made by
// whoever knows every command, owned by the options dialog).
extern HWND hwndOptions;
extern HWND hwndShortcuts;

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
