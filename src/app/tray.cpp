// The notification-area icon and its menu. The icon lives for the whole run,
// whether the overlay is shown or not; its clicks arrive at the overlay's
// window procedure as TRAY_CALLBACK_MESSAGE.
#include "app/tray.h"

#include <string>

#include "app/app.h"
#include "resource.h"
#include "snapshots/last_drawing_win.h"
#include "settings/options_dialog_win.h"

HMENU trayMenu;

static const char* const TRAY_ICON_FILE = "\\plHighlighterIco.ICO";

struct TrayMenuItem {
    UINT id;
    const char* text;
};
static const TrayMenuItem trayMenuItems[] = {
    {TRAY_SHOW, "Show Quillcast"},
    {IDM_RESTORE_LAST_DRAWING, "Restore Last Drawing"},
    {TRAY_OPTIONS, "Options..."},
    {TRAY_EXIT, "Exit"},
};

// The size given is that of the record version with the balloon-text fields
// (488 bytes in a 32-bit build, 504 in a 64-bit one): the shell only accepts
// the sizes of its known versions, so the full size of the structure we were
// compiled with must not be guessed at.
NOTIFYICONDATAA MakeTrayIconRecord(HICON icon) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = hwndOverlay;
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
    SetMenuDefaultItem(trayMenu, TRAY_SHOW, FALSE);
}

// A missing icon file still adds the entry, without a picture; it answers
// clicks all the same.
void CreateTrayIcon() {
    const std::string iconPath = exeDir + TRAY_ICON_FILE;
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, iconPath.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    NOTIFYICONDATAA record = MakeTrayIconRecord(icon);
    Shell_NotifyIconA(NIM_ADD, &record);
    BuildTrayMenu();
}

void DoTrayCommand(UINT id) {
    switch (id) {
    case TRAY_SHOW:
        ShowOverlay();
        break;
    case IDM_RESTORE_LAST_DRAWING:
        // From the hidden state the overlay is shown first, as every
        // showing does; what comes back is then the drawing it put aside
        // or, with none, the last drawing.
        if (!IsWindowVisible(hwndOverlay)) ShowOverlay();
        RestoreLastDrawing();
        break;
    case TRAY_OPTIONS:
        ShowOptionsDialog();
        break;
    case TRAY_EXIT:
        exitRequested = 1;
        break;
    default:
        break;  // the menu was dismissed
    }
}

// The overlay is brought to the front even while hidden, so that a click
// elsewhere closes the menu. The posted message finishes the menu's modal
// loop cleanly and wakes the message loop, which then sees an exit request.
static void OpenTrayMenu() {
    POINT at;
    GetCursorPos(&at);
    SetForegroundWindow(hwndOverlay);
    const UINT chosen = OpenPopupMenu(trayMenu, at.x, at.y, hwndOverlay);
    PostMessageA(hwndOverlay, WM_NULL, 0, 0);
    DoTrayCommand(chosen);
}

void OnTrayNotification(LPARAM mouseMessage) {
    switch (LOWORD(mouseMessage)) {
    case WM_LBUTTONDBLCLK:
        ShowOverlay();
        break;
    case WM_RBUTTONDOWN:
        OpenTrayMenu();
        break;
    default:
        break;
    }
}
