#include <gtest/gtest.h>

#include <random>

#include "core/ink_pixels.h"

namespace {

// One channel of ink `c` at opacity `a` composed over `under`, rounded as a
// renderer does.
int Over(int c, int a, int under) { return (c * a + under * (255 - a) + 127) / 255; }

uint32_t OverPixel(uint32_t color, int a, uint32_t under) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        out |= uint32_t(Over((color >> shift) & 0xFF, a, (under >> shift) & 0xFF)) << shift;
    return out;
}

// Ink of any colour and opacity, learned from its pixels over black and
// over white, keeps its opacity exactly and shows over any screen pixel as
// if it had been drawn there, within one step of rounding.
TEST(InkPixels, InkShowsOverTheScreenAsIfDrawnThere) {
    std::mt19937 rng(20);
    for (int i = 0; i < 20000; ++i) {
        const uint32_t color = rng() & 0xFFFFFF, screen = rng() & 0xFFFFFF;
        const int a = static_cast<int>(rng() % 256);
        const uint32_t ink = InkPixel(OverPixel(color, a, 0), OverPixel(color, a, 0xFFFFFF));
        ASSERT_EQ(int(ink >> 24), a) << "opacity of colour " << color;
        const uint32_t shown = InkOver(ink, screen), want = OverPixel(color, a, screen);
        for (int shift = 0; shift <= 16; shift += 8)
            ASSERT_NEAR(int((shown >> shift) & 0xFF), int((want >> shift) & 0xFF), 1)
                << "channel " << shift / 8 << " of colour " << color << " at " << a << " over " << screen;
    }
}

// Where nothing is drawn, the screen shows unchanged.
TEST(InkPixels, AClearPixelIsWhollyClear) { EXPECT_EQ(InkPixel(0x000000, 0xFFFFFF), 0u); }

}  // namespace
