// What the overlay's commands do to the drawing: a step back or forward
// through the history, emptying the drawing, and the wheel's colour step.
#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/dock_steps.h"
#include "core/history.h"
#include "core/options.h"
#include "dock/dock.h"
#include "overlay/overlay.h"

namespace {

static_assert(INK_PALETTE_COLUMNS == PALETTE_COLUMNS && HIGHLIGHT_COLORS == HIGHLIGHT_PALETTE_SIZE);

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
    SettleFading();
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

// The wheel steps the ink colour of the pen and the shapes, the
// highlighter's own colour, and nothing of the mark or the eraser. A stored
// position outside the palettes starts from the default one.
void StepToolColor(int tool, bool forward) {
    if (tool == TOOL_HIGHLIGHTER) {
        opts[IDOPTS_HLCOLOR] = StepHighlightColor(OptValue(IDOPTS_HLCOLOR), forward);
    } else if (tool == TOOL_PEN || (tool >= TOOL_RECT && tool <= TOOL_ARROW)) {
        const PalettePos ink = StepInkColor({OptValue(IDOPTS_PENCOLORROW), OptValue(IDOPTS_PENCOLORCOL)}, forward);
        opts[IDOPTS_PENCOLORROW] = ink.row;
        opts[IDOPTS_PENCOLORCOL] = ink.col;
    }
}

}  // namespace

void UndoStep() { HistoryStep(true); }

void RedoStep() { HistoryStep(false); }

void ClearDrawing() {
    CloseTextEditWithoutCommit();
    ForgetFadingInk();
    ClearHistory();
    ClearAnnotations();
    RepaintOverlayNow();
}

// Only the sign of the wheel delta counts; a delta of 0 steps forward.
// With Ctrl held the wheel zooms instead.
void OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) return OnZoomWheel(wParam, lParam);
    StepToolColor(opts[IDOPTS_TOOL], GET_WHEEL_DELTA_WPARAM(wParam) >= 0);
    ShowDockWithNewColor();
}
