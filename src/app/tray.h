// The notification-area icon and its menu.
#pragma once

#include <windows.h>
#include <shellapi.h>

extern HMENU trayMenu;

// Command ids of the tray menu, in menu order.
enum TrayCommand : UINT {
    TRAY_SHOW = 1,     // "Show Quillcast", the default item
    TRAY_OPTIONS = 2,  // "Options..."
    TRAY_EXIT = 3,     // "Exit"
};

// The record the icon is added with: no tooltip, clicks reported to the
// overlay as TRAY_CALLBACK_MESSAGE.
NOTIFYICONDATAA MakeTrayIconRecord(HICON icon);

void CreateTrayIcon();
void OnTrayNotification(LPARAM mouseMessage);

// What a chosen tray menu item does; 0 (nothing chosen) does nothing.
void DoTrayCommand(UINT id);
