// The steps the mouse wheel takes through the dock's colours, and the number
// of the next mark read from the text of the dock's number field.
// Platform-free.
#pragma once

// A cell of the ink palette: two rows of five colours.
struct PalettePos {
    int row, col;
};
constexpr int INK_PALETTE_ROWS = 2;
constexpr int INK_PALETTE_COLUMNS = 5;
constexpr int HIGHLIGHT_COLORS = 5;

// One step through the ten ink colours, row 0 then row 1, staying on the
// first and the last cell. `from` is a cell of the palette.
PalettePos StepInkColor(PalettePos from, bool forward);

// One step through the highlighter's colours 0..4, staying on both ends.
int StepHighlightColor(int from, bool forward);

// The decimal value of the digits at the start of `text`, at most three of
// them; 0 when it starts with none.
int ParseMarkerNumber(const char* text);
