// The annotation renderer (drawing of each kind comes next).
#include "render/render.h"

#include "app/app.h"

const char fontFaceTable[8][FONT_FACE_SLOT] = {"LibbyScript", "WhisperWrite", "Comic Sans MS", "AndrewScript",
                                               "Arial",       "Tahoma",       "Verdana",       "Georgia"};

int FontHeightForPoints(int points) { return -MulDiv(points, GetDeviceCaps(hdcOverlay, LOGPIXELSY), 72); }

void RenderAnnotations(HDC, int, int) {}
void DrawRoundRect(HDC, int, int, int, int, int, GpPen*, GpBrush*, bool) {}
void DrawMark(HDC, RECT, int, int) {}
