// The dock and the text format bar, driven through their real controls with
// the messages a click or a list choice sends.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/annotation.h"
#include "model/history.h"
#include "render/render.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

void ChooseItem(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void ClickButton(HWND button) {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

std::string ComboText(HWND combo, int i) {
    char text[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    return text;
}

// The controls the relayout may hide that are visible, by name.
std::set<std::string> VisibleToolControls() {
    const std::pair<HWND, const char*> controls[] = {
        {hwndcolor, "swatch"}, {hwndPenSize, "pen size"}, {hwndShapeWidth, "shape width"}, {hwndOpacity, "opacity"},
        {hwndFilled, "filled"}, {hwndMarks, "marks"},     {hwndNumber, "number"},          {hwndEraseAll, "erase"}};
    const char* captions[CAPTION_COUNT] = {"swatch", "pen size", "shape width", "opacity",
                                           "filled", "text hint", "number", "erase"};
    std::set<std::string> shown;
    for (const auto& [control, name] : controls)
        if (IsWindowVisible(control)) shown.insert(name);
    for (int i = 0; i < CAPTION_COUNT; ++i)
        if (IsWindowVisible(dockCaptions[i])) shown.insert(std::string(captions[i]) + " caption");
    return shown;
}

class Dock : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        opts[IDOPTS_AUTOHIDE] = 0;  // the timer must not hide the dock under a test
        ShowWindow(hwndOverlay, SW_SHOW);
        ShowWindow(hwndDock, SW_SHOW);
    }
};

// Names of controls, each with its caption unless marked "-", plus
// captions alone marked "+".
std::set<std::string> Shown(std::initializer_list<std::string> names) {
    std::set<std::string> shown;
    for (const std::string& n : names)
        if (n[0] == '-') shown.insert(n.substr(1));
        else if (n[0] == '+') shown.insert(n.substr(1) + " caption");
        else shown.insert({n, n + " caption"});
    return shown;
}

TEST_F(Dock, EachToolSizesTheDockAndShowsExactlyItsControls) {
    const auto pen = Shown({"swatch", "pen size", "opacity"}), arrow = Shown({"swatch", "shape width", "opacity"});
    const auto shape = Shown({"swatch", "shape width", "opacity", "filled", "+text hint"});
    const auto mark = Shown({"-marks", "number"});
    const struct {
        int tool;
        int width;
        std::set<std::string> shown;
    } cases[] = {{TOOL_ERASER, 328, Shown({"erase"})}, {TOOL_PEN, 448, pen},
                 {TOOL_HIGHLIGHTER, 395, Shown({"swatch", "pen size"})}, {TOOL_RECT, 597, shape},
                 {TOOL_ROUNDRECT, 597, shape}, {TOOL_ELLIPSE, 597, shape}, {TOOL_ARROW, 448, arrow},
                 {TOOL_MARK, 448, mark}, {TOOL_PEN, 448, pen}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tool);
        ClickTool(c.tool);
        EXPECT_EQ(opts[IDOPTS_TOOL], c.tool);
        const RECT r = WindowRect(hwndDock);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, 51);
        EXPECT_EQ(VisibleToolControls(), c.shown);
        EXPECT_TRUE(IsWindowVisible(hwndTools) && IsWindowVisible(hwndMenuBar));
        EXPECT_EQ(textMargin, c.tool == TOOL_ELLIPSE ? 18 : 4);
        EXPECT_EQ(GetFocus(), hwndOverlay);
    }
    // With no button checked the relayout keeps the stored tool.
    for (int id = 0; id < 8; ++id) SendMessageA(hwndTools, TB_CHECKBUTTON, id, FALSE);
    opts[IDOPTS_TOOL] = TOOL_MARK;
    RelayoutDock();
    EXPECT_EQ(opts[IDOPTS_TOOL], TOOL_MARK);
    EXPECT_EQ(VisibleToolControls(), mark);
}

TEST_F(Dock, WindowsAndListsAreBuiltAsLaidOut) {
    for (HWND w : {hwndDock, textBar}) EXPECT_EQ(GetParent(w), hwndOverlay);
    EXPECT_EQ(WindowRect(hwndDock).left, ScreenWidth() / 2 - 240);
    EXPECT_EQ(SendMessageA(hwndTools, TB_BUTTONCOUNT, 0, 0), 8);
    EXPECT_EQ(SendMessageA(hwndMenuBar, TB_BUTTONCOUNT, 0, 0), 2);
    // The menu toolbar lies inside the tool toolbar's rectangle and must be
    // the one that takes clicks there.
    EXPECT_EQ(ChildWindowFromPointEx(hwndDock, POINT{37, 37}, CWP_SKIPINVISIBLE), hwndMenuBar);
    EXPECT_EQ(ChildWindowFromPointEx(hwndDock, POINT{17, 10}, CWP_SKIPINVISIBLE), hwndTools);
    EXPECT_TRUE(GetWindowLongPtrA(hwndNumber, GWL_STYLE) & ES_NUMBER);

    const std::vector<std::string> faces = {"Cursive 1", "Cursive 2", "Jot 1",   "Jot 2",
                                            "Arial",     "Tahoma",    "Verdana", "Georgia"};
    const std::vector<std::string> sizes = {"8", "10", "12", "14", "16", "20", "26", "48", "72"};
    for (const auto& [list, expected] : {std::pair{hwndFontFace, faces}, std::pair{hwndFontSize, sizes}}) {
        std::vector<std::string> items;
        for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) items.push_back(ComboText(list, i));
        EXPECT_EQ(items, expected);
    }
    EXPECT_EQ(SendMessageA(hwndMarks, CB_GETCOUNT, 0, 0), 12);
    EXPECT_GE(SendMessageA(hwndMarks, CB_GETDROPPEDWIDTH, 0, 0), 120);  // room for "numbered"

    LOGFONTA lf;
    ASSERT_TRUE(GetObjectA(fontCaption, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "Segoe UI");
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(7));
    EXPECT_TRUE(GetDeviceCaps(hdcOverlay, LOGPIXELSY) != 96 || FontHeightForPoints(14) == -19);  // 18.67 rounds up
    ASSERT_TRUE(GetObjectA(fontMarkLarge, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "Arial Bold");
}

TEST_F(Dock, ListChoicesReachTheOptionTableAndTheTextFont) {
    ChooseItem(hwndPenSize, 4);
    ChooseItem(hwndShapeWidth, 6);
    ChooseItem(hwndOpacity, 1);
    EXPECT_EQ((std::vector<int>{opts[IDOPTS_PENWIDTH], opts[IDOPTS_SHAPEWIDTH], opts[IDOPTS_OPACITY]}),
              (std::vector<int>{5, 7, 2}));
    EXPECT_EQ(GetFocus(), hwndOverlay);
    for (int checked : {1, 0}) {
        SendMessageA(hwndFilled, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        ClickButton(hwndFilled);
        EXPECT_EQ(opts[IDOPTS_FILL], checked);
    }
    for (int mark : {3, 11, 0, 2, 5, 1}) {  // only the numbered marks enable the number edit
        ChooseItem(hwndMarks, mark);
        EXPECT_EQ(opts[IDOPTS_MARK], mark);
        EXPECT_EQ(IsWindowEnabled(hwndNumber) != FALSE, mark < 3) << mark;
    }

    ChooseItem(hwndFontFace, 5);
    ChooseItem(hwndFontSize, 6);
    EXPECT_EQ(opts[IDOPTS_FONT], 5);
    EXPECT_EQ(opts[IDOPTS_FONTSIZE], 26);
    LOGFONTA lf;
    ASSERT_TRUE(GetObjectA(fontText, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(26));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(textEdit, WM_GETFONT, 0, 0)), fontText);
    // An empty size list cannot leave a zero-point font behind.
    SendMessageA(hwndFontSize, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ApplyDockControls();
    EXPECT_EQ(opts[IDOPTS_FONTSIZE], 26);
    ASSERT_TRUE(GetObjectA(fontText, sizeof lf, &lf));
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(26));
}

// Typing goes through WM_CHAR; a paste replaces the selection.
TEST_F(Dock, NumberEditSetsTheNextMarkNumber) {
    SetWindowTextA(hwndNumber, "");
    SendMessageA(hwndNumber, WM_CHAR, '4', 0);
    SendMessageA(hwndNumber, WM_CHAR, '2', 0);
    SendMessageA(hwndNumber, WM_CHAR, 'x', 0);  // not a digit: refused by the edit
    EXPECT_EQ(markerNumber, 42);
    const std::pair<const char*, int> pasted[] = {{"", 0}, {"999", 999}, {"7", 7}, {"4x2", 4}, {"007", 7}};
    for (const auto& [text, number] : pasted) {
        SendMessageA(hwndNumber, EM_SETSEL, 0, -1);
        SendMessageA(hwndNumber, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(markerNumber, number) << text;
    }
    // The field is narrow; longer numbers that reach it are cut to three digits.
    EXPECT_EQ(ParseMarkerNumber("12345"), 123);
    EXPECT_EQ(ParseMarkerNumber("9\r\n9"), 9);
    EXPECT_EQ(ParseMarkerNumber(" 5"), 0);
}

TEST_F(Dock, EraseAllLeavesNothingToDrawUndoOrRedo) {
    for (int i = 0; i < 3; ++i) {
        AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10 * i, 10}, {100, 100}));
        RecordAdd(i);
    }
    ASSERT_TRUE(Undo());
    ClickButton(hwndEraseAll);
    EXPECT_TRUE(annotations.empty());
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(undoneCount, 0);
    EXPECT_FALSE(Redo());
    EXPECT_EQ(GetFocus(), hwndOverlay);
}

TEST_F(Dock, EdgeTogglesBetweenTopAndBottom) {
    ClickTool(TOOL_RECT);  // a wide dock keeps the same left edge
    const RECT start = WindowRect(hwndDock);
    const int startTop = opts[IDOPTS_DOCKTOP];
    ToggleDockEdge();
    const RECT flipped = WindowRect(hwndDock);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 1 - startTop);
    EXPECT_EQ(flipped.left, ScreenWidth() / 2 - 240);
    EXPECT_EQ(flipped.right - flipped.left, 597);
    EXPECT_EQ(flipped.top, startTop == 1 ? ScreenHeight() - 52 : 0);
    ToggleDockEdge();
    const RECT back = WindowRect(hwndDock);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], startTop);
    EXPECT_TRUE(EqualRect(&back, &start));
}

TEST_F(Dock, AutohideHidesOnTheFourteenthTickAwayAndReturnsAtOnce) {
    const RECT dock = WindowRect(hwndDock);
    auto away = [&] { SetCursorPos(dock.left + 5, dock.bottom + 300); };
    auto over = [&] { SetCursorPos(dock.left + 100, dock.top + 20); };
    // Switched off, the ticks leave the dock and the timer alone.
    away();
    dockHideTimer = 5000;
    DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    EXPECT_EQ(dockHideTimer, 5000);

    opts[IDOPTS_AUTOHIDE] = 1;
    dockHideTimer = 0;
    for (int tick = 1; tick <= 13; ++tick) {
        DockAutohideTick();
        ASSERT_TRUE(IsWindowVisible(hwndDock)) << "tick " << tick;
    }
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));
    over();
    DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    EXPECT_EQ(dockHideTimer, 0);

    // The wheel's reprieve: from 2000 ms the dock goes on the 7th tick.
    away();
    dockHideTimer = 2000;
    for (int tick = 1; tick <= 6; ++tick) DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));
}

}  // namespace
