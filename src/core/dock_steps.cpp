// The wheel's colour steps and the mark number; see dock_steps.h.
#include "core/dock_steps.h"

namespace {

constexpr int MARKER_DIGITS = 3;

int Step(int from, bool forward, int last) {
    const int to = forward ? from + 1 : from - 1;
    if (to < 0) return 0;
    if (to > last) return last;
    return to;
}

}  // namespace

PalettePos StepInkColor(PalettePos from, bool forward) {
    const int cell =
        Step(from.row * INK_PALETTE_COLUMNS + from.col, forward, INK_PALETTE_ROWS * INK_PALETTE_COLUMNS - 1);
    return {cell / INK_PALETTE_COLUMNS, cell % INK_PALETTE_COLUMNS};
}

int StepHighlightColor(int from, bool forward) { return Step(from, forward, HIGHLIGHT_COLORS - 1); }

int ParseMarkerNumber(const char* text) {
    int number = 0;
    for (int i = 0; i < MARKER_DIGITS && text[i] >= '0' && text[i] <= '9'; ++i) number = number * 10 + (text[i] - '0');
    return number;
}
