#include "snapshot_helpers.h"

namespace {

// The file holds, upright, what the overlay composes in hdcBase (read back
// through the loader, which shows a picture of the screen's size 1:1), in
// the format its name asks for, listed on top of today under its real name.
TEST_F(SnapshotTest, SavedFilesHoldTheComposedPictureInTheFormatTheirNameAsks) {
    ASSERT_TRUE(WritePicture(folder + "pattern.png", ScreenWidth(), ScreenHeight(), Pattern));
    const std::pair<const char*, const char*> cases[] = {
        {"s.PNG", "\x89PNG"}, {"s.BMP", "BM"}, {"no extension", "\x89PNG"}, {"s.jpeg", "\xFF\xD8\xFF"}};
    for (const auto& [name, signature] : cases) {
        const std::string path = folder + name + (name[0] == 'n' ? ".png" : "");
        DeleteFileA(path.c_str());
        LoadBackgroundImage(folder + "pattern.png");
        AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {300, 250}));
        AppendAnnotation(MakePenRecord({{400, 400}, {500, 450}, {600, 420}}));
        ASSERT_TRUE(SaveSnapshotAndSettle(folder + name)) << name;
        EXPECT_EQ(ReadFileBytes(path).substr(0, strlen(signature)), signature) << name << ": the file's signature";
        EXPECT_EQ(TodayTop(), path) << name << ": the entry on top of today";
        if (signature[0] == '\xFF') continue;  // the lossless formats come back exactly
        const std::vector<uint32_t> composed = SurfacePicture(canvas.hdcBase);
        LoadBackgroundImage(path);
        EXPECT_TRUE(SurfacePicture(canvas.hdcCapture) == composed) << name << ": the picture read back";
    }
    EXPECT_EQ(recordedMessages.size(), 0u) << "messages";
}

// A name no encoder takes, a folder that does not exist or a file that
// cannot be replaced: nothing is written or listed, an earlier file stays,
// and the user is told. (No file of the save is left: the atomic write test.)
TEST_F(SnapshotTest, RefusedOrFailedSavesAreToldAndNotListed) {
    const std::string kept = folder + "kept.png";
    ASSERT_TRUE(WriteFileReplacing(kept, "earlier contents"));
    HANDLE lock = CreateFileA(kept.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    for (const std::string& path : {folder + "s.jpg", folder + "s.bmpx", folder + "none\\s.png", kept}) {
        recordedMessages.clear();
        if (path != kept) DeleteFileA(path.c_str());
        EXPECT_FALSE(SaveSnapshotAndSettle(path)) << path;
        EXPECT_EQ(FileExists(path), path == kept) << path << " exists";
        ASSERT_EQ(recordedMessages.size(), 1u) << path << ": messages";
        EXPECT_NE(recordedMessages[0].find("not saved"), std::string::npos) << recordedMessages[0];
        EXPECT_NE(recordedMessages[0].find(path), std::string::npos) << recordedMessages[0];
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(kept), "earlier contents") << "the earlier file";
    EXPECT_EQ(GetMenuItemCount(historyGroupMenus[0]), 0) << "today's snapshots";
}

}  // namespace
