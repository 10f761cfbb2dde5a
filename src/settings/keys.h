// Names and virtual-key codes of the keys offered for the show/hide hotkey.
// Platform-free.
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
