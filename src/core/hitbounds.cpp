#include "core/hitbounds.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

bool FoundInMode(const Annotation& record, bool eraseMode) {
    if (eraseMode) return true;
    return record.kind != ANNOT_PEN && record.kind != ANNOT_HIGHLIGHTER && record.kind != ANNOT_MARK;
}

static Box32 Inflate(Box32 b, int64_t margin) {
    auto clamp32 = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {clamp32(b.left - margin), clamp32(b.top - margin), clamp32(b.right + margin), clamp32(b.bottom + margin)};
}

static Box32 PointsBox(const std::vector<Point32>& points) {
    Box32 b{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const Point32& p : points) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

// The exact test widens paths with the default pen joins, which are mitred:
// at a sharp turn the corner reaches out up to half the mitre limit times
// the pen width from the vertex (beyond the limit the corner is cut off).
constexpr int64_t MITRE_LIMIT = 10;

Box32 HitBounds(const Annotation& r) {
    const int64_t width = std::max<int64_t>(r.lineWidth, 0);
    switch (r.kind) {
    case ANNOT_PEN:
        if (r.points.size() < 2) return {1, 1, 0, 0};  // empty: nothing to hit
        if (r.points.size() == 2) return Inflate(PointsBox(r.points), width / 2 + 2);
        return Inflate(PointsBox(r.points), (MITRE_LIMIT * width + 1) / 2 + 2);
    case ANNOT_ARROW: {
        if (r.points.size() < 2) return {1, 1, 0, 0};
        // The halo pen is 2w+1 wide and its arrowhead reaches a few pen
        // widths around the head point.
        const int64_t pen = 2 * width + 1;
        return Inflate(PointsBox({r.points[0], r.points[1]}), 3 * pen + 2);
    }
    default: {
        const int64_t x2 = static_cast<int64_t>(r.x) + r.cx;
        const int64_t y2 = static_cast<int64_t>(r.y) + r.cy;
        Box32 b{static_cast<int32_t>(std::min<int64_t>(r.x, x2)), static_cast<int32_t>(std::min<int64_t>(r.y, y2)),
                static_cast<int32_t>(std::clamp<int64_t>(std::max<int64_t>(r.x, x2), INT32_MIN, INT32_MAX)),
                static_cast<int32_t>(std::clamp<int64_t>(std::max<int64_t>(r.y, y2), INT32_MIN, INT32_MAX))};
        // A rectangle's square corners reach w/2 times the square root of 2.
        const bool outline = r.filled != 1;
        return Inflate(b, outline ? (width * 3 + 3) / 4 + 2 : 1);
    }
    }
}

bool MayHit(const Annotation& record, Point32 p, bool eraseMode) {
    if (!FoundInMode(record, eraseMode)) return false;
    const Box32 b = HitBounds(record);
    return p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom;
}

namespace {

constexpr int64_t EDGE_MARGIN = 2;  // anti-aliasing and rounding of half-pixel pen edges

Box32 ClampedBox(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    auto c = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {c(left), c(top), c(right), c(bottom)};
}

// The record's box, normalised, as inclusive pixel bounds of [x, x + cx).
Box32 RecordBox(const Annotation& r, int64_t height) {
    const int64_t x2 = static_cast<int64_t>(r.x) + r.cx, y2 = static_cast<int64_t>(r.y) + height;
    return ClampedBox(std::min<int64_t>(r.x, x2), std::min<int64_t>(r.y, y2), std::max<int64_t>(r.x, x2),
                      std::max<int64_t>(r.y, y2));
}

// A stroke is drawn as a cardinal spline: each piece between two points is
// a Bezier curve whose control points lie at most a quarter of the chord
// between the neighbours away from the points, and the curve stays inside
// the hull of its control points.
Box32 CurveBounds(const std::vector<Point32>& points, int64_t margin) {
    if (points.size() < 2) return NO_BOX;
    int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const Point32 before = points[i == 0 ? 0 : i - 1], after = points[i + 1 == n ? i : i + 1];
        const int64_t reachX = (std::abs(static_cast<int64_t>(after.x) - before.x) + 3) / 4;
        const int64_t reachY = (std::abs(static_cast<int64_t>(after.y) - before.y) + 3) / 4;
        left = std::min(left, points[i].x - reachX);
        right = std::max(right, points[i].x + reachX);
        top = std::min(top, points[i].y - reachY);
        bottom = std::max(bottom, points[i].y + reachY);
    }
    return ClampedBox(left - margin, top - margin, right + margin, bottom + margin);
}

// How far a box shape's outline can reach beyond its box. A pen wider than
// the tightest bend of the outline makes the widened outline fold over
// itself, and its mitred corners then stick out as spikes up to about ten
// pen widths long.
int64_t OutlineReach(const Annotation& r, int64_t width) {
    const int64_t plain = width + EDGE_MARGIN;
    const int64_t spiky = 10 * width + EDGE_MARGIN + 2;
    const int64_t a = std::abs(static_cast<int64_t>(r.cx)), b = std::abs(static_cast<int64_t>(r.cy));
    switch (r.kind) {
    case ANNOT_ELLIPSE: {
        // Smallest radius of curvature of the ellipse: (short half-axis)^2 / (long half-axis).
        const int64_t shortAxis = std::min(a, b), longAxis = std::max(a, b);
        return shortAxis * shortAxis >= 2 * width * longAxis + 1 ? plain : spiky;
    }
    case ANNOT_ROUNDRECT: {
        const int64_t diameter = (a < 15 || b < 15) ? 3 : (a < 23 || b < 23) ? 5 : 15;
        return diameter >= 2 * width + 1 ? plain : spiky;
    }
    default:
        return std::min(a, b) >= 2 * width + 1 ? plain : spiky;
    }
}

}  // namespace

bool BoxIsEmpty(Box32 b) { return b.left > b.right || b.top > b.bottom; }

Box32 UnionOfBoxes(Box32 a, Box32 b) {
    if (BoxIsEmpty(a)) return b;
    if (BoxIsEmpty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

bool BoxesMeet(Box32 a, Box32 b) {
    return !BoxIsEmpty(a) && !BoxIsEmpty(b) && a.left <= b.right && b.left <= a.right && a.top <= b.bottom &&
           b.top <= a.bottom;
}

Box32 PaintBounds(const Annotation& r) {
    const int64_t width = std::max<int64_t>(r.lineWidth, 0);
    Box32 painted = NO_BOX;
    switch (r.kind) {
    case ANNOT_PEN:
        // Round caps and joins reach half the width beyond the curve.
        painted = CurveBounds(r.points, width + EDGE_MARGIN);
        break;
    case ANNOT_HIGHLIGHTER:
        // A band of no width or height paints nothing.
        if (r.cx != 0 && width != 0) painted = RecordBox(r, HIGHLIGHT_HEIGHT_PER_WIDTH * width);
        break;
    case ANNOT_RECT:
    case ANNOT_ROUNDRECT:
    case ANNOT_ELLIPSE:
        painted = Inflate(RecordBox(r, r.cy), OutlineReach(r, width));
        break;
    case ANNOT_ARROW:
        if (r.points.size() >= 2) {
            // The halo pen is 2w+1 wide; its arrowhead reaches about two
            // pen widths around the head point.
            const int64_t pen = 2 * width + 1;
            painted = Inflate(PointsBox({r.points[0], r.points[1]}), 2 * pen + EDGE_MARGIN + 1);
        }
        break;
    case ANNOT_MARK:
        if (r.cx != 0 && r.cy != 0) painted = Inflate(RecordBox(r, r.cy), EDGE_MARGIN);
        break;
    default:
        break;
    }
    // Text is drawn clipped to the inside of the record's box.
    if (r.fontIndex != -1 && !r.text.empty() && r.cx > 0 && r.cy > 0)
        painted = UnionOfBoxes(painted, RecordBox(r, r.cy));
    return painted;
}
