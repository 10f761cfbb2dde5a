#include <gtest/gtest.h>

#include <algorithm>

#include "core/dock_steps.h"

namespace {

constexpr int CELLS = INK_PALETTE_ROWS * INK_PALETTE_COLUMNS;

int CellOf(PalettePos p) { return p.row * INK_PALETTE_COLUMNS + p.col; }

TEST(InkColorSteps, ForwardWalksTheTenCellsRowByRowAndStaysOnTheLast) {
    PalettePos at{0, 0};
    for (int step = 1; step <= CELLS; ++step) {
        at = StepInkColor(at, true);
        const int want = std::min(step, CELLS - 1);
        EXPECT_EQ(at.row, want / INK_PALETTE_COLUMNS) << "row after step " << step;
        EXPECT_EQ(at.col, want % INK_PALETTE_COLUMNS) << "column after step " << step;
    }
}

TEST(InkColorSteps, BackwardMirrorsForward) {
    for (int cell = 0; cell < CELLS; ++cell) {
        const PalettePos from{cell / INK_PALETTE_COLUMNS, cell % INK_PALETTE_COLUMNS};
        const PalettePos mirrored{(CELLS - 1 - cell) / INK_PALETTE_COLUMNS, (CELLS - 1 - cell) % INK_PALETTE_COLUMNS};
        EXPECT_EQ(CellOf(StepInkColor(from, false)), CELLS - 1 - CellOf(StepInkColor(mirrored, true)))
            << "cell " << cell;
    }
}

TEST(HighlightColorSteps, WalkTheFiveColoursAndStayOnBothEnds) {
    for (int from = 0; from < HIGHLIGHT_COLORS; ++from) {
        EXPECT_EQ(StepHighlightColor(from, true), std::min(from + 1, HIGHLIGHT_COLORS - 1)) << "forward from " << from;
        EXPECT_EQ(StepHighlightColor(from, false), std::max(from - 1, 0)) << "backward from " << from;
    }
}

TEST(MarkerNumber, TheDigitsAtTheStartUpToThree) {
    const struct {
        const char* text;
        int number;
    } rows[] = {{"", 0},    {"7", 7},  {"42", 42}, {"123", 123},  {"12345", 123},
                {"007", 7}, {"4x", 4}, {"x5", 0},  {"9\r\n9", 9}, {"-3", 0}};
    for (const auto& row : rows) EXPECT_EQ(ParseMarkerNumber(row.text), row.number) << '"' << row.text << '"';
}

}  // namespace
