// Which monitor the overlay covers. The overlay follows the pointer: every
// showing places it over the monitor the pointer is on.
#include "canvas/canvas.h"

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

bool ChoosePointerMonitor() {
    const bool resized = ReadScreenRectAtPointer();
    if (resized) SizeScreenSurfaces(ScreenWidth(), ScreenHeight());
    return resized;
}
