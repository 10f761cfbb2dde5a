#include <gtest/gtest.h>

#include <random>

#include "core/shortcuts_file.h"

namespace {

// Five commands as the program has them, and a global hotkey.
ShortcutTable Commands() {
    const KeyPair pen{{{'P', 0}}}, eraser{{{'E', 0}}}, undo{{{'Z', KEY_MOD_CTRL}}}, save{{{'S', KEY_MOD_CTRL}}};
    return {{"pen", pen, pen},    {"eraser", eraser, eraser},
            {"undo", undo, undo}, {"save-now", save, save},
            {"options", {}, {}},  {"show-hide", {}, {{{KEY_F1 + 10, KEY_MOD_ALT}}}, true}};
}

// Every name reads back as its code, written in any case; no other code has
// a name. 26 letters, 10 digits, F1..F24, 19 named keys, Num0..Num9.
TEST(Shortcuts, EveryKeyNameReadsBackAsItsCodeInAnyCase) {
    int names = 0;
    for (unsigned code = 0; code < 256; ++code) {
        const std::string name = KeyName(code);
        if (name.empty()) continue;
        ++names;
        std::string lower = name, upper = name;
        for (char& c : lower) c = static_cast<char>(std::tolower(c));
        for (char& c : upper) c = static_cast<char>(std::toupper(c));
        for (const std::string& text : {name, lower, upper, "Ctrl+Alt+Shift+Win+" + name}) {
            KeyCombo combo;
            ASSERT_TRUE(ParseKeyCombo(text, combo)) << "read " << text;
            EXPECT_EQ(combo.key, code) << "key of " << text;
        }
    }
    EXPECT_EQ(names, 89) << "keys with a name";
}

// Any table without clashes (keys swapped between commands too) is read
// back as written.
TEST(Shortcuts, WrittenTablesReadBackUnchanged) {
    std::mt19937 rng(23);
    auto pick = [&](unsigned lo, unsigned hi) { return std::uniform_int_distribution<unsigned>(lo, hi)(rng); };
    for (int round = 0; round < 300; ++round) {
        ShortcutTable table = Commands();
        for (int i = 0; i < static_cast<int>(table.size()) - 1; ++i)
            for (KeyCombo& k : table[i].keys) {
                const KeyCombo c{pick(0, 2) == 0 ? 0 : "PEZS0"[pick(0, 4)] + 0u, pick(0, 15)};
                k = ShortcutHolding(table, c, i) < 0 && c != table[i].keys[0] && !SystemCombo(c) ? c : KeyCombo{};
            }
        const std::string text = FormatShortcuts(table);
        ShortcutTable read = Commands();
        ParseShortcuts(text, read);
        for (size_t i = 0; i < table.size(); ++i)
            ASSERT_EQ(KeyPairText(read[i].keys), KeyPairText(table[i].keys))
                << table[i].name << " read back from " << text;
    }
}

// Rows: a file, and the file the table it leaves is written as. Names are
// read in any case. A line that cannot count (unknown names, bad
// combinations, clashes) leaves its command's defaults; the others count.
TEST(Shortcuts, OnlyGoodLinesCount) {
    const std::pair<std::string, std::string> rows[] = {
        {"pen=Q\r\n", "pen=Q\n"},
        {"PEN = q\n", "pen=Q\n"},
        {"pen=\n", "pen=\n"},
        {"pen=Q, Ctrl+Q\nundo=\n", "pen=Q, Ctrl+Q\nundo=\n"},
        {"pen=Q\npen=K\n", "pen=K\n"},
        {"pen=E\neraser=P\n", "pen=E\neraser=P\n"},
        {"pen=Ctrl+Z\noptions=F9\n", "options=F9\n"},
        {"pen=Q\neraser=Q\n", ""},
        {"pen=Alt+F11\nshow-hide=Q\n", ""},
        {"pen=Alt+Tab\neraser=Alt+F4\n", ""},
        {"pen=Q,Q\neraser=A,B,C\nundo=Ctrl+Y,\n", ""},
        {"nosuch=Q\npen\n=Q\n", ""},
        {"pen=Ctrl+Ctrl+A\neraser=Ctrl\nundo=A+Ctrl\noptions=Ctrl+\n", ""},
        {"pen=F25\neraser=F01\nundo=Num10\noptions=AB\n", ""},
        {"pen=" + std::string(10000, 'Q') + "\n", ""},
        {std::string("pen=Q\0\xff\neraser=\xe9\n", 17), ""}};
    for (const auto& [file, written] : rows) {
        ShortcutTable table = Commands();
        ParseShortcuts(file, table);
        EXPECT_EQ(FormatShortcuts(table), written) << "keys read from " << file.substr(0, 40);
    }
}

}  // namespace
