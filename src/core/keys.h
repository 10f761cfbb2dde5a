// Names and virtual-key codes of keys: those offered for the show/hide
// hotkey, and key combinations as the shortcut lists show them and
// Shortcuts.dat stores them. Platform-free; the codes are the system's
// virtual-key codes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int KEY_LIST_SIZE = 38;  // "F1".."F12", then "A".."Z"

// The name of item i (0..37) of the hotkey key list, in list order.
std::string KeyListName(int i);

// "A".."Z" (any one-character name) give the character's code, "F1".."F13"
// give 112..124. An empty or unknown name gives 0, which no hotkey uses.
int32_t KeyNameToCode(std::string_view name);

// Writes "A".."Z" for 65..90 and "F1".."F12" for 112..123 into name and
// returns true; any other code leaves name unchanged and returns false.
bool KeyCodeToName(int32_t code, std::string& name);

// A key with the modifiers that must be held with it; key 0 is no key.
constexpr unsigned KEY_MOD_CTRL = 1, KEY_MOD_ALT = 2, KEY_MOD_SHIFT = 4, KEY_MOD_WIN = 8;
struct KeyCombo {
    unsigned key = 0;
    unsigned mods = 0;
    bool operator==(const KeyCombo&) const = default;
};
// A command's keys: up to two combinations, the unused ones key 0.
using KeyPair = std::array<KeyCombo, 2>;

constexpr unsigned KEY_BACKSPACE = 0x08, KEY_TAB = 0x09, KEY_ENTER = 0x0D, KEY_ESC = 0x1B, KEY_SPACE = 0x20;
constexpr unsigned KEY_LEFT = 0x25, KEY_UP = 0x26, KEY_RIGHT = 0x27, KEY_DOWN = 0x28, KEY_DELETE = 0x2E;
constexpr unsigned KEY_F1 = 0x70, KEY_F4 = 0x73;
constexpr unsigned KEY_PLUS = 0xBB, KEY_MINUS = 0xBD, KEY_NUM_PLUS = 0x6B, KEY_NUM_MINUS = 0x6D;

// The name of a key alone: "A", "F2", "Esc", "PageUp", "NumPlus"; empty for
// a code without a name.
std::string KeyName(unsigned key);

// "Ctrl+E", "Ctrl+Shift+S", "Esc", "Up": the combination as the lists show
// it and Shortcuts.dat stores it, modifiers in the order Ctrl, Alt, Shift,
// Win; empty for no key.
std::string KeyComboText(KeyCombo combo);

// Reads "ctrl+shift+s" and the like: modifiers, each once, then one key
// name, joined by "+", case not counting, blanks around the parts allowed.
// False for anything else.
bool ParseKeyCombo(std::string_view text, KeyCombo& combo);

// "Ctrl+Z, Ctrl+Backspace": the used combinations joined by ", ".
std::string KeyPairText(const KeyPair& keys);

// Reads one or two combinations separated by ","; an empty (or blank) text
// is no key. False for a bad combination, more than two, or one given twice.
bool ParseKeyPair(std::string_view text, KeyPair& keys);

// Combinations the system keeps for itself (switching and closing
// windows): they never reach a program, so no command may have them.
bool SystemCombo(KeyCombo combo);
