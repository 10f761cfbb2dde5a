// Which monitor the overlay covers, and at what scale. The overlay follows
// the pointer: every showing places it over the monitor the pointer is on.
#include "app/app.h"
#include "app/startup.h"
#include "dock/dock.h"
#include "overlay/overlay.h"

// The monitor APIs, not the display modes: a display mode says nothing of
// where a second monitor lies, and some systems report none for it.
bool ReadScreenRectAtPointer() {
    POINT pointer;
    GetCursorPos(&pointer);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &info))
        GetWindowRect(GetDesktopWindow(), &info.rcMonitor);
    const RECT& m = info.rcMonitor;
    const bool resized = m.right - m.left != ScreenWidth() || m.bottom - m.top != ScreenHeight();
    overlayOrigin = {m.left, m.top};
    rectScreen = {0, 0, m.right - m.left, m.bottom - m.top};
    return resized;
}

// GetDpiForWindow exists from Windows 10 on; older systems have one DPI for
// every monitor, which the screen's device context gives.
int DpiOfWindow(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow)
        if (const UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

void ApplyOverlayDpi(int dpi) {
    if (dpi <= 0 || dpi == overlayDpi) return;
    overlayDpi = dpi;
    RescaleDock();
    MakeTextFont();
    LoadCursors();
    if (!exeDir.empty()) LoadMarkImages();  // not before start-up has found them
    RepaintOverlayNow();
}

bool ChoosePointerMonitor() {
    const bool resized = ReadScreenRectAtPointer();
    if (resized) SizeScreenSurfaces(ScreenWidth(), ScreenHeight());
    return resized;
}

void PlaceOverlayOnMonitor(bool resized) {
    SetWindowPos(hwndOverlay, nullptr, overlayOrigin.x, overlayOrigin.y, ScreenWidth(), ScreenHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // Windows tells a move to a monitor of another scale with WM_DPICHANGED;
    // asking again covers systems that do not.
    const int dpi = DpiOfWindow(hwndOverlay);
    if (dpi != overlayDpi)
        ApplyOverlayDpi(dpi);
    else if (resized)
        PlaceDock();
}
