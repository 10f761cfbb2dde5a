// The procedure of the dock and the text format bar: their controls'
// notifications, the two owner-drawn lists and the two menus.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/app.h"
#include "core/dock_steps.h"
#include "dock/dock.h"
#include "dock/dock_scale.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "render/render.h"
#include "settings/options_dialog_win.h"
#include "resource.h"
#include "snapshots/last_drawing_win.h"
#include "snapshots/snapshots.h"

// The Snapshots button's left edge within the menu toolbar, at 100 %.
constexpr int SNAPSHOT_MENU_OFFSET = 77;

static void OnNumberChanged() {
    const int length = GetWindowTextLengthA(hwndNumber);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(hwndNumber, text.data(), length + 1);
    markerNumber = ParseMarkerNumber(text.data());
}

void RunDockMenuChoice(UINT id) {
    switch (id) {
    case DOCK_MENU_EDGE:
        ToggleDockEdge();
        break;
    case DOCK_MENU_WHITEBOARD:
        ToggleWhiteboard();
        break;
    case IDM_RESTORE_LAST_DRAWING:
        RestoreLastDrawing();
        break;
    case DOCK_MENU_OPTIONS:
        ShowOptionsDialog();
        break;
    case DOCK_MENU_HIDE:
        HideOverlay();
        break;
    case DOCK_MENU_EXIT:
        exitRequested = 1;
        break;
    default:
        break;
    }
}

// A history entry's text is the path of its picture: any text with a period
// in it is loaded as the background.
void RunSnapshotMenuChoice(UINT id) {
    if (id == 0) return;
    const std::string text = SnapshotMenuText(id);
    if (text.find('.') != std::string::npos) LoadBackgroundImage(text);
    if (id == SNAPSHOT_MENU_TAKE) SaveSnapshot();
    if (id == SNAPSHOT_MENU_LOAD) LoadSnapshotDialog();
}

static UINT OpenMenuAt(HMENU menu, int x, int y) { return OpenPopupMenu(menu, x, y, hwndDock); }

static void OnMenuButton(int button) {
    RECT bar;
    GetWindowRect(hwndMenuBar, &bar);
    if (button == MENU_BUTTON_OPTIONS) RunDockMenuChoice(OpenMenuAt(dockMenu, bar.left, bar.bottom));
    if (button == MENU_BUTTON_SNAPSHOTS)
        RunSnapshotMenuChoice(
            OpenMenuAt(snapshotMenu, bar.left + ScaleToDpi(SNAPSHOT_MENU_OFFSET, overlayDpi), bar.bottom));
}

// Several steps can apply to one command; they run in this order.
static void OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND sender = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    if (code == EN_CHANGE && sender == hwndNumber) OnNumberChanged();
    if (sender == hwndTools) RelayoutDock();
    if (code == CBN_SELCHANGE) {
        SetFocus(hwndOverlay);
        ApplyDockControls();
        SetFocus(hwndOverlay);
    }
    if (code == BN_CLICKED) {
        ApplyDockControls();
        if (sender == hwndEraseAll) EraseAll();
        SetFocus(hwndOverlay);
    }
    if (sender == hwndMenuBar) OnMenuButton(LOWORD(wParam));
}

// Fixed-height lists are measured once, while each is created; the parent
// tells which list asks.
static void OnMeasureItem(HWND hwnd, MEASUREITEMSTRUCT* item) {
    const bool selectionField = item->itemID == static_cast<UINT>(-1);
    const bool fontList = hwnd == textBar;
    item->itemWidth = ScaleToDpi(fontList ? 330 : 460, overlayDpi);
    item->itemHeight = ListRowHeight(fontList, selectionField, overlayDpi);
}

LRESULT CALLBACK DockWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MEASUREITEM:
        OnMeasureItem(hwnd, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_DRAWITEM:
        DrawDockListItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_KEYDOWN:
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
