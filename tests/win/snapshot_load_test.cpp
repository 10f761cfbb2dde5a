#include "snapshot_helpers.h"

namespace {

// Something a new picture discards: a record, an undo step and whiteboard mode.
void DrawSomethingOnWhiteboard() {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10, 10}, {50, 50}));
    RecordAdd(0);
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

// F2 and F3 on the overlay open the save and load dialogs owned by the
// overlay; a timer notes each one's title and owner and cancels it, which
// changes nothing.
std::vector<std::string> dialogsSeen;
BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    char cls[32] = "", title[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, title, sizeof title);
    dialogsSeen.push_back(title + std::string(GetWindow(window, GW_OWNER) == canvas.hwndOverlay ? " (overlay)" : ""));
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
}
void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0); }

TEST_F(SnapshotTest, F2AndF3OpenTheDialogsAndCancellingChangesNothing) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, LookForDialog);
    opts[IDOPTS_WHITEBOARD] = 1;
    dialogsSeen.clear();
    for (WPARAM key : {VK_F2, VK_F3}) SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, key, 1);
    KillTimer(nullptr, timer);
    const std::vector<std::string> both{"Save a snapshot of the current screen (overlay)", "Load a snapshot (overlay)"};
    EXPECT_EQ(dialogsSeen, both) << "dialogs seen";
    EXPECT_EQ(GetMenuItemCount(historyGroupMenus[0]), 0) << "today's snapshots";
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 1) << "whiteboard";
}

}  // namespace
