// The overlay's keys, wheel and show/hide hotkey, sent as window messages.
// Ctrl is held with real input: the overlay asks the system for its state.
#include "gestures.h"

namespace {

// A key as the system sends it; a repeat (key held down) has bit 30 set.
void Key(WPARAM vk, bool repeat = false) {
    SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, vk, 1 | (repeat ? 1 << 30 : 0));
}

// Four rectangles, each one step of the history.
class Keys : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        for (int x = 60; x <= 240; x += 60) AddRectangleStep(x);
    }
    void TearDown() override {
        SetCtrl(false);
        DrawingTest::TearDown();
    }
};

// Rows: keys typed with or without Ctrl (upper case pressed, lower case the
// repeats of a held key), before which of them the first record's text is
// opened (-1: none), then the records, undone steps, steps and tool.
using Typed = std::tuple<const char*, bool, const char*, int, int, int, int, int>;
class TypedKeys : public Keys, public ::testing::WithParamInterface<Typed> {};

// Ctrl+Z and Ctrl+Y, pressed or held, step the history and stop at its ends;
// Ctrl+E erases for good. Both close an open text, Ctrl+Y without committing
// it (a commit would start a new history, dropping the undone step). Without
// Ctrl, Z does nothing and E is the eraser.
TEST_P(TypedKeys, LeaveTheirDrawingHistoryAndTool) {
    const auto& [name, ctrl, letters, open, records, undone, steps, tool] = GetParam();
    SetCtrl(ctrl);
    for (int i = 0; letters[i]; ++i) {
        if (i == open) OpenTextEdit(0);
        Key(toupper(letters[i]), islower(letters[i]));
    }
    EXPECT_EQ(shapeText, -1) << "the shape whose text is open";
    EXPECT_EQ(AnnotationCount(), records) << "records";
    EXPECT_EQ(undoneCount, undone) << "undone steps";
    EXPECT_EQ(history.size(), size_t(steps)) << "steps";
    EXPECT_EQ(opts[IDOPTS_TOOL], tool) << "tool";
}
const Typed typed[] = {{"Z", false, "Z", -1, 4, 0, 4, TOOL_PEN},
                       {"CtrlZ", true, "Z", -1, 3, 1, 4, TOOL_PEN},
                       {"CtrlZHeldStopsAtTheStart", true, "Zzzzzz", -1, 0, 4, 4, TOOL_PEN},
                       {"CtrlYPressedAndHeld", true, "ZZZYy", -1, 3, 1, 4, TOOL_PEN},
                       {"CtrlYWithAnOpenText", true, "ZY", 1, 4, 0, 4, TOOL_PEN},
                       {"CtrlEWithAnOpenText", true, "ZE", 1, 0, 0, 0, TOOL_PEN},
                       {"E", false, "E", -1, 4, 0, 4, TOOL_ERASER}};
INSTANTIATE_TEST_SUITE_P(Each, TypedKeys, ::testing::ValuesIn(typed), RowName<Typed>);

// Without Ctrl, C, L, Q and the others are no shortcuts, pressed or held.
TEST_F(Keys, EveryOtherKeyIsIgnored) {
    const std::vector<int32_t> before(opts, opts + OPTS_COUNT);
    for (WPARAM key : std::initializer_list<WPARAM>{'C', 'L', 'Q', 'X', '1', ' ', '\r', '\b', '\t', VK_DELETE, VK_F1}) {
        Key(key);
        Key(key, true);
    }
    EXPECT_EQ(std::vector<int32_t>(opts, opts + OPTS_COUNT), before) << "the option table";
    EXPECT_EQ(AnnotationCount(), 4) << "records";
    EXPECT_EQ(undoneCount, 0) << "undone steps";
}

// The dock is laid out for the tool: only the eraser shows "Erase All".
TEST_F(Keys, EachToolKeyChoosesItsToolAndLaysTheDockOut) {
    UseTool(TOOL_ERASER);
    for (int tool = TOOL_PEN; tool <= TOOL_ERASER; ++tool) {
        Key("PHRDOASE"[tool - TOOL_PEN]);
        EXPECT_EQ(opts[IDOPTS_TOOL], tool) << "tool of key "
                                           << "PHRDOASE"[tool - TOOL_PEN];
        EXPECT_EQ(Visible(dock.hwndEraseAll), tool == TOOL_ERASER) << "Erase All shown for tool " << tool;
    }
}

// Up and Down step the tool's width (pen and highlighter share one), Right
// and Left the opacity whatever the tool, pressed then held, and stop at the
// ends of their lists. Rows: the tool, its list, the item chosen before, the
// key, the presses, the option and its value after.
TEST_F(Keys, ArrowKeysStepTheWidthAndTheOpacityAndStopAtTheEnds) {
    const std::tuple<const char*, int, HWND, int, WPARAM, int, int, int> rows[] = {
        {"pen width up", TOOL_PEN, dock.hwndPenSize, 3, VK_UP, 2, IDOPTS_PENWIDTH, 5},
        {"highlighter width down", TOOL_HIGHLIGHTER, dock.hwndPenSize, 4, VK_DOWN, 1, IDOPTS_PENWIDTH, 4},
        {"arrow width up", TOOL_ARROW, dock.hwndShapeWidth, 5, VK_UP, 1, IDOPTS_SHAPEWIDTH, 7},
        {"shape width down", TOOL_RECT, dock.hwndShapeWidth, 5, VK_DOWN, 8, IDOPTS_SHAPEWIDTH, 1},
        {"mark opacity up", TOOL_MARK, dock.hwndOpacity, 3, VK_RIGHT, 2, IDOPTS_OPACITY, 5},
        {"opacity down", TOOL_ELLIPSE, dock.hwndOpacity, 2, VK_LEFT, 6, IDOPTS_OPACITY, 1}};
    for (const auto& [name, tool, list, start, key, presses, option, value] : rows) {
        UseTool(tool);
        SendMessageA(list, CB_SETCURSEL, start, 0);
        for (int i = 0; i < presses; ++i) Key(key, i > 0);
        EXPECT_EQ(opts[option], value) << name;
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), value - 1) << name << ": the list's choice";
    }
}

// F flips the fill the next shape would use, whatever the box shows.
TEST_F(Keys, FBAndWFlipFillDockEdgeAndWhiteboard) {
    SendMessageA(dock.hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0);
    for (const auto& [key, option] : {std::pair{'F', IDOPTS_FILL}, {'B', IDOPTS_DOCKTOP}, {'W', IDOPTS_WHITEBOARD}}) {
        const int before = opts[option];
        Key(key);
        EXPECT_EQ(opts[option], 1 - before) << "option of " << key;
        Key(key);
        EXPECT_EQ(opts[option], before) << "option of " << key << " pressed twice";
    }
}

// Rows: the tool, the wheel's movement, then the ink row and column and the
// highlighter colour before and after. The ink walks its ten cells row by
// row; both colours stay at the ends of their lists. No movement counts as
// forward; a position outside the palettes (an edited Settings.dat) steps
// from the default.
TEST_F(Keys, TheWheelStepsTheInkOfPenAndShapesAndTheHighlightersColour) {
    const std::tuple<const char*, int, int, std::array<int, 6>> rows[] = {
        {"pen forward", TOOL_PEN, 120, {0, 4, 2, 1, 0, 2}},
        {"rectangle back", TOOL_RECT, -120, {1, 0, 2, 0, 4, 2}},
        {"arrow without movement", TOOL_ARROW, 0, {0, 0, 2, 0, 1, 2}},
        {"highlighter forward", TOOL_HIGHLIGHTER, 120, {0, 0, 2, 0, 0, 3}},
        {"highlighter back", TOOL_HIGHLIGHTER, -120, {0, 0, 2, 0, 0, 1}},
        {"pen forward from the last cell", TOOL_PEN, 120, {1, 4, 2, 1, 4, 2}},
        {"highlighter back from the first colour", TOOL_HIGHLIGHTER, -120, {0, 0, 0, 0, 0, 0}},
        {"mark", TOOL_MARK, 120, {0, 2, 2, 0, 2, 2}},
        {"eraser", TOOL_ERASER, -120, {0, 2, 2, 0, 2, 2}},
        {"pen from outside the palette", TOOL_PEN, 120, {7, -3, 2, 0, 1, 2}},
        {"highlighter from outside", TOOL_HIGHLIGHTER, 120, {0, 0, 40, 0, 0, 1}}};
    for (const auto& [name, tool, delta, values] : rows) {
        UseTool(tool);
        opts[IDOPTS_PENCOLORROW] = values[0];
        opts[IDOPTS_PENCOLORCOL] = values[1];
        opts[IDOPTS_HLCOLOR] = values[2];
        SendMessageA(canvas.hwndOverlay, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
        EXPECT_EQ(opts[IDOPTS_PENCOLORROW], values[3]) << name << ": ink row";
        EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], values[4]) << name << ": ink column";
        EXPECT_EQ(opts[IDOPTS_HLCOLOR], values[5]) << name << ": highlighter colour";
    }
}

// Another program's window was in front when the overlay showed with one
// record; Alt is the hotkey's modifier.
class ShowAndHide : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        SetForegroundWindow(other);
        PumpMessages();
        ShowOverlay();
        AddRectangleStep(60);
        opts[OPT_MODSHOW] = MOD_ALT;
    }
    void TearDown() override {
        DestroyWindow(other);
        DrawingTest::TearDown();
    }
    void Hotkey(UINT mods, UINT key) { SendMessageA(canvas.hwndOverlay, WM_HOTKEY, HOTKEY_ID, MAKELPARAM(mods, key)); }
    HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, 0, 0, 0, 0);
};

TEST_F(ShowAndHide, EscHidesTheOverlayGivesTheFocusBackAndKeepsTheDrawing) {
    Key(VK_ESCAPE);
    PumpMessages();
    EXPECT_FALSE(Visible(canvas.hwndOverlay)) << "overlay shown";
    EXPECT_EQ(GetForegroundWindow(), other) << "the window in front";
    EXPECT_EQ(AnnotationCount(), 1) << "records";
}

// There is one hotkey: its key is not compared.
TEST_F(ShowAndHide, TheHotkeyHidesAndThenShowsAFreshDrawingOverANewPicture) {
    Hotkey(MOD_ALT, VK_F11);
    EXPECT_FALSE(Visible(canvas.hwndOverlay)) << "overlay shown after the first press";
    // A picture the screen cannot give.
    FillRect(canvas.hdcCapture, &canvas.rectScreen, canvas.brushWhiteboard);
    Hotkey(MOD_ALT, 'Q');
    EXPECT_EQ(AnnotationCount(), 0) << "records";
    EXPECT_NE(PixelRgb(canvas.hdcCapture, 640, 400), 0xFFFFFFu) << "the picture's middle pixel";
}

}  // namespace
