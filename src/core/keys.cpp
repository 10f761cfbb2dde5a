#include "core/keys.h"

#include <cctype>

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

namespace {

constexpr unsigned KEY_NUM0 = 0x60, KEY_F24 = 0x87;

struct NamedKey {
    const char* name;
    unsigned key;
};
// The keys with a name of more than one character, other than F1..F24 and
// Num0..Num9.
constexpr NamedKey namedKeys[] = {
    {"Esc", KEY_ESC},       {"Tab", KEY_TAB}, {"Space", KEY_SPACE}, {"Enter", KEY_ENTER}, {"Backspace", KEY_BACKSPACE},
    {"Delete", KEY_DELETE}, {"Insert", 0x2D}, {"Home", 0x24},       {"End", 0x23},        {"PageUp", 0x21},
    {"PageDown", 0x22},     {"Up", KEY_UP},   {"Down", KEY_DOWN},   {"Left", KEY_LEFT},   {"Right", KEY_RIGHT},
    {"Plus", 0xBB},         {"Minus", 0xBD},  {"NumPlus", 0x6B},    {"NumMinus", 0x6D},
};
constexpr NamedKey modifiers[] = {
    {"Ctrl", KEY_MOD_CTRL}, {"Alt", KEY_MOD_ALT}, {"Shift", KEY_MOD_SHIFT}, {"Win", KEY_MOD_WIN}};

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The number after `prefix` when it lies in lo..hi, written without a
// leading zero; else -1.
int NumberAfter(std::string_view name, std::string_view prefix, int lo, int hi) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 2) return -1;
    if (!SameName(name.substr(0, prefix.size()), prefix)) return -1;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 1 && digits[0] == '0') return -1;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number >= lo && number <= hi ? number : -1;
}

// The code of a key name, 0 for none.
unsigned KeyCode(std::string_view name) {
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? static_cast<unsigned>(c) : 0;
    }
    for (const NamedKey& k : namedKeys)
        if (SameName(name, k.name)) return k.key;
    if (const int f = NumberAfter(name, "F", 1, 24); f > 0) return KEY_F1 + static_cast<unsigned>(f) - 1;
    if (const int n = NumberAfter(name, "Num", 0, 9); n >= 0) return KEY_NUM0 + static_cast<unsigned>(n);
    return 0;
}

}  // namespace

std::string KeyName(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= KEY_F1 && key <= KEY_F24) return "F" + std::to_string(key - KEY_F1 + 1);
    if (key >= KEY_NUM0 && key <= KEY_NUM0 + 9) return "Num" + std::to_string(key - KEY_NUM0);
    for (const NamedKey& k : namedKeys)
        if (k.key == key) return k.name;
    return {};
}

std::string KeyComboText(KeyCombo combo) {
    if (combo.key == 0) return {};
    std::string text;
    for (const NamedKey& m : modifiers)
        if (combo.mods & m.key) text += std::string(m.name) + "+";
    const std::string name = KeyName(combo.key);
    return text + (name.empty() ? "Key " + std::to_string(combo.key) : name);
}

bool ParseKeyCombo(std::string_view text, KeyCombo& combo) {
    KeyCombo read;
    for (;;) {
        const size_t plus = text.find('+');
        const std::string_view part = Trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            read.key = KeyCode(part);
            if (read.key == 0) return false;
            combo = read;
            return true;
        }
        unsigned mod = 0;
        for (const NamedKey& m : modifiers)
            if (SameName(part, m.name)) mod = m.key;
        if (mod == 0 || (read.mods & mod)) return false;
        read.mods |= mod;
        text.remove_prefix(plus + 1);
    }
}

std::string KeyPairText(const KeyPair& keys) {
    std::string text;
    for (const KeyCombo& k : keys) {
        if (k.key == 0) continue;
        if (!text.empty()) text += ", ";
        text += KeyComboText(k);
    }
    return text;
}

bool ParseKeyPair(std::string_view text, KeyPair& keys) {
    KeyPair read{};
    if (Trimmed(text).empty()) {
        keys = read;
        return true;
    }
    for (size_t n = 0;; ++n) {
        const size_t comma = text.find(',');
        if (n == read.size() || !ParseKeyCombo(text.substr(0, comma), read[n])) return false;
        if (n > 0 && read[n] == read[0]) return false;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    keys = read;
    return true;
}

bool SystemCombo(KeyCombo combo) {
    return combo.mods == KEY_MOD_ALT && (combo.key == KEY_TAB || combo.key == KEY_F4 || combo.key == KEY_ESC);
}
