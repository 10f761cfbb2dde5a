// The notification-area icon and its menu.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// The icon's clicks reach the overlay as this message; the icon's id.
constexpr UINT TRAY_CALLBACK_MESSAGE = 987;
constexpr UINT TRAY_ICON_ID = 100;

extern HMENU trayMenu;

// The record the icon is added with: no tooltip, clicks reported to the
// overlay as TRAY_CALLBACK_MESSAGE.
NOTIFYICONDATAA MakeTrayIconRecord(HICON icon);

void CreateTrayIcon();

// The command a click on the icon asks for: a double click shows the
// overlay, a right click opens the menu and gives its chosen item's command
// (CMD_NONE when the menu was dismissed or for any other click).
UINT OnTrayNotification(LPARAM mouseMessage);

// A balloon of the icon, for news while the overlay is hidden.
void ShowTrayBalloon(const char* title, const std::string& text);
