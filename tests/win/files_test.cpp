#include <gtest/gtest.h>

#include <set>

#include "app/app.h"
#include "settings/settings_win.h"
#include "snapshot_helpers.h"

using namespace snaptest;

namespace {

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Files of the user's that look like a temporary file of the program's are
// never written or removed, whether the save succeeds or fails; and a failed
// save leaves no file of its own behind.
TEST(AtomicWrites, NeverTouchAFileTheProgramDidNotCreate) {
    StartProgramOnce();
    const std::string folder = TestFolder() + "atomic\\", saved = settingsPath;
    CreateDirectoryA(folder.c_str(), nullptr);
    settingsPath = folder + "Settings.dat";
    const std::string targets[] = {settingsPath, folder + "shot.png"};
    for (const std::string& target : targets)
        for (const char* suffix : {"", ".tmp", ".qc-new", "~"}) WriteFileBytes(target + suffix, "the user's");
    const std::set<std::string> before = Listing(folder);
    EXPECT_TRUE(SaveSettings());
    EXPECT_TRUE(SaveSnapshotTo(targets[1]));
    EXPECT_EQ(Listing(folder), before);
    for (const std::string& target : targets) {
        HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_FALSE(target == settingsPath ? SaveSettings() : SaveSnapshotTo(target));
        CloseHandle(lock);
    }
    EXPECT_EQ(Listing(folder), before);
    for (const std::string& name : before)
        EXPECT_TRUE(name[0] == '.' || name == "Settings.dat" || name == "shot.png" ||
                    ReadFileBytes(folder + name) == "the user's") << name;
    settingsPath = saved;
}

}  // namespace
