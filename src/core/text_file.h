// Text files as the program stores them.
#pragma once

#include <string>

// Text in the form stored on disk: CR LF line ends.
inline std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}
