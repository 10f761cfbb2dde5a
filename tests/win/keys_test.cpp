// The overlay's keys, wheel and show/hide hotkey, sent as window messages.
// Ctrl is held with real input: the overlay asks the system for its state.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "overlay/overlay.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

using Ints = std::vector<int>;
bool CtrlIsDown() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }
void SetCtrl(bool down) {
    keybd_event(VK_CONTROL, 0, down ? 0 : KEYEVENTF_KEYUP, 0);
    for (int i = 0; i < 100 && CtrlIsDown() != down; ++i) Sleep(10);
    PumpMessages();  // the overlay ignores the Ctrl key's own messages
}
// A key as the system sends it; a repeat (key held down) has bit 30 set.
void Key(WPARAM vk, bool repeat = false) { SendMessageA(hwndOverlay, WM_KEYDOWN, vk, 1 | (repeat ? 1 << 30 : 0)); }
void Wheel(int delta) { SendMessageA(hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0); }
void Hotkey(UINT mods, UINT key) { SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(mods, key)), PumpMessages(); }
std::pair<int, int> Ink() { return {opts[IDOPTS_PENCOLORROW], opts[IDOPTS_PENCOLORCOL]}; }
bool Painted(int x) { return PixelRgb(hdcBack, x, 120) != 0xFFFFFF; }  // on the whiteboard
void AddRect(int x) { AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {x, 100}, {x + 40, 140})), RecordAdd(AnnotationCount() - 1); }
void Fresh() {  // a shown overlay on the whiteboard with an empty drawing and the pen
    StartProgramOnce();
    opts[IDOPTS_AUTOHIDE] = 0, opts[IDOPTS_WHITEBOARD] = 1, opts[IDOPTS_FILL] = 1, opts[IDOPTS_OPACITY] = 5;
    ShowWindow(hwndOverlay, SW_SHOW), ShowWindow(hwndDock, SW_SHOW);
    ClearAnnotations(), ClearHistory(), UseTool(TOOL_PEN);
}

TEST(Keys, CtrlZYStepTheHistoryAndCtrlEErasesForGoodBothClosingAnOpenText) {
    Fresh();
    for (int i = 1; i <= 4; ++i) AddRect(60 * i);
    Key('Z');  // without Ctrl nothing happens
    SetCtrl(true);
    Key('Z');
    EXPECT_TRUE(Painted(200) && !Painted(260));  // repainted at once
    for (int i = 0; i < 5; ++i) Key('Z', true);  // held: step after step, stopping at the start
    Key('Y'), Key('Y', true);
    EXPECT_TRUE(Painted(140) && !Painted(200));
    OpenTextEdit(0), SetWindowTextA(textEdit, "typed");
    Key('Y');  // closes the text without a commit, which would drop the undone step
    EXPECT_EQ((Ints{shapeText, AnnotationCount(), int(history.size()), undoneCount}), (Ints{-1, 3, 4, 1}));
    OpenTextEdit(0), Key('E');
    EXPECT_EQ((Ints{shapeText, Visible(textEdit), AnnotationCount(), int(history.size()), opts[IDOPTS_TOOL]}),
              (Ints{-1, 0, 0, 0, TOOL_PEN}));
    EXPECT_FALSE(Painted(80));
    SetCtrl(false);
    AddRect(60), Key('Z'), Key('E');  // E alone chooses the eraser
    EXPECT_EQ((Ints{AnnotationCount(), opts[IDOPTS_TOOL]}), (Ints{1, TOOL_ERASER}));
}

TEST(Keys, PlainKeysChooseToolsStepWidthsFlipFillMoveTheDockAndSwitchTheWhiteboard) {
    Fresh(), UseTool(TOOL_ERASER);
    for (int tool = TOOL_PEN; tool <= TOOL_ERASER; ++tool) {  // and lay the dock out for it
        Key("PHRDOASE"[tool - TOOL_PEN]);
        EXPECT_TRUE(opts[IDOPTS_TOOL] == tool && SendMessageA(hwndTools, TB_ISBUTTONCHECKED, tool - 1, 0) &&
                    Visible(hwndEraseAll) == (tool == TOOL_ERASER)) << tool;
    }
    // Arrow keys, pressed then held, step the tool's width (pen and highlighter
    // share one) and the opacity whatever the tool, and stop at the ends.
    const struct { int tool; HWND list; int start; WPARAM key; int presses, option, value; } steps[] = {
        {TOOL_PEN, hwndPenSize, 3, VK_UP, 2, IDOPTS_PENWIDTH, 5}, {TOOL_HIGHLIGHTER, hwndPenSize, -1, VK_DOWN, 1, IDOPTS_PENWIDTH, 4},
        {TOOL_ARROW, hwndShapeWidth, 5, VK_UP, 1, IDOPTS_SHAPEWIDTH, 7}, {0, hwndShapeWidth, -1, VK_DOWN, 8, IDOPTS_SHAPEWIDTH, 1},
        {TOOL_MARK, hwndOpacity, 3, VK_RIGHT, 2, IDOPTS_OPACITY, 5}, {0, hwndOpacity, -1, VK_LEFT, 6, IDOPTS_OPACITY, 1}};
    for (const auto& s : steps) {
        if (s.tool) UseTool(s.tool);
        if (s.start >= 0) SendMessageA(s.list, CB_SETCURSEL, s.start, 0);
        for (int i = 0; i < s.presses; ++i) Key(s.key, i > 0);
        EXPECT_EQ((Ints{opts[s.option], int(SendMessageA(s.list, CB_GETCURSEL, 0, 0))}), (Ints{s.value, s.value - 1})) << s.key;
    }
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 4);  // the arrow's keys left the pen alone
    SendMessageA(hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0), opts[IDOPTS_FILL] = 1;  // F flips the option, not the box
    const int top = opts[IDOPTS_DOCKTOP];
    FillRect(hdcCapture, &rectScreen, brushBlack);
    for (int flip : {0, 1}) {
        Key('F'), Key('B'), Key('W');
        EXPECT_EQ((Ints{opts[IDOPTS_FILL], int(SendMessageA(hwndFilled, BM_GETCHECK, 0, 0)), opts[IDOPTS_DOCKTOP],
                        opts[IDOPTS_WHITEBOARD], Painted(600)}),
                  (Ints{flip, flip, flip ? top : 1 - top, flip, !flip}));
    }
    AddRect(60);  // every other key is ignored, pressed or held
    const std::vector<int32_t> before(opts, opts + OPTS_COUNT);
    for (WPARAM key : {'C', 'Q', 'X', '1', ' ', '\r', '\b', '\t', '.', 'p'}) Key(key), Key(key, true);  // ... Del, F1
    EXPECT_TRUE(std::vector<int32_t>(opts, opts + OPTS_COUNT) == before && history.size() == 1 && Visible(hwndOverlay));
}

// The wheel walks the ink colours of the ink tools (no movement counts as
// forward) and the highlighter's own five, and stops at both ends.
TEST(Keys, WheelWalksTheColoursEscAndTheHotkeyHideAndAShowStartsAFreshDrawing) {
    Fresh();
    opts[IDOPTS_PENCOLORROW] = opts[IDOPTS_PENCOLORCOL] = 0, opts[IDOPTS_HLCOLOR] = 2;
    Wheel(-120);
    std::vector<std::pair<int, int>> walked{Ink()};
    for (int i = 0; i < 10; ++i) UseTool(TOOL_PEN + i % 5 + (i % 5 > 0)), Wheel(i % 2 ? 120 : 0), walked.push_back(Ink());
    EXPECT_EQ(walked, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0}, {1, 1}, {1, 2},
                                                        {1, 3}, {1, 4}, {1, 4}}));
    UseTool(TOOL_HIGHLIGHTER), opts[IDOPTS_HLCOLOR] = 0;
    Wheel(-120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 0);
    for (int tool : {TOOL_HIGHLIGHTER, TOOL_MARK, TOOL_ERASER})  // the mark and the eraser step nothing
        for (int i = 0; i < 5; ++i) UseTool(tool), Wheel(tool == TOOL_HIGHLIGHTER ? 120 : -120);
    EXPECT_EQ((Ints{opts[IDOPTS_HLCOLOR], opts[IDOPTS_PENCOLORROW], opts[IDOPTS_PENCOLORCOL]}), (Ints{4, 1, 4}));
    // Positions outside the palettes (an edited Settings.dat) step from the default.
    UseTool(TOOL_PEN), opts[IDOPTS_PENCOLORROW] = 7, opts[IDOPTS_PENCOLORCOL] = -3, Wheel(120);
    UseTool(TOOL_HIGHLIGHTER), opts[IDOPTS_HLCOLOR] = 40, Wheel(-120);
    EXPECT_TRUE(Ink() == std::make_pair(0, 1) && opts[IDOPTS_HLCOLOR] >= 0 && opts[IDOPTS_HLCOLOR] <= 4);
    // Esc hides and gives the focus back; the hotkey with the show modifiers toggles.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, 0, 0, 0, 0);
    SetForegroundWindow(other), PumpMessages(), ShowOverlay(), PumpMessages(), AddRect(60);
    Key(VK_ESCAPE), PumpMessages();
    EXPECT_TRUE(!Visible(hwndOverlay) && GetForegroundWindow() == other && AnnotationCount() == 1);
    opts[OPT_MODSHOW] = MOD_ALT;
    Hotkey(MOD_CONTROL, VK_F11);  // other modifiers
    EXPECT_FALSE(Visible(hwndOverlay));
    FillRect(hdcCapture, &rectScreen, brushWhiteboard);  // a picture the screen cannot give
    Hotkey(MOD_ALT, 'Q');                                 // the key is not compared
    EXPECT_TRUE(Visible(hwndOverlay) && AnnotationCount() == 0 && !Undo() && PixelRgb(hdcCapture, 640, 400) != 0xFFFFFF);
    Hotkey(MOD_ALT, VK_F11);
    EXPECT_FALSE(Visible(hwndOverlay));
    ShowOverlay(), DestroyWindow(other);
}

}  // namespace
