// The notification-area icon and its menu.
#include "app/tray.h"

HMENU trayMenu;

void CreateTrayIcon() {}
void OnTrayNotification(LPARAM) {}
