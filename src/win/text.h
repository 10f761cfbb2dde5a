// Text conversion at the system's boundary. The program keeps its strings in
// UTF-8, which is also the process's ANSI code page (the manifest asks for
// it); the wide file, GDI and GDI+ functions take UTF-16.
#pragma once

#include <string>
#include <string_view>

// `text` (UTF-8) in UTF-16, of any length.
std::wstring Widen(std::string_view text);

// `text` (UTF-16) in UTF-8, of any length.
std::string Narrow(std::wstring_view text);

// `text` read in the legacy code page of the user's language (the one files
// of earlier versions were written in), as UTF-8.
std::string FromLegacyCodePage(std::string_view text);

// A path in UTF-16 of any length. Full paths of MAX_PATH characters or more
// get the "\\?\" prefix so that the file functions take them.
std::wstring WidePath(const std::string& path);
std::wstring WithLongPathPrefix(std::wstring path);
