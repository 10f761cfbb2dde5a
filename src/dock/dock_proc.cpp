// The procedure of the dock and the text format bar: their controls'
// notifications, the two owner-drawn lists and the two menus.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "canvas/canvas.h"
#include "core/commands.h"
#include "core/dock_steps.h"
#include "core/dock_scale.h"
#include "dock/dock.h"
#include "win/ui.h"

// The Snapshots button's left edge within the menu toolbar, at 100 %.
constexpr int SNAPSHOT_MENU_OFFSET = 77;

static void OnNumberChanged() {
    const int length = GetWindowTextLengthA(dock.hwndNumber);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(dock.hwndNumber, text.data(), length + 1);
    markerNumber = ParseMarkerNumber(text.data());
}

// The overlay carries out what was chosen; 0 (nothing chosen) sends nothing.
static void SendCommandToOverlay(UINT id) {
    if (id != 0) SendMessageA(canvas.hwndOverlay, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

static UINT OpenMenuAt(HMENU menu, int x, int y) { return OpenPopupMenu(menu, x, y, dock.hwndDock); }

static void OnMenuButton(int button) {
    RECT bar;
    GetWindowRect(dock.hwndMenuBar, &bar);
    if (button == MENU_BUTTON_OPTIONS) SendCommandToOverlay(OpenMenuAt(dockMenu, bar.left, bar.bottom));
    if (button == MENU_BUTTON_SNAPSHOTS)
        SendCommandToOverlay(
            OpenMenuAt(snapshotMenu, bar.left + ScaleToDpi(SNAPSHOT_MENU_OFFSET, canvas.overlayDpi), bar.bottom));
}

// Several steps can apply to one command; they run in this order.
static void OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND sender = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    if (code == EN_CHANGE && sender == dock.hwndNumber) OnNumberChanged();
    if (sender == dock.hwndTools) {
        laserChosen = false;
        RelayoutDock();
    }
    if (code == CBN_SELCHANGE) {
        SetFocus(canvas.hwndOverlay);
        ApplyDockControls();
        SetFocus(canvas.hwndOverlay);
    }
    if (code == BN_CLICKED) {
        ApplyDockControls();
        if (sender == dock.hwndEraseAll) SendCommandToOverlay(CMD_ERASE_ALL);
        if (sender == dock.hwndLiveSwitch) SendCommandToOverlay(CMD_LIVE_INK);
        if (sender == dock.hwndLiveHide) SendCommandToOverlay(CMD_HIDE);
        if (!canvas.passThrough && IsWindowVisible(canvas.hwndOverlay)) SetFocus(canvas.hwndOverlay);
    }
    if (sender == dock.hwndMenuBar) OnMenuButton(LOWORD(wParam));
}

// Fixed-height lists are measured once, while each is created; the parent
// tells which list asks.
static void OnMeasureItem(HWND hwnd, MEASUREITEMSTRUCT* item) {
    const bool selectionField = item->itemID == static_cast<UINT>(-1);
    const bool fontList = hwnd == dock.textBar;
    item->itemWidth = ScaleToDpi(fontList ? 330 : 460, canvas.overlayDpi);
    item->itemHeight = ListRowHeight(fontList, selectionField, canvas.overlayDpi);
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
