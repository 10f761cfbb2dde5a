// Small helpers over the system's controls and menus, shared by every
// window of the program.
#pragma once

#include <windows.h>

#include <string>

// Opens a popup menu at (x, y) owned by `owner` and returns the chosen
// command id, 0 when the menu was dismissed. Every popup menu of the program
// opens through here: afterwards the real pointer reaches the windows again.
UINT OpenPopupMenu(HMENU menu, int x, int y, HWND owner);

// The whole text of a menu item, however long; by position, or by command
// id (which searches the submenus too).
std::string MenuItemText(HMENU menu, UINT item, bool byPosition);

// Selects the first item of a combo box whose text equals `text`; 0 when
// found, -1 when the items ran out.
int findCombo(HWND combo, const char* text, int maxItems = 99999);

void SelectComboItem(HWND combo, int index);

// Moves a list's selection `step` entries, staying on the first and last
// entries; a list without a selection goes to its first entry.
void StepComboSelection(HWND combo, int step);

// Appends the items "1 x step" to "count x step", each followed by `suffix`.
void FillNumberList(HWND combo, int count, int step, const char* suffix);

// The DPI the system gives a window, read the best way the system offers.
int DpiOfWindow(HWND window);
