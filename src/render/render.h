// The annotation renderer: the only code that turns records into pixels.
#pragma once

#include "win/gdiplus_flat.h"

// 1 x 50 surface the highlighter colour is painted into before it is
// stretched over a band; made once at start-up.
extern HDC hdcHighlightStrip;
void CreateHighlightStrip(HDC reference);

constexpr int FONT_FACE_SLOT = 30;
extern const char fontFaceTable[8][FONT_FACE_SLOT];

// Draws every record in list order (leaving out skipIndex when it is not -1),
// or, with onlyIndex >= 0, that single record. A position that is not in the
// list draws nothing.
void RenderAnnotations(HDC dc, int onlyIndex, int skipIndex);

// A rounded rectangle: filled with `brush` when `fill`, else outlined with
// `pen`. The corner diameter shrinks to 5 and 3 for small boxes.
void DrawRoundRect(HDC dc, int x, int y, int width, int height, int diameter, GpPen* pen, GpBrush* brush, bool fill);

// Mark picture `markIndex` stretched into `box` and, for marks 0..2, `number`
// centred on it. Careful: box.left and box.top are the corner, while
// box.right and box.bottom hold the WIDTH and HEIGHT, not the far edges.
// An index outside 0..11 draws nothing.
void DrawMark(HDC dc, RECT box, int markIndex, int number);

extern HFONT fontMarkLarge;  // "Arial Bold" 10 pt: numbers on marks 0 and 1
extern HFONT fontMarkSmall;  // "Arial Bold" 8 pt: number on mark 2, width lists
// Makes both at the overlay's scale; the fonts they replace are deleted.
void MakeMarkFonts();

// Height of a font of `points` on the overlay's monitor: -MulDiv(points, overlayDpi, 72).
int FontHeightForPoints(int points);

// Building blocks shared by the renderer and the overlay's live previews, so
// that a shape looks the same while it is dragged out and once it is drawn.
constexpr int ROUND_RECT_DIAMETER = 15;
constexpr ARGB OUTLINE_ARGB = 0xFF000000;     // outline of filled shapes
constexpr ARGB ARROW_HALO_ARGB = 0x16000000;  // faint shadow under arrows

// A graphics object on `dc` with anti-aliasing; false when GDI+ refuses the dc.
bool CreateSmoothGraphics(HDC dc, GraphicsOwner& graphics);
// A pen of `width` pixels.
bool CreatePenOfWidth(ARGB color, float width, PenOwner& pen);

// Rectangle, rounded rectangle or ellipse (by annotation kind) in the box:
// filled with `ink` and outlined in opaque black, or outlined with `ink`.
void DrawBoxShape(HDC dc, int kind, int x, int y, int width, int height, ARGB ink, int lineWidth, bool filled);
// An arrow from tail to head: a faint halo 2w+1 wide, then ink 2w wide, both
// ending in an arrowhead at `head`.
void DrawArrow(HDC dc, POINT tail, POINT head, ARGB ink, int lineWidth);
// A highlighter band: the colour ANDed onto the picture, so dark stays dark.
// A negative width mirrors the band leftwards of x.
void DrawHighlightBand(HDC dc, COLORREF color, int x, int y, int width, int height);
