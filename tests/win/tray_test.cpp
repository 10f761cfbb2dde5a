// The tray icon's clicks, sent to the overlay as the shell sends them, and
// its real popup menu, driven with keys a timer posts to it from inside the
// menu's own message loop.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/tray.h"
#include "model/history.h"
#include "win_env.h"

static std::vector<WPARAM> keysForMenu;  // emptied when a menu takes them
static BOOL CALLBACK DriveMenu(HWND window, LPARAM) {
    char cls[32] = "";
    if (!GetClassNameA(window, cls, sizeof cls) || std::string(cls) != "#32768" || !IsWindowVisible(window)) return TRUE;
    for (WPARAM key : keysForMenu) PostMessageA(window, WM_KEYDOWN, key, 1);
    keysForMenu.clear();
    return FALSE;
}
static void CALLBACK LookForMenu(HWND, UINT, UINT_PTR, DWORD) { EnumWindows(DriveMenu, 0); }

// Right-clicks the icon and answers the menu with `keys`; true when the menu
// took them and then the message that wakes the main loop was posted.
static bool AnswerTrayMenu(std::vector<WPARAM> keys) {
    keysForMenu = std::move(keys);
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, LookForMenu);
    SendMessageA(hwndOverlay, TRAY_CALLBACK_MESSAGE, TRAY_ICON_ID, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    MSG wake;
    const bool woken = PeekMessageA(&wake, hwndOverlay, WM_NULL, WM_NULL, PM_REMOVE);
    PumpMessages();
    return keysForMenu.empty() && woken;
}

// A double click shows a fresh drawing, even when the overlay is up. The
// menu is dismissed, shows the overlay, or exits.
TEST(Tray, DoubleClickAndTheMenu) {
    StartProgramOnce();
    HideOverlay();
    for (int i = 0; i < 2; ++i) {
        AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10, 10}, {50, 50}));
        RecordAdd(0);
        SendMessageA(hwndOverlay, TRAY_CALLBACK_MESSAGE, TRAY_ICON_ID, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(Visible(hwndOverlay) && annotations.empty() && !Undo());
    }
    HideOverlay();
    ASSERT_TRUE(AnswerTrayMenu({VK_ESCAPE}));
    EXPECT_TRUE(!Visible(hwndOverlay) && exitRequested == 0);
    ASSERT_TRUE(AnswerTrayMenu({VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(Visible(hwndOverlay) && exitRequested == 0);
    HideOverlay();
    ASSERT_TRUE(AnswerTrayMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(exitRequested == 1 && !Visible(hwndOverlay));
    exitRequested = 0;
    ShowOverlay();
    PumpMessages();
}
