// The overlay's keys, wheel and show/hide hotkey, sent as real window
// messages to the overlay. Ctrl is held with real input (SendInput), since
// the overlay asks the system for the key's state at the time of the key.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "dock/dock.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "settings/options.h"
#include "win_env.h"

namespace {

constexpr unsigned RED_RGB = 0xFF0000;
constexpr unsigned WHITE_RGB = 0xFFFFFF;

bool CtrlIsDown() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

void SendCtrl(bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = VK_CONTROL;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
    for (int i = 0; i < 100 && CtrlIsDown() == up; ++i) Sleep(10);
    PumpMessages();  // the overlay ignores the Ctrl key's own messages
}

// Ctrl held down with real input for the lifetime of the object.
class HoldCtrl {
public:
    HoldCtrl() { SendCtrl(false); }
    ~HoldCtrl() { SendCtrl(true); }
    HoldCtrl(const HoldCtrl&) = delete;
    HoldCtrl& operator=(const HoldCtrl&) = delete;
};

// A key as the system sends it; a repeat has bit 30 (key was down) set.
LRESULT Key(WPARAM vk, bool repeat = false) {
    const LPARAM flags = 1 | (repeat ? (1 << 30) : 0);
    return SendMessageA(hwndOverlay, WM_KEYDOWN, vk, flags);
}

void Wheel(int delta) {
    SendMessageA(hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
                 MAKELPARAM(640, 400));
}

int Selection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        ASSERT_FALSE(CtrlIsDown());
        opts[IDOPTS_AUTOHIDE] = 0;
        opts[IDOPTS_WHITEBOARD] = 1;
        ShowWindow(hwndOverlay, SW_SHOW);
        ShowWindow(hwndDock, SW_SHOW);
        ClearAnnotations();
        ClearHistory();
        UseTool(TOOL_PEN);
    }
    static void UseTool(int tool) {
        SendMessageA(hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
        RelayoutDock();
    }
    // A filled red rectangle, recorded as drawn.
    static void AddRect(int x, int y) {
        Annotation r = MakeShapeRecord(ANNOT_RECT, {x, y}, {x + 40, y + 40});
        r.color = RGB(255, 0, 0);
        r.filled = 1;
        r.opacity = 5;
        AppendAnnotation(r);
        RecordAdd(AnnotationCount() - 1);
    }
    static unsigned Shown(int x, int y) { return PixelRgb(hdcBack, x, y); }
};

TEST_F(Keys, UndoAndRedoNeedCtrlAndRepaintTheOverlay) {
    AddRect(100, 100);
    AddRect(200, 100);
    RepaintOverlayNow();
    ASSERT_EQ(Shown(220, 120), RED_RGB);

    EXPECT_EQ(Key('Z'), 0);
    EXPECT_EQ(Key('Y'), 0);
    EXPECT_EQ(AnnotationCount(), 2);
    EXPECT_EQ(undoneCount, 0);
    {
        HoldCtrl ctrl;
        Key('Z');
        EXPECT_EQ(AnnotationCount(), 1);
        EXPECT_EQ(Shown(220, 120), WHITE_RGB);
        EXPECT_EQ(Shown(120, 120), RED_RGB);
        Key('Y');
        EXPECT_EQ(AnnotationCount(), 2);
        EXPECT_EQ(Shown(220, 120), RED_RGB);
        Key('Y');  // nothing left to redo
        EXPECT_EQ(AnnotationCount(), 2);
        EXPECT_EQ(undoneCount, 0);
    }
    Key('Z');  // Ctrl released again
    EXPECT_EQ(AnnotationCount(), 2);
}

TEST_F(Keys, HeldCtrlZUndoesStepAfterStepAndStopsAtTheStart) {
    for (int i = 0; i < 4; ++i) AddRect(100 + 60 * i, 300);
    HoldCtrl ctrl;
    Key('Z');
    Key('Z', true);
    Key('Z', true);
    EXPECT_EQ(AnnotationCount(), 1);
    for (int i = 0; i < 3; ++i) Key('Z', true);
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_EQ(undoneCount, 4);
    Key('Y');
    Key('Y', true);
    EXPECT_EQ(AnnotationCount(), 2);
    EXPECT_EQ(annotations[1].x, 160);
}

TEST_F(Keys, CtrlEErasesEverythingForGoodWhileEAloneChoosesTheEraser) {
    AddRect(100, 100);
    AddRect(200, 100);
    {
        HoldCtrl ctrl;
        Key('Z');
        Key('E');
        EXPECT_EQ(AnnotationCount(), 0);
        EXPECT_TRUE(history.empty());
        EXPECT_EQ(undoneCount, 0);
        EXPECT_EQ(Shown(120, 120), WHITE_RGB);
        Key('Z');
        Key('Y');
        EXPECT_EQ(AnnotationCount(), 0);
        EXPECT_EQ(opts[IDOPTS_TOOL], TOOL_PEN);  // Ctrl+E is not the eraser
    }
    AddRect(100, 100);
    Key('E');
    EXPECT_EQ(opts[IDOPTS_TOOL], TOOL_ERASER);
    EXPECT_EQ(AnnotationCount(), 1);
}

TEST_F(Keys, UndoRedoAndEraseAllCloseAnOpenTextWithoutCommittingIt) {
    AddRect(100, 100);
    for (WPARAM key : {WPARAM('Y'), WPARAM('E')}) {
        OpenTextEdit(0);
        SetWindowTextA(textEdit, "typed");
        {
            HoldCtrl ctrl;
            Key(key);
        }
        EXPECT_EQ(shapeText, -1);
        EXPECT_FALSE(IsWindowVisible(textEdit));
        if (key == 'Y') {
            EXPECT_EQ(annotations[0].text, "");
            EXPECT_EQ(history.size(), 1u);
        }
    }
}

TEST_F(Keys, LettersChooseTheirToolAndRelayTheDockOut) {
    const std::vector<std::pair<WPARAM, int>> keys = {{'H', TOOL_HIGHLIGHTER}, {'R', TOOL_RECT},   {'D', TOOL_ROUNDRECT},
                                                      {'O', TOOL_ELLIPSE},     {'A', TOOL_ARROW},  {'S', TOOL_MARK},
                                                      {'E', TOOL_ERASER},      {'P', TOOL_PEN}};
    for (const auto& [key, tool] : keys) {
        EXPECT_EQ(Key(key), 0);
        EXPECT_EQ(opts[IDOPTS_TOOL], tool) << "key " << static_cast<char>(key);
        EXPECT_TRUE(SendMessageA(hwndTools, TB_ISBUTTONCHECKED, tool - 1, 0));
        EXPECT_EQ(textMargin, tool == TOOL_ELLIPSE ? 18 : 4);
    }
    Key('E');
    EXPECT_TRUE(IsWindowVisible(hwndEraseAll));
    EXPECT_FALSE(IsWindowVisible(hwndcolor));
    Key('R');
    EXPECT_TRUE(IsWindowVisible(hwndFilled));
    EXPECT_FALSE(IsWindowVisible(hwndEraseAll));
}

TEST_F(Keys, UpAndDownStepTheToolsWidthListAndStayAtTheEnds) {
    SendMessageA(hwndPenSize, CB_SETCURSEL, 3, 0);
    Key(VK_UP);
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 5);
    Key(VK_UP, true);  // already the widest pen
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 5);
    EXPECT_EQ(Selection(hwndPenSize), 4);

    UseTool(TOOL_HIGHLIGHTER);  // the highlighter shares the pen's list
    Key(VK_DOWN);
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 4);

    UseTool(TOOL_ARROW);
    SendMessageA(hwndShapeWidth, CB_SETCURSEL, 5, 0);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(opts[IDOPTS_SHAPEWIDTH], 7);
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 4);
    for (int i = 0; i < 8; ++i) Key(VK_DOWN, true);
    EXPECT_EQ(opts[IDOPTS_SHAPEWIDTH], 1);
    EXPECT_EQ(Selection(hwndShapeWidth), 0);
}

TEST_F(Keys, UpAndDownWithoutAWidthListStillReapplyTheDock) {
    SendMessageA(hwndPenSize, CB_SETCURSEL, 1, 0);
    SendMessageA(hwndShapeWidth, CB_SETCURSEL, 2, 0);
    for (int tool : {TOOL_MARK, TOOL_ERASER}) {
        UseTool(tool);
        opts[IDOPTS_PENWIDTH] = 9;  // stale values the dock's lists disagree with
        opts[IDOPTS_SHAPEWIDTH] = 9;
        Key(tool == TOOL_MARK ? VK_UP : VK_DOWN);
        EXPECT_EQ(opts[IDOPTS_PENWIDTH], 2) << "tool " << tool;
        EXPECT_EQ(opts[IDOPTS_SHAPEWIDTH], 3) << "tool " << tool;
    }
}

TEST_F(Keys, RightAndLeftStepTheOpacityAndStayAtTheEnds) {
    SendMessageA(hwndOpacity, CB_SETCURSEL, 3, 0);
    Key(VK_RIGHT);
    EXPECT_EQ(opts[IDOPTS_OPACITY], 5);
    Key(VK_RIGHT, true);
    EXPECT_EQ(opts[IDOPTS_OPACITY], 5);
    UseTool(TOOL_MARK);  // opacity keys work whatever the tool
    for (int i = 0; i < 6; ++i) Key(VK_LEFT, true);
    EXPECT_EQ(opts[IDOPTS_OPACITY], 1);
    EXPECT_EQ(Selection(hwndOpacity), 0);
}

TEST_F(Keys, FFlipsTheFillBoxFromTheStoredOptionWhateverTheTool) {
    UseTool(TOOL_PEN);  // a tool without a fill box
    SendMessageA(hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0);
    ApplyDockControls();
    Key('F');
    EXPECT_EQ(opts[IDOPTS_FILL], 1);
    EXPECT_EQ(SendMessageA(hwndFilled, BM_GETCHECK, 0, 0), BST_CHECKED);
    Key('F');
    EXPECT_EQ(opts[IDOPTS_FILL], 0);
    // The stored option decides, not the box.
    opts[IDOPTS_FILL] = 1;
    Key('F');
    EXPECT_EQ(opts[IDOPTS_FILL], 0);
    EXPECT_EQ(SendMessageA(hwndFilled, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Keys, BMovesTheDockAndWSwitchesTheWhiteboard) {
    const int top = opts[IDOPTS_DOCKTOP];
    Key('B');
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 1 - top);
    Key('B');
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], top);

    FillRect(hdcCapture, &rectScreen, brushBlack);
    opts[IDOPTS_WHITEBOARD] = 1;
    Key('W');
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 0);
    EXPECT_EQ(Shown(600, 600), 0u);
    Key('W');
    EXPECT_EQ(Shown(600, 600), WHITE_RGB);
}

// Cancels the first visible common dialog of this thread and notes its title.
std::string dialogTitle;
BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    char cls[32] = "", title[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, title, sizeof title);
    dialogTitle = title;
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
}
void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0); }

TEST_F(Keys, F2AsksWhereToSaveAndF3WhatToLoad) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, LookForDialog);
    dialogTitle.clear();
    Key(VK_F2);
    EXPECT_EQ(dialogTitle, "Save a snapshot of the current screen");
    dialogTitle.clear();
    Key(VK_F3);
    EXPECT_EQ(dialogTitle, "Load a snapshot");
    KillTimer(nullptr, timer);
}

TEST_F(Keys, EveryOtherKeyIsIgnored) {
    AddRect(100, 100);
    opts[IDOPTS_FILL] = 0;
    const std::vector<int32_t> before(opts, opts + OPTS_COUNT);
    for (WPARAM key : {WPARAM('C'), WPARAM('Q'), WPARAM('X'), WPARAM('1'), WPARAM(VK_SPACE), WPARAM(VK_RETURN),
                       WPARAM(VK_DELETE), WPARAM(VK_BACK), WPARAM(VK_F1), WPARAM(VK_F4), WPARAM(VK_SHIFT),
                       WPARAM(VK_TAB), WPARAM(VK_NEXT), WPARAM(VK_HOME)}) {
        EXPECT_EQ(Key(key), 0);
        EXPECT_EQ(Key(key, true), 0);
    }
    EXPECT_EQ(std::vector<int32_t>(opts, opts + OPTS_COUNT), before);
    EXPECT_EQ(AnnotationCount(), 1);
    EXPECT_EQ(history.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
}

TEST_F(Keys, EscHidesTheOverlayAndActivatesTheWindowThatWasInFront) {
    HWND other = CreateWindowExA(0, "STATIC", "keys test window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    PumpMessages();
    ShowOverlay();
    PumpMessages();
    ASSERT_EQ(prevForeground, other);
    AddRect(100, 100);
    Key(VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_EQ(AnnotationCount(), 1);  // kept until the next showing
    DestroyWindow(other);
    ShowOverlay();
    PumpMessages();
}

// --- mouse wheel -----------------------------------------------------------

std::pair<int, int> InkPosition() { return {opts[IDOPTS_PENCOLORROW], opts[IDOPTS_PENCOLORCOL]}; }

TEST_F(Keys, WheelWalksTheTenInkColoursRowByRowAndStopsAtBothEnds) {
    opts[IDOPTS_PENCOLORROW] = 0;
    opts[IDOPTS_PENCOLORCOL] = 0;
    Wheel(-120);
    EXPECT_EQ(InkPosition(), std::make_pair(0, 0));
    std::vector<std::pair<int, int>> walked;
    for (int i = 0; i < 10; ++i) {
        Wheel(i % 2 ? 120 : 0);  // no movement counts as forward
        walked.push_back(InkPosition());
    }
    const std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0},
                                                       {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 4}};
    EXPECT_EQ(walked, expected);
    for (int i = 0; i < 4; ++i) Wheel(-1);
    EXPECT_EQ(InkPosition(), std::make_pair(1, 0));
    Wheel(-240);
    EXPECT_EQ(InkPosition(), std::make_pair(0, 4));
    EXPECT_EQ(CurrentInkColor(), palette[4]);
}

TEST_F(Keys, WheelStepsTheColourOfEachTool) {
    for (int tool : {TOOL_PEN, TOOL_RECT, TOOL_ROUNDRECT, TOOL_ELLIPSE, TOOL_ARROW}) {
        UseTool(tool);
        opts[IDOPTS_PENCOLORROW] = 0;
        opts[IDOPTS_PENCOLORCOL] = 4;
        opts[IDOPTS_HLCOLOR] = 2;
        Wheel(120);
        EXPECT_EQ(InkPosition(), std::make_pair(1, 0)) << "tool " << tool;
        EXPECT_EQ(opts[IDOPTS_HLCOLOR], 2) << "tool " << tool;
    }
    UseTool(TOOL_HIGHLIGHTER);
    opts[IDOPTS_HLCOLOR] = 0;
    Wheel(-120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 0);
    for (int i = 0; i < 6; ++i) Wheel(120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 4);
    Wheel(-120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 3);
    EXPECT_EQ(InkPosition(), std::make_pair(1, 0));

    for (int tool : {TOOL_MARK, TOOL_ERASER}) {
        UseTool(tool);
        Wheel(120);
        Wheel(-120);
        Wheel(-120);
        EXPECT_EQ(InkPosition(), std::make_pair(1, 0)) << "tool " << tool;
        EXPECT_EQ(opts[IDOPTS_HLCOLOR], 3) << "tool " << tool;
    }
}

TEST_F(Keys, WheelShowsTheDockForTwoMoreSecondsWhateverTheTool) {
    opts[IDOPTS_AUTOHIDE] = 1;
    for (int tool : {TOOL_PEN, TOOL_HIGHLIGHTER, TOOL_ERASER}) {
        UseTool(tool);
        ShowWindow(hwndDock, SW_HIDE);
        dockHideTimer = 9000;
        Wheel(-120);
        EXPECT_TRUE(IsWindowVisible(hwndDock)) << "tool " << tool;
        EXPECT_EQ(dockHideTimer, 2000);
    }
    SetCursorPos(ScreenWidth() - 5, ScreenHeight() / 2);  // away from the dock at either edge
    for (int tick = 0; tick < 6; ++tick) DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));
    opts[IDOPTS_AUTOHIDE] = 0;
}

TEST_F(Keys, WheelFromAColourPositionOutsideThePaletteStartsAtTheDefault) {
    opts[IDOPTS_PENCOLORROW] = 7;  // only an edited Settings.dat holds such values
    opts[IDOPTS_PENCOLORCOL] = -3;
    Wheel(120);
    EXPECT_EQ(InkPosition(), std::make_pair(0, 1));
    UseTool(TOOL_HIGHLIGHTER);
    opts[IDOPTS_HLCOLOR] = 40;
    Wheel(-120);
    EXPECT_GE(opts[IDOPTS_HLCOLOR], 0);
    EXPECT_LE(opts[IDOPTS_HLCOLOR], 4);
}

// --- show/hide hotkey ------------------------------------------------------

TEST_F(Keys, HotkeyWithTheShowModifiersTogglesAndAShowStartsAFreshDrawing) {
    opts[OPT_MODSHOW] = 1;
    AddRect(100, 100);
    SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(MOD_CONTROL, VK_F11));  // other modifiers
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(MOD_ALT, VK_F11));
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 1);

    FillRect(hdcCapture, &rectScreen, brushWhiteboard);  // a picture the screen cannot give
    SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(MOD_ALT, 'Q'));  // the key is not compared
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_FALSE(Undo());
    EXPECT_NE(PixelRgb(hdcCapture, 640, 400), WHITE_RGB);
}

TEST_F(Keys, HotkeyWithoutModifiersWhenNoneAreSet) {
    opts[OPT_MODSHOW] = 0;
    SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(MOD_ALT, VK_F11));
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(0, VK_F11));
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    opts[OPT_MODSHOW] = 1;
    ShowOverlay();
}

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

bool PressAltF11AndWaitForVisibility(bool visible) {
    SendKey(VK_MENU, false);
    SendKey(VK_F11, false);
    SendKey(VK_F11, true);
    SendKey(VK_MENU, true);
    for (int i = 0; i < 100; ++i) {
        PumpMessages();
        if ((IsWindowVisible(hwndOverlay) != FALSE) == visible) return true;
        Sleep(20);
    }
    return false;
}

TEST_F(Keys, RealAltF11HidesAndShowsTheOverlay) {
    opts[OPT_MODSHOW] = MOD_ALT;
    UnregisterHotKey(hwndOverlay, HOTKEY_ID);
    ASSERT_TRUE(RegisterHotKey(hwndOverlay, HOTKEY_ID, MOD_ALT, VK_F11));
    SetForegroundWindow(hwndOverlay);
    PumpMessages();
    AddRect(100, 100);
    EXPECT_TRUE(PressAltF11AndWaitForVisibility(false));
    EXPECT_TRUE(PressAltF11AndWaitForVisibility(true));
    EXPECT_EQ(AnnotationCount(), 0);
    UnregisterHotKey(hwndOverlay, HOTKEY_ID);
}

}  // namespace
