#include <gtest/gtest.h>

#include "app/message.h"
#include "app/startup.h"
#include "win_env.h"

std::vector<RecordedMessage> recordedMessages;

static void RecordMessage(const char* text, const char* title) { recordedMessages.push_back({text, title}); }

void StartProgramOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    ASSERT_TRUE(StartUp(GetModuleHandleA(nullptr)));
    PumpMessages();
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

unsigned PixelRgb(HDC dc, int x, int y) {
    const COLORREF c = GetPixel(dc, x, y);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

int main(int argc, char** argv) {
    messageSink = RecordMessage;
    StartGdiplus();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
