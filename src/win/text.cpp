#include "win/text.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 0, L'\0');
    if (n > 0) MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), n);
    return wide;
}

UINT LegacyCodePage() {
    DWORD page = 0;
    const int got = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                   reinterpret_cast<LPWSTR>(&page), sizeof page / sizeof(WCHAR));
    return got > 0 && page != 0 && page != CP_UTF8 ? page : 1252;  // a language without one reads as Western
}

}  // namespace

std::wstring Widen(std::string_view text) { return ToWide(CP_UTF8, text); }

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::string FromLegacyCodePage(std::string_view text) { return Narrow(ToWide(LegacyCodePage(), text)); }

std::wstring WithLongPathPrefix(std::wstring path) {
    const bool fullDrivePath = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    if (path.size() >= MAX_PATH && fullDrivePath) path.insert(0, L"\\\\?\\");
    return path;
}

std::wstring WidePath(const std::string& path) { return WithLongPathPrefix(Widen(path)); }
