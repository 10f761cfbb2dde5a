// The annotation renderer. Shapes, strokes and arrows go through GDI+ with
// anti-aliasing; highlighter bands are a GDI raster AND so the picture shows
// through like ink on paper; text is GDI. Every GDI and GDI+ object lives for
// one record only.
#include "render/render.h"

#include <cstdio>
#include <vector>

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "render/fallback_text.h"
#include "render/marks.h"
#include "resource.h"
#include "win/gdi_owner.h"
#include "win/program.h"
#include "win/text.h"
#include "core/options.h"

const char fontFaceTable[8][FONT_FACE_SLOT] = {"LibbyScript", "WhisperWrite", "Comic Sans MS", "AndrewScript",
                                               "Arial",       "Tahoma",       "Verdana",       "Georgia"};

HDC hdcHighlightStrip;
HFONT fontMarkLarge, fontMarkSmall;

static HFONT MakeMarkFont(int points) {
    return CreateFontA(FontHeightForPoints(points), 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial Bold");
}

void MakeMarkFonts() {
    const HFONT previous[] = {fontMarkLarge, fontMarkSmall};
    fontMarkLarge = MakeMarkFont(10);
    fontMarkSmall = MakeMarkFont(8);
    for (HFONT font : previous)
        if (font) DeleteObject(font);
}

// The strip's pixels are repainted before each use; its picture is only a
// start.
void CreateHighlightStrip(HDC reference) {
    hdcHighlightStrip = CreateCompatibleDC(reference);
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDB_HIGHLIGHT_STRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) strip = CreateCompatibleBitmap(reference, 1, 50);
    SelectObject(hdcHighlightStrip, strip);
}

int FontHeightForPoints(int points) { return -MulDiv(points, canvas.overlayDpi, 72); }

namespace {

constexpr int TEXT_INSET = 4;
constexpr int ELLIPSE_TEXT_INSET = 18;  // keeps text inside the curve of an ellipse
constexpr int TEXT_WEIGHT = 100;
constexpr UINT MARK_NUMBER_FORMAT = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EDITCONTROL;
constexpr COLORREF MARK_NUMBER_LIGHT = RGB(255, 255, 255);
constexpr COLORREF MARK_NUMBER_DARK = RGB(0, 0, 0);
constexpr int STRIP_WIDTH = 1;
constexpr int STRIP_HEIGHT = 50;
constexpr REAL STROKE_TENSION = 0.5f;

void DrawStroke(HDC dc, const std::vector<Point32>& points, ARGB ink, int lineWidth) {
    if (points.size() < 2) return;  // a curve needs two points
    std::vector<Point> curve;
    curve.reserve(points.size());
    for (const Point32& p : points) curve.emplace_back(p.x, p.y);
    PenOwner pen;
    GraphicsOwner graphics;
    if (!CreatePenOfWidth(ink, static_cast<REAL>(lineWidth), pen) || !CreateSmoothGraphics(dc, graphics)) return;
    GdipSetPenStartCap(pen.get(), LineCapRound);
    GdipSetPenEndCap(pen.get(), LineCapRound);
    GdipSetPenLineJoin(pen.get(), LineJoinRound);
    GdipDrawCurve2I(graphics.get(), pen.get(), curve.data(), static_cast<INT>(curve.size()), STROKE_TENSION);
}

const char* FaceOf(int fontIndex) {
    // A damaged index must not reach outside the table: it falls back to the first face.
    if (fontIndex < 0 || fontIndex >= FONT_FACE_COUNT) fontIndex = 0;
    return fontFaceTable[fontIndex];
}

void DrawRecordText(HDC dc, const Annotation& r) {
    if (r.fontIndex == -1 || r.text.empty()) return;
    const int inset = r.kind == ANNOT_ELLIPSE ? ELLIPSE_TEXT_INSET : TEXT_INSET;
    RECT box{r.x + inset, r.y + inset, r.x + r.cx - inset, r.y + r.cy - inset};
    if (box.right <= box.left || box.bottom <= box.top) return;  // no room: everything would be clipped
    FontOwner font(CreateFontA(FontHeightForPoints(r.fontSize), 0, 0, 0, TEXT_WEIGHT, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                               FaceOf(r.fontIndex)));
    SelectGuard selected(dc, font.get());
    TextStateGuard state(dc, PaletteColor(r.textColorRow, r.textColorCol));
    DrawTextWithFallback(dc, Widen(r.text), box);
}

void RenderRecord(HDC dc, const Annotation& r) {
    const ARGB ink = InkArgb(r.color, r.opacity);
    switch (r.kind) {
    case ANNOT_PEN:
        DrawStroke(dc, r.points, ink, r.lineWidth);
        break;
    case ANNOT_HIGHLIGHTER:
        // The band's height follows the width it was drawn with; cy and opacity play no part.
        DrawHighlightBand(dc, r.color, r.x, r.y, r.cx, HIGHLIGHT_HEIGHT_PER_WIDTH * r.lineWidth);
        break;
    case ANNOT_RECT:
    case ANNOT_ROUNDRECT:
    case ANNOT_ELLIPSE:
        DrawBoxShape(dc, r.kind, r.x, r.y, r.cx, r.cy, ink, r.lineWidth, r.filled == 1);
        break;
    case ANNOT_ARROW:
        if (r.points.size() >= 2)
            DrawArrow(dc, {r.points[0].x, r.points[0].y}, {r.points[1].x, r.points[1].y}, ink, r.lineWidth);
        break;
    case ANNOT_MARK:
        DrawMark(dc, RECT{r.x, r.y, r.cx, r.cy}, r.markIndex, r.markNumber);
        break;
    default:
        break;
    }
    // Text lies on its own shape and under every later record.
    DrawRecordText(dc, r);
}

}  // namespace

bool CreateSmoothGraphics(HDC dc, GraphicsOwner& graphics) {
    if (GdipCreateFromHDC(dc, graphics.out()) != Ok) return false;
    GdipSetSmoothingMode(graphics.get(), SmoothingModeAntiAlias);
    return true;
}

bool CreatePenOfWidth(ARGB color, float width, PenOwner& pen) {
    return GdipCreatePen1(color, width, UnitWorld, pen.out()) == Ok;
}

void RenderAnnotations(HDC dc, int onlyIndex, int skipIndex) {
    const int count = AnnotationCount();
    if (onlyIndex >= 0) {
        if (onlyIndex < count) RenderRecord(dc, annotations[onlyIndex]);
        return;
    }
    for (int i = 0; i < count; ++i)
        if (i != skipIndex) RenderRecord(dc, annotations[i]);
}

void DrawBoxShape(HDC dc, int kind, int x, int y, int width, int height, ARGB ink, int lineWidth, bool filled) {
    const REAL w = static_cast<REAL>(lineWidth);
    PenOwner inkPen, outlinePen;
    BrushOwner brush;
    if (!CreatePenOfWidth(ink, w, inkPen) || !CreatePenOfWidth(OUTLINE_ARGB, w, outlinePen)) return;
    GpSolidFill* fill = nullptr;
    if (GdipCreateSolidFill(ink, &fill) != Ok) return;
    *brush.out() = fill;
    if (kind == ANNOT_ROUNDRECT) {
        if (filled) {
            DrawRoundRect(dc, x, y, width, height, ROUND_RECT_DIAMETER, inkPen.get(), brush.get(), true);
            DrawRoundRect(dc, x, y, width, height, ROUND_RECT_DIAMETER, outlinePen.get(), brush.get(), false);
        } else {
            DrawRoundRect(dc, x, y, width, height, ROUND_RECT_DIAMETER, inkPen.get(), brush.get(), false);
        }
        return;
    }
    GraphicsOwner graphics;
    if (!CreateSmoothGraphics(dc, graphics)) return;
    GpGraphics* g = graphics.get();
    if (kind == ANNOT_ELLIPSE) {
        if (filled) GdipFillEllipseI(g, brush.get(), x, y, width, height);
        GdipDrawEllipseI(g, filled ? outlinePen.get() : inkPen.get(), x, y, width, height);
    } else {
        if (filled) GdipFillRectangleI(g, brush.get(), x, y, width, height);
        GdipDrawRectangleI(g, filled ? outlinePen.get() : inkPen.get(), x, y, width, height);
    }
}

void DrawArrow(HDC dc, POINT tail, POINT head, ARGB ink, int lineWidth) {
    PenOwner halo, arrow;
    if (!CreatePenOfWidth(ARROW_HALO_ARGB, static_cast<REAL>(2 * lineWidth + 1), halo) ||
        !CreatePenOfWidth(ink, static_cast<REAL>(2 * lineWidth), arrow))
        return;
    GdipSetPenEndCap(halo.get(), LineCapArrowAnchor);
    GdipSetPenEndCap(arrow.get(), LineCapArrowAnchor);
    GraphicsOwner graphics;
    if (!CreateSmoothGraphics(dc, graphics)) return;
    GdipDrawLineI(graphics.get(), halo.get(), tail.x, tail.y, head.x, head.y);
    GdipDrawLineI(graphics.get(), arrow.get(), tail.x, tail.y, head.x, head.y);
}

void DrawHighlightBand(HDC dc, COLORREF color, int x, int y, int width, int height) {
    // The strip is repainted with the colour before every use; its earlier
    // content does not matter.
    GdiBrushOwner brush(CreateSolidBrush(color));
    const RECT strip{0, 0, STRIP_WIDTH, STRIP_HEIGHT};
    FillRect(hdcHighlightStrip, &strip, brush.get());
    StretchBlt(dc, x, y, width, height, hdcHighlightStrip, 0, 0, STRIP_WIDTH, STRIP_HEIGHT, SRCAND);
}

void DrawRoundRect(HDC dc, int x, int y, int width, int height, int diameter, GpPen* pen, GpBrush* brush, bool fill) {
    int d = diameter;
    if (width < 23 || height < 23) d = 5;
    if (width < 15 || height < 15) d = 3;
    PathOwner path;
    GraphicsOwner graphics;
    if (GdipCreatePath(FillModeAlternate, path.out()) != Ok || !CreateSmoothGraphics(dc, graphics)) return;
    GpPath* p = path.get();
    // Four corner arcs clockwise from the top left; GDI+ joins them with the
    // top, right and bottom edges, and one line closes the left edge.
    GdipAddPathArcI(p, x, y, d, d, 180, 90);
    GdipAddPathArcI(p, x + width - d, y, d, d, 270, 90);
    GdipAddPathArcI(p, x + width - d, y + height - d, d, d, 0, 90);
    GdipAddPathArcI(p, x, y + height - d, d, d, 90, 90);
    GdipAddPathLineI(p, x, y + height - d, x, y + d / 2);
    if (fill)
        GdipFillPath(graphics.get(), brush, p);
    else
        GdipDrawPath(graphics.get(), pen, p);
}

void DrawMark(HDC dc, RECT box, int markIndex, int number) {
    if (markIndex < 0 || markIndex >= MARK_COUNT) return;
    const int width = box.right, height = box.bottom;
    if (GpImage* image = stampImages[markIndex]) {
        GraphicsOwner graphics;
        if (GdipCreateFromHDC(dc, graphics.out()) == Ok)
            GdipDrawImageRectI(graphics.get(), image, box.left, box.top, width, height);
    }
    if (markIndex > 2) return;              // only the first three marks are numbered
    if (width <= 0 || height <= 0) return;  // the number would be clipped to nothing
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", number);
    RECT area{box.left, box.top, box.left + width, box.top + height};
    const bool small = markIndex == 2;
    SelectGuard selected(dc, small ? fontMarkSmall : fontMarkLarge);
    TextStateGuard state(dc, small ? MARK_NUMBER_DARK : MARK_NUMBER_LIGHT);
    DrawTextA(dc, digits, -1, &area, MARK_NUMBER_FORMAT);
}
