// What the overlay's commands do to the drawing: a step back or forward
// through the history, emptying the drawing, and the wheel's colour step.
#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/history.h"
#include "core/options.h"
#include "dock/dock.h"
#include "overlay/overlay.h"

namespace {

constexpr int LAST_PALETTE_ROW = 1;
constexpr int LAST_PALETTE_COLUMN = PALETTE_COLUMNS - 1;
constexpr int LAST_HIGHLIGHT_COLOR = HIGHLIGHT_PALETTE_SIZE - 1;

// Painted area of the record at `position`; nothing for a position that
// is not in the list.
Box32 BoundsAt(int position) {
    return position >= 0 && position < AnnotationCount() ? PaintBounds(annotations[position]) : NO_BOX;
}

// The one record a history step changes, before and after it is applied:
// an added record is the one at the entry's position; a move takes the
// record between its old position and the top of the list; text stays put.
int StepPosition(const HistoryEntry& e, bool undoing, bool applied) {
    const int last = AnnotationCount() - 1;
    switch (e.type) {
    case HISTORY_ADD:
        return applied == undoing ? -1 : e.index;
    case HISTORY_MOVE:
        return applied == undoing ? e.index : last;
    default:
        return e.index;
    }
}

const HistoryEntry* NextStep(bool undoing) {
    const int n = static_cast<int>(history.size());
    const int at = undoing ? n - undoneCount - 1 : n - undoneCount;
    return at >= 0 && at < n ? &history[at] : nullptr;
}

// Only the area of the record the step changes is drawn again. Taking back
// the record drawn last puts back the layer as it was before it; bringing
// back a record on top draws just that record.
void HistoryStep(bool undoing) {
    CloseTextEditWithoutCommit();
    SettleLayer();
    SyncLayer();
    const HistoryEntry* e = NextStep(undoing);
    if (!e) return;
    const bool atTop = e->type == HISTORY_ADD && e->index == AnnotationCount() - (undoing ? 1 : 0);
    const bool takeBack = undoing && atTop && LayerCanTakeBackLast();
    const Box32 before = BoundsAt(StepPosition(*e, undoing, false));
    if (!(undoing ? Undo() : Redo())) return;  // the entry itself stays in the history
    if (takeBack)
        TakeBackLastFromLayer();
    else if (atTop && !undoing)
        DrawLastOnLayer(true);
    else
        RepairLayer(UnionOfBoxes(before, BoundsAt(StepPosition(*e, undoing, true))));
    ShowChanges();
}

// One step through the ten ink colours, row 0 then row 1, stopping at both
// ends. A stored position outside the palette starts from the default one.
void StepInkColor(bool forward) {
    int row = OptValue(IDOPTS_PENCOLORROW);
    int col = OptValue(IDOPTS_PENCOLORCOL);
    if (forward) {
        if (col < LAST_PALETTE_COLUMN) {
            ++col;
        } else if (row < LAST_PALETTE_ROW) {
            ++row;
            col = 0;
        }
    } else {
        if (col > 0) {
            --col;
        } else if (row > 0) {
            --row;
            col = LAST_PALETTE_COLUMN;
        }
    }
    opts[IDOPTS_PENCOLORROW] = row;
    opts[IDOPTS_PENCOLORCOL] = col;
}

void StepHighlightColor(bool forward) {
    int index = OptValue(IDOPTS_HLCOLOR);
    if (forward && index < LAST_HIGHLIGHT_COLOR) ++index;
    if (!forward && index > 0) --index;
    opts[IDOPTS_HLCOLOR] = index;
}

}  // namespace

void UndoStep() { HistoryStep(true); }

void RedoStep() { HistoryStep(false); }

void ClearDrawing() {
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    RepaintOverlayNow();
}

// Only the sign of the wheel delta counts; a delta of 0 steps forward.
void OnMouseWheel(WPARAM wParam) {
    const bool forward = GET_WHEEL_DELTA_WPARAM(wParam) >= 0;
    const int tool = opts[IDOPTS_TOOL];
    if (tool == TOOL_HIGHLIGHTER)
        StepHighlightColor(forward);
    else if (tool == TOOL_PEN || (tool >= TOOL_RECT && tool <= TOOL_ARROW))
        StepInkColor(forward);
    ShowDockWithNewColor();
}
