// What the dock shows for each tool, the copying of its controls into the
// option table, the text font, the dock's edge and its autohide.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "core/dock_scale.h"
#include "render/render.h"

constexpr int TEXT_MARGIN_ELLIPSE = 18;
constexpr int TEXT_MARGIN_OTHER = 4;
constexpr int AUTOHIDE_TICK_MS = 300;
constexpr int AUTOHIDE_AFTER_MS = 4000;

static void HideToolControls() {
    for (HWND control : {dock.hwndcolor, dock.hwndPenSize, dock.hwndShapeWidth, dock.hwndOpacity, dock.hwndFilled,
                         dock.hwndMarks, dock.hwndNumber, dock.hwndEraseAll})
        ShowWindow(control, SW_HIDE);
    for (HWND caption : dock.captions) ShowWindow(caption, SW_HIDE);
}

static void SetDockWidth(int width) {
    SetWindowPos(dock.hwndDock, nullptr, 0, 0, width, DockHeight(canvas.overlayDpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void MoveControl(HWND control, int x, int y) {
    SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

static void MoveItem(DockItem item) {
    const DockBox at = DockItemBox(item, canvas.overlayDpi);
    MoveControl(DockItemWindow(item), at.x, at.y);
}

static void ReadCheckedTool() {
    for (int id = 0; id < 8; ++id)
        if (SendMessageA(dock.hwndTools, TB_ISBUTTONCHECKED, id, 0)) opts[IDOPTS_TOOL] = id + 1;
}

static void ShowControlsOfTool(int tool) {
    int count = 0;
    const DockItem* items = DockItemsOfTool(tool, count);
    for (int i = 0; i < count; ++i) ShowWindow(DockItemWindow(items[i]), SW_SHOWNA);
}

void RelayoutDock() {
    LockWindowUpdate(dock.hwndDock);
    SetFocus(canvas.hwndOverlay);
    HideToolControls();
    ReadCheckedTool();
    textMargin = opts[IDOPTS_TOOL] == TOOL_ELLIPSE ? TEXT_MARGIN_ELLIPSE : TEXT_MARGIN_OTHER;
    MoveItem(ITEM_OPACITY);
    MoveItem(ITEM_CAPTION_OPACITY);
    SetDockWidth(DockWidthForTool(opts[IDOPTS_TOOL], canvas.overlayDpi));
    ShowControlsOfTool(opts[IDOPTS_TOOL]);
    // The swatch's palette depends on the tool.
    InvalidateRect(dock.hwndcolor, nullptr, FALSE);
    UpdateWindow(dock.hwndcolor);
    LockWindowUpdate(nullptr);
    ShapeChrome();
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
    opts[IDOPTS_PENWIDTH] = SelectedIndex(dock.hwndPenSize) + 1;
    opts[IDOPTS_SHAPEWIDTH] = SelectedIndex(dock.hwndShapeWidth) + 1;
    opts[IDOPTS_OPACITY] = SelectedIndex(dock.hwndOpacity) + 1;
    opts[IDOPTS_FILL] = SendMessageA(dock.hwndFilled, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    opts[IDOPTS_FONTSIZE] = SelectedNumber(dock.hwndFontSize, opts[IDOPTS_FONTSIZE]);
    opts[IDOPTS_FONT] = SelectedIndex(dock.hwndFontFace);
    MakeTextFont();
    SendMessageA(textEdit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    opts[IDOPTS_MARK] = SelectedIndex(dock.hwndMarks);
    EnableWindow(dock.hwndNumber, opts[IDOPTS_MARK] < NUMBERED_MARKS);
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

// Live ink's bar, at 100 %: two buttons with a gap round each, left of the dock.
constexpr int LIVE_BUTTON_WIDTH = 64;
constexpr int LIVE_BUTTON_HEIGHT = 28;
constexpr int LIVE_BAR_GAP = 6;

static void PlaceLiveBar(int dockLeft, int top) {
    const int dpi = canvas.overlayDpi, gap = ScaleToDpi(LIVE_BAR_GAP, dpi);
    const int button = ScaleToDpi(LIVE_BUTTON_WIDTH, dpi), height = DockHeight(dpi);
    const int buttonHeight = ScaleToDpi(LIVE_BUTTON_HEIGHT, dpi), width = 2 * button + 3 * gap;
    SetWindowPos(dock.liveBar, nullptr, dockLeft - width - gap, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(dock.hwndLiveSwitch, nullptr, gap, (height - buttonHeight) / 2, button, buttonHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(dock.hwndLiveHide, nullptr, 2 * gap + button, (height - buttonHeight) / 2, button, buttonHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND control : {dock.hwndLiveSwitch, dock.hwndLiveHide})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontCaption), TRUE);
}

// The left edge stays at half the overlay's width less 240 (at 100 %),
// whatever the dock's width.
void PlaceDock() {
    const int left = DockLeft(ScreenWidth(), canvas.overlayDpi);
    const int top = opts[IDOPTS_DOCKTOP] == 0 ? DockTopAtBottom(ScreenHeight(), canvas.overlayDpi) : 0;
    MoveControl(dock.hwndDock, left, top);
    PlaceLiveBar(left, top);
    ShapeChrome();
}

static LiveBarState liveBarState = LiveBarState::NONE;

void ShapeChrome() {
    static std::vector<RECT> shaped;
    if (!canvas.live) {
        shaped.clear();
        return;
    }
    std::vector<RECT> parts;
    for (HWND window : {dock.hwndDock, dock.textBar, dock.liveBar, textEdit}) {
        RECT r;
        // Its own visibility: the chrome is shaped before it is shown.
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) || !GetWindowRect(window, &r)) continue;
        MapWindowPoints(nullptr, canvas.hwndChrome, reinterpret_cast<POINT*>(&r), 2);
        parts.push_back(r);
    }
    const auto same = [](const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; };
    if (std::equal(parts.begin(), parts.end(), shaped.begin(), shaped.end(), same)) return;
    shaped = parts;
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : parts) {
        HRGN part = CreateRectRgnIndirect(&r);
        CombineRgn(shape, shape, part, RGN_OR);
        DeleteObject(part);
    }
    SetWindowRgn(canvas.hwndChrome, shape, TRUE);  // the window owns the region now
}

void ShowLiveBar(LiveBarState state) {
    liveBarState = state;
    SetWindowTextA(dock.hwndLiveSwitch, state == LiveBarState::POINTER ? "Draw" : "Pointer");
    ShowWindow(dock.liveBar, state == LiveBarState::NONE ? SW_HIDE : SW_SHOWNA);
    if (state == LiveBarState::POINTER) {
        ShowWindow(dock.hwndDock, SW_HIDE);
    } else {
        dockHideTimer = 0;
        ShowWindow(dock.hwndDock, SW_SHOWNA);
    }
    ShapeChrome();
}

void ToggleDockEdge() {
    opts[IDOPTS_DOCKTOP] = opts[IDOPTS_DOCKTOP] == 0 ? 1 : 0;
    PlaceDock();
}

static bool PointerOverDock() {
    POINT pointer;
    GetCursorPos(&pointer);
    RECT area;
    return GetWindowRect(dock.hwndDock, &area) && PtInRect(&area, pointer);
}

static void ShowDockUnderPointer() {
    dockHideTimer = 0;
    ShowWindow(dock.hwndDock, SW_SHOWNA);
    ShapeChrome();
}

// A hidden dock comes back as soon as the pointer reaches its place, not at
// the next tick: a click that follows quickly must land on the dock's
// button, not on the overlay beneath, where it would begin a stroke.
void RevealDockUnderPointer() {
    if (liveBarState == LiveBarState::POINTER) return;
    if (opts[IDOPTS_AUTOHIDE] == 1 && !IsWindowVisible(dock.hwndDock) && PointerOverDock()) ShowDockUnderPointer();
}

void DockAutohideTick() {
    if (opts[IDOPTS_AUTOHIDE] != 1 || liveBarState == LiveBarState::POINTER) return;
    if (PointerOverDock()) {
        ShowDockUnderPointer();
        return;
    }
    // Saturating, so that a dock left hidden for days cannot wrap round.
    if (dockHideTimer <= AUTOHIDE_AFTER_MS) dockHideTimer += AUTOHIDE_TICK_MS;
    ShowWindow(dock.hwndDock, dockHideTimer <= AUTOHIDE_AFTER_MS ? SW_SHOWNA : SW_HIDE);
}
