// The overlay's keys, wheel and show/hide hotkey, sent as real window
// messages to the overlay. Ctrl is held with real input (SendInput), since
// the overlay asks the system for the key's state at the time of the key.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

constexpr unsigned RED_RGB = 0xFF0000;
constexpr unsigned WHITE_RGB = 0xFFFFFF;

void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

bool CtrlIsDown() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

// Ctrl held down with real input for the lifetime of the object.
struct HoldCtrl {
    static void Set(bool down) {
        SendKey(VK_CONTROL, !down);
        for (int i = 0; i < 100 && CtrlIsDown() != down; ++i) Sleep(10);
        PumpMessages();  // the overlay ignores the Ctrl key's own messages
    }
    HoldCtrl() { Set(true); }
    ~HoldCtrl() { Set(false); }
};

// A key as the system sends it; a repeat has bit 30 (key was down) set.
LRESULT Key(WPARAM vk, bool repeat = false) {
    return SendMessageA(hwndOverlay, WM_KEYDOWN, vk, 1 | (repeat ? (1 << 30) : 0));
}

void Wheel(int delta) {
    SendMessageA(hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), MAKELPARAM(640, 400));
}

void Hotkey(UINT modifiers, UINT key) {
    SendMessageA(hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(modifiers, key));
    PumpMessages();
}

int Selection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }
std::pair<int, int> Ink() { return {opts[IDOPTS_PENCOLORROW], opts[IDOPTS_PENCOLORCOL]}; }
unsigned Shown(int x, int y) { return PixelRgb(hdcBack, x, y); }

// A filled red rectangle, recorded as drawn.
void AddRect(int x, int y) {
    Annotation r = MakeShapeRecord(ANNOT_RECT, {x, y}, {x + 40, y + 40});
    r.color = RGB(255, 0, 0);
    r.filled = 1;
    r.opacity = 5;
    AppendAnnotation(r);
    RecordAdd(AnnotationCount() - 1);
}

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
};

TEST_F(Keys, CtrlZAndCtrlYStepThroughTheHistoryAndRepaint) {
    for (int i = 0; i < 4; ++i) AddRect(100 + 60 * i, 100);
    RepaintOverlayNow();
    ASSERT_EQ(Shown(300, 120), RED_RGB);
    EXPECT_EQ(Key('Z'), 0);  // without Ctrl nothing happens
    EXPECT_EQ(Key('Y'), 0);
    EXPECT_EQ(AnnotationCount(), 4);
    {
        HoldCtrl ctrl;
        Key('Z');
        EXPECT_EQ(AnnotationCount(), 3);
        EXPECT_EQ(Shown(300, 120), WHITE_RGB);
        EXPECT_EQ(Shown(240, 120), RED_RGB);
        for (int i = 0; i < 5; ++i) Key('Z', true);  // held down: step after step, stopping at the start
        EXPECT_EQ(AnnotationCount(), 0);
        EXPECT_EQ(undoneCount, 4);
        Key('Y');
        Key('Y', true);
        EXPECT_EQ(AnnotationCount(), 2);
        EXPECT_EQ(annotations[1].x, 160);
        EXPECT_EQ(Shown(180, 120), RED_RGB);
    }
    Key('Y');  // Ctrl released again
    EXPECT_EQ(AnnotationCount(), 2);
}

TEST_F(Keys, CtrlEErasesEverythingForGoodWhileEAloneChoosesTheEraser) {
    for (int x : {100, 200}) AddRect(x, 100);
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
    Key('E');
    EXPECT_EQ(opts[IDOPTS_TOOL], TOOL_ERASER);
}

TEST_F(Keys, RedoAndEraseAllCloseAnOpenTextWithoutCommittingIt) {
    AddRect(100, 100);
    for (WPARAM key : {WPARAM('Y'), WPARAM('E')}) {
        OpenTextEdit(0);
        SetWindowTextA(textEdit, "typed");
        {
            HoldCtrl ctrl;
            Key(key);
        }
        EXPECT_EQ(shapeText, -1);
        EXPECT_FALSE(Visible(textEdit));
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
    Key('E');  // the dock shows the eraser's controls
    EXPECT_TRUE(Visible(hwndEraseAll));
    EXPECT_FALSE(Visible(hwndcolor));
}

// Each step may choose a tool and a list position, then presses a key (the
// first press fresh, the others held down) and expects the option's value
// and, unless -1, the list's position.
TEST_F(Keys, ArrowKeysStepTheToolsWidthAndTheOpacityAndStayAtTheEnds) {
    const struct {
        int tool;  // 0: keep the tool
        HWND list;
        int start;
        WPARAM key;
        int presses, option, value, position;
    } steps[] = {
        {TOOL_PEN, hwndPenSize, 3, VK_UP, 2, IDOPTS_PENWIDTH, 5, 4},           // stays at the widest pen
        {TOOL_HIGHLIGHTER, hwndPenSize, -1, VK_DOWN, 1, IDOPTS_PENWIDTH, 4, -1},  // shares the pen's list
        {TOOL_ARROW, hwndShapeWidth, 5, VK_UP, 1, IDOPTS_SHAPEWIDTH, 7, -1},
        {0, hwndShapeWidth, -1, VK_DOWN, 8, IDOPTS_SHAPEWIDTH, 1, 0},
        {TOOL_MARK, hwndOpacity, 3, VK_RIGHT, 2, IDOPTS_OPACITY, 5, -1},  // opacity keys work whatever the tool
        {0, hwndOpacity, -1, VK_LEFT, 6, IDOPTS_OPACITY, 1, 0},
    };
    for (const auto& s : steps) {
        if (s.tool) UseTool(s.tool);
        if (s.start >= 0) SendMessageA(s.list, CB_SETCURSEL, s.start, 0);
        for (int i = 0; i < s.presses; ++i) Key(s.key, i > 0);
        EXPECT_EQ(opts[s.option], s.value) << "key " << s.key << " tool " << s.tool;
        if (s.position >= 0) {
            EXPECT_EQ(Selection(s.list), s.position) << "key " << s.key;
        }
    }
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 4);  // the arrow's keys left the pen alone
}

TEST_F(Keys, FFlipsTheStoredFillOptionWhateverTheTool) {
    SendMessageA(hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0);
    opts[IDOPTS_FILL] = 1;  // the stored option decides, not the box
    for (int fill : {0, 1}) {
        Key('F');
        EXPECT_EQ(opts[IDOPTS_FILL], fill);
        EXPECT_EQ(SendMessageA(hwndFilled, BM_GETCHECK, 0, 0), fill ? BST_CHECKED : BST_UNCHECKED);
    }
}

TEST_F(Keys, BMovesTheDockAndWSwitchesTheWhiteboard) {
    const int top = opts[IDOPTS_DOCKTOP];
    for (int edge : {1 - top, top}) {
        Key('B');
        EXPECT_EQ(opts[IDOPTS_DOCKTOP], edge);
    }

    FillRect(hdcCapture, &rectScreen, brushBlack);
    Key('W');
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 0);
    EXPECT_EQ(Shown(600, 600), 0u);
    Key('W');
    EXPECT_EQ(Shown(600, 600), WHITE_RGB);
}

TEST_F(Keys, EveryOtherKeyIsIgnored) {
    AddRect(100, 100);
    const std::vector<int32_t> before(opts, opts + OPTS_COUNT);
    // C, Q, X, 1 and keys without a meaning
    for (WPARAM key : {0x43, 0x51, 0x58, 0x31, VK_SPACE, VK_RETURN, VK_DELETE, VK_BACK, VK_F1, VK_F4, VK_TAB, VK_HOME}) {
        EXPECT_EQ(Key(key), 0);
        EXPECT_EQ(Key(key, true), 0);
    }
    EXPECT_EQ(std::vector<int32_t>(opts, opts + OPTS_COUNT), before);
    EXPECT_EQ(AnnotationCount(), 1);
    EXPECT_EQ(history.size(), 1u);
    EXPECT_TRUE(Visible(hwndOverlay));
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
    EXPECT_FALSE(Visible(hwndOverlay));
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_EQ(AnnotationCount(), 1);  // kept until the next showing
    DestroyWindow(other);
    ShowOverlay();
    PumpMessages();
}

TEST_F(Keys, WheelWalksTheInkColoursOfTheInkToolsAndStopsAtBothEnds) {
    opts[IDOPTS_PENCOLORROW] = opts[IDOPTS_PENCOLORCOL] = 0;
    opts[IDOPTS_HLCOLOR] = 2;
    Wheel(-120);
    EXPECT_EQ(Ink(), std::make_pair(0, 0));
    const int inkTools[] = {TOOL_PEN, TOOL_RECT, TOOL_ROUNDRECT, TOOL_ELLIPSE, TOOL_ARROW};
    std::vector<std::pair<int, int>> walked;
    for (int i = 0; i < 10; ++i) {
        UseTool(inkTools[i % 5]);
        Wheel(i % 2 ? 120 : 0);  // no movement counts as forward
        walked.push_back(Ink());
    }
    const std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0},
                                                       {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 4}};
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 2);
    for (int i = 0; i < 5; ++i) Wheel(-1);
    EXPECT_EQ(Ink(), std::make_pair(0, 4));
    EXPECT_EQ(CurrentInkColor(), palette[4]);

    UseTool(TOOL_HIGHLIGHTER);  // steps its own five colours only
    opts[IDOPTS_HLCOLOR] = 0;
    Wheel(-120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 0);
    for (int i = 0; i < 6; ++i) Wheel(120);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 4);
    EXPECT_EQ(Ink(), std::make_pair(0, 4));
    for (int tool : {TOOL_MARK, TOOL_ERASER}) {
        UseTool(tool);
        Wheel(-120);
        EXPECT_EQ(Ink(), std::make_pair(0, 4)) << "tool " << tool;
        EXPECT_EQ(opts[IDOPTS_HLCOLOR], 4) << "tool " << tool;
    }

    // Positions outside the palettes (only an edited Settings.dat holds
    // them) step from the default.
    UseTool(TOOL_PEN);
    opts[IDOPTS_PENCOLORROW] = 7, opts[IDOPTS_PENCOLORCOL] = -3;
    Wheel(120);
    EXPECT_EQ(Ink(), std::make_pair(0, 1));
    UseTool(TOOL_HIGHLIGHTER);
    opts[IDOPTS_HLCOLOR] = 40;
    Wheel(-120);
    EXPECT_TRUE(opts[IDOPTS_HLCOLOR] >= 0 && opts[IDOPTS_HLCOLOR] <= 4) << opts[IDOPTS_HLCOLOR];
}

TEST_F(Keys, WheelShowsTheDockForTwoMoreSecondsWhateverTheTool) {
    opts[IDOPTS_AUTOHIDE] = 1;
    UseTool(TOOL_ERASER);
    ShowWindow(hwndDock, SW_HIDE);
    dockHideTimer = 9000;
    Wheel(-120);
    EXPECT_TRUE(Visible(hwndDock));
    EXPECT_EQ(dockHideTimer, 2000);
    opts[IDOPTS_AUTOHIDE] = 0;
}

TEST_F(Keys, HotkeyWithTheShowModifiersTogglesAndAShowStartsAFreshDrawing) {
    opts[OPT_MODSHOW] = 1;
    AddRect(100, 100);
    Hotkey(MOD_CONTROL, VK_F11);  // other modifiers
    EXPECT_TRUE(Visible(hwndOverlay));
    Hotkey(MOD_ALT, VK_F11);
    EXPECT_FALSE(Visible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 1);

    FillRect(hdcCapture, &rectScreen, brushWhiteboard);  // a picture the screen cannot give
    Hotkey(MOD_ALT, 'Q');                                 // the key is not compared
    EXPECT_TRUE(Visible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_FALSE(Undo());
    EXPECT_NE(PixelRgb(hdcCapture, 640, 400), WHITE_RGB);

    opts[OPT_MODSHOW] = 0;  // no modifiers set: only a hotkey without any counts
    Hotkey(MOD_ALT, VK_F11);
    EXPECT_TRUE(Visible(hwndOverlay));
    Hotkey(0, VK_F11);
    EXPECT_FALSE(Visible(hwndOverlay));
    opts[OPT_MODSHOW] = 1;
    ShowOverlay();
}

}  // namespace
