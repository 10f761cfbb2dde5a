// The keys of every command as the user has them, and Shortcuts.dat, which
// keeps those that differ from the defaults. Platform-free: the commands
// are known here by their names only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/keys.h"

// One command as the shortcut lists know it.
struct ShortcutEntry {
    std::string_view name;  // as Shortcuts.dat names it: "pen", "save-now", ...
    KeyPair defaults;
    KeyPair keys;         // in force now
    bool global = false;  // a system-wide hotkey: its keys live in Settings.dat
};
using ShortcutTable = std::vector<ShortcutEntry>;

// The entry other than `except` that has `combo` among its keys; -1 when
// none has (or combo is no key).
int ShortcutHolding(const ShortcutTable& table, KeyCombo combo, int except);

// Shortcuts.dat as text, "\n" line ends: one "name=keys" line per command
// that is not global and whose keys differ from its defaults, in table
// order.
std::string FormatShortcuts(const ShortcutTable& table);

// Gives every command that is not global its defaults, then applies the
// text of a Shortcuts.dat file to them.
void ParseShortcuts(std::string_view text, ShortcutTable& table);
