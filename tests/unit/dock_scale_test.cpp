#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/dock_scale.h"

namespace {

// Dock width per tool (pen 1, highlighter 2, shapes 4, eraser 8), height,
// picture set and the row heights of the owner-drawn lists (font field, font
// row, mark field, mark row) at each scale: at 96 the sizes the dock has
// always had.
struct Row {
    int dpi, widths[4], height, picture, listRows[4];
};
constexpr Row TABLE[] = {
    {96, {448, 395, 597, 328}, 51, 100, {18, 26, 31, 41}},
    {120, {560, 494, 746, 410}, 64, 100, {23, 33, 39, 51}},
    {144, {672, 593, 896, 492}, 77, 150, {27, 39, 47, 62}},
    {192, {896, 790, 1194, 656}, 102, 200, {36, 52, 62, 82}},
};

// Besides the table, for every tool at every scale: what the dock shows lies
// inside it (lists may drop below), every edge is within half a pixel of the
// exact scaled edge, and controls side by side at 100 % neither overlap nor
// swap at any scale.
TEST(DockScale, LayoutAtEveryScale) {
    EXPECT_EQ(ScaleToDpi(-51, 144), -77) << "-51 at 150 %: halves round away from zero";
    for (const auto& [dpi, widths, height, picture, listRows] : TABLE) {
        SCOPED_TRACE("at " + std::to_string(dpi) + " dpi");
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(DockWidthForTool(1 << i, dpi), widths[i]) << "dock width, tool " << (1 << i);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(ListRowHeight(i < 2, i % 2 == 0, dpi), listRows[i]) << "list row " << i;
        EXPECT_EQ(DockHeight(dpi), height) << "dock height";
        EXPECT_EQ(PictureScaleForDpi(dpi), picture) << "picture set";
        for (int tool = 1; tool <= 8; ++tool) {
            int count = 0;
            const DockItem* items = DockItemsOfTool(tool, count);
            ASSERT_GT(count, 0);
            for (int i = 0; i < count; ++i) {
                const DockBox b = DockItemBox(items[i], dpi), base = DockItemBox(items[i], BASE_DPI);
                const bool list = items[i] == ITEM_PENSIZE || items[i] == ITEM_SHAPEWIDTH || items[i] == ITEM_OPACITY ||
                                  items[i] == ITEM_MARKS;
                EXPECT_LE(std::abs(b.x - base.x * dpi / 96.0), 0.5) << "left of item " << items[i];
                EXPECT_LE(std::abs(b.x + b.width - (base.x + base.width) * dpi / 96.0), 0.5)
                    << "right of item " << items[i];
                EXPECT_LE(b.x + b.width, DockWidthForTool(tool, dpi))
                    << "right of item " << items[i] << ", tool " << tool;
                EXPECT_TRUE(list || b.y + b.height <= DockHeight(dpi)) << "bottom of item " << items[i];
                for (int j = 0; j < count; ++j) {
                    const DockBox o = DockItemBox(items[j], dpi), oBase = DockItemBox(items[j], BASE_DPI);
                    EXPECT_TRUE(base.x + base.width > oBase.x || b.x + b.width <= o.x)
                        << "item " << items[i] << " left of item " << items[j];
                }
            }
        }
    }
}

}  // namespace
