#include "win/text.h"

#include <windows.h>

std::wstring Widen(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

std::wstring WithLongPathPrefix(std::wstring path) {
    const bool fullDrivePath = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    if (path.size() >= MAX_PATH && fullDrivePath) path.insert(0, L"\\\\?\\");
    return path;
}

std::wstring WidePath(const std::string& path) { return WithLongPathPrefix(Widen(path)); }
