// The program's few messages to the user: message boxes with an OK button,
// owned by the overlay while it is shown. Tests replace the sink to read the
// messages instead.
#pragma once

using MessageSink = void (*)(const char* text, const char* title);
extern MessageSink messageSink;

void ShowUserMessage(const char* text, const char* title);
