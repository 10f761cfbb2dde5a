#include "win/ui.h"

#include "win/text.h"

#include <cstring>
#include <vector>

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

std::string MenuItemText(HMENU menu, UINT item, bool byPosition) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return {};
    std::vector<wchar_t> text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return {};
    return Narrow(text.data());
}

int findCombo(HWND combo, const char* text, int maxItems) {
    std::vector<char> item;
    for (int i = 0; i < maxItems; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR) return -1;
        item.assign(static_cast<size_t>(length) + 1, '\0');
        if (SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data())) == CB_ERR)
            return -1;
        if (std::strcmp(item.data(), text) == 0) {
            SelectComboItem(combo, i);
            return 0;
        }
    }
    return -1;
}

void SelectComboItem(HWND combo, int index) { SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

void StepComboSelection(HWND combo, int step) {
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    int index = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)) + step;
    if (index < 0) index = 0;
    if (index > count - 1) index = count - 1;
    SelectComboItem(combo, index);
}

void FillNumberList(HWND combo, int count, int step, const char* suffix) {
    for (int i = 1; i <= count; ++i) {
        const std::string item = std::to_string(i * step) + suffix;
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
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
