// The program's few messages to the user: message boxes with no owner and an
// OK button. Tests replace the sink to read the messages instead.
#pragma once

using MessageSink = void (*)(const char* text, const char* title);
extern MessageSink messageSink;

void ShowUserMessage(const char* text, const char* title);
