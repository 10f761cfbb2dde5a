// The dock toolbar and the text format bar: their windows, controls and the
// state the overlay and the renderer read.
#pragma once

#include <windows.h>

#include <string>

extern HWND hwndDock;
extern HWND textBar;
extern HWND hwndTools;
extern HWND hwndMenuBar;
extern HWND hwndcolor;
extern HWND hwndPenSize;
extern HWND hwndShapeWidth;
extern HWND hwndOpacity;
extern HWND hwndFilled;
extern HWND hwndMarks;
extern HWND hwndNumber;
extern HWND hwndEraseAll;
extern HWND hwndcolor2;
extern HWND hwndFontFace;
extern HWND hwndFontSize;
extern HWND textEdit;
extern HDC hdcTextEdit;

extern HFONT fontMarkLarge;  // "Arial Bold" 10 pt: numbers on marks 0 and 1
extern HFONT fontMarkSmall;  // "Arial Bold" 8 pt: number on mark 2, width lists
extern HFONT fontCaption;    // "Segoe UI" 7 pt
extern HFONT fontText;       // text typed into filled shapes

extern int textMargin;     // inset of text inside its shape: 18 for ellipses, else 4
extern int markerNumber;   // number of the next numbered mark
extern int dockHideTimer;  // ms the pointer has been away from the dock

void CreateDock();
void RelayoutDock();
void ApplyDockControls();
void MakeTextFont();
void ToggleDockEdge();
// Puts the dock at the edge IDOPTS_DOCKTOP names, for the overlay's size.
void PlaceDock();
// Remakes everything of the dock and the text bar that depends on the
// overlay's scale (overlayDpi): places, pictures, fonts, list rows.
void RescaleDock();
// The window of a DockItem (dock/dock_scale.h).
HWND DockItemWindow(int item);
void DockAutohideTick();

extern HMENU dockMenu;      // the dock's Options menu
extern HMENU snapshotMenu;  // the dock's Snapshots menu, with the history groups

LRESULT CALLBACK DockWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Command ids of the Options menu, in menu order.
enum DockMenuId : UINT {
    DOCK_MENU_EDGE = 1,
    DOCK_MENU_WHITEBOARD = 2,
    DOCK_MENU_OPTIONS = 3,  // the default item
    DOCK_MENU_SEPARATOR = 4,
    DOCK_MENU_HIDE = 5,
    DOCK_MENU_EXIT = 6,
};
// Button ids of the menu toolbar.
constexpr int MENU_BUTTON_OPTIONS = 0;
constexpr int MENU_BUTTON_SNAPSHOTS = 1;

// Appends the items of the Options menu (ids 1..6 and "Restore Last Drawing",
// greyed until there is a last drawing; "All Options..." bold).
// Does nothing when the menu already holds items.
void FillDockOptionsMenu();

// What the two menus do with a chosen id (0: nothing was chosen).
void RunDockMenuChoice(UINT id);
void RunSnapshotMenuChoice(UINT id);

// Draws one item of the owner-drawn mark list or font face list.
void DrawDockListItem(const DRAWITEMSTRUCT* item);

// Caption pictures under the dock's controls, shown by the relayout.
enum DockCaption : int {
    CAPTION_COLOR,
    CAPTION_SIZE,
    CAPTION_WIDTH,
    CAPTION_OPACITY,
    CAPTION_FILLED,
    CAPTION_TEXTHINT,
    CAPTION_NUMBER,
    CAPTION_ERASEALL,
    CAPTION_COUNT
};
extern HWND dockCaptions[CAPTION_COUNT];

// The colour swatches: static controls whose procedure is replaced by
// SwatchWndProc. Hover cells are -1 when the pointer is not over them.
LRESULT CALLBACK SwatchWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void SubclassSwatch(HWND swatch);
extern int swatchHoverCol, swatchHoverRow;    // hwndcolor
extern int swatch2HoverCol, swatch2HoverRow;  // hwndcolor2
extern bool swatchTracking;                   // a leave notification is pending

// Swatch cell under a client point of that swatch, limited to the 5 x 2 grid.
POINT SwatchCellAt(HWND swatch, int x, int y);
