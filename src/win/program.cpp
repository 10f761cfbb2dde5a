#include "win/program.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "win/text.h"

HINSTANCE hInst;
std::string exeDir, dataDir, snapshotDir, settingsPath, historyPath;

static std::string FolderPath(int csidl) {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return Narrow(path);
}

void BuildPaths() {
    std::vector<wchar_t> module(MAX_PATH);
    for (;;) {  // a module path may be longer than MAX_PATH
        const DWORD n = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (n < module.size()) break;
        module.resize(module.size() * 2);
    }
    std::vector<wchar_t> longPath(module.size() + MAX_PATH);
    if (!GetLongPathNameW(module.data(), longPath.data(), static_cast<DWORD>(longPath.size())))
        std::copy(module.begin(), module.end(), longPath.begin());
    PathRemoveFileSpecW(longPath.data());
    exeDir = Narrow(longPath.data());
    dataDir = FolderPath(CSIDL_APPDATA) + "\\Quillcast\\";
    snapshotDir = FolderPath(CSIDL_PERSONAL) + "\\Quillcast Snapshots\\";
    settingsPath = dataDir + "Settings.dat";
    historyPath = dataDir + "History.dat";
}
