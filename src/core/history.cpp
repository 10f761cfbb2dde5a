#include "core/history.h"

std::vector<HistoryEntry> history;
int32_t undoneCount = 0;

void ClearHistory() {
    history.clear();
    undoneCount = 0;
}

void RecordHistory(HistoryEntry entry) {
    if (undoneCount > 0) ClearHistory();
    history.push_back(std::move(entry));
}

void RecordAdd(int position) {
    if (position < 0 || position >= AnnotationCount()) return;
    HistoryEntry e;
    e.type = HISTORY_ADD;
    e.index = position;
    e.item = annotations[position];
    RecordHistory(std::move(e));
}

void RecordMove(int grabbedPosition, int32_t dx, int32_t dy) {
    HistoryEntry e;
    e.type = HISTORY_MOVE;
    e.index = grabbedPosition;
    e.dx = e.dx2 = dx;
    e.dy = e.dy2 = dy;
    RecordHistory(std::move(e));
}

// `before` is the record as it was before the commit; the record at
// `position` already holds the committed text.
void RecordText(int position, const Annotation& before) {
    if (position < 0 || position >= AnnotationCount()) return;
    const Annotation& now = annotations[position];
    HistoryEntry e;
    e.type = HISTORY_TEXT;
    e.index = position;
    e.item.text = now.text;
    e.item.textColorRow = now.textColorRow;
    e.item.textColorCol = now.textColorCol;
    e.item.fontSize = now.fontSize;
    e.item.fontIndex = now.fontIndex;
    e.oldText = before.text;
    e.oldTextColorRow = before.textColorRow;
    e.oldTextColorCol = before.textColorCol;
    e.oldFontSize = before.fontSize;
    e.oldFontIndex = before.fontIndex;
    RecordHistory(std::move(e));
}

static void MoveBy(Annotation& record, const HistoryEntry& e, int sign) {
    if (record.kind == ANNOT_ARROW && record.points.size() >= 2) {
        record.points[0].x += sign * e.dx;
        record.points[0].y += sign * e.dy;
        record.points[1].x += sign * e.dx2;
        record.points[1].y += sign * e.dy2;
        return;
    }
    record.x += sign * e.dx;
    record.y += sign * e.dy;
}

static void SetText(Annotation& record, const std::string& text, int32_t row, int32_t col, int32_t size, int32_t face) {
    ++annotationsVersion;  // the list's own operations count every other change
    record.text = text;
    record.textColorRow = row;
    record.textColorCol = col;
    record.fontSize = size;
    record.fontIndex = face;
}

// The history only refers to positions that exist while the list and the
// history change together; a position outside the list (which a correct
// sequence never produces) changes nothing rather than touching memory.
static bool Exists(int position) { return position >= 0 && position < AnnotationCount(); }

bool Undo() {
    const int n = static_cast<int>(history.size());
    if (undoneCount >= n) return false;
    const HistoryEntry& e = history[n - undoneCount - 1];
    switch (e.type) {
    case HISTORY_ADD:
        if (!Exists(e.index)) return false;
        RemoveAnnotationAt(e.index);
        break;
    case HISTORY_MOVE: {
        if (annotations.empty() || e.index < 0 || e.index >= AnnotationCount()) return false;
        Annotation moved = std::move(annotations.back());
        annotations.pop_back();
        MoveBy(moved, e, -1);
        InsertAnnotationAt(e.index, std::move(moved));
        break;
    }
    case HISTORY_TEXT:
        if (!Exists(e.index)) return false;
        SetText(annotations[e.index], e.oldText, e.oldTextColorRow, e.oldTextColorCol, e.oldFontSize, e.oldFontIndex);
        break;
    default:
        return false;
    }
    ++undoneCount;
    return true;
}

bool Redo() {
    if (undoneCount <= 0) return false;
    const int n = static_cast<int>(history.size());
    const HistoryEntry& e = history[n - undoneCount];
    switch (e.type) {
    case HISTORY_ADD:
        if (e.index < 0 || e.index > AnnotationCount()) return false;
        InsertAnnotationAt(e.index, e.item);
        break;
    case HISTORY_MOVE:
        if (!Exists(e.index)) return false;
        BringAnnotationToTop(e.index);
        MoveBy(annotations.back(), e, +1);
        break;
    case HISTORY_TEXT:
        if (!Exists(e.index)) return false;
        SetText(annotations[e.index], e.item.text, e.item.textColorRow, e.item.textColorCol, e.item.fontSize,
                e.item.fontIndex);
        break;
    default:
        return false;
    }
    --undoneCount;
    return true;
}
