// The options dialog, the shortcuts dialog, the show/hide hotkey and the
// start-with-Windows value.
#pragma once

#include <windows.h>

INT_PTR CALLBACK OptionsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ShortcutsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

void FillKeyList(HWND combo);
void ShowOptionsDialog();
void ReadOptionsDialog();
bool RegisterShowHotkey();
void ApplyRunAtStartup();
