// The dock toolbar and the text format bar.
#include "dock/dock.h"

HWND hwndDock, textBar, hwndTools, hwndMenuBar, hwndcolor, hwndPenSize, hwndShapeWidth, hwndOpacity, hwndFilled,
    hwndMarks, hwndNumber, hwndEraseAll, hwndcolor2, hwndFontFace, hwndFontSize, textEdit;
HDC hdcTextEdit;
HFONT fontMarkLarge, fontMarkSmall, fontCaption, fontText;
int textMargin = 4;
int markerNumber = 1;
int dockHideTimer;
HMENU dockMenu, snapshotMenu;

LRESULT CALLBACK DockWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
void CreateDock() {}
void RelayoutDock() {}
void ApplyDockControls() {}
void MakeTextFont() {}
void ToggleDockEdge() {}
void DockAutohideTick() {}
