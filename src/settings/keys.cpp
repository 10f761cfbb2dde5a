#include "settings/keys.h"

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
