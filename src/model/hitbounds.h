// A cheap first test for hit-testing: whether a point can touch a record at
// all. It is deliberately generous (it never rejects a point that the exact
// path test would accept), so that a miss costs no path construction.
// Platform-free.
#pragma once

#include "model/annotation.h"

struct Box32 {
    int32_t left, top, right, bottom;  // inclusive bounds
};

// Pen strokes, highlighter bands and marks are found only in erase mode.
bool FoundInMode(const Annotation& record, bool eraseMode);

// The area, in pixels, outside of which the record cannot be hit.
Box32 HitBounds(const Annotation& record);

bool MayHit(const Annotation& record, Point32 point, bool eraseMode);
