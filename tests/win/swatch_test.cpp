// The colour swatches: clicks choose cells by position, the pointer frames
// the cell under it, and the painting shows the palette of the tool.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "app/app.h"
#include "dock/dock.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

constexpr unsigned BLACK = 0x000000;
constexpr unsigned WHITE = 0xFFFFFF;

unsigned Rgb(uint32_t colorref) {
    return (GetRValue(colorref) << 16) | (GetGValue(colorref) << 8) | GetBValue(colorref);
}

std::pair<int, int> Ink() { return {opts[IDOPTS_PENCOLORROW], opts[IDOPTS_PENCOLORCOL]}; }

class Swatch : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        opts[IDOPTS_AUTOHIDE] = 0;
        ShowWindow(hwndOverlay, SW_SHOW);
        ShowWindow(hwndDock, SW_SHOW);
    }
    static LRESULT ClickAt(HWND swatch, int x, int y) {
        return SendMessageA(swatch, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    // Pixel of the swatch as painted on the screen.
    static unsigned Pixel(HWND swatch, int x, int y) {
        RedrawWindow(swatch, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(swatch);
        const unsigned rgb = PixelRgb(dc, x, y);
        ReleaseDC(swatch, dc);
        return rgb;
    }
};

TEST_F(Swatch, PenClickChoosesRowAndColumnAndFramesTheCell) {
    ClickTool(TOOL_PEN);
    EXPECT_EQ(ClickAt(hwndcolor, 40, 20), 1);
    EXPECT_EQ(opts[IDOPTS_PENCOLORROW], 1);
    EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], 2);
    EXPECT_EQ(CurrentInkColor(), palette[7]);

    // Cell (row 1, column 2) spans x 29..41, y 15..27.
    EXPECT_EQ(Pixel(hwndcolor, 29, 20), BLACK);
    EXPECT_EQ(Pixel(hwndcolor, 30, 20), WHITE);
    EXPECT_EQ(Pixel(hwndcolor, 35, 21), Rgb(palette[7]));
    EXPECT_EQ(Pixel(hwndcolor, 7, 7), Rgb(palette[0]));  // unframed cell is plain colour
    EXPECT_EQ(Pixel(hwndcolor, 0, 0), WHITE);            // gap between cells
}

TEST_F(Swatch, HighlighterShowsFiveTallCellsAndTakesOnlyTheColumn) {
    ClickTool(TOOL_HIGHLIGHTER);
    const int row = opts[IDOPTS_PENCOLORROW], col = opts[IDOPTS_PENCOLORCOL];
    ClickAt(hwndcolor, 45, 3);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 3);
    opts[IDOPTS_HLCOLOR] = 0;
    ClickAt(hwndcolor, 45, 25);
    EXPECT_EQ(opts[IDOPTS_HLCOLOR], 3);
    EXPECT_EQ(opts[IDOPTS_PENCOLORROW], row);
    EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], col);

    for (int c : {0, 1, 4})
        for (int y : {5, 14, 22}) EXPECT_EQ(Pixel(hwndcolor, c * 14 + 7, y), Rgb(highlightPalette[c])) << c << "," << y;
    EXPECT_EQ(Pixel(hwndcolor, 3 * 14 + 1, 14), BLACK);  // the selected tall cell's frame
    EXPECT_EQ(Pixel(hwndcolor, 3 * 14 + 7, 0), BLACK);   // from the very top
}

// Clicks outside the grid choose the nearest edge cell; the text bar's
// swatch sets the text colour only; the mark and the eraser ignore the
// dock's swatch.
TEST_F(Swatch, ClicksChooseTheColourOfTheirSwatchAndTool) {
    const struct { int tool; HWND swatch; int x, y; bool text; int row, col, hl; } cases[] = {
        {TOOL_ARROW, hwndcolor, 69, 27, false, 1, 4, 2},
        {TOOL_ARROW, hwndcolor, 90, 40, false, 1, 4, 2},
        {TOOL_ARROW, hwndcolor, -3, -2, false, 0, 0, 2},
        {TOOL_PEN, hwndcolor2, 60, 16, true, 1, 4, 2},
        {TOOL_MARK, hwndcolor, 60, 20, false, 0, 1, 2},
        {TOOL_ERASER, hwndcolor, 60, 20, false, 0, 1, 2},
    };
    for (const auto& c : cases) {
        ClickTool(c.tool);
        opts[IDOPTS_PENCOLORROW] = opts[IDOPTS_TEXTCOLORROW] = 0;
        opts[IDOPTS_PENCOLORCOL] = opts[IDOPTS_TEXTCOLORCOL] = 1;
        opts[IDOPTS_HLCOLOR] = 2;
        ClickAt(c.swatch, c.x, c.y);
        const std::pair<int, int> chosen = c.text ? std::pair{opts[IDOPTS_TEXTCOLORROW], opts[IDOPTS_TEXTCOLORCOL]} : Ink();
        EXPECT_EQ(chosen, std::make_pair(c.row, c.col)) << c.tool << " at " << c.x << "," << c.y;
        EXPECT_EQ(opts[IDOPTS_HLCOLOR], c.hl);
        EXPECT_EQ(Ink(), c.text ? std::make_pair(0, 1) : chosen);
    }
}

}  // namespace
