// Text conversion at the system's boundary: the program keeps its strings in
// the system's ANSI code page; the wide file and GDI+ functions take UTF-16.
#pragma once

#include <string>

// `text` in UTF-16, of any length.
std::wstring Widen(const std::string& text);

// A path in UTF-16 of any length. Full paths of MAX_PATH characters or more
// get the "\\?\" prefix so that the file functions take them.
std::wstring WidePath(const std::string& path);
std::wstring WithLongPathPrefix(std::wstring path);
