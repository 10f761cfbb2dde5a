// The command table and the one place that carries commands out.
#include "app/commands.h"

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "features/last_drawing.h"
#include "features/options_dialog.h"
#include "features/showing.h"
#include "features/snapshots.h"
#include "overlay/overlay.h"

BYTE exitRequested;

namespace {

constexpr KeyCombo Key(unsigned key) { return {key, 0}; }
constexpr KeyCombo Ctrl(unsigned key) { return {key, KEY_MOD_CTRL}; }

// Restoring from the tray while the overlay is hidden shows it first, as
// every showing does; what comes back is then the drawing that showing put
// aside or, with none, the last drawing.
void RestoreLast() {
    if (!IsWindowVisible(canvas.hwndOverlay)) (LastDrawingIsLive() ? OpenLiveInk : ShowOverlay)();
    RestoreLastDrawing();
}

// The show/hide hotkey over live ink freezes it.
void ToggleShown() {
    if (!IsWindowVisible(canvas.hwndOverlay))
        ShowOverlay();
    else if (canvas.live)
        FreezeLiveInk();
    else
        HideOverlayAndRestoreFocus();
}

}  // namespace

// In the order of the shortcut list.
const Command commandTable[] = {
    {CMD_HIDE, "hide", "Hide Quillcast", 0, {Key(KEY_ESC)}, HideOverlayAndRestoreFocus},
    {CMD_DOCK_EDGE, "dock-edge", "Dock Top/Bottom", 0, {Key('B')}, ToggleDockEdge},
    {CMD_WHITEBOARD, "whiteboard", "Whiteboard On/Off", 0, {Key('W')}, ToggleWhiteboard},
    {CMD_SAVE_SNAPSHOT, "save-snapshot", "Save Snapshot", 0, {Key(KEY_F1 + 1)}, [] { SaveSnapshot(); }},
    {CMD_LOAD_SNAPSHOT, "load-snapshot", "Load Snapshot", 0, {Key(KEY_F1 + 2)}, LoadSnapshotDialog},
    {CMD_COPY, "copy", "Copy Picture", 0, {Ctrl('C')}, [] { CopySnapshotToClipboard(); }},
    {CMD_RESTORE_LAST_DRAWING, "restore-last-drawing", "Restore Last Drawing", 0, {Ctrl('L')}, RestoreLast},
    {CMD_PEN, "pen", "Pen", 1, {Key('P')}, [] { DockChooseTool(TOOL_PEN); }},
    {CMD_HIGHLIGHTER, "highlighter", "Highlighter", 1, {Key('H')}, [] { DockChooseTool(TOOL_HIGHLIGHTER); }},
    {CMD_RECTANGLE, "rectangle", "Rectangle", 1, {Key('R')}, [] { DockChooseTool(TOOL_RECT); }},
    {CMD_ROUNDED_RECTANGLE,
     "rounded-rectangle",
     "Round Rectangle",
     1,
     {Key('D')},
     [] { DockChooseTool(TOOL_ROUNDRECT); }},
    {CMD_ELLIPSE, "ellipse", "Oval", 1, {Key('O')}, [] { DockChooseTool(TOOL_ELLIPSE); }},
    {CMD_ARROW, "arrow", "Arrow", 1, {Key('A')}, [] { DockChooseTool(TOOL_ARROW); }},
    {CMD_MARK, "mark", "Stamp", 1, {Key('S')}, [] { DockChooseTool(TOOL_MARK); }},
    {CMD_ERASER, "eraser", "Eraser", 1, {Key('E')}, [] { DockChooseTool(TOOL_ERASER); }},
    {CMD_UNDO, "undo", "Undo", 2, {Ctrl('Z')}, UndoStep},
    {CMD_REDO, "redo", "Redo", 2, {Ctrl('Y')}, RedoStep},
    {CMD_ERASE_ALL, "erase-all", "Erase All", 2, {Ctrl('E')}, EraseAll},
    {CMD_FILL, "fill", "Toggle Fill", 2, {Key('F')}, DockToggleFill},
    {CMD_WIDTH_UP, "width-up", "Increase Size", 3, {Key(KEY_UP)}, [] { DockStepWidth(+1); }},
    {CMD_WIDTH_DOWN, "width-down", "Decrease Size", 3, {Key(KEY_DOWN)}, [] { DockStepWidth(-1); }},
    {CMD_OPACITY_UP, "opacity-up", "Increase Opacity", 3, {Key(KEY_RIGHT)}, [] { DockStepOpacity(+1); }},
    {CMD_OPACITY_DOWN, "opacity-down", "Decrease Opacity", 3, {Key(KEY_LEFT)}, [] { DockStepOpacity(-1); }},
    {CMD_SHOW_HIDE, "show-hide", "Show/Hide Quillcast", 4, {}, ToggleShown},
    {CMD_SHOW, "show", "Show Quillcast", 4, {}, ShowOverlay},
    {CMD_LIVE_INK, "live-ink", "Live Ink: Draw/Pointer", 4, {}, LiveInkCommand},
    {CMD_OPTIONS, "options", "Options", 4, {}, ShowOptionsDialog},
    {CMD_EXIT, "exit", "Exit", 4, {}, [] { exitRequested = 1; }},
};
const int COMMAND_TABLE_SIZE = static_cast<int>(sizeof commandTable / sizeof commandTable[0]);
static_assert(sizeof commandTable / sizeof commandTable[0] == CMD_COUNT - 1, "every command has one entry");

const Command* FindCommand(unsigned id) {
    for (const Command& c : commandTable)
        if (c.id == id) return &c;
    return nullptr;
}

void RunCommand(unsigned id) {
    if (const Command* c = FindCommand(id)) c->run();
}

static CommandId CommandForCombo(KeyCombo combo) {
    for (const Command& c : commandTable)
        for (const KeyCombo& k : c.keys)
            if (k.key != 0 && k.key == combo.key && k.mods == combo.mods) return c.id;
    return CMD_NONE;
}

CommandId CommandForKey(unsigned key, bool ctrl) {
    if (ctrl)
        if (const CommandId id = CommandForCombo({key, KEY_MOD_CTRL})) return id;
    return CommandForCombo({key, 0});
}
