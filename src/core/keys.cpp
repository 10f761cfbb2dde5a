#include "core/keys.h"

constexpr int32_t VK_F1_CODE = 112;
constexpr int FUNCTION_KEYS_LISTED = 12;

std::string KeyListName(int i) {
    if (i < 0 || i >= KEY_LIST_SIZE) return {};
    if (i < FUNCTION_KEYS_LISTED) return "F" + std::to_string(i + 1);
    return std::string(1, static_cast<char>('A' + i - FUNCTION_KEYS_LISTED));
}

int32_t KeyNameToCode(std::string_view name) {
    if (name.size() == 1) return static_cast<unsigned char>(name[0]);
    if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return 0;
    int number = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    if (name[1] == '0' || number < 1 || number > 13) return 0;
    return VK_F1_CODE + number - 1;
}

bool KeyCodeToName(int32_t code, std::string& name) {
    if (code >= 'A' && code <= 'Z') {
        name.assign(1, static_cast<char>(code));
        return true;
    }
    if (code >= VK_F1_CODE && code < VK_F1_CODE + FUNCTION_KEYS_LISTED) {
        name = "F" + std::to_string(code - VK_F1_CODE + 1);
        return true;
    }
    return false;
}

static std::string KeyText(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= KEY_F1 && key < KEY_F1 + 24) return "F" + std::to_string(key - KEY_F1 + 1);
    switch (key) {
    case KEY_BACKSPACE:
        return "Backspace";
    case KEY_TAB:
        return "Tab";
    case KEY_ENTER:
        return "Enter";
    case KEY_ESC:
        return "Esc";
    case KEY_SPACE:
        return "Space";
    case KEY_LEFT:
        return "Left";
    case KEY_UP:
        return "Up";
    case KEY_RIGHT:
        return "Right";
    case KEY_DOWN:
        return "Down";
    default:
        return "Key " + std::to_string(key);
    }
}

std::string KeyComboText(KeyCombo combo) {
    if (combo.key == 0) return {};
    return ((combo.mods & KEY_MOD_CTRL) ? "Ctrl+" : "") + KeyText(combo.key);
}
