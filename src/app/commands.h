// The command table: every user action once, with its name, the text the
// shortcut list shows for it, its keys and the function that carries it
// out. The dock, the tray menu, the keys and the global hotkey all run
// actions through RunCommand.
#pragma once

#include <windows.h>

#include "core/commands.h"
#include "core/keys.h"

struct Command {
    CommandId id;
    const char* name;  // stable, lower case: "pen", "erase-all", ...
    const char* text;  // as the shortcut list shows it
    int group;         // rows of one group stand together in the shortcut list
    KeyCombo keys[2];  // its keys on the overlay; key 0: none
    void (*run)();
};

extern const Command commandTable[];
extern const int COMMAND_TABLE_SIZE;

// The entry of `id`; null for an id that is no command.
const Command* FindCommand(unsigned id);

// Carries out command `id`; an id that is no command (CMD_NONE, say) does
// nothing.
void RunCommand(unsigned id);

// The command a key pressed on the overlay runs: a combination with Ctrl
// first, then the key alone, whose command acts whether Ctrl is held or
// not. Shift and Alt are not looked at. CMD_NONE for a key without one.
CommandId CommandForKey(unsigned key, bool ctrl);

// Set by the exit command; the message loop then saves and ends.
extern BYTE exitRequested;
