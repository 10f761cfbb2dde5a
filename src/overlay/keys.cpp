// Keys, wheel and the show/hide hotkey of the overlay.
//
// Every shortcut acts through the dock's own controls: a tool key checks the
// tool's button and relays the dock out, a size or opacity key steps a list
// and copies the controls back into the options, so the dock always shows
// what the next stroke will use.
#include "overlay/overlay.h"

#include <commctrl.h>

#include "app/app.h"
#include "dock/dock.h"
#include "model/annotation.h"
#include "model/history.h"
#include "settings/options.h"
#include "snapshots/snapshots.h"

namespace {

constexpr int LAST_PALETTE_ROW = 1;
constexpr int LAST_PALETTE_COLUMN = PALETTE_COLUMNS - 1;
constexpr int LAST_HIGHLIGHT_COLOR = HIGHLIGHT_PALETTE_SIZE - 1;
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

void UndoStep() {
    CloseTextEditWithoutCommit();
    if (Undo()) RepaintOverlayNow();
}

void RedoStep() {
    CloseTextEditWithoutCommit();
    if (Redo()) RepaintOverlayNow();
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

// Empties the drawing and its history: this cannot be undone.
void EraseAll() {
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
    const bool forward = GET_WHEEL_DELTA_WPARAM(wParam) >= 0;
    const int tool = opts[IDOPTS_TOOL];
    if (tool == TOOL_HIGHLIGHTER)
        StepHighlightColor(forward);
    else if (tool == TOOL_PEN || (tool >= TOOL_RECT && tool <= TOOL_ARROW))
        StepInkColor(forward);
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
