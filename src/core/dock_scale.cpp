// The dock's geometry at 100 % and its scaling; see dock_scale.h.
#include "core/dock_scale.h"

namespace {

constexpr int TOOLS = 8;

// At 96 DPI; a combo box's height is that of its open list.
constexpr DockBox baseBoxes[DOCK_ITEM_COUNT] = {
    {7, 0, 200, 50},   {7, 25, 200, 25}, {245, 2, 70, 28},  {335, 2, 50, 115}, {335, 2, 50, 115}, {395, 2, 50, 115},
    {465, 10, 14, 14}, {245, 2, 95, 60}, {350, 12, 35, 20}, {245, 3, 80, 20},  {270, 32, 24, 7},  {350, 32, 17, 7},
    {348, 32, 26, 7},  {406, 32, 34, 9}, {461, 32, 23, 7},  {500, 10, 89, 21}, {350, 35, 34, 7},  {270, 32, 36, 7},
    {5, 2, 70, 28},    {85, 2, 85, 115}, {180, 2, 50, 115},
};

constexpr int dockWidths[TOOLS + 1] = {448, 448, 395, 597, 597, 597, 448, 448, 328};  // [0]: any other tool
constexpr int DOCK_HEIGHT = 51;
constexpr int DOCK_LEFT_OF_CENTRE = 240;
constexpr int DOCK_BOTTOM_GAP = 52;
constexpr DockBox TEXT_BAR = {100, 100, 235, 32};
constexpr int TEXT_BAR_LEFT_OF_BOX = 5;
constexpr int TEXT_BAR_ABOVE_BOX = 38;
constexpr int FONT_FIELD_HEIGHT = 18, FONT_ROW_HEIGHT = 26;
constexpr int MARK_FIELD_HEIGHT = 31, MARK_ROW_HEIGHT = 41;

constexpr DockItem penItems[] = {ITEM_COLOR,        ITEM_CAPTION_COLOR, ITEM_PENSIZE,
                                 ITEM_CAPTION_SIZE, ITEM_OPACITY,       ITEM_CAPTION_OPACITY};
constexpr DockItem highlighterItems[] = {ITEM_COLOR, ITEM_CAPTION_COLOR, ITEM_PENSIZE, ITEM_CAPTION_SIZE};
constexpr DockItem boxItems[] = {ITEM_COLOR,         ITEM_CAPTION_COLOR,  ITEM_SHAPEWIDTH,
                                 ITEM_CAPTION_WIDTH, ITEM_OPACITY,        ITEM_CAPTION_OPACITY,
                                 ITEM_FILLED,        ITEM_CAPTION_FILLED, ITEM_CAPTION_TEXTHINT};
constexpr DockItem arrowItems[] = {ITEM_COLOR,         ITEM_CAPTION_COLOR, ITEM_SHAPEWIDTH,
                                   ITEM_CAPTION_WIDTH, ITEM_OPACITY,       ITEM_CAPTION_OPACITY};
constexpr DockItem markItems[] = {ITEM_MARKS, ITEM_NUMBER, ITEM_CAPTION_NUMBER};
constexpr DockItem eraserItems[] = {ITEM_ERASEALL, ITEM_CAPTION_ERASEALL};

template <int N>
const DockItem* Items(const DockItem (&items)[N], int& count) {
    count = N;
    return items;
}

}  // namespace

int ScaleToDpi(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = BASE_DPI / 2;
    return static_cast<int>(product >= 0 ? (product + half) / BASE_DPI : -((-product + half) / BASE_DPI));
}

int PictureScaleForDpi(int dpi) {
    const int percent = ScaleToDpi(100, dpi);
    if (percent <= 125) return 100;
    if (percent <= 175) return 150;
    return 200;
}

DockBox DockItemBox(DockItem item, int dpi) {
    if (item < 0 || item >= DOCK_ITEM_COUNT) return {0, 0, 0, 0};
    const DockBox& b = baseBoxes[item];
    const int left = ScaleToDpi(b.x, dpi), top = ScaleToDpi(b.y, dpi);
    return {left, top, ScaleToDpi(b.x + b.width, dpi) - left, ScaleToDpi(b.y + b.height, dpi) - top};
}

const DockItem* DockItemsOfTool(int tool, int& count) {
    switch (tool) {
    case 1:
        return Items(penItems, count);
    case 2:
        return Items(highlighterItems, count);
    case 3:
    case 4:
    case 5:
        return Items(boxItems, count);
    case 6:
        return Items(arrowItems, count);
    case 7:
        return Items(markItems, count);
    case 8:
        return Items(eraserItems, count);
    default:
        count = 0;
        return nullptr;
    }
}

int DockWidthForTool(int tool, int dpi) { return ScaleToDpi(dockWidths[tool >= 1 && tool <= TOOLS ? tool : 0], dpi); }

int DockHeight(int dpi) { return ScaleToDpi(DOCK_HEIGHT, dpi); }

int DockLeft(int overlayWidth, int dpi) { return overlayWidth / 2 - ScaleToDpi(DOCK_LEFT_OF_CENTRE, dpi); }

int DockTopAtBottom(int overlayHeight, int dpi) { return overlayHeight - ScaleToDpi(DOCK_BOTTOM_GAP, dpi); }

DockBox TextBarBox(int dpi) {
    return {TEXT_BAR.x, TEXT_BAR.y, ScaleToDpi(TEXT_BAR.width, dpi), ScaleToDpi(TEXT_BAR.height, dpi)};
}

int TextBarLeftOfBox(int dpi) { return ScaleToDpi(TEXT_BAR_LEFT_OF_BOX, dpi); }

int TextBarAboveBox(int dpi) { return ScaleToDpi(TEXT_BAR_ABOVE_BOX, dpi); }

int ListRowHeight(bool fontList, bool selectionField, int dpi) {
    if (fontList) return ScaleToDpi(selectionField ? FONT_FIELD_HEIGHT : FONT_ROW_HEIGHT, dpi);
    return ScaleToDpi(selectionField ? MARK_FIELD_HEIGHT : MARK_ROW_HEIGHT, dpi);
}
