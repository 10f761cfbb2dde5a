// The view of the frozen picture: magnification steps, conversions between
// window and picture pixels, anchoring at the pointer and the limits of
// panning.
#include "core/view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ZoomFactor STEPS[ZOOM_STEP_COUNT] = {{1, 1}, {5, 4}, {3, 2}, {2, 1},  {3, 1},
                                               {4, 1}, {6, 1}, {8, 1}, {12, 1}, {16, 1}};

// Division rounding toward minus infinity, for pixels left of or above the
// window.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }

// Window pixels the magnified picture spans along one axis: its last one
// still shows the picture's last pixel.
int64_t MagnifiedLength(int32_t length, ZoomFactor f) { return CeilDiv(int64_t(length) * f.num, f.den); }

int32_t ClampOffset(int64_t offset, int32_t length, ZoomFactor f) {
    const int64_t most = std::max<int64_t>(MagnifiedLength(length, f) - length, 0);
    return static_cast<int32_t>(std::clamp<int64_t>(offset, 0, most));
}

int32_t PictureCoordinate(int32_t window, int32_t offset, ZoomFactor f) {
    return static_cast<int32_t>(FloorDiv((int64_t(window) + offset) * f.den, f.num));
}

// The first window pixel that shows picture pixel p (or a later one).
int64_t FirstWindowPixel(int64_t p, int32_t offset, ZoomFactor f) { return CeilDiv(p * f.num, f.den) - offset; }

// The offset that puts continuous picture position `at` under the centre
// of window pixel `pointer` at magnification f.
int64_t AnchoredOffset(double at, int32_t pointer, ZoomFactor f) {
    return std::llround(at * f.num / f.den - (pointer + 0.5));
}

}  // namespace

ZoomFactor ZoomFactorOf(int step) { return STEPS[std::clamp(step, 0, ZOOM_STEP_COUNT - 1)]; }

PictureView WholePicture(int32_t width, int32_t height) { return {0, 0, 0, width, height}; }

Point32 PictureAt(const PictureView& v, Point32 window) {
    const ZoomFactor f = ZoomFactorOf(v.step);
    return {PictureCoordinate(window.x, v.offsetX, f), PictureCoordinate(window.y, v.offsetY, f)};
}

Box32 WindowBoxOf(const PictureView& v, Box32 picture) {
    if (BoxIsEmpty(picture)) return NO_BOX;
    const ZoomFactor f = ZoomFactorOf(v.step);
    const Box32 box{static_cast<int32_t>(std::max<int64_t>(FirstWindowPixel(picture.left, v.offsetX, f), 0)),
                    static_cast<int32_t>(std::max<int64_t>(FirstWindowPixel(picture.top, v.offsetY, f), 0)),
                    static_cast<int32_t>(
                        std::min<int64_t>(FirstWindowPixel(int64_t(picture.right) + 1, v.offsetX, f), v.width) - 1),
                    static_cast<int32_t>(
                        std::min<int64_t>(FirstWindowPixel(int64_t(picture.bottom) + 1, v.offsetY, f), v.height) - 1)};
    return box.left > box.right || box.top > box.bottom ? NO_BOX : box;
}

Box32 PictureBoxOf(const PictureView& v, Box32 window) {
    if (BoxIsEmpty(window)) return NO_BOX;
    const Point32 first = PictureAt(v, {window.left, window.top}), last = PictureAt(v, {window.right, window.bottom});
    return {first.x, first.y, last.x, last.y};
}

Box32 VisiblePicture(const PictureView& v) {
    if (v.width <= 0 || v.height <= 0) return NO_BOX;
    return PictureBoxOf(v, {0, 0, v.width - 1, v.height - 1});
}

PictureView ZoomedAt(const PictureView& v, int step, Point32 pointer) {
    const ZoomFactor from = ZoomFactorOf(v.step), to = ZoomFactorOf(step);
    const double atX = (pointer.x + 0.5 + v.offsetX) * from.den / from.num;
    const double atY = (pointer.y + 0.5 + v.offsetY) * from.den / from.num;
    PictureView zoomed = v;
    zoomed.step = std::clamp(step, 0, ZOOM_STEP_COUNT - 1);
    zoomed.offsetX = ClampOffset(AnchoredOffset(atX, pointer.x, to), v.width, to);
    zoomed.offsetY = ClampOffset(AnchoredOffset(atY, pointer.y, to), v.height, to);
    return zoomed;
}

PictureView PannedBy(const PictureView& v, int32_t dx, int32_t dy) {
    const ZoomFactor f = ZoomFactorOf(v.step);
    PictureView panned = v;
    panned.offsetX = ClampOffset(int64_t(v.offsetX) - dx, v.width, f);
    panned.offsetY = ClampOffset(int64_t(v.offsetY) - dy, v.height, f);
    return panned;
}
