#include "core/annotation.h"

#include <algorithm>
#include <cstdlib>

#include "core/options.h"

std::vector<Annotation> annotations;
uint64_t annotationsVersion;

int AnnotationCount() { return static_cast<int>(annotations.size()); }

static bool ValidPosition(int position) { return position >= 0 && position < AnnotationCount(); }

void AppendAnnotation(Annotation record) {
    annotations.push_back(std::move(record));
    ++annotationsVersion;
}

void RemoveAnnotationAt(int position) {
    if (!ValidPosition(position)) return;
    annotations.erase(annotations.begin() + position);
    ++annotationsVersion;
}

void InsertAnnotationAt(int position, Annotation record) {
    position = std::clamp(position, 0, AnnotationCount());
    annotations.insert(annotations.begin() + position, std::move(record));
    ++annotationsVersion;
}

void BringAnnotationToTop(int position) {
    if (!ValidPosition(position)) return;
    std::rotate(annotations.begin() + position, annotations.begin() + position + 1, annotations.end());
    ++annotationsVersion;
}

void ClearAnnotations() {
    annotations.clear();
    ++annotationsVersion;
}

void OffsetAnnotation(Annotation& record, int32_t dx, int32_t dy) {
    ++annotationsVersion;
    if (record.kind == ANNOT_ARROW) {
        for (Point32& p : record.points) {
            p.x += dx;
            p.y += dy;
        }
        return;
    }
    record.x += dx;
    record.y += dy;
}

static int16_t OptShort(int index) { return static_cast<int16_t>(OptValue(index)); }

Annotation MakePenRecord(std::vector<Point32> stroke) {
    Annotation a;
    a.kind = ANNOT_PEN;
    a.points = std::move(stroke);
    a.color = CurrentInkColor();
    a.lineWidth = OptShort(IDOPTS_PENWIDTH);
    a.opacity = OptShort(IDOPTS_OPACITY);
    return a;
}

Annotation MakeHighlighterRecord(Point32 press, Point32 release) {
    Annotation a;
    a.kind = ANNOT_HIGHLIGHTER;
    // A band dragged to the left starts one pixel right of the release
    // point, so that it covers exactly the pixels the preview showed.
    a.x = release.x < press.x ? release.x + 1 : press.x;
    a.y = press.y;
    a.cx = std::abs(press.x - release.x);
    a.lineWidth = OptShort(IDOPTS_PENWIDTH);
    a.cy = HIGHLIGHT_HEIGHT_PER_WIDTH * a.lineWidth;
    a.filled = 1;
    a.color = CurrentHighlightColor();
    a.opacity = OptShort(IDOPTS_OPACITY);
    return a;
}

Annotation MakeShapeRecord(uint8_t kind, Point32 press, Point32 release) {
    Annotation a;
    a.kind = kind;
    a.x = std::min(press.x, release.x);
    a.y = std::min(press.y, release.y);
    a.cx = std::abs(press.x - release.x);
    a.cy = std::abs(press.y - release.y);
    a.points = {press, release};
    a.filled = OptValue(IDOPTS_FILL);
    a.color = CurrentInkColor();
    a.lineWidth = OptShort(IDOPTS_SHAPEWIDTH);
    a.opacity = OptShort(IDOPTS_OPACITY);
    return a;
}

Annotation MakeMarkRecord(Point32 press, int32_t width, int32_t height, int32_t number) {
    Annotation a;
    a.kind = ANNOT_MARK;
    a.x = press.x - width / 2;
    a.y = press.y - height / 2;
    a.cx = width;
    a.cy = height;
    a.filled = 1;
    a.markIndex = OptValue(IDOPTS_MARK);
    a.markNumber = number;
    return a;
}
