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
    FillNumberList(dock.hwndOpacity, 5, 20, "%");
    FillNumberList(dock.hwndPenSize, 5, 1, "");
    FillNumberList(dock.hwndShapeWidth, 7, 1, "");
    for (HWND list : {dock.hwndOpacity, dock.hwndPenSize, dock.hwndShapeWidth})
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(fontMarkSmall), TRUE);
}

// Values that select a list item are taken through OptValue, so a damaged
// file selects the default item rather than none or a wrong one.
void ShowOptionsInDock() {
    SelectComboItem(dock.hwndPenSize, OptValue(IDOPTS_PENWIDTH) - 1);
    SelectComboItem(dock.hwndShapeWidth, OptValue(IDOPTS_SHAPEWIDTH) - 1);
    SelectComboItem(dock.hwndOpacity, OptValue(IDOPTS_OPACITY) - 1);
    SelectComboItem(dock.hwndMarks, OptValue(IDOPTS_MARK));
    SendMessageA(dock.hwndFilled, BM_SETCHECK, OptValue(IDOPTS_FILL) ? BST_CHECKED : BST_UNCHECKED, 0);
    SelectComboItem(dock.hwndFontFace, OptValue(IDOPTS_FONT));
    SendMessageA(dock.hwndTools, TB_CHECKBUTTON, static_cast<WPARAM>(OptValue(IDOPTS_TOOL) - 1), TRUE);
    MakeTextFont();
    PlaceDock();
    ShowFontSizeInTextBar();
}

void ShowFontSizeInTextBar() {
    findCombo(dock.hwndFontSize, std::to_string(opts[IDOPTS_FONTSIZE]).c_str(), FONT_SIZE_ITEMS_SCANNED);
}

// The tool toolbar's button id is the tool value less one.
bool laserChosen;

void DockChooseTool(int tool) {
    laserChosen = false;
    SendMessageA(dock.hwndTools, TB_CHECKBUTTON, static_cast<WPARAM>(tool - 1), TRUE);
    RelayoutDock();
}

// The list that Up and Down step for the current tool; none for the mark and
// the eraser.
static HWND WidthListOfTool(int tool) {
    if (tool == TOOL_PEN || tool == TOOL_HIGHLIGHTER) return dock.hwndPenSize;
    if (tool >= TOOL_RECT && tool <= TOOL_ARROW) return dock.hwndShapeWidth;
    return nullptr;
}

void DockStepWidth(int step) {
    if (HWND list = WidthListOfTool(opts[IDOPTS_TOOL])) StepComboSelection(list, step);
    ApplyDockControls();
}

void DockStepOpacity(int step) {
    StepComboSelection(dock.hwndOpacity, step);
    ApplyDockControls();
}

// The box follows the stored option, not its own state, so F always gives
// the opposite of what the next shape would use.
void DockToggleFill() {
    SendMessageA(dock.hwndFilled, BM_SETCHECK, opts[IDOPTS_FILL] == 1 ? BST_UNCHECKED : BST_CHECKED, 0);
    ApplyDockControls();
    InvalidateRect(dock.hwndDock, nullptr, TRUE);
    UpdateWindow(dock.hwndDock);
}

// The colour just chosen with the wheel is shown on the dock, which stays
// up for a while even when it hides itself.
void ShowDockWithNewColor() {
    ShowWindow(dock.hwndDock, SW_SHOW);
    dockHideTimer = DOCK_SHOW_AFTER_WHEEL_MS;
    InvalidateRect(dock.hwndcolor, nullptr, FALSE);
    UpdateWindow(dock.hwndcolor);
}
