// The overlay's keys, wheel and show/hide hotkey, sent as window messages.
// Ctrl is held with real input: the overlay asks the system for its state.
#include <gtest/gtest.h>

#include "gestures.h"

namespace {

// Sent again while a pending focus change resets the keyboard state under Wine.
void SetCtrl(bool down) {
    for (int i = 0; i < 50 && ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) != down; ++i)
        keybd_event(VK_CONTROL, 0, down ? 0 : KEYEVENTF_KEYUP, 0), Sleep(20), PumpMessages();
}
// A key as the system sends it; a repeat (key held down) has bit 30 set.
void Key(WPARAM vk, bool repeat = false) {
    SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, vk, 1 | (repeat ? 1 << 30 : 0));
}
void Wheel(int delta) { SendMessageA(canvas.hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0); }
void Hotkey(UINT mods, UINT key) {
    SendMessageA(canvas.hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(mods, key)), PumpMessages();
}
int Ink() { return opts[IDOPTS_PENCOLORROW] * 5 + opts[IDOPTS_PENCOLORCOL]; }  // the palette cell
bool Painted(int x) { return PixelRgb(canvas.hdcBack, x, 120) != 0xFFFFFF; }   // on the whiteboard
void AddRect(int x) {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {x, 100}, {x + 40, 140})), RecordAdd(AnnotationCount() - 1);
}

TEST(Keys, CtrlZYStepTheHistoryAndCtrlEErasesForGoodBothClosingAnOpenText) {
    FreshDrawing(TOOL_PEN);
    for (int i = 1; i <= 4; ++i) AddRect(60 * i);
    Key('Z'), SetCtrl(true), Key('Z');           // the first without Ctrl does nothing
    EXPECT_TRUE(Painted(200) && !Painted(260));  // repainted at once
    for (int i = 0; i < 5; ++i) Key('Z', true);  // held: step after step, stopping at the start
    Key('Y'), Key('Y', true);
    EXPECT_TRUE(Painted(140) && !Painted(200));
    OpenTextEdit(0), SetWindowTextA(textEdit, "typed"),
        Key('Y');  // closes it without a commit, which would drop the undone step
    EXPECT_EQ((Ints{shapeText, AnnotationCount(), int(history.size()), undoneCount}), (Ints{-1, 3, 4, 1}));
    OpenTextEdit(0), Key('E');
    EXPECT_EQ((Ints{shapeText, AnnotationCount(), int(history.size()), Painted(80), opts[IDOPTS_TOOL]}),
              (Ints{-1, 0, 0, 0, TOOL_PEN}));
    SetCtrl(false), AddRect(60), Key('Z'), Key('E');  // E alone chooses the eraser
    EXPECT_EQ((Ints{AnnotationCount(), opts[IDOPTS_TOOL]}), (Ints{1, TOOL_ERASER}));
}

TEST(Keys, PlainKeysChooseToolsStepWidthsFlipFillMoveTheDockAndSwitchTheWhiteboard) {
    FreshDrawing(TOOL_ERASER);
    for (int tool = TOOL_PEN; tool <= TOOL_ERASER; ++tool) {  // and lay the dock out for it
        Key("PHRDOASE"[tool - TOOL_PEN]);
        EXPECT_TRUE(opts[IDOPTS_TOOL] == tool && Visible(dock.hwndEraseAll) == (tool == TOOL_ERASER)) << tool;
    }
    // Arrow keys, pressed then held, step the tool's width (pen and highlighter
    // share one) and the opacity whatever the tool, and stop at the ends.
    const struct {
        int tool;
        HWND list;
        int start;
        WPARAM key;
        int presses, option, value;
    } steps[] = {{TOOL_PEN, dock.hwndPenSize, 3, VK_UP, 2, IDOPTS_PENWIDTH, 5},
                 {TOOL_HIGHLIGHTER, dock.hwndPenSize, 4, VK_DOWN, 1, IDOPTS_PENWIDTH, 4},
                 {TOOL_ARROW, dock.hwndShapeWidth, 5, VK_UP, 1, IDOPTS_SHAPEWIDTH, 7},
                 {0, dock.hwndShapeWidth, -1, VK_DOWN, 8, IDOPTS_SHAPEWIDTH, 1},
                 {TOOL_MARK, dock.hwndOpacity, 3, VK_RIGHT, 2, IDOPTS_OPACITY, 5},
                 {0, dock.hwndOpacity, -1, VK_LEFT, 6, IDOPTS_OPACITY, 1}};
    for (const auto& s : steps) {
        if (s.tool) UseTool(s.tool), SendMessageA(s.list, CB_SETCURSEL, s.start, 0);
        for (int i = 0; i < s.presses; ++i) Key(s.key, i > 0);
        EXPECT_EQ((Ints{opts[s.option], int(SendMessageA(s.list, CB_GETCURSEL, 0, 0))}), (Ints{s.value, s.value - 1}))
            << s.key;
    }
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 4);  // the arrow's keys left the pen alone
    SendMessageA(dock.hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0),
        opts[IDOPTS_FILL] = 1;  // F flips the option, not the box
    const int top = opts[IDOPTS_DOCKTOP];
    FillRect(canvas.hdcCapture, &canvas.rectScreen, canvas.brushBlack);
    for (int on : {0, 1}) {
        Key('F'), Key('B'), Key('W');
        EXPECT_EQ((Ints{opts[IDOPTS_FILL], opts[IDOPTS_DOCKTOP] == top, opts[IDOPTS_WHITEBOARD], Painted(600)}),
                  (Ints{on, on, on, !on}));
    }
    const std::vector<int32_t> before(opts, opts + OPTS_COUNT);  // every other key is ignored, pressed or held
    for (WPARAM key : {'C', 'Q', 'X', '1', ' ', '\r', '\b', '\t', '.', 'p'}) Key(key), Key(key, true);  // ... Del, F1
    EXPECT_TRUE(std::vector<int32_t>(opts, opts + OPTS_COUNT) == before && history.empty() &&
                Visible(canvas.hwndOverlay));
}

// The wheel walks the ink colours of the ink tools (no movement counts as
// forward) and the highlighter's own five, and stops at both ends.
TEST(Keys, WheelWalksTheColoursEscAndTheHotkeyHideAndAShowStartsAFreshDrawing) {
    FreshDrawing(TOOL_PEN);
    opts[IDOPTS_PENCOLORROW] = opts[IDOPTS_PENCOLORCOL] = 0, opts[IDOPTS_HLCOLOR] = 2;
    Ints walked;  // one step back, stopping at the start, then on through the ink tools in turn
    for (int i = -1; i < 10; ++i) {
        UseTool(i < 1 ? TOOL_PEN : TOOL_RECT + i % 4);
        Wheel(i < 0 ? -120 : i % 2 ? 120 : 0), walked.push_back(Ink());
    }
    EXPECT_EQ(walked, (Ints{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9}));
    UseTool(TOOL_HIGHLIGHTER), opts[IDOPTS_HLCOLOR] = 0, Wheel(-120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 0);
    for (int tool : {TOOL_HIGHLIGHTER, TOOL_MARK, TOOL_ERASER})  // the mark and the eraser step nothing
        for (int i = 0; i < 5; ++i) UseTool(tool), Wheel(tool == TOOL_HIGHLIGHTER ? 120 : -120);
    EXPECT_EQ((Ints{opts[IDOPTS_HLCOLOR], Ink()}), (Ints{4, 9}));
    // Positions outside the palettes (an edited Settings.dat) step from the default.
    UseTool(TOOL_PEN), opts[IDOPTS_PENCOLORROW] = 7, opts[IDOPTS_PENCOLORCOL] = -3, Wheel(120);
    UseTool(TOOL_HIGHLIGHTER), opts[IDOPTS_HLCOLOR] = 40, Wheel(-120);
    EXPECT_TRUE(Ink() == 1 && opts[IDOPTS_HLCOLOR] >= 0 && opts[IDOPTS_HLCOLOR] <= 4);
    // Esc hides and gives the focus back; the hotkey with the show modifiers toggles.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, 0, 0, 0, 0);
    SetForegroundWindow(other), PumpMessages(), ShowOverlay(), PumpMessages(), AddRect(60);
    Key(VK_ESCAPE), PumpMessages(), opts[OPT_MODSHOW] = MOD_ALT,
                                    Hotkey(MOD_CONTROL, VK_F11);  // other modifiers: nothing
    EXPECT_TRUE(!Visible(canvas.hwndOverlay) && GetForegroundWindow() == other && AnnotationCount() == 1);
    FillRect(canvas.hdcCapture, &canvas.rectScreen, canvas.brushWhiteboard);  // a picture the screen cannot give
    Hotkey(MOD_ALT, 'Q');                                                     // the key is not compared
    EXPECT_TRUE(Visible(canvas.hwndOverlay) && AnnotationCount() == 0 && !Undo() &&
                PixelRgb(canvas.hdcCapture, 640, 400) != 0xFFFFFF);
    Hotkey(MOD_ALT, VK_F11);
    EXPECT_FALSE(Visible(canvas.hwndOverlay));
    ShowOverlay(), DestroyWindow(other);
}

}  // namespace
