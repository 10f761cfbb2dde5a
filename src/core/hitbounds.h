// A cheap first test for hit-testing: whether a point can touch a record at
// all. It is deliberately generous (it never rejects a point that the exact
// path test would accept), so that a miss costs no path construction.
// Platform-free.
#pragma once

#include "core/annotation.h"

struct Box32 {
    int32_t left, top, right, bottom;  // inclusive bounds
};

// Pen strokes, highlighter bands and marks are found only in erase mode.
bool FoundInMode(const Annotation& record, bool eraseMode);

// The area, in pixels, outside of which the record cannot be hit.
Box32 HitBounds(const Annotation& record);

bool MayHit(const Annotation& record, Point32 point, bool eraseMode);

// The area a record can paint, in pixels: never smaller than what the
// renderer draws, whatever the record's geometry (anti-aliased edges, round
// caps, arrowheads, highlighter bands, text boxes, and the spikes that thin
// curved outlines grow). Redrawing only where something changed relies on it.
// An empty box has left > right.
Box32 PaintBounds(const Annotation& record);

constexpr Box32 NO_BOX{1, 1, 0, 0};

bool BoxIsEmpty(Box32 box);
Box32 UnionOfBoxes(Box32 a, Box32 b);  // an empty box adds nothing
bool BoxesMeet(Box32 a, Box32 b);
