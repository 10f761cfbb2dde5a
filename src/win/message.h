// The program's few messages to the user: message boxes with an OK button,
// owned by `messageOwner` while that window is shown. Tests replace the sink
// to read the messages instead.
#pragma once

#include <windows.h>

using MessageSink = void (*)(const char* text, const char* title);
extern MessageSink messageSink;

// The window a box belongs to while it is visible; none at first.
extern HWND messageOwner;

void ShowUserMessage(const char* text, const char* title);
