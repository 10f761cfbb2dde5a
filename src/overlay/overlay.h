// The overlay window: pointer gestures, keys, text entry and painting.
#pragma once

#include <windows.h>

#include <vector>

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/hitbounds.h"

// Whether the left button went down on the overlay and is still down.
extern bool buttonDown;
// The record whose text is being typed; -1 when the text edit is closed.
extern int shapeText;

// The program's own cursors, at the overlay's scale; loaded at start-up and
// again when the scale changes.
extern HCURSOR cursorEraser, cursorMark, cursorHighlight[5], cursorArrow;
void LoadCursors();

// Pointer input.
// `shift`: Shift was held at the press, which makes the new record fade.
void OnPointerDown(LPARAM lParam, bool shift = false);
void OnPointerMove(LPARAM lParam);
void OnPointerUp();

// Live ink draws every frame twice, over black and over white (see the
// canvas); a drawing step runs through this so that both passes get it.
template <class Draw>
void DrawOnEachPass(Draw draw) {
    draw();
    if (!canvas.live) return;
    SwapInkPass();
    draw();
    SwapInkPass();
}
// Live ink shows every pixel again: after a change of the whole drawing or
// of the state that decides whether the pointer goes through.
void ShowWholeInk();
// How often live ink's window was updated, and how often all of it.
struct LiveInkUpdates {
    long all, whole;
};
extern LiveInkUpdates liveInkUpdates;
struct PictureCopy;
// A copy of the layer (hdcBase over black) becomes live ink as shown over
// the picture on the capture surface: what a snapshot of live ink holds.
void PutLiveInkOverCapture(PictureCopy& shot);

// Painting and live previews.
LRESULT OnPaint(HWND hwnd);
void FillBackground(HDC target);
void FillBackgroundArea(HDC target, const RECT& area);
void Present();                // all of hdcBack to the screen
void PresentArea(Box32 area);  // part of hdcBack to the screen
void CopyBaseToBack();
void DrawPenSegment(POINT from, POINT to);                  // onto hdcBack over the layer, then shown
void DrawToolPreview(int tool, POINT press, POINT cursor);  // onto hdcBack over the layer, then shown
void RepaintOverlayNow();                                   // invalidate without erase + UpdateWindow
void ResumeHeldPaint();          // the repaint held back during a gesture, asked for again at its end
Box32 ScreenBox(const RECT& r);  // a GDI rectangle as inclusive bounds

// The committed layer: hdcBase holds the background with every committed
// record drawn on it (while a grabbed record is dragged, every record but
// that one). Callers bring it up to date before they change the list and
// repair what they changed afterwards; then ShowChanges puts the changed
// area on the screen.
void SyncLayer();                      // redraws it whole if it no longer matches the list
void ForgetLayer();                    // its surface or background was replaced
void RepairLayer(Box32 area);          // the change painted nothing outside `area`
void DrawLastOnLayer(bool keepUnder);  // the record just appended, drawn once on top
bool LayerCanTakeBackLast();           // the layer under the last record is kept...
void TakeBackLastFromLayer();          // ...and, once that record is removed, put back
void LiftOffLayer(int position);       // the grabbed record leaves the layer while it is dragged
void SettleLayer();                    // a lifted record goes back to its place
void LayHeldOnTop();                   // the dragged record, now last in the list, goes on top
// Frames of a gesture: hdcBack gets the layer back over the area the
// gesture drew last and over `next`; the caller draws inside `next` and
// presents the returned area.
Box32 BeginGestureFrame(Box32 next);
void NoteGestureDrawing(Box32 area);        // drawn onto hdcBack over the layer, to be undone later
void ShowChanges(Box32 alsoShow = NO_BOX);  // every difference between hdcBack and the layer, shown

// The laser pointer and fading ink, driven by one timer (INK_TIMER_ID) that
// runs only while the laser is chosen or ink waits to fade. Time comes from
// inkClock, which tests may replace.
constexpr UINT_PTR INK_TIMER_ID = 1112;
extern int64_t (*inkClock)();
extern bool laserHeld;  // the left button is down while the laser is chosen
void InkTick();
void ScheduleInkTimer();
void ChooseLaser();
void MoveLaser(POINT at);
void StopLaser();
// A phrase fading out finishes at once before the list changes otherwise,
// or shows whole again when a gesture of `joining` starts.
void SettleFading(int32_t joining = 0);
void ForgetFadingInk();
// The fading phrase laid over `area` of a surface at its opacity.
void LayFadeOver(HDC target, const RECT& area);
int32_t PhraseLeftOutOfLayer();
// The layer already shows the list as it now is (records that faded out
// were left out of it before they left the list).
void AcceptLayerAsCurrent();

// Text entry in filled shapes.
void OpenTextEdit(int position);
void CommitTextEdit();

// Lets the text edit show characters its font lacks; once, after it is made.
void SubclassTextEdit();
void CloseTextEditWithoutCommit();
void OnDoubleClick(LPARAM lParam);
LRESULT OnEditCommand(WPARAM wParam, LPARAM lParam);
LRESULT OnCtlColorEdit(HDC dc, HWND control);

// Empties the drawing and its history: this cannot be undone.
void ClearDrawing();
// Ctrl+Z and Ctrl+Y: one step of the history back or forward.
void UndoStep();
void RedoStep();

// The wheel steps the colour of the current tool; with Ctrl it zooms.
void OnMouseWheel(WPARAM wParam, LPARAM lParam);

// The frozen picture magnified. Zoom steps keep the picture point under the
// pointer where it is; the keys' steps take the pointer where it is now.
// Live ink is never magnified: there these do nothing.
void ZoomIn();
void ZoomOut();
void ZoomToWholePicture();
void OnZoomWheel(WPARAM wParam, LPARAM lParam);
// Back to 1x without showing it, for a caller that shows the overlay anew.
void ForgetZoom();
// Dragging with the right or the middle button moves a magnified picture;
// PanWithPointer is false for a move that is no part of such a drag.
void BeginPan(LPARAM lParam);
bool PanWithPointer(WPARAM wParam, LPARAM lParam);
void EndPan();
// Part of hdcBack shown through the magnified view.
void PresentMagnified(Box32 area);
