// The view of the frozen picture: how much it is magnified and which part of
// it the window shows. The picture and the window have the same size (the
// overlay covers its monitor); at 1x the window shows all of the picture.
// Platform-free.
//
// A magnification is a fraction num/den, so that every picture pixel covers
// a whole number of window pixels at integer steps, and den picture pixels
// cover exactly num window pixels at the others. The offset is the window's
// top-left pixel in the magnified picture; window pixel x shows picture
// pixel floor((x + offsetX) * den / num).
#pragma once

#include <cstdint>

#include "core/hitbounds.h"

constexpr int ZOOM_STEP_COUNT = 10;  // 1, 1.25, 1.5, 2, 3, 4, 6, 8, 12, 16

struct ZoomFactor {
    int32_t num, den;
};
ZoomFactor ZoomFactorOf(int step);  // a step outside the table is taken as the nearest end

struct PictureView {
    int step = 0;                      // 0 is 1x
    int32_t offsetX = 0, offsetY = 0;  // in magnified pixels
    int32_t width = 0, height = 0;     // of the picture and of the window
};

// The whole picture at 1x in a window of that size.
PictureView WholePicture(int32_t width, int32_t height);

inline bool IsMagnified(const PictureView& v) { return v.step > 0; }

// The picture pixel that window pixel (x, y) shows; also for pixels outside
// the window (a drag may leave it), where it lies beyond the picture's edge.
Point32 PictureAt(const PictureView& v, Point32 window);

// The window pixels that show some pixel of `picture`, cut to the window; an
// empty box when none does.
Box32 WindowBoxOf(const PictureView& v, Box32 picture);

// The picture pixels that the window pixels of `window` show.
Box32 PictureBoxOf(const PictureView& v, Box32 window);

// The picture pixels the window shows.
Box32 VisiblePicture(const PictureView& v);

// The view at `step`, with the picture point under window pixel `pointer`
// kept under it where the picture's edges allow.
PictureView ZoomedAt(const PictureView& v, int step, Point32 pointer);

// The view moved with the pointer by (dx, dy) window pixels, as if the
// picture were dragged, never past the picture's edges.
PictureView PannedBy(const PictureView& v, int32_t dx, int32_t dy);
