#include "core/utf8.h"

namespace {

// The length of the well-formed character at `text[i]`, or 0 if none starts there.
size_t CharLength(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong three-byte forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // no overlong four-byte forms
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t n = CharLength(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

size_t Utf8CutPoint(std::string_view text, size_t limit) {
    size_t i = 0;
    while (i < text.size()) {
        const size_t n = CharLength(text, i);
        const size_t step = n == 0 ? 1 : n;
        if (i + step > limit) break;
        i += step;
    }
    return i;
}

std::string WithLegacyLinesConverted(std::string_view text,
                                     const std::function<std::string(std::string_view)>& fromLegacy) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
        if (IsValidUtf8(line))
            out += line;
        else
            out += fromLegacy(line);
        text.remove_prefix(line.size());
    }
    return out;
}
