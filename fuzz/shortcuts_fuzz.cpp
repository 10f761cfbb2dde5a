// libFuzzer target for the Shortcuts.dat reader: any bytes leave a table in
// which no two commands share a combination and no system combination is
// held, and that table is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/shortcuts_file.h"

static ShortcutTable Commands() {
    const KeyPair pen{{{'P', 0}}}, undo{{{'Z', KEY_MOD_CTRL}, {KEY_BACKSPACE, KEY_MOD_ALT}}};
    return {{"pen", pen, pen}, {"undo", undo, undo}, {"show-hide", {}, {{{KEY_F1 + 10, KEY_MOD_ALT}}}, true}};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ShortcutTable table = Commands();
    ParseShortcuts(std::string_view(reinterpret_cast<const char*>(data), size), table);
    for (int i = 0; i < static_cast<int>(table.size()); ++i)
        for (const KeyCombo& k : table[i].keys)
            if (ShortcutHolding(table, k, i) >= 0 || SystemCombo(k)) std::abort();
    ShortcutTable again = Commands();
    ParseShortcuts(FormatShortcuts(table), again);
    for (size_t i = 0; i < table.size(); ++i)
        if (again[i].keys != table[i].keys) std::abort();
    return 0;
}
