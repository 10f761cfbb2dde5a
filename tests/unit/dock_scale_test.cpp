#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "dock/dock_scale.h"

namespace {

constexpr int DPIS[] = {96, 120, 144, 192};

// Dock width per tool (pen, highlighter, shapes, eraser) and height at each
// scale: at 96 the sizes the dock has always had, elsewhere rounded.
struct Row {
    int dpi, pen, highlighter, shapes, eraser, height, picture;
};
constexpr Row TABLE[] = {
    {96, 448, 395, 597, 328, 51, 100},
    {120, 560, 494, 746, 410, 64, 100},
    {144, 672, 593, 896, 492, 77, 150},
    {192, 896, 790, 1194, 656, 102, 200},
};

TEST(DockScale, WidthsHeightAndPictureSetPerDpi) {
    for (const Row& r : TABLE) {
        EXPECT_EQ(DockWidthForTool(1, r.dpi), r.pen) << r.dpi;
        EXPECT_EQ(DockWidthForTool(2, r.dpi), r.highlighter) << r.dpi;
        EXPECT_EQ(DockWidthForTool(4, r.dpi), r.shapes) << r.dpi;
        EXPECT_EQ(DockWidthForTool(8, r.dpi), r.eraser) << r.dpi;
        EXPECT_EQ(DockHeight(r.dpi), r.height) << r.dpi;
        EXPECT_EQ(PictureScaleForDpi(r.dpi), r.picture) << r.dpi;
        EXPECT_EQ(DockLeft(1920, r.dpi), 960 - 240 * r.dpi / 96) << r.dpi;
        EXPECT_EQ(DockTopAtBottom(1080, r.dpi), 1080 - (52 * r.dpi + 48) / 96) << r.dpi;
    }
}

bool IsList(DockItem item) {
    return item == ITEM_PENSIZE || item == ITEM_SHAPEWIDTH || item == ITEM_OPACITY || item == ITEM_MARKS;
}

// For every tool at every scale: what the dock shows lies inside it, every
// edge is within half a pixel of the exact scaled edge, and controls side by
// side at 100 % neither overlap nor swap at any scale.
TEST(DockScale, ShownControlsFitTheDockAndKeepTheirOrder) {
    for (const int dpi : DPIS)
        for (int tool = 1; tool <= 8; ++tool) {
            int count = 0;
            const DockItem* items = DockItemsOfTool(tool, count);
            ASSERT_GT(count, 0);
            for (int i = 0; i < count; ++i) {
                const DockBox b = DockItemBox(items[i], dpi), base = DockItemBox(items[i], BASE_DPI);
                EXPECT_LE(std::abs(b.x - base.x * dpi / 96.0), 0.5);
                EXPECT_LE(std::abs(b.x + b.width - (base.x + base.width) * dpi / 96.0), 0.5);
                EXPECT_LE(b.x + b.width, DockWidthForTool(tool, dpi)) << "item " << items[i] << " tool " << tool;
                if (!IsList(items[i])) {
                    EXPECT_LE(b.y + b.height, DockHeight(dpi)) << "item " << items[i];
                }
                for (int j = 0; j < count; ++j) {
                    const DockBox o = DockItemBox(items[j], dpi), oBase = DockItemBox(items[j], BASE_DPI);
                    if (base.x + base.width <= oBase.x) {
                        EXPECT_LE(b.x + b.width, o.x) << dpi;
                    }
                }
            }
        }
}

TEST(DockScale, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(ScaleToDpi(51, 144), 77);
    EXPECT_EQ(ScaleToDpi(-51, 144), -77);
    EXPECT_EQ(ScaleToDpi(0, 192), 0);
}

}  // namespace
