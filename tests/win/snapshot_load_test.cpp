#include "snapshot_helpers.h"

// Something a new picture discards: a record, an undo step and whiteboard mode.
static void DrawSomethingOnWhiteboard() {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10, 10}, {50, 50}));
    RecordAdd(0);
    opts[IDOPTS_WHITEBOARD] = 1;
}

// A small picture chosen from the history menu (the id a click on its item
// sends) replaces the drawing and sits at the top left at its natural size
// on black, shown at once; a wider one is squeezed to the screen's width
// only (left half red, right half blue: the boundary lands mid-screen); an
// unreadable file keeps the drawing and its picture, and the user is told.
TEST_F(SnapshotTest, LoadedPicturesReplaceTheDrawing) {
    ASSERT_TRUE(WritePicture(folder + "small.png", 400, 300, Pattern));
    RebuildHistoryMenus(("20240101" + folder + "small.png\r\n").c_str());
    DrawSomethingOnWhiteboard();
    ShowWindow(canvas.hwndOverlay, SW_SHOW);
    SendMessageA(canvas.hwndOverlay, WM_COMMAND, GetMenuItemID(historyGroupMenus[7], 0), 0);
    PumpMessages();
    EXPECT_EQ(PixelRgb(canvas.hdcBack, 100, 50), Pattern(100, 50));
    EXPECT_TRUE(opts[IDOPTS_WHITEBOARD] == 0 && annotations.empty() && history.empty());
    std::vector<uint32_t> expected;
    for (int y = 0; y < ScreenHeight(); ++y)
        for (int x = 0; x < ScreenWidth(); ++x) expected.push_back(x < 400 && y < 300 ? Pattern(x, y) : 0u);
    EXPECT_TRUE(SurfacePicture(canvas.hdcCapture) == expected);
    const int w = ScreenWidth(), h = ScreenHeight();
    ASSERT_TRUE(WritePicture(folder + "wide.png", 2 * w, h / 2, [&](int x, int) { return x < w ? 0xFF0000u : 0xFFu; }));
    LoadBackgroundImage(folder + "wide.png");
    for (int y : {0, h / 2 - 1})
        for (int x : {0, w / 2 - 3, w / 2 + 3, w - 1})
            EXPECT_EQ(SurfacePixel(canvas.hdcCapture, x, y), x < w / 2 ? 0xFF0000u : 0xFFu);
    EXPECT_EQ(SurfacePixel(canvas.hdcCapture, 10, h / 2), 0u);  // black below
    ASSERT_TRUE(WriteFileReplacing(folder + "not a picture.png", "these bytes are no picture"));
    const std::vector<uint32_t> before = SurfacePicture(canvas.hdcCapture);
    DrawSomethingOnWhiteboard(), recordedMessages.clear();
    for (const char* name : {"not a picture.png", "deleted.png"}) LoadBackgroundImage(folder + name);
    EXPECT_TRUE(SurfacePicture(canvas.hdcCapture) == before && opts[IDOPTS_WHITEBOARD] == 1 &&
                annotations.size() == 1u);
    EXPECT_EQ(recordedMessages.size(), 2u);
}

// F2 and F3 on the overlay open the save and load dialogs owned by the
// overlay; a timer notes each one's title and owner and cancels it, which
// changes nothing.
static std::vector<std::string> dialogsSeen;
static BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
    char cls[32] = "", title[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, title, sizeof title);
    dialogsSeen.push_back(title + std::string(GetWindow(window, GW_OWNER) == canvas.hwndOverlay ? " (overlay)" : ""));
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
}
static void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
}

TEST_F(SnapshotTest, F2AndF3OpenTheDialogsAndCancellingChangesNothing) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, LookForDialog);
    opts[IDOPTS_WHITEBOARD] = 1;
    for (WPARAM key : {VK_F2, VK_F3}) SendMessageA(canvas.hwndOverlay, WM_KEYDOWN, key, 1);
    KillTimer(nullptr, timer);
    EXPECT_EQ(dialogsSeen, (std::vector<std::string>{"Save a snapshot of the current screen (overlay)",
                                                     "Load a snapshot (overlay)"}));
    EXPECT_TRUE(opts[IDOPTS_WHITEBOARD] == 1 && GetMenuItemCount(historyGroupMenus[0]) == 0);
}
