// The shortcut editor: one row per command of the command table, its text
// and its keys. A row is chosen with the pointer; a combination pressed then
// becomes its keys at once (and is saved), Delete clears them, "Reset All"
// gives every command its defaults back. The list takes every key itself,
// so that arrows and letters are keys to assign, not ways to move in it;
// Enter and Esc close the editor, and what the system keeps passes on.
#include "app/commands.h"
#include "app/overlay_proc.h"
#include "features/options_dialog.h"
#include "resource.h"

#include <string>

namespace {

constexpr int KEY_COLUMN_TAB = 120;  // dialog units from the row's left

WNDPROC listProc;

HWND List(HWND dlg) { return GetDlgItem(dlg, IDC_SHORTCUTLIST); }

std::string RowText(int row) {
    return std::string(commandTable[row].text) + "\t" + KeyPairText(shortcutKeys[row].keys);
}

// The rows again, the chosen one kept chosen; the shortcut list shows the
// keys as they are now.
void ShowRows(HWND dlg) {
    const HWND list = List(dlg);
    const LRESULT chosen = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    RefreshGlobalKeys();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int row = 0; row < COMMAND_TABLE_SIZE; ++row)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(row).c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    if (IsWindowVisible(hwndShortcuts)) SendMessageA(hwndShortcuts, WM_SHOWWINDOW, TRUE, 0);
}

bool ModifierKey(WPARAM key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN || key == VK_RWIN ||
           (key >= VK_LSHIFT && key <= VK_RMENU);
}

// True when the key was the editor's.
bool OnListKey(HWND list, WPARAM key) {
    if (ModifierKey(key)) return true;
    const KeyCombo combo{static_cast<unsigned>(key), HeldModifiers(GetKeyState)};
    if (SystemCombo(combo)) return false;
    const HWND dlg = GetParent(list);
    if (combo.mods == 0 && (key == VK_RETURN || key == VK_ESCAPE)) {
        ShowWindow(dlg, SW_HIDE);
        return true;
    }
    const int row = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (row < 0) return true;
    AssignShortcut(row, combo.mods == 0 && key == VK_DELETE ? KeyCombo{} : combo);
    ShowRows(dlg);
    return true;
}

LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (OnListKey(list, wParam)) return 0;
        break;
    case WM_CHAR:  // typed letters choose no row
    case WM_SYSCHAR:
        return 0;
    default:
        break;
    }
    return CallWindowProcA(listProc, list, msg, wParam, lParam);
}

void OnInit(HWND dlg) {
    const HWND list = List(dlg);
    const int tab = KEY_COLUMN_TAB;
    SendMessageA(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab));
    listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
    ShowRows(dlg);
}

void OnEditorCommand(HWND dlg, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return;
    switch (LOWORD(wParam)) {
    case IDC_RESETSHORTCUTS:
        ResetShortcuts();
        ShowRows(dlg);
        break;
    case IDC_CLOSESHORTCUTS:
        ShowWindow(dlg, SW_HIDE);
        break;
    default:
        break;
    }
}

}  // namespace

INT_PTR CALLBACK ShortcutEditorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dlg);
        return TRUE;
    case WM_SHOWWINDOW:  // the hotkey may have changed in the options dialog
        if (wParam) ShowRows(dlg);
        return FALSE;
    case WM_COMMAND:
        OnEditorCommand(dlg, wParam);
        return TRUE;
    case WM_CLOSE:
        ShowWindow(dlg, SW_HIDE);
        return TRUE;
    default:
        return FALSE;
    }
}
