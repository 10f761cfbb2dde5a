#include "win/message.h"

#include "win/text.h"

HWND messageOwner;

// While the owner is up, a box belongs to it: it opens above the top-most
// owner, and closing it gives the keyboard back to it. Without the owner it
// still comes to the front.
static void ShowMessageBox(const char* text, const char* title) {
    const bool ownerUp = messageOwner && IsWindowVisible(messageOwner);
    const UINT style = ownerUp ? MB_OK : MB_OK | MB_TOPMOST | MB_SETFOREGROUND;
    MessageBoxW(ownerUp ? messageOwner : nullptr, Widen(text).c_str(), Widen(title).c_str(), style);
}

MessageSink messageSink = ShowMessageBox;

void ShowUserMessage(const char* text, const char* title) { messageSink(text, title); }
