// The annotation renderer: the only code that turns records into pixels.
#pragma once

#include "render/gdiplus_flat.h"

constexpr int FONT_FACE_SLOT = 30;
extern const char fontFaceTable[8][FONT_FACE_SLOT];

// Draws every record in list order (leaving out skipIndex when it is not -1),
// or, with onlyIndex >= 0, that single record.
void RenderAnnotations(HDC dc, int onlyIndex, int skipIndex);

// A rounded rectangle: filled with `brush` when `fill`, else outlined with
// `pen`. The corner diameter shrinks to 5 and 3 for small boxes.
void DrawRoundRect(HDC dc, int x, int y, int width, int height, int diameter, GpPen* pen, GpBrush* brush,
                   bool fill);

// Mark picture `markIndex` stretched into `box` (left, top, width, height);
// marks 0..2 get `number` centred on them.
void DrawMark(HDC dc, RECT box, int markIndex, int number);

// Height of a font of `points` on the overlay's screen: -MulDiv(points, LOGPIXELSY, 72).
int FontHeightForPoints(int points);
