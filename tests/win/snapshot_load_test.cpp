#include <gtest/gtest.h>

#include "model/annotation.h"
#include "model/history.h"
#include "settings/options.h"
#include "snapshot_helpers.h"
#include "win_env.h"

using namespace snaptest;

namespace {

class SnapshotLoad : public SnapshotTest {
protected:
    // Something to discard: a record, an undo step and whiteboard mode.
    static void DrawSomethingOnWhiteboard() {
        AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10, 10}, {50, 50}));
        RecordAdd(0);
        opts[IDOPTS_WHITEBOARD] = 1;
    }
    static void ExpectFreshPicture() {
        EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 0);
        EXPECT_TRUE(annotations.empty());
        EXPECT_TRUE(history.empty());
        EXPECT_EQ(undoneCount, 0);
    }
};

TEST_F(SnapshotLoad, SameSizeSnapshotComesBackPixelForPixel) {
    FillCapture(Pattern);
    const std::string path = folder + "roundtrip.png";
    ASSERT_TRUE(SaveSnapshotTo(path));
    const Picture saved = SurfacePicture(hdcCapture);
    FillCapture([](int, int) { return 0x777777u; });
    DrawSomethingOnWhiteboard();

    LoadBackgroundImage(path);
    EXPECT_EQ(FirstDifference(SurfacePicture(hdcCapture), saved), "");
    ExpectFreshPicture();
}

TEST_F(SnapshotLoad, SmallPictureSitsTopLeftAtNaturalSizeOnBlack) {
    const std::string path = folder + "small.png";
    ASSERT_TRUE(WritePicture(path, 400, 300, Pattern));
    FillCapture([](int, int) { return 0xFFFFFFu; });
    DrawSomethingOnWhiteboard();
    ShowWindow(hwndOverlay, SW_SHOW);
    PumpMessages();

    LoadBackgroundImage(path);
    PumpMessages();
    EXPECT_EQ(PixelRgb(hdcBack, 100, 50), Pattern(100, 50));  // the overlay shows it at once
    EXPECT_EQ(PixelRgb(hdcBack, 500, 50), 0u);
    for (int y = 0; y < ScreenHeight(); y += 7)
        for (int x = 0; x < ScreenWidth(); x += 5) {
            const uint32_t expected = x < 400 && y < 300 ? Pattern(x, y) : 0u;
            ASSERT_EQ(SurfacePixel(hdcCapture, x, y), expected) << x << "," << y;
        }
    // The picture's last row and column.
    for (auto [x, y] : {std::pair{399, 299}, std::pair{400, 299}, std::pair{399, 300}})
        EXPECT_EQ(SurfacePixel(hdcCapture, x, y), x < 400 && y < 300 ? Pattern(x, y) : 0u);
    ExpectFreshPicture();
}

// Left half red, right half blue: after squeezing, the colour boundary sits
// in the middle of the screen.
uint32_t Halves(int x, int width) { return x < width / 2 ? 0xFF0000u : 0x0000FFu; }

TEST_F(SnapshotLoad, WidePictureIsSqueezedToTheScreenWidthOnly) {
    const int w = ScreenWidth(), h = ScreenHeight();
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{2560, 800}, Case{2 * w, h / 2}}) {
        const std::string path = folder + "wide" + std::to_string(c.width) + "x" + std::to_string(c.height) + ".png";
        ASSERT_TRUE(WritePicture(path, c.width, c.height, [&](int x, int) { return Halves(x, c.width); }));
        FillCapture([](int, int) { return 0x00FF00u; });
        LoadBackgroundImage(path);
        const int shownWidth = std::min(c.width, w), shownHeight = std::min(c.height, h);
        for (int y : {0, shownHeight / 2, shownHeight - 1}) {
            EXPECT_EQ(SurfacePixel(hdcCapture, 0, y), 0xFF0000u) << c.width << " row " << y;
            EXPECT_EQ(SurfacePixel(hdcCapture, shownWidth / 2 - 3, y), 0xFF0000u) << c.width;
            EXPECT_EQ(SurfacePixel(hdcCapture, shownWidth / 2 + 3, y), 0x0000FFu) << c.width;
            EXPECT_EQ(SurfacePixel(hdcCapture, shownWidth - 1, y), 0x0000FFu) << c.width;
        }
        if (shownHeight < h) {
            EXPECT_EQ(SurfacePixel(hdcCapture, 10, shownHeight), 0u);  // black below
            EXPECT_EQ(SurfacePixel(hdcCapture, w - 1, h - 1), 0u);
        }
    }
}

TEST_F(SnapshotLoad, UnreadableFileKeepsTheDrawingAndTellsTheUser) {
    const std::string deleted = folder + "deleted.png";
    ASSERT_TRUE(WritePicture(deleted, 50, 50, Pattern));
    DeleteFileA(deleted.c_str());
    const std::string notAPicture = folder + "not a picture.png";
    WriteFileBytes(notAPicture, "these bytes are no picture");
    FillCapture(Pattern);
    const Picture before = SurfacePicture(hdcCapture);
    DrawSomethingOnWhiteboard();
    for (const std::string& path : {deleted, notAPicture}) {
        recordedMessages.clear();
        LoadBackgroundImage(path);
        EXPECT_EQ(FirstDifference(SurfacePicture(hdcCapture), before), "") << path;
        EXPECT_TRUE(opts[IDOPTS_WHITEBOARD] == 1 && annotations.size() == 1u && history.size() == 1u);
        EXPECT_EQ(recordedMessages.size(), 1u);
    }
}

}  // namespace
