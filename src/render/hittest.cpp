#include "render/hittest.h"

#include "core/history.h"
#include "core/hitbounds.h"
#include "win/gdiplus_flat.h"

// An outline test with a pen `width` pixels wide: without a graphics object
// the pen width is in pixels.
static bool OnOutline(GpPath* path, Point32 p, float width, bool arrowCap) {
    PenOwner pen;
    if (GdipCreatePen1(0xFF000000, width, UnitWorld, pen.out()) != Ok) return false;
    if (arrowCap) GdipSetPenEndCap(pen.get(), LineCapArrowAnchor);
    BOOL hit = FALSE;
    GdipIsOutlineVisiblePathPointI(path, p.x, p.y, pen.get(), nullptr, &hit);
    return hit != FALSE;
}

static bool Inside(GpPath* path, Point32 p) {
    BOOL hit = FALSE;
    GdipIsVisiblePathPointI(path, p.x, p.y, nullptr, &hit);
    return hit != FALSE;
}

bool HitTestRecord(const Annotation& r, Point32 p, bool eraseMode) {
    if (!FoundInMode(r, eraseMode)) return false;
    PathOwner path;
    if (GdipCreatePath(FillModeAlternate, path.out()) != Ok) return false;
    const float width = static_cast<float>(r.lineWidth);
    switch (r.kind) {
    case ANNOT_PEN:
        for (size_t i = 1; i < r.points.size(); ++i)
            GdipAddPathLineI(path.get(), r.points[i - 1].x, r.points[i - 1].y, r.points[i].x, r.points[i].y);
        if (r.points.size() >= 2 && OnOutline(path.get(), p, width, false)) return true;
        break;
    case ANNOT_ARROW:
        if (r.points.size() < 2) return false;
        GdipAddPathLineI(path.get(), r.points[0].x, r.points[0].y, r.points[1].x, r.points[1].y);
        if (OnOutline(path.get(), p, 2 * width + 1, true)) return true;
        break;
    case ANNOT_ELLIPSE:
        GdipAddPathEllipseI(path.get(), r.x, r.y, r.cx, r.cy);
        break;
    default:
        GdipAddPathRectangleI(path.get(), r.x, r.y, r.cx, r.cy);
        break;
    }
    if (r.kind == ANNOT_PEN || r.kind == ANNOT_ARROW) {
        // A line has no inside; only a filled one could add to its hit area,
        // and neither kind is filled by the tools.
        return r.filled == 1 && r.kind == ANNOT_PEN && Inside(path.get(), p);
    }
    return r.filled == 1 ? Inside(path.get(), p) : OnOutline(path.get(), p, width, false);
}

int HitTestAnnotations(Point32 point, bool eraseMode) {
    for (int i = AnnotationCount() - 1; i >= 0; --i) {
        const Annotation& r = annotations[i];
        if (MayHit(r, point, eraseMode) && HitTestRecord(r, point, eraseMode)) return i;
    }
    return -1;
}

bool EraseAt(Point32 point, Box32* erasedArea) {
    const int hit = HitTestAnnotations(point, true);
    if (hit < 0) return false;
    if (erasedArea) *erasedArea = PaintBounds(annotations[hit]);
    ClearHistory();
    RemoveAnnotationAt(hit);
    return true;
}
