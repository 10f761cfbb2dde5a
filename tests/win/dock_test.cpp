// The dock, its menu, its owner-drawn lists and its colour swatches, driven
// through their real controls with the messages a click or a choice sends.
#include <gtest/gtest.h>

#include <string>

#include "render/render.h"
#include "render_canvas.h"
#include "gestures.h"

namespace {

void ClickButton(HWND b) {
    SendMessageA(GetParent(b), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(b));
}
// The tool controls shown (lower case) and their captions (upper case).
std::string Shown() {
    const HWND controls[] = {dock.hwndcolor,  dock.hwndPenSize, dock.hwndShapeWidth, dock.hwndOpacity,
                             dock.hwndFilled, dock.hwndMarks,   dock.hwndNumber,     dock.hwndEraseAll};
    std::string shown;
    for (int i = 0; i < 8; ++i) shown += IsWindowVisible(controls[i]) ? "cswofmne"[i] : ' ';
    for (int i = 0; i < CAPTION_COUNT; ++i) shown += IsWindowVisible(dock.captions[i]) ? "CSWOFTNE"[i] : ' ';
    return shown;
}

TEST(Dock, EachToolSizesTheDockAndShowsItsControls) {
    FreshDrawing(TOOL_PEN);
    const struct {
        int tool, width;
        const char* shown;
    } cases[] = {{TOOL_ERASER, 328, "       e       E"},      {TOOL_PEN, 448, "cs o    CS O    "},
                 {TOOL_HIGHLIGHTER, 395, "cs      CS      "}, {TOOL_RECT, 597, "c wof   C WOFT  "},
                 {TOOL_ROUNDRECT, 597, "c wof   C WOFT  "},   {TOOL_ELLIPSE, 597, "c wof   C WOFT  "},
                 {TOOL_ARROW, 448, "c wo    C WO    "},       {TOOL_MARK, 448, "     mn       N "},
                 {TOOL_PEN, 448, "cs o    CS O    "}};
    for (const auto& c : cases) {
        ClickTool(c.tool);
        const RECT r = WindowRect(dock.hwndDock);
        EXPECT_TRUE(opts[IDOPTS_TOOL] == c.tool && r.right - r.left == c.width && Shown() == c.shown)
            << c.tool << " " << Shown();
    }
}

// The lists, the fill box and the number edit reach the options; Erase All
// leaves nothing to undo or redo; the Options menu's choices act (its edge
// choice moves the dock to the other edge and back); autohide.
TEST(Dock, ControlsMenuEdgeAndAutohideAct) {
    FreshDrawing(TOOL_RECT);
    Choose(dock.hwndPenSize, 4), Choose(dock.hwndShapeWidth, 6), Choose(dock.hwndOpacity, 1),
        Choose(dock.hwndFontFace, 5), Choose(dock.hwndFontSize, 6);
    SendMessageA(dock.hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0), ClickButton(dock.hwndFilled);
    LOGFONTA font{};
    GetObjectA(fontText, sizeof font, &font);
    EXPECT_EQ((Ints{opts[IDOPTS_PENWIDTH], opts[IDOPTS_SHAPEWIDTH], opts[IDOPTS_OPACITY], opts[IDOPTS_FONT],
                    opts[IDOPTS_FONTSIZE], opts[IDOPTS_FILL], font.lfHeight, GetFocus() == canvas.hwndOverlay}),
              (Ints{5, 7, 2, 5, 26, 0, FontHeightForPoints(26), 1}));
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    SendMessageA(dock.hwndFontSize, CB_SETCURSEL, WPARAM(-1), 0),
        ApplyDockControls();  // no zero-point font from an empty choice
    EXPECT_EQ(opts[IDOPTS_FONTSIZE], 26);
    for (int mark : {3, 0, 2, 11}) {  // only the numbered marks enable the number edit
        Choose(dock.hwndMarks, mark);
        EXPECT_EQ(IsWindowEnabled(dock.hwndNumber) != 0, mark < 3) << mark;
    }
    SetWindowTextA(dock.hwndNumber, ""), SendMessageA(dock.hwndNumber, WM_CHAR, '4', 0),
        SendMessageA(dock.hwndNumber, WM_CHAR, 'x', 0);
    EXPECT_EQ((Ints{opts[IDOPTS_MARK], markerNumber, ParseMarkerNumber("12345"), ParseMarkerNumber("9\r\n9")}),
              (Ints{11, 4, 123, 9}));
    for (int i = 0; i < 3; ++i) AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10, 10}, {100, 100})), RecordAdd(i);
    Undo(), ClickButton(dock.hwndEraseAll);
    EXPECT_TRUE(annotations.empty() && history.empty() && undoneCount == 0 && !Redo() && !Undo());
    const int top = opts[IDOPTS_DOCKTOP], whiteboard = opts[IDOPTS_WHITEBOARD], bottom = ScreenHeight() - 52;
    RunCommand(CMD_DOCK_EDGE), RunCommand(CMD_WHITEBOARD), RunCommand(CMD_NONE);
    const RECT flipped = WindowRect(dock.hwndDock);
    EXPECT_TRUE(opts[IDOPTS_DOCKTOP] == 1 - top && opts[IDOPTS_WHITEBOARD] != whiteboard &&
                Visible(canvas.hwndOverlay));
    RunCommand(CMD_DOCK_EDGE);
    const RECT back = WindowRect(dock.hwndDock);
    EXPECT_TRUE(opts[IDOPTS_DOCKTOP] == top && flipped.top == (top ? bottom : 0) && back.top == (top ? 0 : bottom) &&
                back.left == flipped.left);
    SetCursorPos(back.left + 5, back.bottom + 300);  // away from the dock: hidden on the 14th tick
    opts[IDOPTS_AUTOHIDE] = 1, dockHideTimer = 0;
    for (int tick = 1; tick <= 13; ++tick) DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(dock.hwndDock));
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(dock.hwndDock));
    SetCursorPos(back.left + 100, back.top + 20), DockAutohideTick();  // back over it: shown at once
    EXPECT_TRUE(IsWindowVisible(dock.hwndDock) && dockHideTimer == 0);
    RunCommand(CMD_HIDE), RunCommand(CMD_EXIT);
    EXPECT_TRUE(!IsWindowVisible(canvas.hwndOverlay) && !IsWindowVisible(dock.hwndDock) && exitRequested == 1);
    exitRequested = 0, opts[IDOPTS_AUTOHIDE] = 0;
}

// Owner-drawn rows: numbered marks carry a red caption, the font rows are
// blue when selected and black otherwise. Returns the pixels of `wanted`.
int RowPixels(HWND list, int index, UINT state, COLORREF wanted) {
    Canvas c(460, 41, RGB(0, 255, 0));
    DRAWITEMSTRUCT item{ODT_COMBOBOX, 0, UINT(index), ODA_DRAWENTIRE, state, list, c.dc(), {0, 0, 460, 41}, 0};
    SendMessageA(GetParent(list), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    return 460 * 41 - c.CountNot(PixelRgbOf(wanted), 0, 0, 460, 41);
}

TEST(Dock, ListRowsAndSwatchesDrawAndChooseTheirCells) {
    FreshDrawing(TOOL_PEN);
    EXPECT_TRUE(RowPixels(dock.hwndMarks, 2, 0, RGB(255, 0, 0)) > 10 &&
                RowPixels(dock.hwndMarks, 3, 0, RGB(255, 0, 0)) == 0);
    EXPECT_TRUE(RowPixels(dock.hwndFontFace, 7, ODS_SELECTED, RGB(0, 0, 255)) > 10 &&
                RowPixels(dock.hwndFontFace, 7, 0, RGB(0, 0, 255)) == 0 && RowPixels(dock.hwndFontFace, 7, 0, 0) > 10);
    // Clicks outside the grid take the nearest edge cell; the text bar's swatch
    // sets the text colour only; the highlighter takes the column only; the
    // mark and the eraser ignore the dock's swatch.
    const struct {
        int tool;
        HWND swatch;
        int x, y;
        Ints chosen;
    } cases[] = {{TOOL_ARROW, dock.hwndcolor, 90, 40, {1, 4, 0, 1, 2}},
                 {TOOL_ARROW, dock.hwndcolor, -3, -2, {0, 0, 0, 1, 2}},
                 {TOOL_PEN, dock.hwndcolor2, 60, 16, {0, 1, 1, 4, 2}},
                 {TOOL_HIGHLIGHTER, dock.hwndcolor, 45, 25, {0, 1, 0, 1, 3}},
                 {TOOL_MARK, dock.hwndcolor, 60, 20, {0, 1, 0, 1, 2}},
                 {TOOL_ERASER, dock.hwndcolor, 60, 20, {0, 1, 0, 1, 2}},
                 {TOOL_PEN, dock.hwndcolor, 40, 20, {1, 2, 0, 1, 2}}};  // the last stays chosen
    for (const auto& c : cases) {
        ClickTool(c.tool);
        opts[IDOPTS_PENCOLORROW] = opts[IDOPTS_TEXTCOLORROW] = 0,
        opts[IDOPTS_PENCOLORCOL] = opts[IDOPTS_TEXTCOLORCOL] = 1;
        opts[IDOPTS_HLCOLOR] = 2;
        SendMessageA(c.swatch, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
        EXPECT_EQ((Ints{opts[IDOPTS_PENCOLORROW], opts[IDOPTS_PENCOLORCOL], opts[IDOPTS_TEXTCOLORROW],
                        opts[IDOPTS_TEXTCOLORCOL], opts[IDOPTS_HLCOLOR]}),
                  c.chosen)
            << c.tool << " at " << c.x << "," << c.y;
    }
    RedrawWindow(dock.hwndcolor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(dock.hwndcolor);  // cell (row 1, column 2) spans x 29..41, y 15..27: framed black
    EXPECT_EQ((Ints{int(PixelRgb(dc, 29, 20)), int(PixelRgb(dc, 30, 20)), int(PixelRgb(dc, 35, 21)),
                    int(PixelRgb(dc, 7, 7))}),
              (Ints{0, 0xFFFFFF, int(PixelRgbOf(palette[7])), int(PixelRgbOf(palette[0]))}));
    ReleaseDC(dock.hwndcolor, dc);
}

}  // namespace
