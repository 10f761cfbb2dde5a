// The tray icon and its menu. The icon's clicks are sent to the overlay as
// the shell sends them; the real popup menu is driven with keys posted to it
// by a timer that runs inside the menu's own message loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/tray.h"
#include "model/annotation.h"
#include "model/history.h"
#include "settings/options_dialog_win.h"
#include "win_env.h"

namespace {

void TrayEvent(UINT mouseMessage) {
    EXPECT_EQ(SendMessageA(hwndOverlay, TRAY_CALLBACK_MESSAGE, TRAY_ICON_ID, mouseMessage), 0);
    PumpMessages();
}

void AddRecord() {
    AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10, 10}, {50, 50}));
    RecordAdd(AnnotationCount() - 1);
}

class Tray : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        exitRequested = 0;
        ShowWindow(hwndOptions, SW_HIDE);
        HideOverlay();
        PumpMessages();
        ClearAnnotations();
        ClearHistory();
    }
    void TearDown() override {
        exitRequested = 0;
        ShowOverlay();
        PumpMessages();
    }
};

TEST_F(Tray, IconRecordCarriesTheBalloonSizeAndNoTip) {
    const NOTIFYICONDATAA record = MakeTrayIconRecord(nullptr);
    // The record ends right after the balloon-text fields.
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAA, dwInfoFlags) + sizeof(DWORD));
    EXPECT_EQ(record.hWnd, hwndOverlay);
    EXPECT_EQ(record.uID, 100u);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(record.uCallbackMessage, 987u);
    EXPECT_EQ(record.szTip[0], '\0');
    // The icon beside the exe loads at the size stored in the file.
    const std::string path = exeDir + "\\plHighlighterIco.ICO";
    HANDLE icon = LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
    EXPECT_NE(icon, nullptr) << path;
    if (icon) DestroyIcon(static_cast<HICON>(icon));
}

TEST_F(Tray, MenuOffersShowOptionsAndExitWithShowAsDefault) {
    ASSERT_EQ(GetMenuItemCount(trayMenu), 3);
    const std::vector<std::string> texts = {"Show Quillcast", "Options...", "Exit"};
    for (int i = 0; i < 3; ++i) {
        char text[64] = "";
        GetMenuStringA(trayMenu, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(text, texts[i]);
        EXPECT_EQ(GetMenuItemID(trayMenu, i), static_cast<UINT>(i + 1));
    }
    EXPECT_EQ(GetMenuDefaultItem(trayMenu, FALSE, 0), 1u);
}

TEST_F(Tray, DoubleClickShowsAFreshOverlayEvenWhenItIsUp) {
    AddRecord();
    TrayEvent(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
    AddRecord();
    TrayEvent(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_FALSE(Undo());
}

TEST_F(Tray, OtherClicksOnTheIconDoNothing) {
    AddRecord();
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_RBUTTONDBLCLK}) TrayEvent(message);
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 1);
    EXPECT_EQ(exitRequested, 0);
}

TEST_F(Tray, CommandsShowAndExit) {
    AddRecord();
    DoTrayCommand(0);  // dismissed
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(exitRequested, 0);
    DoTrayCommand(TRAY_EXIT);
    EXPECT_EQ(exitRequested, 1);
    exitRequested = 0;
    DoTrayCommand(TRAY_SHOW);
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
}

TEST_F(Tray, OptionsItemShowsTheOptionsDialog) {
    DoTrayCommand(TRAY_OPTIONS);
    const bool shownByTray = IsWindowVisible(hwndOptions);
    if (!shownByTray) {
        ShowOptionsDialog();
        const bool dialogWorks = IsWindowVisible(hwndOptions);
        ShowWindow(hwndOptions, SW_HIDE);
        ASSERT_FALSE(dialogWorks) << "the tray's Options... did not show the dialog";
        GTEST_SKIP() << "the options dialog cannot be shown yet";
    }
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));  // shown over whatever is on the screen
    ShowWindow(hwndOptions, SW_HIDE);
}

// --- the real popup menu ----------------------------------------------------

std::vector<WPARAM> keysForMenu;
int menusSeen = 0;

BOOL CALLBACK DriveMenu(HWND window, LPARAM) {
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (std::string(cls) != "#32768" || !IsWindowVisible(window)) return TRUE;
    ++menusSeen;
    for (WPARAM key : keysForMenu) PostMessageA(window, WM_KEYDOWN, key, 1);
    keysForMenu.clear();
    return FALSE;
}

void CALLBACK LookForMenu(HWND, UINT, UINT_PTR, DWORD) {
    if (!keysForMenu.empty()) EnumWindows(DriveMenu, 0);
}

// Right-clicks the icon and answers the menu with `keys`. True when the
// menu was seen open.
bool RightClickAndAnswer(std::vector<WPARAM> keys) {
    keysForMenu = std::move(keys);
    menusSeen = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, LookForMenu);
    SendMessageA(hwndOverlay, TRAY_CALLBACK_MESSAGE, TRAY_ICON_ID, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    return menusSeen == 1;
}

// The message posted after the menu, which wakes the main loop.
bool WakeMessageWaits() {
    MSG msg;
    return PeekMessageA(&msg, hwndOverlay, WM_NULL, WM_NULL, PM_REMOVE) != FALSE;
}

TEST_F(Tray, DismissedMenuDoesNothing) {
    AddRecord();
    ASSERT_TRUE(RightClickAndAnswer({VK_ESCAPE}));
    EXPECT_TRUE(WakeMessageWaits());
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 1);
    EXPECT_EQ(exitRequested, 0);
}

TEST_F(Tray, ExitFromTheMenuAsksTheLoopToEnd) {
    ASSERT_TRUE(RightClickAndAnswer({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_EQ(exitRequested, 1);
    EXPECT_TRUE(WakeMessageWaits());
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
}

TEST_F(Tray, ShowFromTheMenuShowsAFreshOverlay) {
    AddRecord();
    ASSERT_TRUE(RightClickAndAnswer({VK_DOWN, VK_RETURN}));
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_EQ(exitRequested, 0);
}

}  // namespace
