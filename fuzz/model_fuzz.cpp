// Random edits of the drawing, made the way the overlay makes them: append,
// move, text, erase, undo, redo, erase all and show. After every step every
// applied history entry names a record that exists, undoing everything gives
// the list as it was when the history last began, and redoing the applied
// steps gives the list as it is.
#include "core/history.h"

static std::vector<Annotation> atStart;  // the list when the history was last emptied

static void Restart() {
    ClearHistory();
    atStart = annotations;
}

static void Check() {
    const int applied = static_cast<int>(history.size()) - undoneCount;
    for (int i = 0; i < applied; ++i)
        if (history[i].index < 0 || history[i].index >= AnnotationCount()) __builtin_trap();
    const auto list = annotations;
    while (Undo()) {
    }
    if (undoneCount != static_cast<int>(history.size()) || annotations != atStart) __builtin_trap();
    for (int i = 0; i < applied; ++i) Redo();
    if (annotations != list || undoneCount + applied != static_cast<int>(history.size())) __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearAnnotations();
    Restart();
    // At most 100 steps: every step replays the whole history, and long
    // inputs would make each run slow without reaching new states.
    for (size_t i = 0; i + 1 < size && i < 200; i += 2) {
        const uint8_t op = data[i] % 8, arg = data[i + 1];
        const int at = AnnotationCount() ? arg % AnnotationCount() : -1;
        // A new step while steps are undone first drops the whole history.
        if (op <= 2 && undoneCount > 0 && (op == 0 || at >= 0)) Restart();
        if (op == 0) {
            AppendAnnotation({.x = arg, .y = arg, .kind = uint8_t(1 + arg % 7), .points = {{arg, 0}, {0, arg}}});
            RecordAdd(AnnotationCount() - 1);
        } else if (op == 1 && at >= 0) {
            OffsetAnnotation(annotations[at], arg, -arg);
            BringAnnotationToTop(at);
            RecordMove(at, arg, -arg);
        } else if (op == 2 && at >= 0) {
            const Annotation before = annotations[at];
            annotations[at].text += static_cast<char>(arg);
            RecordText(at, before);
        } else if (op == 4 || op == 5) {
            op == 4 ? Undo() : Redo();
        } else if ((op == 3 && at >= 0) || op >= 6) {  // erase one record; erase all; a new showing
            if (op == 3 && at >= 0) RemoveAnnotationAt(at);
            if (op != 3) ClearAnnotations();
            Restart();
        }
        Check();
    }
    return 0;
}
