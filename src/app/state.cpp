// The process-wide state of the application shell. Every subsystem reads it;
// only start-up fills it in. Its definitions live apart from the start-up
// sequence so that no subsystem depends on the file that starts them all.
#include "app/app.h"

HINSTANCE hInst;
HWND hwndOverlay;
HDC hdcOverlay;
RECT rectScreen;
POINT overlayOrigin;
int overlayDpi = 96;
HDC hdcCapture;
HDC hdcBack;
HDC hdcBase;
BYTE* baseBits;
HDC hdcHighlightStrip;
HBRUSH brushBlack;
HBRUSH brushWhiteboard;
HWND hwndOptions;
HWND hwndShortcuts;
int optionsDlgWidth;
Gdiplus::GpImage* stampImages[MARK_COUNT];
HCURSOR cursorEraser, cursorMark, cursorHighlight[5], cursorArrow;
std::string exeDir, dataDir, snapshotDir, settingsPath, historyPath;
std::string fontResPath1, fontResPath2, fontResPath3;
HWND prevForeground;
BYTE exitRequested;
