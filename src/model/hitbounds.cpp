#include "model/hitbounds.h"

#include <algorithm>
#include <cstdint>

bool FoundInMode(const Annotation& record, bool eraseMode) {
    if (eraseMode) return true;
    return record.kind != ANNOT_PEN && record.kind != ANNOT_HIGHLIGHTER && record.kind != ANNOT_MARK;
}

static Box32 Inflate(Box32 b, int64_t margin) {
    auto clamp32 = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return {clamp32(b.left - margin), clamp32(b.top - margin), clamp32(b.right + margin),
            clamp32(b.bottom + margin)};
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
