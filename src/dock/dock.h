// The dock toolbar and the text format bar: their windows, controls and the
// state the overlay and the renderer read.
#pragma once

#include <windows.h>

#include <string>

constexpr const char* DOCK_CLASS = "ClassIsTheAnnotDock";

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

// The windows of the dock and the text format bar, made once by CreateDock.
struct DockControls {
    HWND hwndDock, textBar;       // the two bars
    HWND hwndTools, hwndMenuBar;  // tool buttons; the Options and Snapshots buttons
    HWND hwndcolor, hwndPenSize, hwndShapeWidth, hwndOpacity, hwndFilled, hwndMarks, hwndNumber, hwndEraseAll;
    HWND hwndcolor2, hwndFontFace, hwndFontSize;  // the text bar's
    HWND captions[CAPTION_COUNT];                 // caption pictures under the controls
    HWND liveBar, hwndLiveSwitch, hwndLiveHide;   // live ink's bar beside the dock and its two buttons
};
extern DockControls dock;
extern HWND textEdit;
extern HDC hdcTextEdit;

extern HFONT fontCaption;  // "Segoe UI" 7 pt
extern HFONT fontText;     // text typed into filled shapes

extern int textMargin;     // inset of text inside its shape: 18 for ellipses, else 4
extern int markerNumber;   // number of the next numbered mark
extern int dockHideTimer;  // ms the pointer has been away from the dock

void CreateDock();
// The width and opacity lists' items; once, at start-up.
void FillDockLists();
// Shows the option table in the dock's and the text bar's controls.
void ShowOptionsInDock();
void ShowFontSizeInTextBar();

// The commands' effects on the dock's controls, each read back into the
// options at once.
void DockChooseTool(int tool);
// The laser pointer is chosen; choosing any tool leaves it.
extern bool laserChosen;
void DockStepWidth(int step);
void DockStepOpacity(int step);
void DockToggleFill();
void ShowDockWithNewColor();
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

// Live ink's bar beside the dock: its first button switches between drawing
// and letting the pointer through ("Pointer" while drawing, "Draw" while
// the pointer goes through), its second hides live ink. While the pointer
// goes through, the bar is all the dock shows.
enum class LiveBarState { NONE, DRAWING, POINTER };
void ShowLiveBar(LiveBarState state);
// Live ink's chrome window takes the pointer only where one of the windows
// it holds is shown: its region follows them. Nothing happens otherwise.
void ShapeChrome();
// Shows the dock at once when it hid itself and the pointer is over its place.
void RevealDockUnderPointer();
// Shows a short notice beside the dock for a few seconds; whether one shows.
void FlashDockNotice(const std::string& text);
bool DockNoticeShown();

extern HMENU dockMenu;      // the dock's Options menu
extern HMENU snapshotMenu;  // the dock's Snapshots menu, with the history groups

LRESULT CALLBACK DockWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Button ids of the menu toolbar.
constexpr int MENU_BUTTON_OPTIONS = 0;
constexpr int MENU_BUTTON_SNAPSHOTS = 1;

// Appends the items of the Options menu (their ids are command ids;
// "Restore Last Drawing" greyed until there is a last drawing; "All
// Options..." bold). Does nothing when the menu already holds items.
void FillDockOptionsMenu();

// The dock does not act on the program itself: a chosen menu item or the
// "Erase All" button is sent to the overlay, the dock's parent, as
// WM_COMMAND with the item's id in the low word and no control.

// Draws one item of the owner-drawn mark list or font face list.
void DrawDockListItem(const DRAWITEMSTRUCT* item);

// The colour swatches: static controls whose procedure is replaced by
// SwatchWndProc. Hover cells are -1 when the pointer is not over them.
LRESULT CALLBACK SwatchWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void SubclassSwatch(HWND swatch);
extern int swatchHoverCol, swatchHoverRow;    // hwndcolor
extern int swatch2HoverCol, swatch2HoverRow;  // hwndcolor2
extern bool swatchTracking;                   // a leave notification is pending

// Swatch cell under a client point of that swatch, limited to the 5 x 2 grid.
POINT SwatchCellAt(HWND swatch, int x, int y);
