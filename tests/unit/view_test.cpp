#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/view.h"

namespace {

std::mt19937 rng(21);
int In(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

double Scale(const PictureView& v) { return double(ZoomFactorOf(v.step).num) / ZoomFactorOf(v.step).den; }

int32_t MostOffset(int32_t length, const PictureView& v) {
    return int32_t(std::ceil(length * Scale(v) - 1e-9)) - length;
}

// Random windows (odd sizes too), views, pointers and steps: the point under
// the pointer stays within a pixel of it unless the view rests on an edge of
// the picture, which it never leaves; 1x shows the whole picture; window and
// picture pixels convert into each other.
TEST(PictureView, ZoomKeepsThePointUnderThePointerWithinThePicture) {
    for (int i = 0; i < 20000; ++i) {
        const int w = In(1, 2000), h = In(1, 1200);
        const Point32 p0{In(0, w - 1), In(0, h - 1)}, p{In(0, w - 1), In(0, h - 1)};
        const PictureView v = PannedBy(ZoomedAt(WholePicture(w, h), In(0, 9), p0), In(-99, 99), In(-99, 99));
        const PictureView z = ZoomedAt(v, In(0, 9), p);
        ASSERT_GE(z.offsetX, 0) << "left of the picture at step " << z.step;
        ASSERT_LE(z.offsetX, MostOffset(w, z)) << "right of the picture at step " << z.step;
        ASSERT_LE(z.offsetY, MostOffset(h, z)) << "below the picture at step " << z.step;
        const bool atEdge = z.offsetX == 0 || z.offsetX == MostOffset(w, z);
        const double at = (p.x + 0.5 + v.offsetX) / Scale(v), shownAt = at * Scale(z) - z.offsetX;
        const bool kept = (z.step >= v.step || !atEdge) && at < w;  // a last pixel may be cut by the edge
        const double drift = kept ? std::abs(shownAt - (p.x + 0.5)) : 0;
        ASSERT_LE(drift, 1.0) << "from step " << v.step << " to " << z.step;
        ASSERT_EQ(z.step == 0 ? z.offsetX + z.offsetY : 0, 0) << "1x does not show the whole picture";
        const Point32 shown = PictureAt(z, p);
        const Box32 back = WindowBoxOf(z, {shown.x, shown.y, shown.x, shown.y});
        ASSERT_TRUE(back.left <= p.x && p.x <= back.right) << "window pixel " << p.x << " at step " << z.step;
        ASSERT_EQ(PictureAt(z, {back.right, back.bottom}).x, shown.x) << "picture pixel " << shown.x;
        if (back.left > 0) {
            ASSERT_EQ(PictureAt(z, {back.left - 1, back.top}).x, shown.x - 1) << "left of picture pixel " << shown.x;
        }
    }
}

}  // namespace
