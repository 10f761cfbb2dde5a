#include <filesystem>
#include <set>

#include "snapshot_helpers.h"

namespace {

using Names = std::set<std::filesystem::path>;
using AtomicWrites = ProgramTest;

// Files of the user's named like a temporary file of the program's are never
// written or removed, whether a save succeeds or fails (the target held open
// by another program), and a failed save leaves no file of its own behind.
TEST_F(AtomicWrites, NeverTouchAFileTheProgramDidNotCreate) {
    const std::string folder = exeDir + "\\atomic\\", saved = settingsPath;
    CreateDirectoryA(folder.c_str(), nullptr);
    settingsPath = folder + "Settings.dat";
    for (const std::string& target : {settingsPath, folder + "shot.png"}) {
        for (const char* suffix : {".tmp", ".qc-new"}) WriteFileReplacing(target + suffix, "the user's");
        WriteFileReplacing(target, "");
        const Names before(std::filesystem::directory_iterator(folder), {});
        EXPECT_TRUE(target == settingsPath ? SaveSettings() : SaveSnapshotAndSettle(target)) << target << " saved";
        HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_FALSE(target == settingsPath ? SaveSettings() : SaveSnapshotAndSettle(target))
            << target << " saved while held";
        CloseHandle(lock);
        EXPECT_EQ(Names(std::filesystem::directory_iterator(folder), {}), before) << "files beside " << target;
        for (const char* suffix : {".tmp", ".qc-new"})
            EXPECT_EQ(ReadFileBytes(target + suffix), "the user's") << "the user's " << target << suffix;
    }
    settingsPath = saved;
}

}  // namespace
