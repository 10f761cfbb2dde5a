// Sizes and places of the dock and the text format bar at any display
// scale. The figures at 96 DPI (100 %) are the dock's own; at any other DPI
// every edge is scaled on its own, so that controls which touch or keep a
// gap at 100 % still do at every scale. Platform-free.
#pragma once

constexpr int BASE_DPI = 96;

// value x dpi / 96, rounded to the nearest pixel (halves away from zero).
int ScaleToDpi(int value, int dpi);

// The picture set, in percent (100, 150 or 200), nearest to the scale of
// `dpi`; between two sets at equal distance the smaller, which fits the
// place laid out for it.
int PictureScaleForDpi(int dpi);

struct DockBox {
    int x, y, width, height;
};

// Everything the dock and the text bar place. Captions take their size
// from their picture; the box gives the picture's size at 100 %.
enum DockItem : int {
    ITEM_TOOLS,
    ITEM_MENUBAR,
    ITEM_COLOR,
    ITEM_PENSIZE,
    ITEM_SHAPEWIDTH,
    ITEM_OPACITY,
    ITEM_FILLED,
    ITEM_MARKS,
    ITEM_NUMBER,
    ITEM_ERASEALL,
    ITEM_CAPTION_COLOR,  // the eight captions, in the order of DockCaption
    ITEM_CAPTION_SIZE,
    ITEM_CAPTION_WIDTH,
    ITEM_CAPTION_OPACITY,
    ITEM_CAPTION_FILLED,
    ITEM_CAPTION_TEXTHINT,
    ITEM_CAPTION_NUMBER,
    ITEM_CAPTION_ERASEALL,
    ITEM_TEXTBAR_COLOR,  // the text bar's controls
    ITEM_FONTFACE,
    ITEM_FONTSIZE,
    DOCK_ITEM_COUNT
};

DockBox DockItemBox(DockItem item, int dpi);

// The dock's items that the relayout shows for a tool (1..8), besides the
// two toolbars, which are always shown; `count` gets their number.
const DockItem* DockItemsOfTool(int tool, int& count);

// The dock's width for a tool, and its height.
int DockWidthForTool(int tool, int dpi);
int DockHeight(int dpi);
// The dock's left edge on an overlay of that width, and its top when it
// sits at the bottom of an overlay of that height.
int DockLeft(int overlayWidth, int dpi);
int DockTopAtBottom(int overlayHeight, int dpi);
// The text bar: its size, and its place left of and above the text box.
DockBox TextBarBox(int dpi);
int TextBarLeftOfBox(int dpi);
int TextBarAboveBox(int dpi);

// Row heights of the two owner-drawn lists (the font face list or the mark
// list), for the closed field and for the open rows.
int ListRowHeight(bool fontList, bool selectionField, int dpi);
