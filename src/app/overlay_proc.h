// The overlay's window procedure and the shortcut list's dialog procedure.
#pragma once

#include <windows.h>

LRESULT CALLBACK OverlayWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The shortcut list: every command with keys, drawn from the command table.
INT_PTR CALLBACK ShortcutsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

// What every exit keeps: the drawing as the last drawing, History.dat, then
// Settings.dat.
void SaveBeforeExit();

// Live ink's chrome window holds the overlay's child windows while the
// overlay is a layered window; what they tell their parent goes on to the
// overlay.
constexpr const char* CHROME_CLASS = "QuillcastLiveInkChrome";
LRESULT CALLBACK ChromeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The shortcut editor: every command with its keys, which the user changes
// by choosing a row and pressing a combination.
INT_PTR CALLBACK ShortcutEditorProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
// The modifiers (KEY_MOD_*) held, as GetAsyncKeyState (now) or GetKeyState
// (at the key message being handled) tells.
using KeyStateReader = SHORT(WINAPI*)(int);
unsigned HeldModifiers(KeyStateReader keyState);
