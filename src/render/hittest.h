// Finding the record under a point with GDI+ paths, and erasing it.
#pragma once

#include "core/annotation.h"
#include "core/hitbounds.h"

// Position of the topmost record that `point` hits, or -1. Select mode
// (eraseMode false) skips pen strokes, highlighter bands and marks.
int HitTestAnnotations(Point32 point, bool eraseMode);

// The exact path test of one record, without the bounds shortcut.
bool HitTestRecord(const Annotation& record, Point32 point, bool eraseMode);

// The eraser's step: removes the topmost record under `point` (erase mode)
// and empties the history. True when a record was removed; the caller
// repaints `erasedArea`, the area the removed record painted.
bool EraseAt(Point32 point, Box32* erasedArea = nullptr);
