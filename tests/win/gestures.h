// Gestures on the real overlay window for the Win32 tests: the button
// messages go through the overlay's window procedure and carry the only
// positions; the system cursor stays elsewhere, as when the pointer has moved
// on before a busy program handles a press.
#pragma once

#include "saved_state.h"

#include <commctrl.h>

// Chooses a tool and lays the dock out for it, keeping the other options.
inline void UseTool(int tool) {
    SendMessageA(dock.hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
    RelayoutDock();
}

// The user picks item `index` of a list of the dock or the text bar.
inline void Choose(HWND list, int index) {
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(list), WM_COMMAND, CBN_SELCHANGE << 16, LPARAM(list));
}

inline void MoveTo(int x, int y) { SendMessageA(canvas.hwndOverlay, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

inline void Press(int x, int y) {
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PumpMessages();
}

inline void Release() {
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONUP, 0, 0);
    PumpMessages();
}

inline void Drag(int x1, int y1, int x2, int y2, int steps = 8) {
    Press(x1, y1);
    for (int i = 1; i <= steps; ++i) MoveTo(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps);
    Release();
}

inline void Click(int x, int y) { Drag(x, y, x, y, 0); }

// A shown overlay and dock with an empty drawing and history over the
// whiteboard, fill on (the box checked too), no autohide, text in the first
// face at 14 points, the next mark number 1, and the pen.
class DrawingTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ClearAnnotations();
        ClearHistory();
        opts[IDOPTS_AUTOHIDE] = 0;
        opts[IDOPTS_WHITEBOARD] = 1;
        opts[IDOPTS_FILL] = 1;
        opts[IDOPTS_FONT] = 0;
        opts[IDOPTS_FONTSIZE] = 14;
        SendMessageA(dock.hwndFilled, BM_SETCHECK, BST_CHECKED, 0);
        MakeTextFont();
        markerNumber = 1;
        ShowWindow(canvas.hwndOverlay, SW_SHOW);
        ShowWindow(dock.hwndDock, SW_SHOW);
        UseTool(TOOL_PEN);
    }
};

// The name of a row of a table of parameterised tests: its first field.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return std::get<0>(info.param);
}
