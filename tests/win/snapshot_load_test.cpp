#include "snapshot_helpers.h"

namespace {

// Something a new picture discards: a record, an undo step and whiteboard mode.
void DrawSomethingOnWhiteboard() {
    AddRectangleStep(10);
    opts[IDOPTS_WHITEBOARD] = 1;
}

// A small picture chosen from the history menu (the id a click on its item
// sends) sits at the top left at its natural size on black, shown at once.
TEST_F(SnapshotTest, AChosenPictureReplacesTheDrawing) {
    ASSERT_TRUE(WritePicture(folder + "small.png", 400, 300, Pattern));
    RebuildHistoryMenus(("20240101" + folder + "small.png\r\n").c_str());
    DrawSomethingOnWhiteboard();
    ShowWindow(canvas.hwndOverlay, SW_SHOW);
    SendMessageA(canvas.hwndOverlay, WM_COMMAND, GetMenuItemID(historyGroupMenus[7], 0), 0);
    PumpMessages();
    EXPECT_EQ(PixelRgb(canvas.hdcBack, 100, 50), Pattern(100, 50)) << "a pixel shown";
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 0) << "whiteboard";
    EXPECT_EQ(AnnotationCount(), 0) << "records";
    EXPECT_EQ(history.size(), 0u) << "steps";
    std::vector<uint32_t> expected;
    for (int y = 0; y < ScreenHeight(); ++y)
        for (int x = 0; x < ScreenWidth(); ++x) expected.push_back(x < 400 && y < 300 ? Pattern(x, y) : 0u);
    EXPECT_TRUE(SurfacePicture(canvas.hdcCapture) == expected) << "the picture";
}

// Left half red, right half blue: the boundary lands mid-screen; black below.
TEST_F(SnapshotTest, AWiderPictureIsSqueezedToTheScreensWidthOnly) {
    const int w = ScreenWidth(), h = ScreenHeight();
    ASSERT_TRUE(WritePicture(folder + "wide.png", 2 * w, h / 2, [&](int x, int) { return x < w ? 0xFF0000u : 0xFFu; }));
    LoadBackgroundImage(folder + "wide.png");
    for (int y : {0, h / 2 - 1})
        for (int x : {0, w / 2 - 3, w / 2 + 3, w - 1})
            EXPECT_EQ(PixelRgb(canvas.hdcCapture, x, y), x < w / 2 ? 0xFF0000u : 0xFFu) << "pixel " << x << "," << y;
    EXPECT_EQ(PixelRgb(canvas.hdcCapture, 10, h / 2), 0u) << "pixel below";
}

TEST_F(SnapshotTest, AnUnreadableFileKeepsTheDrawingAndItsPictureAndIsTold) {
    ASSERT_TRUE(WriteFileReplacing(folder + "not a picture.png", "these bytes are no picture"));
    const std::vector<uint32_t> before = SurfacePicture(canvas.hdcCapture);
    DrawSomethingOnWhiteboard();
    for (const char* name : {"not a picture.png", "deleted.png"}) LoadBackgroundImage(folder + name);
    EXPECT_TRUE(SurfacePicture(canvas.hdcCapture) == before) << "the picture";
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 1) << "whiteboard";
    EXPECT_EQ(AnnotationCount(), 1) << "records";
    EXPECT_EQ(recordedMessages.size(), 2u) << "messages";
}

}  // namespace
