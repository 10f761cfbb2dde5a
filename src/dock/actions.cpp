// What the commands do to the dock: every tool, width, opacity and fill
// choice acts through the dock's own controls, so the dock always shows
// what the next stroke will use.
#include <windows.h>
#include <commctrl.h>

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "render/render.h"
#include "win/ui.h"

constexpr int DOCK_SHOW_AFTER_WHEEL_MS = 2000;
constexpr int FONT_SIZE_ITEMS_SCANNED = 100;

void FillDockLists() {
    FillNumberList(hwndOpacity, 5, 20, "%");
    FillNumberList(hwndPenSize, 5, 1, "");
    FillNumberList(hwndShapeWidth, 7, 1, "");
    for (HWND list : {hwndOpacity, hwndPenSize, hwndShapeWidth})
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(fontMarkSmall), TRUE);
}

// Values that select a list item are taken through OptValue, so a damaged
// file selects the default item rather than none or a wrong one.
void ShowOptionsInDock() {
    SelectComboItem(hwndPenSize, OptValue(IDOPTS_PENWIDTH) - 1);
    SelectComboItem(hwndShapeWidth, OptValue(IDOPTS_SHAPEWIDTH) - 1);
    SelectComboItem(hwndOpacity, OptValue(IDOPTS_OPACITY) - 1);
    SelectComboItem(hwndMarks, OptValue(IDOPTS_MARK));
    SendMessageA(hwndFilled, BM_SETCHECK, OptValue(IDOPTS_FILL) ? BST_CHECKED : BST_UNCHECKED, 0);
    SelectComboItem(hwndFontFace, OptValue(IDOPTS_FONT));
    SendMessageA(hwndTools, TB_CHECKBUTTON, static_cast<WPARAM>(OptValue(IDOPTS_TOOL) - 1), TRUE);
    MakeTextFont();
    PlaceDock();
    ShowFontSizeInTextBar();
}

void ShowFontSizeInTextBar() {
    findCombo(hwndFontSize, std::to_string(opts[IDOPTS_FONTSIZE]).c_str(), FONT_SIZE_ITEMS_SCANNED);
}

// The tool toolbar's button id is the tool value less one.
void DockChooseTool(int tool) {
    SendMessageA(hwndTools, TB_CHECKBUTTON, static_cast<WPARAM>(tool - 1), TRUE);
    RelayoutDock();
}

// The list that Up and Down step for the current tool; none for the mark and
// the eraser.
static HWND WidthListOfTool(int tool) {
    if (tool == TOOL_PEN || tool == TOOL_HIGHLIGHTER) return hwndPenSize;
    if (tool >= TOOL_RECT && tool <= TOOL_ARROW) return hwndShapeWidth;
    return nullptr;
}

void DockStepWidth(int step) {
    if (HWND list = WidthListOfTool(opts[IDOPTS_TOOL])) StepComboSelection(list, step);
    ApplyDockControls();
}

void DockStepOpacity(int step) {
    StepComboSelection(hwndOpacity, step);
    ApplyDockControls();
}

// The box follows the stored option, not its own state, so F always gives
// the opposite of what the next shape would use.
void DockToggleFill() {
    SendMessageA(hwndFilled, BM_SETCHECK, opts[IDOPTS_FILL] == 1 ? BST_UNCHECKED : BST_CHECKED, 0);
    ApplyDockControls();
    InvalidateRect(hwndDock, nullptr, TRUE);
    UpdateWindow(hwndDock);
}

// The colour just chosen with the wheel is shown on the dock, which stays
// up for a while even when it hides itself.
void ShowDockWithNewColor() {
    ShowWindow(hwndDock, SW_SHOW);
    dockHideTimer = DOCK_SHOW_AFTER_WHEEL_MS;
    InvalidateRect(hwndcolor, nullptr, FALSE);
    UpdateWindow(hwndcolor);
}
