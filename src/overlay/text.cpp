// Text typed into filled shapes. A double-click on a filled shape lays the
// borderless edit over the inside of its box and shows the text bar above
// it; the box grows downward as lines are typed; the next press on the
// overlay writes the text and the bar's settings into the record, and that
// commit is one step of the undo history.
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "core/dock_scale.h"
#include "core/history.h"
#include "core/utf8.h"
#include "render/fallback_text.h"
#include "render/hittest.h"
#include "overlay/overlay.h"
#include "win/gdi_owner.h"
#include "render/render.h"
#include "win/text.h"
#include "win/ui.h"

constexpr int LINE_PROBE_WIDTH = 50;  // width of the rectangle "W" is measured in

// The background of the edit: the shape's own colour. One brush is kept and
// replaced when the colour changes, so repeated repaints make no new objects.
static HBRUSH brushTextBack;
static COLORREF brushTextBackColor;

int shapeText = -1;

static bool EditIsOpen() { return shapeText >= 0 && shapeText < AnnotationCount(); }

static void ZeroEditMargins() {
    SendMessageA(textEdit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
}

// While the picture is magnified the edit shows its text at the size the
// record will have in the view: its font is the text font scaled by the
// view, kept here (fontText stays the record's own, which measures lines).
static HFONT fontTextInView;

static void UseFontOfView() {
    HFONT font = fontText;
    if (IsMagnified(canvas.view)) {
        LOGFONTW scaled{};
        GetObjectW(fontText, sizeof scaled, &scaled);
        const ZoomFactor f = ZoomFactorOf(canvas.view.step);
        scaled.lfHeight = MulDiv(scaled.lfHeight, f.num, f.den);
        if (fontTextInView) DeleteObject(fontTextInView);
        font = fontTextInView = CreateFontIndirectW(&scaled);
    }
    SendMessageA(textEdit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ZeroEditMargins();
}

// The edit covers the record's box less the margin on every side, where the
// view shows it; a box too small for the margins gives an empty edit rather
// than a negative size.
static void PlaceEditOver(const Annotation& r) {
    const int m = textMargin;
    const Box32 inside = WindowBoxOf(canvas.view, {r.x + m, r.y + m, r.x + r.cx - m - 1, r.y + r.cy - m - 1});
    const bool empty = BoxIsEmpty(inside);
    UseFontOfView();
    SetWindowPos(textEdit, HWND_TOP, empty ? 0 : inside.left, empty ? 0 : inside.top,
                 empty ? 0 : inside.right - inside.left + 1, empty ? 0 : inside.bottom - inside.top + 1,
                 SWP_SHOWWINDOW);
}

static void RepaintNow(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

// The record already has text: the options, the edit and the bar take its
// face, size and colour, so that it is edited as it looks.
static void LoadRecordText(const Annotation& r) {
    opts[IDOPTS_TEXTCOLORROW] = r.textColorRow;
    opts[IDOPTS_TEXTCOLORCOL] = r.textColorCol;
    opts[IDOPTS_FONTSIZE] = r.fontSize;
    opts[IDOPTS_FONT] = r.fontIndex;
    MakeTextFont();
    UseFontOfView();
    SetWindowTextW(textEdit, Widen(r.text).c_str());
    SendMessageA(dock.hwndFontFace, CB_SETCURSEL, OptValue(IDOPTS_FONT), 0);
    ShowFontSizeInTextBar();
    RepaintNow(textEdit);
    RepaintNow(dock.hwndcolor2);
}

// A shape without text starts empty with the current text settings.
static void StartEmptyText(Annotation& r) {
    SetWindowTextW(textEdit, L"");
    r.textColorRow = OptValue(IDOPTS_TEXTCOLORROW);
    r.textColorCol = OptValue(IDOPTS_TEXTCOLORCOL);
    r.fontSize = OptValue(IDOPTS_FONTSIZE);
    r.fontIndex = OptValue(IDOPTS_FONT);
}

void OpenTextEdit(int position) {
    if (position < 0 || position >= AnnotationCount()) return;
    if (shapeText != -1 && shapeText != position) CommitTextEdit();  // typed text is never dropped
    shapeText = position;
    Annotation& r = annotations[position];
    ZeroEditMargins();
    PlaceEditOver(r);
    const Box32 corner = WindowBoxOf(canvas.view, {r.x, r.y, r.x, r.y});
    SetWindowPos(dock.textBar, HWND_TOP, (BoxIsEmpty(corner) ? r.x : corner.left) - TextBarLeftOfBox(canvas.overlayDpi),
                 (BoxIsEmpty(corner) ? r.y : corner.top) - TextBarAboveBox(canvas.overlayDpi), 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
    ShapeChrome();
    SetFocus(textEdit);
    if (r.fontIndex != -1)
        LoadRecordText(r);
    else
        StartEmptyText(r);
}

// Only filled records that select mode finds take text: rectangles, rounded
// rectangles, ellipses and arrows drawn while fill was on.
void OnDoubleClick(LPARAM lParam) {
    const POINT cursor = OverlayPointOf(lParam);
    const int hit = HitTestAnnotations({cursor.x, cursor.y}, false);
    if (hit == -1 || annotations[hit].filled == 0) return;
    OpenTextEdit(hit);
}

LRESULT OnCtlColorEdit(HDC dc, HWND control) {
    if (control != textEdit || !EditIsOpen()) return 0;
    const COLORREF back = annotations[shapeText].color;
    if (!brushTextBack || brushTextBackColor != back) {
        if (brushTextBack) DeleteObject(brushTextBack);
        brushTextBack = CreateSolidBrush(back);
        brushTextBackColor = back;
    }
    SetTextColor(dc, PaletteColor(opts[IDOPTS_TEXTCOLORROW], opts[IDOPTS_TEXTCOLORCOL]));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brushTextBack);
}

// Characters the edit's font lacks are shown as the record will draw them,
// in a face of the system that has them: the edit's own drawing (empty
// boxes) is painted over after each of its paints.
static WNDPROC editProc;

static void PaintTextWithFallback(HWND edit) {
    if (!EditIsOpen()) return;
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    HDC dc = GetDC(edit);
    {
        SelectGuard font(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
        if (TextNeedsFallback(dc, text)) {
            RECT client;
            GetClientRect(edit, &client);
            HideCaret(edit);
            SetDCBrushColor(dc, annotations[shapeText].color);
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            SetTextColor(dc, PaletteColor(opts[IDOPTS_TEXTCOLORROW], opts[IDOPTS_TEXTCOLORCOL]));
            SetBkMode(dc, TRANSPARENT);
            DrawTextWithFallback(dc, text, client);
            ShowCaret(edit);
        }
    }
    ReleaseDC(edit, dc);
}

static LRESULT CALLBACK TextEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(editProc, hwnd, msg, wParam, lParam);
    if (msg == WM_PAINT) PaintTextWithFallback(hwnd);
    return result;
}

void SubclassTextEdit() {
    editProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(textEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextEditProc)));
}

// Height of one line of the edit's font. The font is selected only for the
// measurement, so that the next MakeTextFont can delete it.
static int LineHeight() {
    SelectGuard font(hdcTextEdit, fontText);
    RECT probe{0, 0, LINE_PROBE_WIDTH, 0};
    DrawTextA(hdcTextEdit, "W", -1, &probe, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
    return probe.bottom;
}

// The box grows by whole lines, downward only; its width stays. Growth is
// part of typing, not a step of its own in the history.
static void GrowToFitLines() {
    Annotation& r = annotations[shapeText];
    const int lines = static_cast<int>(SendMessageA(textEdit, EM_GETLINECOUNT, 0, 0));
    const int need = lines * LineHeight() + 2 * textMargin;
    if (r.cy >= need) return;
    SettleLayer();
    SyncLayer();
    const Box32 before = PaintBounds(r);
    r.cy = need;
    ZeroEditMargins();
    PlaceEditOver(r);
    RepairLayer(UnionOfBoxes(before, PaintBounds(r)));
    ShowChanges();
}

LRESULT OnEditCommand(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != textEdit || !EditIsOpen()) return 0;
    if (HIWORD(wParam) == EN_CHANGE) GrowToFitLines();
    return 0;  // EN_VSCROLL and the rest need nothing
}

// The whole text of the edit, read at its real length, then cut to what a
// record holds without splitting a character.
static std::string ReadEditText() {
    const int length = GetWindowTextLengthW(textEdit);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(textEdit, text.data(), static_cast<int>(text.size()))));
    std::string utf8 = Narrow(text);
    utf8.resize(Utf8CutPoint(utf8, MAX_TEXT_LENGTH));
    return utf8;
}

static void HideTextEdit() {
    const bool hadFocus = GetFocus() == textEdit;
    ShowWindow(textEdit, SW_HIDE);
    ShowWindow(dock.textBar, SW_HIDE);
    ShapeChrome();
    if (hadFocus) SetFocus(canvas.hwndOverlay);  // the overlay's keys keep working
}

// Every commit is recorded, also one that changed nothing, so that one undo
// step always belongs to one opening.
void CommitTextEdit() {
    if (EditIsOpen()) {
        SettleLayer();
        SyncLayer();
        Annotation& r = annotations[shapeText];
        const Annotation before = r;
        r.textColorRow = OptValue(IDOPTS_TEXTCOLORROW);
        r.textColorCol = OptValue(IDOPTS_TEXTCOLORCOL);
        r.fontSize = OptValue(IDOPTS_FONTSIZE);
        r.fontIndex = OptValue(IDOPTS_FONT);
        r.text = ReadEditText();
        RecordText(shapeText, before);  // drops undone steps first
        RepairLayer(UnionOfBoxes(PaintBounds(before), PaintBounds(r)));
        ShowChanges();
    }
    HideTextEdit();
    shapeText = -1;
}

// For operations that remove or reorder records: the edit's position would
// no longer name its record.
void CloseTextEditWithoutCommit() {
    HideTextEdit();
    shapeText = -1;
}
