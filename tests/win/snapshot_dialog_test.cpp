// F2 and F3 on the overlay open the save and load dialogs, owned by the
// overlay; cancelled, they change nothing.
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

TEST(SnapshotDialog, F2AndF3OpenTheDialogsAndCancellingChangesNothing) {
    StartProgramOnce();
    RebuildHistoryMenus(nullptr);
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, LookForDialog);
    FillCapture([](int, int) { return 0x123456u; });
    opts[IDOPTS_WHITEBOARD] = 1;
    for (WPARAM key : {VK_F2, VK_F3}) {
        seenTitle.clear();
        ownedByOverlay = false;
        SendMessageA(hwndOverlay, WM_KEYDOWN, key, 1);
        EXPECT_EQ(seenTitle, key == VK_F2 ? "Save a snapshot of the current screen" : "Load a snapshot");
        EXPECT_TRUE(ownedByOverlay);
    }
    KillTimer(nullptr, timer);
    EXPECT_EQ(GetMenuItemCount(historyGroupMenus[0]), 0);
    EXPECT_EQ(opts[IDOPTS_WHITEBOARD], 1);
    EXPECT_EQ(SurfacePixel(hdcCapture, 10, 10), 0x123456u);
}

}  // namespace
