// Popup menus of the program (the dock's two menus and the tray menu) all
// open through here.
#include "app/app.h"

// Confines the pointer to the virtual screen less one pixel on an edge the
// pointer is not on, then frees it again. On Windows the pointer is already
// inside that rectangle, so nothing changes. Under an X server, a popup menu
// opened over the full-screen top-most overlay takes the pointer grab for
// itself and drops it on closing while the X driver's own pointer clip stays
// in place above every window, swallowing all later clicks; a changed clip
// rectangle makes the driver take its grab again, and freeing it then
// removes the clip cleanly.
static void ResetPointerClip() {
    POINT at{};
    GetCursorPos(&at);
    RECT area;
    area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (at.x < area.right - 1)
        --area.right;
    else if (at.x > area.left)
        ++area.left;
    else if (at.y < area.bottom - 1)
        --area.bottom;
    else
        ++area.top;
    ClipCursor(&area);
    ClipCursor(nullptr);
}

UINT OpenPopupMenu(HMENU menu, int x, int y, HWND owner) {
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD, x, y, 0, owner, nullptr));
    ResetPointerClip();
    return chosen;
}
