#include "win/program.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

HINSTANCE hInst;
std::string exeDir, dataDir, snapshotDir, settingsPath, historyPath;

static std::string FolderPath(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

void BuildPaths() {
    std::vector<char> module(MAX_PATH);
    for (;;) {  // a module path may be longer than MAX_PATH
        const DWORD n = GetModuleFileNameA(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (n < module.size()) break;
        module.resize(module.size() * 2);
    }
    std::vector<char> longPath(module.size() + MAX_PATH);
    if (!GetLongPathNameA(module.data(), longPath.data(), static_cast<DWORD>(longPath.size())))
        std::copy(module.begin(), module.end(), longPath.begin());
    PathRemoveFileSpecA(longPath.data());
    exeDir = longPath.data();
    dataDir = FolderPath(CSIDL_APPDATA) + "\\Quillcast\\";
    snapshotDir = FolderPath(CSIDL_PERSONAL) + "\\Quillcast Snapshots\\";
    settingsPath = dataDir + "Settings.dat";
    historyPath = dataDir + "History.dat";
}
