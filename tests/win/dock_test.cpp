// The dock and the text format bar, driven through their real controls with
// the messages a click or a list choice sends.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "dock/dock.h"
#include "model/annotation.h"
#include "model/history.h"
#include "render/render.h"
#include "settings/options.h"
#include "win_env.h"

namespace {

class Dock : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        opts[IDOPTS_AUTOHIDE] = 0;  // the timer must not hide the dock under a test
        ShowWindow(hwndOverlay, SW_SHOW);
        ShowWindow(hwndDock, SW_SHOW);
    }

    static void ChooseTool(int tool) {
        SendMessageA(hwndTools, TB_CHECKBUTTON, tool - 1, TRUE);
        SendMessageA(hwndDock, WM_COMMAND, MAKEWPARAM(tool - 1, 0), reinterpret_cast<LPARAM>(hwndTools));
    }

    static void ChooseItem(HWND combo, int index) {
        SendMessageA(combo, CB_SETCURSEL, index, 0);
        SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }

    static void Click(HWND button) {
        SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }

    static void ClickAt(HWND window, int x, int y) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }

    static RECT DockRect() {
        RECT r;
        GetWindowRect(hwndDock, &r);
        return r;
    }
};

// Every control the relayout may hide, with a readable name.
std::vector<std::pair<HWND, std::string>> ToolControls() {
    std::vector<std::pair<HWND, std::string>> all = {
        {hwndcolor, "swatch"},   {hwndPenSize, "pen size"}, {hwndShapeWidth, "shape width"},
        {hwndOpacity, "opacity"}, {hwndFilled, "filled"},     {hwndMarks, "marks"},
        {hwndNumber, "number"},  {hwndEraseAll, "erase all"}};
    const char* captions[CAPTION_COUNT] = {"color caption",  "size caption", "width caption",  "opacity caption",
                                           "filled caption", "text hint",    "number caption", "erase caption"};
    for (int i = 0; i < CAPTION_COUNT; ++i) all.push_back({dockCaptions[i], captions[i]});
    return all;
}

std::set<std::string> VisibleToolControls() {
    std::set<std::string> shown;
    for (const auto& [control, name] : ToolControls())
        if (IsWindowVisible(control)) shown.insert(name);
    return shown;
}

TEST_F(Dock, EachToolSizesTheDockAndShowsExactlyItsControls) {
    struct Expect {
        int tool;
        int width;
        std::set<std::string> shown;
    };
    const std::set<std::string> pen = {"swatch", "color caption", "pen size", "size caption", "opacity",
                                       "opacity caption"};
    const std::set<std::string> shape = {"swatch",          "color caption", "shape width", "width caption",
                                         "opacity",         "opacity caption", "filled",    "filled caption",
                                         "text hint"};
    const std::set<std::string> arrow = {"swatch",  "color caption",  "shape width",
                                         "width caption", "opacity", "opacity caption"};
    const Expect cases[] = {
        {TOOL_ERASER, 328, {"erase all", "erase caption"}},
        {TOOL_PEN, 448, pen},
        {TOOL_HIGHLIGHTER, 395, {"swatch", "color caption", "pen size", "size caption"}},
        {TOOL_RECT, 597, shape},
        {TOOL_ROUNDRECT, 597, shape},
        {TOOL_ELLIPSE, 597, shape},
        {TOOL_ARROW, 448, arrow},
        {TOOL_MARK, 448, {"marks", "number", "number caption"}},
        {TOOL_PEN, 448, pen},
    };
    for (const Expect& c : cases) {
        SCOPED_TRACE(c.tool);
        ChooseTool(c.tool);
        EXPECT_EQ(opts[IDOPTS_TOOL], c.tool);
        const RECT r = DockRect();
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, 51);
        EXPECT_EQ(VisibleToolControls(), c.shown);
        EXPECT_TRUE(IsWindowVisible(hwndTools));
        EXPECT_TRUE(IsWindowVisible(hwndMenuBar));
        EXPECT_EQ(textMargin, c.tool == TOOL_ELLIPSE ? 18 : 4);
        EXPECT_EQ(GetFocus(), hwndOverlay);
    }
}

TEST_F(Dock, RelayoutKeepsTheToolWhenNoButtonIsChecked) {
    for (int id = 0; id < 8; ++id) SendMessageA(hwndTools, TB_CHECKBUTTON, id, FALSE);
    opts[IDOPTS_TOOL] = TOOL_MARK;
    RelayoutDock();
    EXPECT_EQ(opts[IDOPTS_TOOL], TOOL_MARK);
    EXPECT_EQ(VisibleToolControls(), (std::set<std::string>{"marks", "number", "number caption"}));
}

TEST_F(Dock, WindowsAndControlsAreBuiltAsLaidOut) {
    char text[64];
    for (HWND w : {hwndDock, textBar}) {
        GetWindowTextA(w, text, sizeof text);
        EXPECT_STREQ(text, "palimpsestDock");
        EXPECT_EQ(GetParent(w), hwndOverlay);
        EXPECT_EQ(GetDlgCtrlID(w), 0);
    }
    EXPECT_FALSE(IsWindowVisible(textBar));
    RECT bar;
    GetWindowRect(textBar, &bar);
    EXPECT_EQ(bar.right - bar.left, 235);
    EXPECT_EQ(bar.bottom - bar.top, 32);
    EXPECT_EQ(DockRect().left, ScreenWidth() / 2 - 240);

    EXPECT_EQ(SendMessageA(hwndTools, TB_BUTTONCOUNT, 0, 0), 8);
    EXPECT_EQ(SendMessageA(hwndMenuBar, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(GetParent(hwndcolor2), textBar);
    EXPECT_EQ(GetParent(hwndMarks), hwndDock);
    EXPECT_TRUE(GetWindowLongPtrA(hwndNumber, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongPtrA(hwndNumber, GWL_STYLE) & ES_NUMBER);
    GetWindowTextA(hwndEraseAll, text, sizeof text);
    EXPECT_STREQ(text, "Erase All");

    const char* faces[] = {"Cursive 1", "Cursive 2", "Jot 1", "Jot 2", "Arial", "Tahoma", "Verdana", "Georgia"};
    ASSERT_EQ(SendMessageA(hwndFontFace, CB_GETCOUNT, 0, 0), 8);
    for (int i = 0; i < 8; ++i) {
        SendMessageA(hwndFontFace, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, faces[i]);
    }
    const char* sizes[] = {"8", "10", "12", "14", "16", "20", "26", "48", "72"};
    ASSERT_EQ(SendMessageA(hwndFontSize, CB_GETCOUNT, 0, 0), 9);
    for (int i = 0; i < 9; ++i) {
        SendMessageA(hwndFontSize, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, sizes[i]);
    }
    EXPECT_EQ(SendMessageA(hwndMarks, CB_GETCOUNT, 0, 0), 12);
    EXPECT_GE(SendMessageA(hwndMarks, CB_GETDROPPEDWIDTH, 0, 0), 120);  // room for "numbered"
    EXPECT_EQ(SendMessageA(hwndOpacity, CB_GETCOUNT, 0, 0), 5);

    // Owner-drawn rows were measured while each list was made. The closed
    // field's height includes the control's own border, so only the
    // difference of the two fields (31 - 18) is compared.
    EXPECT_EQ(SendMessageA(hwndMarks, CB_GETITEMHEIGHT, 0, 0), 41);
    EXPECT_EQ(SendMessageA(hwndFontFace, CB_GETITEMHEIGHT, 0, 0), 26);
    EXPECT_EQ(SendMessageA(hwndMarks, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0) -
                  SendMessageA(hwndFontFace, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
              31 - 18);

    LOGFONTA lf;
    ASSERT_TRUE(GetObjectA(fontCaption, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "Segoe UI");
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(7));
    EXPECT_EQ(lf.lfWeight, 100);
    ASSERT_TRUE(GetObjectA(fontMarkLarge, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "Arial Bold");
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(10));
}

// The menu toolbar lies inside the tool toolbar's rectangle and must be the
// one that takes clicks there.
TEST_F(Dock, MenuButtonsLieAboveTheToolToolbar) {
    POINT inMenuBar{7 + 30, 25 + 12};
    EXPECT_EQ(ChildWindowFromPointEx(hwndDock, inMenuBar, CWP_SKIPINVISIBLE), hwndMenuBar);
    POINT onTools{7 + 10, 10};
    EXPECT_EQ(ChildWindowFromPointEx(hwndDock, onTools, CWP_SKIPINVISIBLE), hwndTools);
}

TEST_F(Dock, ListChoicesReachTheOptionTable) {
    ChooseItem(hwndPenSize, 4);
    EXPECT_EQ(opts[IDOPTS_PENWIDTH], 5);
    ChooseItem(hwndShapeWidth, 6);
    EXPECT_EQ(opts[IDOPTS_SHAPEWIDTH], 7);
    ChooseItem(hwndOpacity, 1);
    EXPECT_EQ(opts[IDOPTS_OPACITY], 2);
    EXPECT_EQ(GetFocus(), hwndOverlay);

    SendMessageA(hwndFilled, BM_SETCHECK, BST_CHECKED, 0);
    Click(hwndFilled);
    EXPECT_EQ(opts[IDOPTS_FILL], 1);
    SendMessageA(hwndFilled, BM_SETCHECK, BST_UNCHECKED, 0);
    Click(hwndFilled);
    EXPECT_EQ(opts[IDOPTS_FILL], 0);

    ChooseItem(hwndFontFace, 5);
    ChooseItem(hwndFontSize, 6);  // "26"
    EXPECT_EQ(opts[IDOPTS_FONT], 5);
    EXPECT_EQ(opts[IDOPTS_FONTSIZE], 26);
    LOGFONTA lf;
    ASSERT_TRUE(GetObjectA(fontText, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(26));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(textEdit, WM_GETFONT, 0, 0)), fontText);

    ChooseItem(hwndFontSize, 0);  // "8"
    EXPECT_EQ(opts[IDOPTS_FONTSIZE], 8);
}

TEST_F(Dock, OnlyTheNumberedMarksEnableTheNumberEdit) {
    for (int mark : {3, 11, 0, 2, 5, 1}) {
        ChooseItem(hwndMarks, mark);
        EXPECT_EQ(opts[IDOPTS_MARK], mark);
        EXPECT_EQ(IsWindowEnabled(hwndNumber) != FALSE, mark < 3) << mark;
    }
}

// An empty font size list cannot leave a zero-point font behind.
TEST_F(Dock, FontSizeWithoutSelectionKeepsTheStoredSize) {
    opts[IDOPTS_FONTSIZE] = 20;
    SendMessageA(hwndFontSize, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ApplyDockControls();
    EXPECT_EQ(opts[IDOPTS_FONTSIZE], 20);
    LOGFONTA lf;
    ASSERT_TRUE(GetObjectA(fontText, sizeof lf, &lf));
    EXPECT_EQ(lf.lfHeight, FontHeightForPoints(20));
}

// Typing goes through WM_CHAR; a paste replaces the selection.
TEST_F(Dock, NumberEditSetsTheNextMarkNumber) {
    SetWindowTextA(hwndNumber, "");
    SendMessageA(hwndNumber, WM_CHAR, '4', 0);
    EXPECT_EQ(markerNumber, 4);
    SendMessageA(hwndNumber, WM_CHAR, '2', 0);
    EXPECT_EQ(markerNumber, 42);
    SendMessageA(hwndNumber, WM_CHAR, 'x', 0);  // not a digit: refused by the edit
    EXPECT_EQ(markerNumber, 42);

    const std::pair<const char*, int> pasted[] = {{"", 0}, {"999", 999}, {"7", 7}, {"4x2", 4}, {"007", 7}};
    for (const auto& [text, number] : pasted) {
        SendMessageA(hwndNumber, EM_SETSEL, 0, -1);
        SendMessageA(hwndNumber, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(markerNumber, number) << text;
    }
    // The field is narrow; longer numbers that reach it are cut to three digits.
    EXPECT_EQ(ParseMarkerNumber("12345"), 123);
    EXPECT_EQ(ParseMarkerNumber("9\r\n9"), 9);
    EXPECT_EQ(ParseMarkerNumber(" 5"), 0);
}

TEST_F(Dock, EraseAllLeavesNothingToDrawUndoOrRedo) {
    for (int i = 0; i < 3; ++i) {
        AppendAnnotation(MakeShapeRecord(ANNOT_RECT, {10 * i, 10}, {100, 100}));
        RecordAdd(i);
    }
    ASSERT_TRUE(Undo());
    ASSERT_EQ(undoneCount, 1);
    Click(hwndEraseAll);
    EXPECT_TRUE(annotations.empty());
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(undoneCount, 0);
    EXPECT_FALSE(Undo());
    EXPECT_FALSE(Redo());
    EXPECT_EQ(GetFocus(), hwndOverlay);
}

TEST_F(Dock, EdgeTogglesBetweenTopAndBottom) {
    ChooseTool(TOOL_RECT);  // a wide dock keeps the same left edge
    const RECT start = DockRect();
    const int startTop = opts[IDOPTS_DOCKTOP];
    ToggleDockEdge();
    const RECT flipped = DockRect();
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], 1 - startTop);
    EXPECT_EQ(flipped.left, ScreenWidth() / 2 - 240);
    EXPECT_EQ(flipped.right - flipped.left, 597);
    EXPECT_EQ(flipped.top, startTop == 1 ? ScreenHeight() - 52 : 0);
    ToggleDockEdge();
    const RECT back = DockRect();
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], startTop);
    EXPECT_TRUE(EqualRect(&back, &start));
}

TEST_F(Dock, AutohideHidesOnTheFourteenthTickAwayAndReturnsAtOnce) {
    opts[IDOPTS_AUTOHIDE] = 1;
    const RECT dock = DockRect();
    SetCursorPos(dock.left + 5, dock.bottom + 300);
    dockHideTimer = 0;
    for (int tick = 1; tick <= 13; ++tick) {
        DockAutohideTick();
        ASSERT_TRUE(IsWindowVisible(hwndDock)) << "tick " << tick;
    }
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));
    for (int tick = 0; tick < 50; ++tick) DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));

    SetCursorPos(dock.left + 100, dock.top + 20);
    DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    EXPECT_EQ(dockHideTimer, 0);

    // The wheel's reprieve: from 2000 ms the dock goes on the 7th tick.
    SetCursorPos(dock.left + 5, dock.bottom + 300);
    dockHideTimer = 2000;
    for (int tick = 1; tick <= 6; ++tick) DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));
}

TEST_F(Dock, AutohideOffLeavesTheDockAlone) {
    const RECT dock = DockRect();
    SetCursorPos(dock.left + 5, dock.bottom + 300);
    dockHideTimer = 5000;
    DockAutohideTick();
    EXPECT_TRUE(IsWindowVisible(hwndDock));
    ShowWindow(hwndDock, SW_HIDE);
    SetCursorPos(dock.left + 100, dock.top + 20);
    DockAutohideTick();
    EXPECT_FALSE(IsWindowVisible(hwndDock));
    EXPECT_EQ(dockHideTimer, 5000);
}

TEST_F(Dock, KeysSentToTheDockAreIgnored) {
    const int top = opts[IDOPTS_DOCKTOP];
    const int tool = opts[IDOPTS_TOOL];
    EXPECT_EQ(SendMessageA(hwndDock, WM_KEYDOWN, 'B', 0), 0);
    EXPECT_EQ(SendMessageA(hwndDock, WM_KEYDOWN, '1', 0), 0);
    EXPECT_EQ(opts[IDOPTS_DOCKTOP], top);
    EXPECT_EQ(opts[IDOPTS_TOOL], tool);
}

}  // namespace
