// The command table and the one place that carries commands out.
#include "app/commands.h"

#include "canvas/canvas.h"
#include "core/options.h"
#include "core/text_file.h"
#include "dock/dock.h"
#include "features/last_drawing.h"
#include "features/options_dialog.h"
#include "features/settings.h"
#include "features/showing.h"
#include "features/snapshots.h"
#include "overlay/overlay.h"
#include "win/files.h"
#include "win/message.h"
#include "win/program.h"

BYTE exitRequested;

namespace {

constexpr KeyCombo Key(unsigned key) { return {key, 0}; }
constexpr KeyCombo Ctrl(unsigned key) { return {key, KEY_MOD_CTRL}; }

// Restoring from the tray while the overlay is hidden shows it first, as
// every showing does; what comes back is then the drawing that showing put
// aside or, with none, the last drawing.
void RestoreLast() {
    if (!OverlayShown()) (LastDrawingIsLive() ? OpenLiveInk : ShowOverlay)();
    RestoreLastDrawing();
}

// The show/hide hotkey over live ink freezes it.
void ToggleShown() {
    if (!OverlayShown())
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
    {CMD_SAVE_NOW, "save-now", "Save Snapshot Now", 0, {Ctrl('S')}, [] { SaveSnapshotNow(); }},
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
    {CMD_LASER, "laser", "Laser Pointer", 1, {Key('L')}, ChooseLaser},
    {CMD_UNDO, "undo", "Undo", 2, {Ctrl('Z')}, UndoStep},
    {CMD_REDO, "redo", "Redo", 2, {Ctrl('Y')}, RedoStep},
    {CMD_ERASE_ALL, "erase-all", "Erase All", 2, {Ctrl('E')}, EraseAll},
    {CMD_FILL, "fill", "Toggle Fill", 2, {Key('F')}, DockToggleFill},
    {CMD_WIDTH_UP, "width-up", "Increase Size", 3, {Key(KEY_UP)}, [] { DockStepWidth(+1); }},
    {CMD_WIDTH_DOWN, "width-down", "Decrease Size", 3, {Key(KEY_DOWN)}, [] { DockStepWidth(-1); }},
    {CMD_OPACITY_UP, "opacity-up", "Increase Opacity", 3, {Key(KEY_RIGHT)}, [] { DockStepOpacity(+1); }},
    {CMD_OPACITY_DOWN, "opacity-down", "Decrease Opacity", 3, {Key(KEY_LEFT)}, [] { DockStepOpacity(-1); }},
    {CMD_SHOW_HIDE, "show-hide", "Show/Hide Quillcast", 4, {}, ToggleShown, &showHideHotkey},
    {CMD_SHOW, "show", "Show Quillcast", 4, {}, ShowOverlay},
    {CMD_LIVE_INK, "live-ink", "Live Ink: Draw/Pointer", 4, {}, LiveInkCommand, &liveInkHotkey},
    {CMD_OPTIONS, "options", "Options", 4, {}, ShowOptionsDialog},
    {CMD_EXIT, "exit", "Exit", 4, {}, [] { exitRequested = 1; }},
    {CMD_ZOOM_IN, "zoom-in", "Zoom In", 5, {Ctrl(KEY_PLUS), Ctrl(KEY_NUM_PLUS)}, ZoomIn},
    {CMD_ZOOM_OUT, "zoom-out", "Zoom Out", 5, {Ctrl(KEY_MINUS), Ctrl(KEY_NUM_MINUS)}, ZoomOut},
    {CMD_ZOOM_RESET, "zoom-reset", "Zoom to 1x", 5, {Ctrl('0')}, ZoomToWholePicture},
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

ShortcutTable shortcutKeys = [] {
    ShortcutTable table;
    for (const Command& c : commandTable) table.push_back({c.name, c.defaults, c.defaults, c.hotkey != nullptr});
    return table;
}();

static const char* const SHORTCUTS_FILE = "Shortcuts.dat";
static const char* const TITLE_SHORTCUTS = "Quillcast";

void RefreshGlobalKeys() {
    for (int i = 0; i < COMMAND_TABLE_SIZE; ++i)
        if (commandTable[i].hotkey) shortcutKeys[i].keys = {HotkeyCombo(*commandTable[i].hotkey)};
}

void LoadShortcuts() {
    RefreshGlobalKeys();
    std::string text;
    ReadStoredText(dataDir + SHORTCUTS_FILE, text);
    ParseShortcuts(text, shortcutKeys);
}

bool SaveShortcuts() {
    if (WriteFileReplacing(dataDir + SHORTCUTS_FILE, WithCrLf(FormatShortcuts(shortcutKeys)))) return true;
    ShowUserMessage("Could not write the shortcuts file.", TITLE_SHORTCUTS);
    return false;
}

// Why the combination cannot be the row's; empty when it can.
static std::string Refusal(int row, KeyCombo combo) {
    RefreshGlobalKeys();
    const std::string keys = KeyComboText(combo);
    if (SystemCombo(combo)) return keys + " belongs to Windows.";
    const int holder = ShortcutHolding(shortcutKeys, combo, row);
    if (holder >= 0) return keys + " is already used by " + commandTable[holder].text + ".";
    if (commandTable[row].hotkey && combo.key != 0 && !HotkeyCanHold(combo))
        return "A global shortcut is Ctrl, Alt or both with a letter or F1 to F12.";
    return {};
}

bool AssignShortcut(int row, KeyCombo combo) {
    if (row < 0 || row >= COMMAND_TABLE_SIZE) return false;
    const std::string refusal = Refusal(row, combo);
    if (!refusal.empty()) {
        ShowUserMessage(refusal.c_str(), TITLE_SHORTCUTS);
        return false;
    }
    if (const GlobalHotkey* hotkey = commandTable[row].hotkey) {
        if (!ChangeHotkey(*hotkey, combo)) return false;
        RefreshGlobalKeys();
        return true;
    }
    shortcutKeys[row].keys = {combo};
    SaveShortcuts();
    return true;
}

// The global hotkeys' defaults are the option table's.
void ResetShortcuts() {
    for (ShortcutEntry& e : shortcutKeys)
        if (!e.global) e.keys = e.defaults;
    for (int i = 0; i < COMMAND_TABLE_SIZE; ++i)
        if (const GlobalHotkey* hotkey = commandTable[i].hotkey) ChangeHotkey(*hotkey, DefaultHotkeyCombo(*hotkey));
    RefreshGlobalKeys();
    SaveShortcuts();
}

static CommandId CommandForCombo(KeyCombo combo) {
    const int row = ShortcutHolding(shortcutKeys, combo, -1);
    return row >= 0 && !shortcutKeys[row].global ? commandTable[row].id : CMD_NONE;
}

CommandId CommandForKey(unsigned key, unsigned mods) {
    if (const CommandId id = CommandForCombo({key, mods})) return id;
    if (mods & KEY_MOD_ALT) return CMD_NONE;
    if (mods & KEY_MOD_CTRL)
        if (const CommandId id = CommandForCombo({key, KEY_MOD_CTRL})) return id;
    return CommandForCombo({key, 0});
}
