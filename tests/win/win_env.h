// Shared set-up of the Win32 tests: GDI+ is started by the test main; tests
// that need the program's windows and surfaces start the whole program once
// per test process. Message boxes are recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The whole program, as the tests drive it.
#include "app/commands.h"
#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "features/options_dialog.h"
#include "features/settings.h"
#include "features/showing.h"
#include "features/snapshots.h"
#include "overlay/overlay.h"
#include "render/render.h"
#include "win/files.h"
#include "win/gdi_owner.h"
#include "win/program.h"
#include "win/text.h"
#include "win/ui.h"

// The texts of the messages shown, oldest first.
extern std::vector<std::string> recordedMessages;

// Runs the program's start-up (windows, surfaces, dock, settings) once.
void StartProgramOnce();

// Dispatches every pending message of this thread.
void PumpMessages();

// Holds Ctrl down or lets it go, with real input: the program asks the
// system for its state. Sent again while a pending focus change resets the
// keyboard state under Wine.
inline void SetCtrl(bool down) {
    for (int i = 0; i < 50 && ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) != down; ++i) {
        keybd_event(VK_CONTROL, 0, down ? 0 : KEYEVENTF_KEYUP, 0);
        Sleep(20);
        PumpMessages();
    }
}

// A COLORREF as 0x00RRGGBB, and a pixel of a device context so.
inline uint32_t PixelRgbOf(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
inline uint32_t PixelRgb(HDC dc, int x, int y) { return PixelRgbOf(GetPixel(dc, x, y)); }

inline std::string ReadFileBytes(const std::string& path) {
    std::string data;
    ReadWholeFile(path, data);
    return data;
}

// Whether a window is itself shown (its own WS_VISIBLE, whatever its parent).
inline bool Visible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

inline RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}
