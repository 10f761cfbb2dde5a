// The dock, its menu, its owner-drawn lists and its colour swatches, driven
// through their real controls with the messages a click or a choice sends.
#include "gestures.h"

namespace {

using Dock = DrawingTest;

// The tool controls shown (lower case) and their captions (upper case).
std::string Shown() {
    const HWND controls[] = {dock.hwndcolor,  dock.hwndPenSize, dock.hwndShapeWidth, dock.hwndOpacity,
                             dock.hwndFilled, dock.hwndMarks,   dock.hwndNumber,     dock.hwndEraseAll};
    std::string shown;
    for (int i = 0; i < 8; ++i) shown += IsWindowVisible(controls[i]) ? "cswofmne"[i] : ' ';
    for (int i = 0; i < CAPTION_COUNT; ++i) shown += IsWindowVisible(dock.captions[i]) ? "CSWOFTNE"[i] : ' ';
    return shown;
}

// A click on a tool button (button i is tool i + 1) lays the dock out.
TEST_F(Dock, EachToolButtonShowsTheControlsOfItsTool) {
    const char* const shown[] = {"cs o    CS O    ", "cs      CS      ", "c wof   C WOFT  ", "c wof   C WOFT  ",
                                 "c wof   C WOFT  ", "c wo    C WO    ", "     mn       N ", "       e       E"};
    for (int tool = TOOL_ERASER; tool >= TOOL_PEN; --tool) {
        SendMessageA(dock.hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
        SendMessageA(dock.hwndDock, WM_COMMAND, MAKEWPARAM(tool - 1, BN_CLICKED), LPARAM(dock.hwndTools));
        EXPECT_EQ(Shown(), shown[tool - 1]) << "controls shown for tool " << tool;
    }
}

// The options a choice sets are checked by the tests of the keys that step
// the lists and of the text that takes the face and size.
TEST_F(Dock, AChoiceInAListGivesTheKeysBackToTheOverlay) {
    SetFocus(dock.hwndDock);
    Choose(dock.hwndOpacity, 1);
    EXPECT_EQ(GetFocus(), canvas.hwndOverlay) << "the window with the keys";
}

// The font made before is deleted.
TEST_F(Dock, TheTextFontTakesTheChosenFaceAndSize) {
    const HFONT before = fontText;
    Choose(dock.hwndFontFace, 5);
    Choose(dock.hwndFontSize, 6);
    LOGFONTA font{};
    GetObjectA(fontText, sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Tahoma") << "face";
    EXPECT_EQ(font.lfHeight, FontHeightForPoints(26)) << "height";
    EXPECT_EQ(GetObjectType(before), 0u) << "type of the font made before";
}

// The field takes digits only.
TEST_F(Dock, TypingInTheNumberFieldSetsTheNextMarkNumber) {
    SetWindowTextA(dock.hwndNumber, "");
    for (char typed : {'4', 'x'}) SendMessageA(dock.hwndNumber, WM_CHAR, typed, 0);
    EXPECT_EQ(markerNumber, 4) << "next mark number";
}

TEST_F(Dock, EraseAllLeavesNothingToUndo) {
    AddRectangleStep(10);
    SendMessageA(dock.hwndDock, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), LPARAM(dock.hwndEraseAll));
    EXPECT_EQ(AnnotationCount(), 0) << "records";
    EXPECT_EQ(history.size(), 0u) << "steps";
}

// The dock keeps its left edge.
TEST_F(Dock, TheEdgeChoiceMovesTheDockToTheOtherEdgeAndBack) {
    const RECT before = WindowRect(dock.hwndDock);
    RunCommand(CMD_DOCK_EDGE);
    EXPECT_EQ(WindowRect(dock.hwndDock).top, opts[IDOPTS_DOCKTOP] ? 0 : ScreenHeight() - 52) << "top at the other edge";
    EXPECT_NE(WindowRect(dock.hwndDock).top, before.top) << "top moved";
    RunCommand(CMD_DOCK_EDGE);
    EXPECT_EQ(WindowRect(dock.hwndDock).top, before.top) << "top back";
    EXPECT_EQ(WindowRect(dock.hwndDock).left, before.left) << "left";
}

// The timer ticks every 300 ms; the dock hides after 4 s away.
TEST_F(Dock, AutohideHidesTheDockOnTheFourteenthTickAwayAndShowsItAtOnceOnReturn) {
    const RECT bar = WindowRect(dock.hwndDock);
    opts[IDOPTS_AUTOHIDE] = 1;
    dockHideTimer = 0;
    SetCursorPos(bar.left + 5, bar.bottom + 300);
    for (int tick = 1; tick <= 13; ++tick) DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(dock.hwndDock)) << "dock shown after 13 ticks away";
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(dock.hwndDock)) << "dock shown after 14 ticks away";
    SetCursorPos(bar.left + 100, bar.top + 20);
    DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(dock.hwndDock)) << "dock shown with the pointer back on it";
    EXPECT_EQ(dockHideTimer, 0) << "time away, the pointer back";
}

// A click that follows the pointer onto the hidden dock at once must find
// the dock there, not the overlay, which would take it as a stroke.
TEST_F(Dock, AHiddenDockShowsAtTheFirstMoveOntoItWithoutWaitingForATick) {
    const RECT bar = WindowRect(dock.hwndDock);
    opts[IDOPTS_AUTOHIDE] = 1;
    ShowWindow(dock.hwndDock, SW_HIDE);
    SetCursorPos(bar.left + 45, bar.bottom + 300);
    MoveTo(bar.left + 45, bar.bottom + 300);
    EXPECT_FALSE(IsWindowVisible(dock.hwndDock)) << "dock shown, the pointer below it";
    SetCursorPos(bar.left + 45, bar.top + 35);
    MoveTo(bar.left + 45, bar.top + 35);
    EXPECT_TRUE(IsWindowVisible(dock.hwndDock)) << "dock shown, the pointer on it";
}

// From ink and text colour (0, 1) and highlighter colour 2: a click outside
// the grid takes the nearest edge cell; the text bar's swatch sets the text
// colour only; the highlighter takes the column only; the mark and the eraser
// ignore the dock's swatch. Rows end with the ink row and column, the text
// row and column and the highlighter colour after the click.
TEST_F(Dock, ASwatchClickChoosesTheCellOfTheTool) {
    const std::tuple<const char*, int, HWND, POINT, std::array<int, 5>> rows[] = {
        {"arrow, cell (1, 4)", TOOL_ARROW, dock.hwndcolor, {90, 40}, {1, 4, 0, 1, 2}},
        {"arrow, left of and above the grid", TOOL_ARROW, dock.hwndcolor, {-3, -2}, {0, 0, 0, 1, 2}},
        {"pen, text bar", TOOL_PEN, dock.hwndcolor2, {60, 16}, {0, 1, 1, 4, 2}},
        {"highlighter", TOOL_HIGHLIGHTER, dock.hwndcolor, {45, 25}, {0, 1, 0, 1, 3}},
        {"mark", TOOL_MARK, dock.hwndcolor, {60, 20}, {0, 1, 0, 1, 2}},
        {"eraser", TOOL_ERASER, dock.hwndcolor, {60, 20}, {0, 1, 0, 1, 2}}};
    const int chosen[] = {IDOPTS_PENCOLORROW, IDOPTS_PENCOLORCOL, IDOPTS_TEXTCOLORROW, IDOPTS_TEXTCOLORCOL,
                          IDOPTS_HLCOLOR};
    const char* const names[] = {"ink row", "ink column", "text row", "text column", "highlighter colour"};
    for (const auto& [name, tool, swatch, at, after] : rows) {
        UseTool(tool);
        for (int i = 0; i < 5; ++i) opts[chosen[i]] = i == 4 ? 2 : i % 2;
        SendMessageA(swatch, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        for (int i = 0; i < 5; ++i) EXPECT_EQ(opts[chosen[i]], after[i]) << name << ": " << names[i];
    }
}

// Cell (row 1, column 2) spans x 29..41, y 15..27; the pointer rests on
// cell (0, 4), from x 57.
TEST_F(Dock, TheSwatchFramesTheChosenAndTheHoveredCellInBlack) {
    opts[IDOPTS_PENCOLORROW] = 1;
    opts[IDOPTS_PENCOLORCOL] = 2;
    SendMessageA(dock.hwndcolor, WM_MOUSEMOVE, 0, MAKELPARAM(60, 7));
    RedrawWindow(dock.hwndcolor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(dock.hwndcolor);
    EXPECT_EQ(PixelRgb(dc, 29, 20), 0u) << "left edge of the chosen cell";
    EXPECT_EQ(PixelRgb(dc, 30, 20), 0xFFFFFFu) << "inside its frame";
    EXPECT_EQ(PixelRgb(dc, 35, 21), PixelRgbOf(palette[7])) << "its middle";
    EXPECT_EQ(PixelRgb(dc, 7, 7), PixelRgbOf(palette[0])) << "the middle of the first cell";
    EXPECT_EQ(PixelRgb(dc, 57, 7), 0u) << "left edge of the hovered cell";
    ReleaseDC(dock.hwndcolor, dc);
}

}  // namespace
