// The pixels of live ink. Ink floats over the running screen in a window
// with an opacity per pixel; the renderer draws onto opaque surfaces only,
// so each frame is drawn twice, over black and over white, and the two
// colours of a pixel tell how much of the screen shows through it.
#pragma once

#include <cstdint>

// The premultiplied 0xAARRGGBB pixel of ink drawn as `overBlack` over black
// and as `overWhite` over white (both 0x00RRGGBB). Ink that multiplies the
// colour beneath (the highlighter) differs by channel; it becomes its colour
// at the opacity that matches it over white. A pixel the ink leaves clear is
// wholly clear.
uint32_t InkPixel(uint32_t overBlack, uint32_t overWhite);

// A premultiplied ink pixel shown over `screen` (0x00RRGGBB), as the window
// system composes it: 0x00RRGGBB.
uint32_t InkOver(uint32_t ink, uint32_t screen);
