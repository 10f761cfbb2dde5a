#include <gtest/gtest.h>

#include "settings/options.h"
#include "snapshot_helpers.h"
#include "win_env.h"

using namespace snaptest;

namespace {

// Set by the timer while a dialog is open: its title, and whether its owner
// is the overlay. The timer then cancels the dialog.
std::string seenTitle;
bool ownedByOverlay = false;

BOOL CALLBACK CancelSnapshotDialog(HWND window, LPARAM) {
    char cls[32] = "", title[128] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, title, sizeof title);
    seenTitle = title;
    ownedByOverlay = GetWindow(window, GW_OWNER) == hwndOverlay;
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
}

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CancelSnapshotDialog, 0); }

class SnapshotDialog : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        RebuildHistoryMenus(nullptr);
        seenTitle.clear();
        ownedByOverlay = false;
        timer = SetTimer(nullptr, 0, 300, LookForDialog);
    }
    void TearDown() override { KillTimer(nullptr, timer); }
    UINT_PTR timer = 0;
};

TEST_F(SnapshotDialog, CancelledSaveWritesAndListsNothing) {
    FillCapture([](int, int) { return 0x123456u; });
    opts[IDOPTS_WHITEBOARD] = 0;
    EXPECT_FALSE(SaveSnapshot());
    EXPECT_EQ(seenTitle, "Save a snapshot of the current screen");
    EXPECT_TRUE(ownedByOverlay);
    EXPECT_EQ(GetMenuItemCount(historyGroupMenus[0]), 0);
}

TEST_F(SnapshotDialog, CancelledLoadChangesNothing) {
    FillCapture([](int, int) { return 0x123456u; });
    opts[IDOPTS_WHITEBOARD] = 1;
    LoadSnapshotDialog();
    EXPECT_EQ(seenTitle, "Load a snapshot");
    EXPECT_TRUE(ownedByOverlay);
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 1);
    EXPECT_EQ(SurfacePixel(hdcCapture, 10, 10), 0x123456u);
}

}  // namespace
