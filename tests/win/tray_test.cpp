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
#include "resource.h"
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
        AddRecord();
    }
    void TearDown() override {
        exitRequested = 0;
        ShowOverlay();
        PumpMessages();
    }
};

TEST_F(Tray, IconRecordAndMenuAreAsTheShellExpects) {
    const NOTIFYICONDATAA record = MakeTrayIconRecord(nullptr);
    // The record ends right after the balloon-text fields.
    EXPECT_EQ(record.cbSize, offsetof(NOTIFYICONDATAA, dwInfoFlags) + sizeof(DWORD));
    EXPECT_EQ(record.hWnd, hwndOverlay);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
    EXPECT_EQ(record.szTip[0], '\0');
    // The icon beside the exe loads at the size stored in the file.
    HANDLE icon = LoadImageA(nullptr, (exeDir + "\\plHighlighterIco.ICO").c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(static_cast<HICON>(icon));

    std::vector<std::string> texts;
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(trayMenu); ++i) {
        char text[64] = "";
        GetMenuStringA(trayMenu, i, text, sizeof text, MF_BYPOSITION);
        texts.push_back(text);
        ids.push_back(GetMenuItemID(trayMenu, i));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Show Quillcast", "Restore Last Drawing", "Options...", "Exit"}));
    EXPECT_EQ(ids, (std::vector<UINT>{TRAY_SHOW, IDM_RESTORE_LAST_DRAWING, TRAY_OPTIONS, TRAY_EXIT}));
    EXPECT_EQ(GetMenuDefaultItem(trayMenu, FALSE, 0), 1u);
}

TEST_F(Tray, DoubleClickShowsAFreshOverlayAndOtherClicksDoNothing) {
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE, WM_RBUTTONDBLCLK}) TrayEvent(message);
    EXPECT_FALSE(Visible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 1);
    for (int i = 0; i < 2; ++i) {  // a fresh drawing even when the overlay is up
        TrayEvent(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(Visible(hwndOverlay));
        EXPECT_EQ(AnnotationCount(), 0);
        EXPECT_FALSE(Undo());
        AddRecord();
    }
    EXPECT_EQ(exitRequested, 0);
}

TEST_F(Tray, OptionsItemShowsTheOptionsDialogOverTheScreen) {
    DoTrayCommand(TRAY_OPTIONS);
    EXPECT_TRUE(IsWindowVisible(hwndOptions));
    EXPECT_FALSE(Visible(hwndOverlay));
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
// menu was seen open and the message that wakes the main loop was posted.
bool RightClickAndAnswer(std::vector<WPARAM> keys) {
    keysForMenu = std::move(keys);
    menusSeen = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, LookForMenu);
    SendMessageA(hwndOverlay, TRAY_CALLBACK_MESSAGE, TRAY_ICON_ID, WM_RBUTTONDOWN);
    KillTimer(nullptr, timer);
    MSG wake;
    const bool woken = PeekMessageA(&wake, hwndOverlay, WM_NULL, WM_NULL, PM_REMOVE) != FALSE;
    PumpMessages();
    return menusSeen == 1 && woken;
}

TEST_F(Tray, MenuIsDismissedShowsOrExits) {
    ASSERT_TRUE(RightClickAndAnswer({VK_ESCAPE}));
    EXPECT_FALSE(Visible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 1);
    EXPECT_EQ(exitRequested, 0);

    ASSERT_TRUE(RightClickAndAnswer({VK_DOWN, VK_RETURN}));
    EXPECT_TRUE(Visible(hwndOverlay));
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_EQ(exitRequested, 0);

    HideOverlay();
    ASSERT_TRUE(RightClickAndAnswer({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
    EXPECT_EQ(exitRequested, 1);
    EXPECT_FALSE(Visible(hwndOverlay));
}

}  // namespace
