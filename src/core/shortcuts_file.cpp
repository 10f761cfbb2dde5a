// Shortcuts.dat.
//
// A text file with CR LF line ends (LF alone is accepted on reading), one
// line per command whose keys differ from its defaults: the command's name,
// "=", then its keys, for example "pen=Q", "save-now=Ctrl+Shift+S" or
// "undo=Ctrl+Z, Ctrl+Backspace"; an empty value means no key. Names of keys
// and commands are read whatever their case. A line that names no command
// (or a global one, whose keys Settings.dat keeps), holds a key that cannot
// be read or that the system keeps, or gives a combination that another
// command has in the end, is skipped, and that command keeps its defaults; the
// other lines still count. Lines are applied in file order, so a later line
// for the same command wins.
#include "core/shortcuts_file.h"

#include <cctype>

int ShortcutHolding(const ShortcutTable& table, KeyCombo combo, int except) {
    if (combo.key == 0) return -1;
    for (int i = 0; i < static_cast<int>(table.size()); ++i)
        if (i != except && (table[i].keys[0] == combo || table[i].keys[1] == combo)) return i;
    return -1;
}

std::string FormatShortcuts(const ShortcutTable& table) {
    std::string text;
    for (const ShortcutEntry& e : table)
        if (!e.global && e.keys != e.defaults) text += std::string(e.name) + "=" + KeyPairText(e.keys) + "\n";
    return text;
}

static int EntryNamed(const ShortcutTable& table, std::string_view name) {
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const std::string_view n = table[i].name;
        bool same = n.size() == name.size();
        for (size_t k = 0; same && k < n.size(); ++k) same = std::tolower(static_cast<unsigned char>(name[k])) == n[k];
        if (same) return i;
    }
    return -1;
}

// The keys a line gives its command; false for a line that gives none.
static bool ReadShortcutLine(std::string_view line, const ShortcutTable& table, int& entry, KeyPair& keys) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    entry = EntryNamed(table, line.substr(0, eq));
    if (entry < 0 || table[entry].global || !ParseKeyPair(line.substr(eq + 1), keys)) return false;
    return !SystemCombo(keys[0]) && !SystemCombo(keys[1]);
}

static bool Clashes(const ShortcutTable& table, int entry) {
    return ShortcutHolding(table, table[entry].keys[0], entry) >= 0 ||
           ShortcutHolding(table, table[entry].keys[1], entry) >= 0;
}

// Clashes are judged on the whole file, so that keys swapped between two
// commands read back as written, and two lines giving the same combination
// both lose it. Commands whose lines clash go back to their defaults, which
// may clash with another line in turn; defaults never clash among
// themselves, so this ends.
void ParseShortcuts(std::string_view text, ShortcutTable& table) {
    std::vector<bool> fromFile(table.size(), false);
    for (ShortcutEntry& e : table)
        if (!e.global) e.keys = e.defaults;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        int entry = -1;
        KeyPair keys;
        if (ReadShortcutLine(line, table, entry, keys)) {
            table[entry].keys = keys;
            fromFile[entry] = true;
        }
        start = end + 1;
    }
    for (bool changed = true; changed;) {
        std::vector<bool> clashing(table.size(), false);
        for (size_t i = 0; i < table.size(); ++i) clashing[i] = fromFile[i] && Clashes(table, static_cast<int>(i));
        changed = false;
        for (size_t i = 0; i < table.size(); ++i)
            if (clashing[i]) {
                table[i].keys = table[i].defaults;
                fromFile[i] = false;
                changed = true;
            }
    }
}
