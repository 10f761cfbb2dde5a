// Text of any script in any face: characters the chosen font lacks are drawn
// with another font of the system that has them, never as empty boxes.
#pragma once

#include <windows.h>

#include <string>

// Whether the font selected into `dc` lacks a character of `text` that
// another font of the system has.
bool TextNeedsFallback(HDC dc, const std::wstring& text);

// Draws `text` into `box`, clipped to it, as DrawTextW does with
// DT_WORDBREAK | DT_EDITCONTROL in the font selected into `dc` (lines break
// at spaces, between East Asian characters and inside words wider than the
// box), with the text colour and background mode of `dc`. A text the font
// has whole goes to DrawTextW itself.
void DrawTextWithFallback(HDC dc, const std::wstring& text, RECT box);
