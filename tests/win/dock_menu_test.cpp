// The dock's two menus, what their choices do, and the owner-drawn rows of
// the mark list and the font face list.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "dock/dock.h"
#include "resource.h"
#include "snapshots/snapshots.h"
#include "settings/options.h"
#include "render_canvas.h"
#include "win_env.h"

namespace {

class DockMenu : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        opts[IDOPTS_AUTOHIDE] = 0;
        ShowWindow(hwndOverlay, SW_SHOW);
    }
};

std::string TextAt(HMENU menu, int position) {
    char text[256] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(DockMenu, OptionsMenuHoldsItsItemsInOrder) {
    ASSERT_EQ(GetMenuItemCount(dockMenu), 7);
    const struct {
        UINT id;
        std::string text;
    } items[] = {
        {1, "Dock Top/Bottom                       'B'"},
        {2, "Whiteboard Mode On/Off          'W'"},
        {IDM_RESTORE_LAST_DRAWING, "Restore Last Drawing                'Ctrl+L'"},
        {3, "All Options..."},
        {4, ""},
        {5, "Hide Overscribbler           'Esc'"},
        {6, "Exit Overscribbler"},
    };
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(GetMenuItemID(dockMenu, i), items[i].id) << i;
        EXPECT_EQ(TextAt(dockMenu, i), items[i].text) << i;
    }
    EXPECT_TRUE(GetMenuState(dockMenu, 4, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuDefaultItem(dockMenu, FALSE, 0), 3u);

    FillDockOptionsMenu();  // a second fill adds nothing
    EXPECT_EQ(GetMenuItemCount(dockMenu), 7);
}

TEST_F(DockMenu, OptionsMenuChoicesAct) {
    const int top = opts[IDOPTS_DOCKTOP];
    for (int edge : {1 - top, top}) {
        RunDockMenuChoice(DOCK_MENU_EDGE);
        EXPECT_EQ(opts[IDOPTS_DOCKTOP], edge);
    }

    const int whiteboard = opts[IDOPTS_WHITEBOARD];
    RunDockMenuChoice(DOCK_MENU_WHITEBOARD);
    EXPECT_NE(opts[IDOPTS_WHITEBOARD], whiteboard);

    RunDockMenuChoice(0);  // dismissed
    RunDockMenuChoice(DOCK_MENU_SEPARATOR);
    EXPECT_EQ(exitRequested, 0);
    EXPECT_TRUE(IsWindowVisible(hwndOverlay));

    RunDockMenuChoice(DOCK_MENU_HIDE);
    EXPECT_FALSE(IsWindowVisible(hwndOverlay));
    EXPECT_FALSE(IsWindowVisible(hwndDock));
    RunDockMenuChoice(DOCK_MENU_EXIT);
    EXPECT_EQ(exitRequested, 1);
    exitRequested = 0;
}

// Draws one owner-drawn row into a test surface of `background` and counts
// the pixels of a colour in it.
int CountPixels(HWND list, int index, UINT state, COLORREF wanted, COLORREF background = RGB(0, 255, 0)) {
    Canvas c(460, 41, background);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = list;
    item.hDC = c.dc();
    item.rcItem = {0, 0, 460, 41};
    SendMessageA(GetParent(list), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    return 460 * 41 - c.CountNot(PixelRgbOf(wanted), 0, 0, 460, 41);
}

TEST_F(DockMenu, NumberedMarkRowsCarryARedCaption) {
    const COLORREF red = RGB(255, 0, 0);
    for (int mark : {0, 1, 2}) EXPECT_GT(CountPixels(hwndMarks, mark, 0, red), 10) << mark;
    for (int mark : {3, 11}) EXPECT_EQ(CountPixels(hwndMarks, mark, 0, red), 0) << mark;
    // A row is filled white, or black while selected, around its mark picture;
    // the closed field is not filled.
    const int rowPixels = 460 * 41, pictureRoom = 48 * 41;
    EXPECT_GE(CountPixels(hwndMarks, 3, 0, RGB(255, 255, 255)), rowPixels - pictureRoom);
    EXPECT_GE(CountPixels(hwndMarks, 3, ODS_SELECTED, RGB(0, 0, 0)), rowPixels - pictureRoom);
    EXPECT_GE(CountPixels(hwndMarks, 3, ODS_COMBOBOXEDIT, RGB(0, 255, 0)), rowPixels - pictureRoom);
    EXPECT_LT(CountPixels(hwndMarks, 3, 0, RGB(255, 255, 255)), rowPixels);  // the picture is drawn
    EXPECT_EQ(CountPixels(hwndMarks, 12, 0, RGB(0, 255, 0)), 460 * 41);  // beyond the twelve marks
}

TEST_F(DockMenu, FontRowsAreBlueWhenSelectedAndBlackOtherwise) {
    const COLORREF blue = RGB(0, 0, 255), black = RGB(0, 0, 0);
    for (int face : {0, 3, 4, 7}) {
        EXPECT_GT(CountPixels(hwndFontFace, face, ODS_SELECTED, blue), 10) << face;
        EXPECT_EQ(CountPixels(hwndFontFace, face, ODS_SELECTED, black), 0) << face;
        EXPECT_GT(CountPixels(hwndFontFace, face, 0, black), 10) << face;
        EXPECT_EQ(CountPixels(hwndFontFace, face, 0, blue), 0) << face;
    }
    // The closed field shows the chosen face's name in black on white.
    opts[IDOPTS_FONT] = 6;
    EXPECT_GT(CountPixels(hwndFontFace, 1, ODS_COMBOBOXEDIT, black), 10);
    EXPECT_EQ(CountPixels(hwndFontFace, 1, ODS_COMBOBOXEDIT, RGB(0, 255, 0)), 0);
}

}  // namespace
