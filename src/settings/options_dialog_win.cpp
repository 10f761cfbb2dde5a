// The options dialog, the shortcuts dialog, the hotkey and the Run value.
#include "settings/options_dialog_win.h"

#include "settings/keys.h"

INT_PTR CALLBACK OptionsDlgProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_CLOSE) ShowWindow(dlg, SW_HIDE);
    return FALSE;
}

INT_PTR CALLBACK ShortcutsDlgProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_CLOSE) ShowWindow(dlg, SW_HIDE);
    return FALSE;
}

// Each name is inserted at the end, so the list keeps this order although
// the combo box sorts what is added to it.
void FillKeyList(HWND combo) {
    for (int i = 0; i < KEY_LIST_SIZE; ++i)
        SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(KeyListName(i).c_str()));
}

void ShowOptionsDialog() {}
void ReadOptionsDialog() {}
bool RegisterShowHotkey() { return false; }
void ApplyRunAtStartup() {}
