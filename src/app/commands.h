// The command table: every user action once, with its name, the text the
// shortcut lists show for it, its default keys and the function that
// carries it out; and the keys the user has given each command. The dock,
// the tray menu, the keys and the global hotkeys all run actions through
// RunCommand.
#pragma once

#include <windows.h>

#include "core/commands.h"
#include "core/keys.h"
#include "core/shortcuts_file.h"
#include "features/options_dialog.h"

struct Command {
    CommandId id;
    const char* name;  // stable, lower case: "pen", "erase-all", ...; Shortcuts.dat's name
    const char* text;  // as the shortcut lists show it
    int group;         // rows of one group stand together in the shortcut list
    KeyPair defaults;  // its keys on the overlay until the user changes them; key 0: none
    void (*run)();
    const GlobalHotkey* hotkey = nullptr;  // a system-wide hotkey: its keys are kept in Settings.dat
};

extern const Command commandTable[];
extern const int COMMAND_TABLE_SIZE;

// The keys in force, one entry per row of commandTable, in its order; a
// global hotkey's entry shows what its options hold.
extern ShortcutTable shortcutKeys;

// Reads Shortcuts.dat (every command that is not global back to its
// defaults first; a file that cannot be read leaves them so).
void LoadShortcuts();
// Writes the keys that differ from the defaults to Shortcuts.dat, replacing
// it as a whole; false (and the user told) when it cannot be written.
bool SaveShortcuts();
// Shows the global hotkeys' options in their entries.
void RefreshGlobalKeys();

// Gives row `row` of the table the combination (no key: none) as its only
// keys, registering a global one, and saves. Refused, with the user told
// why, when another command has it or the system keeps it: false.
bool AssignShortcut(int row, KeyCombo combo);
// Every command back to its defaults, the global hotkeys too.
void ResetShortcuts();

// The entry of `id`; null for an id that is no command.
const Command* FindCommand(unsigned id);

// Carries out command `id`; an id that is no command (CMD_NONE, say) does
// nothing.
void RunCommand(unsigned id);

// The command a key pressed on the overlay with modifiers `mods` (KEY_MOD_*)
// runs: the combination as pressed first; without Alt, then the key with
// Ctrl alone (Shift and Win not looked at), then the key alone, whose command
// acts whatever else is held. Global hotkeys act only as such. CMD_NONE for
// a key without one.
CommandId CommandForKey(unsigned key, unsigned mods);

// Set by the exit command; the message loop then saves and ends.
extern BYTE exitRequested;
