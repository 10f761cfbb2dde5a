// What the dock shows for each tool, the copying of its controls into the
// option table, the text font, the dock's edge and its autohide.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <vector>

#include "app/app.h"
#include "dock/dock.h"
#include "render/render.h"

constexpr int DOCK_HEIGHT = 51;
constexpr int DOCK_LEFT_OF_CENTRE = 240;
constexpr int DOCK_BOTTOM_GAP = 52;  // the dock's top lies this far above the screen's bottom
constexpr int DOCK_WIDTH_DEFAULT = 448;
constexpr int DOCK_WIDTH_HIGHLIGHTER = 395;
constexpr int DOCK_WIDTH_SHAPES = 597;
constexpr int DOCK_WIDTH_ERASER = 328;
constexpr int TEXT_MARGIN_ELLIPSE = 18;
constexpr int TEXT_MARGIN_OTHER = 4;
constexpr int NUMBERED_MARKS = 3;
constexpr int AUTOHIDE_TICK_MS = 300;
constexpr int AUTOHIDE_AFTER_MS = 4000;

static void ShowControls(std::initializer_list<HWND> controls) {
    for (HWND control : controls) ShowWindow(control, SW_SHOWNA);
}

static void HideToolControls() {
    for (HWND control : {hwndcolor, hwndPenSize, hwndShapeWidth, hwndOpacity, hwndFilled, hwndMarks, hwndNumber,
                         hwndEraseAll})
        ShowWindow(control, SW_HIDE);
    for (HWND caption : dockCaptions) ShowWindow(caption, SW_HIDE);
}

static void SetDockWidth(int width) {
    SetWindowPos(hwndDock, nullptr, 0, 0, width, DOCK_HEIGHT, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void MoveControl(HWND control, int x, int y) {
    SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void ReadCheckedTool() {
    for (int id = 0; id < 8; ++id)
        if (SendMessageA(hwndTools, TB_ISBUTTONCHECKED, id, 0)) opts[IDOPTS_TOOL] = id + 1;
}

static void ShowControlsOfTool(int tool) {
    HWND* caption = dockCaptions;
    switch (tool) {
    case TOOL_PEN:
        ShowControls({hwndcolor, caption[CAPTION_COLOR], hwndPenSize, caption[CAPTION_SIZE], hwndOpacity,
                      caption[CAPTION_OPACITY]});
        break;
    case TOOL_HIGHLIGHTER:
        SetDockWidth(DOCK_WIDTH_HIGHLIGHTER);
        ShowControls({hwndcolor, caption[CAPTION_COLOR], hwndPenSize, caption[CAPTION_SIZE]});
        break;
    case TOOL_RECT:
    case TOOL_ROUNDRECT:
    case TOOL_ELLIPSE:
        SetDockWidth(DOCK_WIDTH_SHAPES);
        ShowControls({hwndcolor, caption[CAPTION_COLOR], hwndShapeWidth, caption[CAPTION_WIDTH], hwndOpacity,
                      caption[CAPTION_OPACITY], hwndFilled, caption[CAPTION_FILLED], caption[CAPTION_TEXTHINT]});
        break;
    case TOOL_ARROW:
        ShowControls({hwndcolor, caption[CAPTION_COLOR], hwndShapeWidth, caption[CAPTION_WIDTH], hwndOpacity,
                      caption[CAPTION_OPACITY]});
        break;
    case TOOL_MARK:
        ShowControls({hwndMarks, hwndNumber, caption[CAPTION_NUMBER]});
        break;
    case TOOL_ERASER:
        SetDockWidth(DOCK_WIDTH_ERASER);
        ShowControls({hwndEraseAll, caption[CAPTION_ERASEALL]});
        break;
    default:
        break;  // only the toolbars
    }
}

void RelayoutDock() {
    LockWindowUpdate(hwndDock);
    SetFocus(hwndOverlay);
    HideToolControls();
    ReadCheckedTool();
    textMargin = opts[IDOPTS_TOOL] == TOOL_ELLIPSE ? TEXT_MARGIN_ELLIPSE : TEXT_MARGIN_OTHER;
    SetDockWidth(DOCK_WIDTH_DEFAULT);
    MoveControl(hwndOpacity, 395, 2);
    MoveControl(dockCaptions[CAPTION_OPACITY], 406, 32);
    ShowControlsOfTool(opts[IDOPTS_TOOL]);
    // The swatch's palette depends on the tool.
    InvalidateRect(hwndcolor, nullptr, FALSE);
    UpdateWindow(hwndcolor);
    LockWindowUpdate(nullptr);
}

static int SelectedIndex(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

// The number at the start of the selected item's text; `fallback` when no
// item is selected, so that an empty list cannot make a zero-point font.
static int SelectedNumber(HWND combo, int fallback) {
    const int index = SelectedIndex(combo);
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (index < 0 || length == CB_ERR) return fallback;
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return ParseDecimal(text.data());
}

void ApplyDockControls() {
    opts[IDOPTS_PENWIDTH] = SelectedIndex(hwndPenSize) + 1;
    opts[IDOPTS_SHAPEWIDTH] = SelectedIndex(hwndShapeWidth) + 1;
    opts[IDOPTS_OPACITY] = SelectedIndex(hwndOpacity) + 1;
    opts[IDOPTS_FILL] = SendMessageA(hwndFilled, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    opts[IDOPTS_FONTSIZE] = SelectedNumber(hwndFontSize, opts[IDOPTS_FONTSIZE]);
    opts[IDOPTS_FONT] = SelectedIndex(hwndFontFace);
    MakeTextFont();
    SendMessageA(textEdit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    opts[IDOPTS_MARK] = SelectedIndex(hwndMarks);
    EnableWindow(hwndNumber, opts[IDOPTS_MARK] < NUMBERED_MARKS);
    InvalidateRect(textEdit, nullptr, TRUE);
    UpdateWindow(textEdit);
}

// A face index or size outside the lists (only an edited Settings.dat holds
// one) falls back to the option's default.
void MakeTextFont() {
    if (fontText) DeleteObject(fontText);
    fontText = CreateFontA(FontHeightForPoints(OptValue(IDOPTS_FONTSIZE)), 0, 0, 0, 100, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                           fontFaceTable[OptValue(IDOPTS_FONT)]);
    SendMessageA(textEdit, WM_SETFONT, reinterpret_cast<WPARAM>(fontText), FALSE);
}

// The left edge stays at half the screen width less 240, whatever the
// dock's width.
void ToggleDockEdge() {
    const bool toTop = opts[IDOPTS_DOCKTOP] == 0;
    opts[IDOPTS_DOCKTOP] = toTop ? 1 : 0;
    MoveControl(hwndDock, ScreenWidth() / 2 - DOCK_LEFT_OF_CENTRE, toTop ? 0 : ScreenHeight() - DOCK_BOTTOM_GAP);
}

void DockAutohideTick() {
    if (opts[IDOPTS_AUTOHIDE] != 1) return;
    POINT pointer;
    GetCursorPos(&pointer);
    RECT dock;
    GetWindowRect(hwndDock, &dock);
    if (PtInRect(&dock, pointer)) {
        dockHideTimer = 0;
        ShowWindow(hwndDock, SW_SHOWNA);
        return;
    }
    // Saturating, so that a dock left hidden for days cannot wrap round.
    if (dockHideTimer <= AUTOHIDE_AFTER_MS) dockHideTimer += AUTOHIDE_TICK_MS;
    ShowWindow(hwndDock, dockHideTimer <= AUTOHIDE_AFTER_MS ? SW_SHOWNA : SW_HIDE);
}
