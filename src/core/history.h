// The linear undo/redo history of drawing steps. Entries refer to records by
// their position in `annotations`. Platform-free: Undo and Redo change the
// list and report whether anything changed; the overlay repaints.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/annotation.h"

enum HistoryType : int32_t {
    HISTORY_ADD = 0,
    HISTORY_MOVE = 1,
    HISTORY_TEXT = 2,
};

struct HistoryEntry {
    Annotation item;  // ADD: the added record; TEXT: the committed text settings
    int32_t type = HISTORY_ADD;
    int32_t index = -1;
    int32_t dx = 0, dy = 0;    // MOVE: offset of x, y (an arrow's first point)
    int32_t dx2 = 0, dy2 = 0;  // MOVE of an arrow: offset of its second point
    std::string oldText;       // TEXT: values just before the commit
    int32_t oldTextColorRow = 0;
    int32_t oldTextColorCol = 0;
    int32_t oldFontSize = 0;
    int32_t oldFontIndex = -1;
};

extern std::vector<HistoryEntry> history;
extern int32_t undoneCount;  // entries at the end of `history` that are undone

// Appends an entry; when steps are undone, the whole history is dropped first.
void RecordHistory(HistoryEntry entry);
void RecordAdd(int position);
void RecordMove(int grabbedPosition, int32_t dx, int32_t dy);
void RecordText(int position, const Annotation& before);

void ClearHistory();

// Removes every record that `gone` picks, from the list and from the whole
// history, as if it had never been drawn: steps that only concern such a
// record are dropped, and every other step, applied or undone, keeps
// acting on the records it acted on.
void ForgetRecords(bool (*gone)(const Annotation&, int32_t), int32_t which);

// Each returns true when it changed the list (the caller then repaints).
bool Undo();
bool Redo();
