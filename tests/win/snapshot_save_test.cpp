#include <gtest/gtest.h>

#include "model/annotation.h"
#include "model/history.h"
#include "settings/options.h"
#include "snapshot_helpers.h"
#include "win_env.h"

using namespace snaptest;

namespace {

class SnapshotSave : public SnapshotTest {
protected:
    int TodayCount() const { return GetMenuItemCount(historyGroupMenus[0]); }
};

TEST_F(SnapshotSave, PngAndBmpHoldTheComposedPictureExactly) {
    FillCapture(Pattern);
    // Without annotations the picture is the frozen screen itself, upright.
    const std::string plain = folder + "plain.png";
    ASSERT_TRUE(SaveSnapshotTo(plain));
    Picture expected{ScreenWidth(), ScreenHeight(), {}};
    for (int y = 0; y < ScreenHeight(); ++y)
        for (int x = 0; x < ScreenWidth(); ++x) expected.pixels.push_back(Pattern(x, y));
    EXPECT_EQ(FirstDifference(DecodeFile(plain), expected), "");

    // With annotations the file holds what the overlay composes in hdcBase.
    opts[IDOPTS_SHAPEWIDTH] = 3;
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {100, 100}, {300, 250}));
    AppendAnnotation(MakePenRecord({{400, 400}, {500, 450}, {600, 420}}));
    for (const char* name : {"drawn.png", "drawn.bmp"}) {
        const std::string path = folder + name;
        ASSERT_TRUE(SaveSnapshotTo(path)) << name;
        EXPECT_EQ(FirstDifference(DecodeFile(path), SurfacePicture(hdcBase)), "") << name;
    }

    // In whiteboard mode the picture is white under the annotations.
    ClearAnnotations();
    opts[IDOPTS_WHITEBOARD] = 1;
    ASSERT_TRUE(SaveSnapshotTo(folder + "whiteboard.png"));
    const Picture white = DecodeFile(folder + "whiteboard.png");
    EXPECT_EQ(white.pixels, std::vector<uint32_t>(static_cast<size_t>(ScreenWidth()) * ScreenHeight(), 0xFFFFFFu));
    EXPECT_TRUE(recordedMessages.empty());
}

TEST_F(SnapshotSave, ExtensionChoosesTheFormat) {
    const struct {
        const char *name, *signature;
    } cases[] = {{"shot.PNG", "\x89PNG"}, {"shot.png", "\x89PNG"}, {"shot.jpeg", "\xFF\xD8\xFF"},
                          {"shot.JPEG", "\xFF\xD8\xFF"}, {"shot.bmp", "BM"}, {"shot.BMP", "BM"}};
    for (const auto& c : cases) {
        const std::string path = folder + c.name;
        DeleteFileA(path.c_str());
        ASSERT_TRUE(SaveSnapshotTo(path)) << c.name;
        EXPECT_EQ(ReadFileBytes(path, strlen(c.signature)), c.signature) << c.name;
        EXPECT_EQ(MenuText(historyGroupMenus[0], 0), path);
    }
    // A name without an extension is written as PNG with ".png" added, and
    // listed under the name the file really has.
    const std::string bare = folder + "no extension";
    DeleteFileA((bare + ".png").c_str());
    ASSERT_TRUE(SaveSnapshotTo(bare));
    EXPECT_FALSE(FileExists(bare));
    EXPECT_EQ(ReadFileBytes(bare + ".png", 4), "\x89PNG");
    EXPECT_EQ(MenuText(historyGroupMenus[0], 0), bare + ".png");
    EXPECT_TRUE(recordedMessages.empty());
}

TEST_F(SnapshotSave, NameWithoutEncoderWritesNothingAndSaysSo) {
    for (const char* name : {"shot.jpg", "shot.Png", "shot.bmpx"}) {
        recordedMessages.clear();
        const std::string path = folder + name;
        DeleteFileA(path.c_str());
        EXPECT_FALSE(SaveSnapshotTo(path)) << name;
        EXPECT_FALSE(FileExists(path)) << name;
        EXPECT_EQ(TodayCount(), 0) << name;
        ASSERT_EQ(recordedMessages.size(), 1u) << name;
        EXPECT_NE(recordedMessages[0].text.find("not saved"), std::string::npos);
        EXPECT_NE(recordedMessages[0].text.find(path), std::string::npos);
    }
    EXPECT_NE(recordedMessages[0].text.find(".bmpx"), std::string::npos);
}

TEST_F(SnapshotSave, FailedWriteIsNotListedAndKeepsTheEarlierFile) {
    EXPECT_FALSE(SaveSnapshotTo(folder + "no such folder\\shot.png"));
    EXPECT_EQ(TodayCount(), 0);
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_NE(recordedMessages[0].text.find("could not be written"), std::string::npos);

    // A file that cannot be replaced keeps its contents, and no temporary
    // file is left beside it.
    const std::string kept = folder + "kept.png";
    SetFileAttributesA(kept.c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteFileBytes(kept, "earlier contents");
    HANDLE lock = CreateFileA(kept.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    recordedMessages.clear();
    EXPECT_FALSE(SaveSnapshotTo(kept));
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(kept), "earlier contents");
    EXPECT_FALSE(FileExists(kept + ".tmp"));
    EXPECT_EQ(TodayCount(), 0);
    EXPECT_EQ(recordedMessages.size(), 1u);
}

TEST_F(SnapshotSave, OverwritingAFileReplacesIt) {
    const std::string path = folder + "twice.bmp";
    FillCapture([](int, int) { return 0x102030u; });
    ASSERT_TRUE(SaveSnapshotTo(path));
    FillCapture([](int, int) { return 0x405060u; });
    ASSERT_TRUE(SaveSnapshotTo(path));
    EXPECT_EQ(DecodeFile(path).at(5, 5), 0x405060u);
    EXPECT_EQ(TodayCount(), 2);  // the same file saved twice is listed twice
}

// Builds a folder chain under `root` so that root + chain + name has
// `length` characters.
std::string LongPath(const std::string& root, size_t length, const std::string& name) {
    std::string folder = root;
    while (folder.size() + name.size() + 40 < length) {
        folder += "a rather long folder name\\";
        CreateDirectoryW(WidePath(folder).c_str(), nullptr);
    }
    const std::string last = folder + std::string(length - folder.size() - name.size() - 1, 'x') + "\\";
    CreateDirectoryW(WidePath(last).c_str(), nullptr);
    return last + name;
}

TEST_F(SnapshotSave, LongPathsSaveWhole) {
    for (size_t length : {200u, 230u, 250u}) {
        const std::string path = LongPath(folder, length, "shot.png");
        ASSERT_EQ(path.size(), length);
        ASSERT_TRUE(SaveSnapshotTo(path)) << length;
        EXPECT_EQ(ReadFileBytes(path, 4), "\x89PNG");
        EXPECT_EQ(MenuText(historyGroupMenus[0], 0), path);
    }
    // Beyond MAX_PATH the system may refuse the name; whatever happens, the
    // history lists the file exactly when it exists, and a refusal is told.
    const std::string longest = LongPath(folder, 300, "shot.png");
    recordedMessages.clear();
    const int before = TodayCount();
    const bool saved = SaveSnapshotTo(longest);
    EXPECT_EQ(saved, FileExists(longest));
    EXPECT_EQ(TodayCount(), before + (saved ? 1 : 0));
    EXPECT_EQ(recordedMessages.size(), saved ? 0u : 1u);
    if (saved) {
        EXPECT_EQ(MenuText(historyGroupMenus[0], 0), longest);
    }
}

}  // namespace
