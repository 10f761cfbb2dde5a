// The installer's helper. The Windows Installer package carries it in its
// Binary table and runs it; it is never installed. Two jobs:
//
//   quillcast-setup close <folder>
//       A Quillcast started from <folder> is asked to end the way its tray
//       menu's Exit ends it: its overlay window gets WM_CLOSE, so it saves
//       Settings.dat and History.dat. The helper waits for the process to
//       end; exit code 1 when it did not end in time, so that the installer
//       stops before it has changed a file instead of leaving a program
//       half-replaced or half-removed. A copy run from another folder (the
//       portable zip) is left alone.
//
//   quillcast-setup forget-autostart machine|user <folder>
//       Deletes the start-with-Windows value "Quillcast" from the Run key of
//       HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER when it starts the exe in
//       <folder>. Exit code 0 whether or not there was a value.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

static const wchar_t* const OVERLAY_CLASS = L"ClassIsTheAnnot";
static const wchar_t* const RUN_KEY = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
static const wchar_t* const RUN_VALUE_NAME = L"Quillcast";
constexpr DWORD CLOSE_TIMEOUT_MS = 20000;

// True when <path> lies inside <folder> (with or without its trailing
// backslash), compared as Windows compares file names.
static bool InsideFolder(const std::wstring& path, std::wstring folder) {
    if (folder.empty()) return false;
    if (folder.back() != L'\\') folder += L'\\';
    return path.size() > folder.size() && _wcsnicmp(path.c_str(), folder.c_str(), folder.size()) == 0;
}

static int CloseRunningCopy(const std::wstring& folder) {
    const HWND overlay = FindWindowW(OVERLAY_CLASS, nullptr);
    if (!overlay) return 0;
    DWORD pid = 0;
    GetWindowThreadProcessId(overlay, &pid);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return 1;
    wchar_t image[MAX_PATH * 2] = L"";
    DWORD length = MAX_PATH * 2;
    int result = 0;
    if (QueryFullProcessImageNameW(process, 0, image, &length) && InsideFolder(image, folder)) {
        PostMessageW(overlay, WM_CLOSE, 0, 0);
        result = WaitForSingleObject(process, CLOSE_TIMEOUT_MS) == WAIT_OBJECT_0 ? 0 : 1;
    }
    CloseHandle(process);
    return result;
}

static int ForgetAutostart(const std::wstring& scope, const std::wstring& folder) {
    const HKEY root = scope == L"machine" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, RUN_KEY, 0, KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return 0;
    wchar_t command[MAX_PATH * 2] = L"";
    DWORD size = sizeof command - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, RUN_VALUE_NAME, nullptr, &type, reinterpret_cast<BYTE*>(command), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ && InsideFolder(command, folder))
        RegDeleteValueW(key, RUN_VALUE_NAME);
    RegCloseKey(key);
    return 0;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return 2;
    int result = 2;
    if (argc == 3 && std::wcscmp(argv[1], L"close") == 0) result = CloseRunningCopy(argv[2]);
    if (argc == 4 && std::wcscmp(argv[1], L"forget-autostart") == 0) result = ForgetAutostart(argv[2], argv[3]);
    LocalFree(argv);
    return result;
}
