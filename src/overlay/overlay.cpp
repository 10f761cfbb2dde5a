// The overlay's window procedure: each message goes to one small handler.
#include "overlay/overlay.h"

#include "app/app.h"
#include "app/tray.h"
#include "dock/dock.h"
#include "settings/settings_win.h"
#include "snapshots/last_drawing_win.h"
#include "snapshots/snapshots.h"

// The overlay now lies on a monitor of another scale (or the scale of its
// monitor changed). It keeps covering its monitor, so the suggested
// rectangle is not used; the dock and the fonts follow the new DPI.
static void OnDpiChanged(WPARAM wParam) { ApplyOverlayDpi(HIWORD(wParam)); }

static void OnDestroy() {
    KeepDrawingAsLast();
    SaveHistory();
    SaveSettings();
    PostQuitMessage(0);
}

LRESULT CALLBACK OverlayWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ENDSESSION:  // the session ends without destroying the windows
        if (wParam) KeepDrawingAsLast();
        return 0;
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_COMMAND:
        return OnEditCommand(wParam, lParam);
    case WM_TIMER:
        DockAutohideTick();
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        OnPointerMove(lParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnPointerDown(lParam);
        return 0;
    case WM_LBUTTONUP:
        OnPointerUp();
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(lParam);
        return 0;
    case WM_HOTKEY:
        OnHotkey(wParam, lParam);
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(wParam);
        return 0;
    case TRAY_CALLBACK_MESSAGE:
        OnTrayNotification(lParam);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
