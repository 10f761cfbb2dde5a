#include "app/message.h"

#include <windows.h>

static void ShowMessageBox(const char* text, const char* title) { MessageBoxA(nullptr, text, title, MB_OK); }

MessageSink messageSink = ShowMessageBox;

void ShowUserMessage(const char* text, const char* title) { messageSink(text, title); }
