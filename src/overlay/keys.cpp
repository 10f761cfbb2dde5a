// Keys, wheel and the show/hide hotkey of the overlay.
//
// Every shortcut acts through the dock's own controls: a tool key checks the
// tool's button and relays the dock out, a size or opacity key steps a list
// and copies the controls back into the options, so the dock always shows
// what the next stroke will use.
#include "overlay/overlay.h"

#include <commctrl.h>

#include "app/app.h"
#include "core/dock_steps.h"
#include "dock/dock.h"
#include "model/annotation.h"
#include "model/history.h"
#include "settings/options.h"
#include "snapshots/last_drawing_win.h"
#include "snapshots/snapshots.h"

namespace {

static_assert(INK_PALETTE_COLUMNS == PALETTE_COLUMNS && HIGHLIGHT_COLORS == HIGHLIGHT_PALETTE_SIZE);
constexpr int DOCK_SHOW_AFTER_WHEEL_MS = 2000;

// Tool keys; the tool toolbar's button id is the tool value less one.
struct ToolKey {
    WPARAM key;
    int tool;
};
constexpr ToolKey toolKeys[] = {
    {'P', TOOL_PEN},     {'H', TOOL_HIGHLIGHTER}, {'R', TOOL_RECT}, {'D', TOOL_ROUNDRECT},
    {'O', TOOL_ELLIPSE}, {'A', TOOL_ARROW},       {'S', TOOL_MARK}, {'E', TOOL_ERASER},
};

bool CtrlHeld() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

void ChooseTool(int tool) {
    SendMessageA(hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
    RelayoutDock();
}

// Moves a list's selection one entry up or down, staying on the first and
// last entries; a list without a selection goes to its first entry.
void StepList(HWND combo, int step) {
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    if (count <= 0) return;
    int index = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)) + step;
    if (index < 0) index = 0;
    if (index > count - 1) index = count - 1;
    SendMessageA(combo, CB_SETCURSEL, index, 0);
}

// The list that Up and Down step for the current tool; none for the mark and
// the eraser.
HWND WidthListOfTool(int tool) {
    if (tool == TOOL_PEN || tool == TOOL_HIGHLIGHTER) return hwndPenSize;
    if (tool >= TOOL_RECT && tool <= TOOL_ARROW) return hwndShapeWidth;
    return nullptr;
}

void StepWidth(int step) {
    if (HWND list = WidthListOfTool(opts[IDOPTS_TOOL])) StepList(list, step);
    ApplyDockControls();
}

void StepOpacity(int step) {
    StepList(hwndOpacity, step);
    ApplyDockControls();
}

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

// The box follows the stored option, not its own state, so F always gives
// the opposite of what the next shape would use.
void ToggleFill() {
    SendMessageA(hwndFilled, BM_SETCHECK, opts[IDOPTS_FILL] == 1 ? BST_UNCHECKED : BST_CHECKED, 0);
    ApplyDockControls();
    InvalidateRect(hwndDock, nullptr, TRUE);
    UpdateWindow(hwndDock);
}

bool ChooseToolByKey(WPARAM key) {
    for (const ToolKey& k : toolKeys)
        if (k.key == key) {
            ChooseTool(k.tool);
            return true;
        }
    return false;
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

// Empties the drawing and its history: this cannot be undone.
void EraseAll() {
    KeepDrawingAsLast();
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    RepaintOverlayNow();
}

void OnKeyDown(WPARAM key) {
    switch (key) {
    case 'Z':
        if (CtrlHeld()) UndoStep();
        return;
    case 'Y':
        if (CtrlHeld()) RedoStep();
        return;
    case 'C':
        if (CtrlHeld()) CopySnapshotToClipboard();
        return;
    case 'E':
        if (CtrlHeld()) {
            EraseAll();
            return;
        }
        break;  // the eraser tool
    case 'L':
        if (CtrlHeld()) RestoreLastDrawing();
        return;
    case VK_ESCAPE:
        HideOverlayAndRestoreFocus();
        return;
    case 'B':
        ToggleDockEdge();
        return;
    case 'W':
        ToggleWhiteboard();
        return;
    case VK_F2:
        SaveSnapshot();
        return;
    case VK_F3:
        LoadSnapshotDialog();
        return;
    case VK_UP:
        StepWidth(+1);
        return;
    case VK_DOWN:
        StepWidth(-1);
        return;
    case VK_RIGHT:
        StepOpacity(+1);
        return;
    case VK_LEFT:
        StepOpacity(-1);
        return;
    case 'F':
        ToggleFill();
        return;
    default:
        break;
    }
    ChooseToolByKey(key);
}

// Only the sign of the wheel delta counts; a delta of 0 steps forward.
void OnMouseWheel(WPARAM wParam) {
    StepToolColor(opts[IDOPTS_TOOL], GET_WHEEL_DELTA_WPARAM(wParam) >= 0);
    ShowWindow(hwndDock, SW_SHOW);
    dockHideTimer = DOCK_SHOW_AFTER_WHEEL_MS;
    InvalidateRect(hwndcolor, nullptr, FALSE);
    UpdateWindow(hwndcolor);
}

// There is one registered hotkey, so only its modifiers are compared.
void OnHotkey(WPARAM, LPARAM lParam) {
    if (static_cast<int32_t>(LOWORD(lParam)) != opts[OPT_MODSHOW]) return;
    if (IsWindowVisible(hwndOverlay))
        HideOverlayAndRestoreFocus();
    else
        ShowOverlay();
}
