// UTF-8, the encoding of every string the program keeps and of the files it
// writes. Files written by earlier versions hold text in the system's legacy
// code page; they are recognised line by line. Platform-free.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Whether `text` is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The longest prefix of `text` of at most `limit` bytes that does not end
// inside a character (for well-formed text; a malformed byte counts as one).
size_t Utf8CutPoint(std::string_view text, size_t limit);

// `text` with every line (up to and including its LF) that is not valid
// UTF-8 passed through `fromLegacy`, which converts it from the legacy code
// page. Valid lines, plain ASCII among them, are kept byte for byte.
std::string WithLegacyLinesConverted(std::string_view text,
                                     const std::function<std::string(std::string_view)>& fromLegacy);
