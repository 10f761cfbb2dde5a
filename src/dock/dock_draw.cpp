// The two owner-drawn lists: the mark list shows each mark picture with the
// next number on it, and each row of the font face list previews its face.
#include <vector>

#include "core/options.h"
#include "canvas/canvas.h"
#include "dock/dock.h"
#include "core/dock_scale.h"
#include "render/marks.h"
#include "win/gdi_owner.h"
#include "render/render.h"

constexpr COLORREF CAPTION_RED = 0x0000FF;
constexpr COLORREF SELECTED_BLUE = 0xFF0000;
constexpr COLORREF BLACK = 0x000000;
constexpr COLORREF WHITE = 0xFFFFFF;
constexpr int HANDWRITING_FACES = 4;

static int S(int value) { return ScaleToDpi(value, canvas.overlayDpi); }

static bool IsSelectionField(const DRAWITEMSTRUCT* item) { return (item->itemState & ODS_COMBOBOXEDIT) != 0; }

static SIZE MarkImageSize(int mark) {
    UINT width = 0, height = 0;
    if (stampImages[mark]) {
        GdipGetImageWidth(stampImages[mark], &width);
        GdipGetImageHeight(stampImages[mark], &height);
    }
    return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

// Marks 1 and 2 (the red and yellow discs) sit at their own offset.
static POINT MarkOrigin(const RECT& item, int mark, bool selectionField) {
    const bool disc = mark == 1 || mark == 2;
    if (selectionField) return disc ? POINT{item.left, item.top} : POINT{item.left + S(5), item.top - S(5)};
    return disc ? POINT{item.left + S(7), item.top + S(3)} : POINT{item.left, item.top};
}

static void DrawNumberedCaption(HDC dc, const RECT& item) {
    SelectGuard font(dc, fontCaption);
    SetTextColor(dc, CAPTION_RED);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, item.left + S(47), item.top + S(20), "numbered", 8);
}

static void DrawMarkItem(const DRAWITEMSTRUCT* item) {
    const int mark = static_cast<int>(item->itemID);
    if (mark < 0 || mark >= MARK_COUNT) return;
    const bool selectionField = IsSelectionField(item);
    if (!selectionField)
        FillRect(item->hDC, &item->rcItem,
                 (item->itemState & ODS_SELECTED) ? canvas.brushBlack : canvas.brushWhiteboard);
    const POINT origin = MarkOrigin(item->rcItem, mark, selectionField);
    const SIZE size = MarkImageSize(mark);
    DrawMark(item->hDC, RECT{origin.x, origin.y, size.cx, size.cy}, mark, markerNumber);
    if (!selectionField && mark < NUMBERED_MARKS) DrawNumberedCaption(item->hDC, item->rcItem);
}

static std::string ListItemText(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

static void DrawCentredLine(HDC dc, const std::string& text, RECT box) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_VCENTER);
}

// The closed list shows the face chosen in the options, in the list's font.
static void DrawFontSelectionField(const DRAWITEMSTRUCT* item) {
    FillRect(item->hDC, &item->rcItem, canvas.brushWhiteboard);
    SetTextColor(item->hDC, BLACK);
    SetBkColor(item->hDC, WHITE);
    SetBkMode(item->hDC, OPAQUE);
    DrawCentredLine(item->hDC, ListItemText(dock.hwndFontFace, opts[IDOPTS_FONT]), item->rcItem);
}

static void DrawFontRow(const DRAWITEMSTRUCT* item) {
    const int face = static_cast<int>(item->itemID);
    SetTextColor(item->hDC, (item->itemState & ODS_SELECTED) ? SELECTED_BLUE : BLACK);
    SetBkColor(item->hDC, WHITE);
    FillRect(item->hDC, &item->rcItem, canvas.brushWhiteboard);
    RECT box = item->rcItem;
    box.left += S(5);
    if (face == 3) OffsetRect(&box, 0, S(5));  // this handwriting face sits high in its cell
    const int points = face < HANDWRITING_FACES ? 16 : 10;
    FontOwner font(CreateFontA(FontHeightForPoints(points), 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                               fontFaceTable[face]));
    SelectGuard selected(item->hDC, font.get());
    DrawCentredLine(item->hDC, ListItemText(dock.hwndFontFace, face), box);
}

static void DrawFontItem(const DRAWITEMSTRUCT* item) {
    if (IsSelectionField(item)) {
        DrawFontSelectionField(item);
        return;
    }
    const int face = static_cast<int>(item->itemID);
    if (face >= 0 && face < FONT_FACE_COUNT) DrawFontRow(item);
}

void DrawDockListItem(const DRAWITEMSTRUCT* item) {
    if (item->hwndItem == dock.hwndMarks) DrawMarkItem(item);
    if (item->hwndItem == dock.hwndFontFace) DrawFontItem(item);
}
