// The program's own cursors: pictures for 100, 150 and 200 %, of which the
// one for the overlay's scale is taken.
#include "canvas/canvas.h"
#include "core/dock_scale.h"
#include "overlay/overlay.h"
#include "resource.h"
#include "win/program.h"

constexpr int CURSOR_SIZE = 32;  // at 100 %

HCURSOR cursorEraser, cursorMark, cursorHighlight[5], cursorArrow;

// A cursor replaced on a change of scale is destroyed, after the pointer has
// been given its successor.
static void LoadOwnCursor(HCURSOR& slot, int id) {
    const int size = ScaleToDpi(CURSOR_SIZE, canvas.overlayDpi);
    const HCURSOR previous = slot;
    slot = static_cast<HCURSOR>(LoadImageA(hInst, MAKEINTRESOURCEA(id), IMAGE_CURSOR, size, size, 0));
    if (!previous) return;
    if (GetCursor() == previous) SetCursor(slot);
    DestroyCursor(previous);
}

void LoadCursors() {
    LoadOwnCursor(cursorEraser, IDC_CUR_ERASER);
    LoadOwnCursor(cursorMark, IDC_CUR_MARK);
    for (int i = 0; i < 5; ++i) LoadOwnCursor(cursorHighlight[i], IDC_CUR_HL1 + i);
    cursorArrow = LoadCursorA(nullptr, IDC_ARROW);  // the system's, at the system's size
}
