#include <cstdio>

#include "win/message.h"
#include "app/startup.h"
#include "win_env.h"

std::vector<std::string> recordedMessages;

static void RecordMessage(const char* text, const char*) { recordedMessages.push_back(text); }

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

int main(int argc, char** argv) {
    messageSink = RecordMessage;
    StartGdiplus();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // A filter that matches nothing means the exe is older than its sources.
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no test matched: is wintests.exe up to date?\n");
        return 1;
    }
    return result;
}
