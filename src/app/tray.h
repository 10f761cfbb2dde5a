// The notification-area icon and its menu.
#pragma once

#include <windows.h>

extern HMENU trayMenu;

void CreateTrayIcon();
void OnTrayNotification(LPARAM mouseMessage);
