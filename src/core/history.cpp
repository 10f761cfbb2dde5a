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

namespace {

// A record followed through the history: who it is, and whether it goes.
struct Slot {
    int id;
    bool gone;
};

int KeptBefore(const std::vector<Slot>& list, int position) {
    int kept = 0;
    for (int i = 0; i < position; ++i) kept += list[i].gone ? 0 : 1;
    return kept;
}

}  // namespace

static void RemoveRecords(bool (*gone)(const Annotation&, int32_t), int32_t which) {
    for (int i = AnnotationCount() - 1; i >= 0; --i)
        if (gone(annotations[i], which)) RemoveAnnotationAt(i);
}

// The list as it was before the first step is found by taking the applied
// steps back on a list of slots; then every step is replayed on it, and a
// step that concerns a record that goes is dropped, while the others get
// their positions among the records that stay. A history that does not fit
// the list (which a correct sequence never makes) is forgotten, as erasing
// does, and the records go all the same.
void ForgetRecords(bool (*gone)(const Annotation&, int32_t), int32_t which) {
    const auto forgetAll = [&] {
        ClearHistory();
        RemoveRecords(gone, which);
    };
    const int count = static_cast<int>(history.size()), applied = count - undoneCount;
    std::vector<Slot> list;
    for (int i = 0; i < AnnotationCount(); ++i) list.push_back({i, gone(annotations[i], which)});
    std::vector<Slot> concerns(static_cast<size_t>(count), Slot{-1, false});
    for (int i = applied - 1; i >= 0; --i) {
        const HistoryEntry& e = history[i];
        const int last = static_cast<int>(list.size()) - 1;
        if (e.index < 0 || e.index > last) return forgetAll();
        if (e.type == HISTORY_ADD) {
            concerns[i] = list[e.index];
            list.erase(list.begin() + e.index);
        } else if (e.type == HISTORY_MOVE) {
            concerns[i] = list[last];
            list.pop_back();
            list.insert(list.begin() + e.index, concerns[i]);
        } else {
            concerns[i] = list[e.index];
        }
    }
    std::vector<HistoryEntry> kept;
    int keptUndone = 0, nextId = AnnotationCount();
    for (int i = 0; i < count; ++i) {
        HistoryEntry e = history[i];
        const int size = static_cast<int>(list.size());
        if (e.index < 0 || e.index > size || (e.type != HISTORY_ADD && e.index == size)) return forgetAll();
        Slot slot = concerns[i];
        if (i >= applied) slot = e.type == HISTORY_ADD ? Slot{nextId++, gone(e.item, which)} : list[e.index];
        const int at = e.index;
        e.index = KeptBefore(list, at);
        if (e.type == HISTORY_ADD) list.insert(list.begin() + at, slot);
        if (e.type == HISTORY_MOVE) {
            list.erase(list.begin() + at);
            list.push_back(slot);
        }
        if (slot.gone) continue;
        keptUndone += i >= applied ? 1 : 0;
        kept.push_back(std::move(e));
    }
    RemoveRecords(gone, which);
    history = std::move(kept);
    undoneCount = keptUndone;
}
