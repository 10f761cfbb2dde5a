// The ids of every user action. The dock's buttons and menus, the tray
// menu, the keys and the global hotkey all name actions by these ids, and
// one table (of the program's top floor) says what each one does. Menu item
// ids are these ids too, so no two menus share an id for different actions.
#pragma once

enum CommandId : unsigned {
    CMD_NONE = 0,
    // Tool choices: the id is the tool's value.
    CMD_PEN = 1,
    CMD_HIGHLIGHTER,
    CMD_RECTANGLE,
    CMD_ROUNDED_RECTANGLE,
    CMD_ELLIPSE,
    CMD_ARROW,
    CMD_MARK,
    CMD_ERASER,
    CMD_UNDO,
    CMD_REDO,
    CMD_ERASE_ALL,
    CMD_WHITEBOARD,
    CMD_DOCK_EDGE,
    CMD_FILL,
    CMD_WIDTH_UP,
    CMD_WIDTH_DOWN,
    CMD_OPACITY_UP,
    CMD_OPACITY_DOWN,
    CMD_SAVE_SNAPSHOT,
    CMD_LOAD_SNAPSHOT,
    CMD_COPY,
    CMD_RESTORE_LAST_DRAWING,
    CMD_OPTIONS,
    CMD_SHOW,
    CMD_HIDE,
    CMD_SHOW_HIDE,
    CMD_EXIT,
    CMD_LIVE_INK,
    CMD_SAVE_NOW,
    CMD_LASER,
    CMD_ZOOM_IN,
    CMD_ZOOM_OUT,
    CMD_ZOOM_RESET,
    CMD_COUNT
};

// Menu items that are no action: the snapshot menu's empty age groups take
// HISTORY_GROUP_ITEM_BASE + group, and the history entries count up from
// HISTORY_FIRST_ITEM_ID. Both lie above every command id.
constexpr unsigned HISTORY_GROUP_ITEM_BASE = 40;
constexpr unsigned HISTORY_FIRST_ITEM_ID = 50;
static_assert(CMD_COUNT <= HISTORY_GROUP_ITEM_BASE, "command ids must stay below the history menu's ids");
