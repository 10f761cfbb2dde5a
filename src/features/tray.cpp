// The notification-area icon and its menu. The icon lives for the whole run,
// whether the overlay is shown or not; its clicks arrive at the overlay's
// window procedure as TRAY_CALLBACK_MESSAGE.
#include "features/tray.h"

#include <string>

#include "canvas/canvas.h"
#include "core/commands.h"
#include "win/program.h"
#include "win/text.h"
#include "win/ui.h"

HMENU trayMenu;

static const char* const TRAY_ICON_FILE = "\\plHighlighterIco.ICO";

struct TrayMenuItem {
    UINT id;
    const char* text;
};
static const TrayMenuItem trayMenuItems[] = {
    {CMD_SHOW, "Show Quillcast"}, {CMD_LIVE_INK, "Live Ink"}, {CMD_RESTORE_LAST_DRAWING, "Restore Last Drawing"},
    {CMD_OPTIONS, "Options..."},  {CMD_EXIT, "Exit"},
};

// The size given is that of the record version with the balloon-text fields
// (488 bytes in a 32-bit build, 504 in a 64-bit one): the shell only accepts
// the sizes of its known versions, so the full size of the structure we were
// compiled with must not be guessed at.
NOTIFYICONDATAA MakeTrayIconRecord(HICON icon) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = canvas.hwndOverlay;
    record.uID = TRAY_ICON_ID;
    record.uFlags = NIF_MESSAGE | NIF_ICON;
    record.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    record.hIcon = icon;
    return record;
}

static void BuildTrayMenu() {
    trayMenu = CreatePopupMenu();
    UINT position = 0;
    for (const TrayMenuItem& item : trayMenuItems)
        InsertMenuA(trayMenu, position++, MF_BYPOSITION | MF_STRING, item.id, item.text);
    SetMenuDefaultItem(trayMenu, CMD_SHOW, FALSE);
}

// A missing icon file still adds the entry, without a picture; it answers
// clicks all the same.
void CreateTrayIcon() {
    const std::string iconPath = exeDir + TRAY_ICON_FILE;
    HICON icon = static_cast<HICON>(LoadImageW(nullptr, WidePath(iconPath).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    NOTIFYICONDATAA record = MakeTrayIconRecord(icon);
    Shell_NotifyIconA(NIM_ADD, &record);
    BuildTrayMenu();
}

// The overlay is brought to the front even while hidden, so that a click
// elsewhere closes the menu. The posted message finishes the menu's modal
// loop cleanly and wakes the message loop, which then sees an exit request.
static UINT OpenTrayMenu() {
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(canvas.hwndOverlay);
    const UINT chosen = OpenPopupMenu(trayMenu, at.x, at.y, canvas.hwndOverlay);
    PostMessageA(canvas.hwndOverlay, WM_NULL, 0, 0);
    return chosen;
}

UINT OnTrayNotification(LPARAM mouseMessage) {
    switch (LOWORD(mouseMessage)) {
    case WM_LBUTTONDBLCLK:
        return CMD_SHOW;
    case WM_RBUTTONDOWN:
        return OpenTrayMenu();
    default:
        return CMD_NONE;
    }
}

// The icon's record with only the balloon's texts set; they are cut to the
// record's fields (63 and 255 characters).
void ShowTrayBalloon(const char* title, const std::string& text) {
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record.hWnd = canvas.hwndOverlay;
    record.uID = TRAY_ICON_ID;
    record.uFlags = NIF_INFO;
    record.dwInfoFlags = NIIF_INFO;
    lstrcpynW(record.szInfoTitle, Widen(title).c_str(), ARRAYSIZE(record.szInfoTitle));
    lstrcpynW(record.szInfo, Widen(text).c_str(), ARRAYSIZE(record.szInfo));
    Shell_NotifyIconW(NIM_MODIFY, &record);
}
