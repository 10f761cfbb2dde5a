// The overlay window: pointer gestures, keys, text entry and painting.
#pragma once

#include <windows.h>

#include <vector>

#include "model/annotation.h"

LRESULT CALLBACK OverlayWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Gesture state.
extern POINT ptPress;
extern POINT ptCursor;
extern bool buttonDown;
extern bool dragged;
extern bool firstPoint;
extern int shapeHeld;
extern int shapeText;
extern POINT ptHeldOrigin;
extern POINT ptHeldOriginEnd;
extern std::vector<Point32> strokePoints;

// Pointer input.
void OnPointerDown();
void OnPointerMove();
void OnPointerUp();

// Painting and live previews.
LRESULT OnPaint(HWND hwnd);
void FillBackground(HDC target);
void Present();
void CopyBaseToBack();
void DrawPenSegment(POINT from, POINT to);          // onto hdcBase, then shown
void DrawToolPreview(int tool, POINT press, POINT cursor);  // onto hdcBack over hdcBase, then shown
void RepaintOverlayNow();                           // invalidate without erase + UpdateWindow
void ResumeHeldPaint();  // the repaint held back during a gesture, asked for again at its end

// Text entry in filled shapes.
void OpenTextEdit(int position);
void CommitTextEdit();
void CloseTextEditWithoutCommit();
void OnDoubleClick();
LRESULT OnEditCommand(WPARAM wParam, LPARAM lParam);
LRESULT OnCtlColorEdit(HDC dc, HWND control);

// Empties the drawing and its history (Ctrl+E, "Erase All"): cannot be undone.
void EraseAll();

// Keys, wheel, hotkey.
void OnKeyDown(WPARAM key);
void OnMouseWheel(WPARAM wParam);
void OnHotkey(WPARAM wParam, LPARAM lParam);
