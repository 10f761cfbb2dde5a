#include "app/message.h"

#include "app/app.h"

// While the overlay is up, a box belongs to it: it opens above the top-most
// overlay, and closing it gives the keyboard back to the overlay. Without
// the overlay it still comes to the front.
static void ShowMessageBox(const char* text, const char* title) {
    const bool overlayUp = hwndOverlay && IsWindowVisible(hwndOverlay);
    const UINT style = overlayUp ? MB_OK : MB_OK | MB_TOPMOST | MB_SETFOREGROUND;
    MessageBoxA(overlayUp ? hwndOverlay : nullptr, text, title, style);
}

MessageSink messageSink = ShowMessageBox;

void ShowUserMessage(const char* text, const char* title) { messageSink(text, title); }
