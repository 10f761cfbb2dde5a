// The options dialog, the shortcuts dialog, the show/hide hotkey and the
// start-with-Windows value.
#pragma once

#include <windows.h>

#include <string>

INT_PTR CALLBACK OptionsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ShortcutsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

void FillKeyList(HWND combo);
void ShowOptionsDialog();
void ReadOptionsDialog();
bool RegisterShowHotkey();
void ApplyRunAtStartup();

// The command the Run value holds: the fixed program name in the program's
// own folder, whatever name the running file has.
std::string RunAtStartupCommand();

// Writes (run) or deletes the value `valueName` under root\subKey; false
// when the key cannot be opened or the value not changed. The program
// ignores the result: without the rights it simply does not start with
// Windows.
bool SetRunValue(HKEY root, const char* subKey, const char* valueName, bool run, const std::string& command);
