// Names and virtual-key codes of keys: those offered for the show/hide
// hotkey, and key combinations as the shortcut list shows them.
// Platform-free; the codes are the system's virtual-key codes.
#pragma once

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
constexpr unsigned KEY_MOD_CTRL = 1;
struct KeyCombo {
    unsigned key = 0;
    unsigned mods = 0;
};

constexpr unsigned KEY_BACKSPACE = 0x08, KEY_TAB = 0x09, KEY_ENTER = 0x0D, KEY_ESC = 0x1B, KEY_SPACE = 0x20;
constexpr unsigned KEY_LEFT = 0x25, KEY_UP = 0x26, KEY_RIGHT = 0x27, KEY_DOWN = 0x28, KEY_F1 = 0x70;

// "Ctrl+E", "Esc", "F2", "Up": the combination as the shortcut list shows
// it; empty for no key.
std::string KeyComboText(KeyCombo combo);
