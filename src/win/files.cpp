#include "win/files.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "core/utf8.h"
#include "win/text.h"

// Shared for deleting too: a file being read may be replaced meanwhile (the
// writer's thread replaces the last drawing's files), and the reader keeps
// the contents it opened.
bool ReadWholeFile(const std::string& path, std::string& data) {
    HANDLE f = CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    data.clear();
    char chunk[16384];
    DWORD got = 0;
    bool ok;
    while ((ok = ReadFile(f, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0) data.append(chunk, got);
    CloseHandle(f);
    return ok;
}

std::wstring CreateTempFileBeside(const std::wstring& target) {
    static std::atomic<unsigned> counter{0};  // the writer thread makes temp files too
    for (int attempt = 0; attempt < 50; ++attempt) {
        wchar_t suffix[64];
        swprintf(suffix, 64, L".%lx-%lx-%x.qc-new", GetCurrentProcessId(), GetTickCount(), ++counter);
        const std::wstring temp = WithLongPathPrefix(target + suffix);
        HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            CloseHandle(f);
            return temp;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return {};
}

// Another program (a virus scanner, a viewer) may hold the old file open for
// a moment without letting it be replaced: the replacement is tried again
// a few times before it counts as failed.
static bool MoveReplacing(const std::wstring& from, const std::wstring& to) {
    constexpr int TRIES = 10;
    constexpr DWORD PAUSE_MS = 20;
    for (int i = 0; i < TRIES; ++i) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) return false;
        Sleep(PAUSE_MS);
    }
    return false;
}

bool ReplaceFileThroughTemp(const std::wstring& target, const std::function<bool(const std::wstring& temp)>& write) {
    const std::wstring temp = CreateTempFileBeside(target);
    if (temp.empty()) return false;
    bool ok = write(temp);
    if (ok) ok = MoveReplacing(temp, target);
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

static bool WriteWholeFile(const std::wstring& path, const std::string& data) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
    ok = FlushFileBuffers(f) && ok;
    return CloseHandle(f) && ok;
}

bool WriteFileReplacing(const std::string& path, const std::string& data) {
    return ReplaceFileThroughTemp(WidePath(path), [&](const std::wstring& temp) { return WriteWholeFile(temp, data); });
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

int64_t FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool ReadStoredText(const std::string& path, std::string& text) {
    std::string data;
    if (!ReadWholeFile(path, data)) return false;
    text = WithLegacyLinesConverted(data, FromLegacyCodePage);
    return true;
}
