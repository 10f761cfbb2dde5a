// The colour swatches: clicks choose cells by position, the pointer frames
// the cell under it, and the painting shows the palette of the tool.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "dock/dock.h"
#include "settings/options.h"
#include "win_env.h"

namespace {

constexpr unsigned BLACK = 0x000000;
constexpr unsigned WHITE = 0xFFFFFF;

unsigned Rgb(uint32_t colorref) {
    return (GetRValue(colorref) << 16) | (GetGValue(colorref) << 8) | GetBValue(colorref);
}

class Swatch : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        opts[IDOPTS_AUTOHIDE] = 0;
        ShowWindow(hwndOverlay, SW_SHOW);
        ShowWindow(hwndDock, SW_SHOW);
    }
    static void ChooseTool(int tool) {
        SendMessageA(hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
        SendMessageA(hwndDock, WM_COMMAND, MAKEWPARAM(tool - 1, 0), reinterpret_cast<LPARAM>(hwndTools));
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
    ChooseTool(TOOL_PEN);
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
    ChooseTool(TOOL_HIGHLIGHTER);
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

TEST_F(Swatch, ClicksOutsideTheGridChooseTheNearestEdgeCell) {
    ChooseTool(TOOL_ARROW);
    ClickAt(hwndcolor, 69, 27);
    EXPECT_EQ(opts[IDOPTS_PENCOLORROW], 1);
    EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], 4);
    ClickAt(hwndcolor, 90, 40);
    EXPECT_EQ(opts[IDOPTS_PENCOLORROW], 1);
    EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], 4);
    ClickAt(hwndcolor, -3, -2);
    EXPECT_EQ(opts[IDOPTS_PENCOLORROW], 0);
    EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], 0);
}

TEST_F(Swatch, TextBarSwatchChoosesTheTextColourOnly) {
    ChooseTool(TOOL_PEN);
    const int row = opts[IDOPTS_PENCOLORROW], col = opts[IDOPTS_PENCOLORCOL];
    ClickAt(hwndcolor2, 60, 16);
    EXPECT_EQ(opts[IDOPTS_TEXTCOLORROW], 1);
    EXPECT_EQ(opts[IDOPTS_TEXTCOLORCOL], 4);
    EXPECT_EQ(opts[IDOPTS_PENCOLORROW], row);
    EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], col);
}

TEST_F(Swatch, StampAndEraserIgnoreDockSwatchClicks) {
    for (int tool : {TOOL_MARK, TOOL_ERASER}) {
        ChooseTool(tool);
        opts[IDOPTS_PENCOLORROW] = 0;
        opts[IDOPTS_PENCOLORCOL] = 1;
        opts[IDOPTS_HLCOLOR] = 2;
        ClickAt(hwndcolor, 60, 20);
        EXPECT_EQ(opts[IDOPTS_PENCOLORROW], 0);
        EXPECT_EQ(opts[IDOPTS_PENCOLORCOL], 1);
        EXPECT_EQ(opts[IDOPTS_HLCOLOR], 2);
    }
}

TEST_F(Swatch, HoverFramesTheCellUntilThePointerLeaves) {
    ChooseTool(TOOL_PEN);
    opts[IDOPTS_PENCOLORROW] = 0;
    opts[IDOPTS_PENCOLORCOL] = 0;
    SendMessageA(hwndcolor, WM_MOUSEMOVE, 0, MAKELPARAM(60, 20));
    EXPECT_EQ(swatchHoverCol, 4);
    EXPECT_EQ(swatchHoverRow, 1);
    EXPECT_EQ(swatch2HoverCol, -1);
    EXPECT_EQ(Pixel(hwndcolor, 57, 20), BLACK);
    EXPECT_EQ(Pixel(hwndcolor, 58, 20), WHITE);

    SendMessageA(hwndcolor, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(swatchHoverCol, -1);
    EXPECT_EQ(swatchHoverRow, -1);
    EXPECT_FALSE(swatchTracking);
    EXPECT_EQ(Pixel(hwndcolor, 57, 20), Rgb(palette[9]));

    SendMessageA(hwndcolor2, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(swatch2HoverCol, 0);
    EXPECT_EQ(swatch2HoverRow, 0);
    EXPECT_EQ(swatchHoverCol, -1);
}

}  // namespace
