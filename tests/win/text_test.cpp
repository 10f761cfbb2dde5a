// Text typed into filled shapes, driven as the system drives it: the cursor
// is placed with SetCursorPos, a double-click arrives as down, up, double-
// click, up; typing goes to the edit as WM_CHAR and the edit notifies the
// overlay itself.
#include <gtest/gtest.h>

#include <string>

#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "render/render.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

void ClickAway() { Click(1200, 780); }

void DoubleClick(int x, int y) {
    SetCursorPos(x, y);
    const LPARAM at = MAKELPARAM(x, y);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageA(hwndOverlay, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    PumpMessages();
}

void Type(const std::string& keys) {
    for (char c : keys) SendMessageA(textEdit, WM_CHAR, static_cast<unsigned char>(c), 1);
    PumpMessages();
}

std::string EditText() {
    char text[256] = "";
    GetWindowTextA(textEdit, text, sizeof text);
    return text;
}

void ExpectClosed() {
    EXPECT_EQ(shapeText, -1);
    EXPECT_FALSE(Visible(textEdit));
    EXPECT_FALSE(Visible(textBar));
}

// The user picks an item of the text bar's size or face list.
void Choose(HWND list, int index) {
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(textBar, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}
constexpr int SIZE_8 = 0, SIZE_20 = 5, SIZE_48 = 7, SIZE_72 = 8;  // positions in the size list

// The text settings the user picks: size and face in the bar, and the text
// colour's palette row and column.
void ChooseText(int size, int face, int row, int col) {
    Choose(hwndFontSize, size);
    Choose(hwndFontFace, face);
    opts[IDOPTS_TEXTCOLORROW] = row, opts[IDOPTS_TEXTCOLORCOL] = col;
}

class Text : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        CloseTextEditWithoutCommit();
        ClearAnnotations();
        ClearHistory();
        opts[IDOPTS_FILL] = 1;
        opts[IDOPTS_FONT] = 0;
        opts[IDOPTS_FONTSIZE] = 14;
        opts[IDOPTS_TEXTCOLORROW] = opts[IDOPTS_TEXTCOLORCOL] = 0;
        MakeTextFont();
        UseTool(TOOL_RECT);
    }
};

TEST_F(Text, OnlyFilledShapesThatSelectModeFindsOpen) {
    opts[IDOPTS_FILL] = 0;
    Drag(100, 100, 300, 200);  // unfilled rectangle
    UseTool(TOOL_PEN);
    Drag(400, 150, 600, 150);
    UseTool(TOOL_HIGHLIGHTER);
    Drag(100, 400, 300, 400);  // bands are stored filled
    AppendAnnotation(MakeMarkRecord({700, 150}, 40, 40, 1));
    for (POINT p : {POINT{100, 150}, POINT{200, 150}, POINT{500, 150}, POINT{200, 403}, POINT{700, 150}}) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        DoubleClick(p.x, p.y);
        ExpectClosed();
    }
    ClickAway();
    EXPECT_EQ(history.size(), 3u);
    for (const Annotation& r : annotations) EXPECT_EQ(r.fontIndex, -1);
}

TEST_F(Text, FilledArrowOpensOverItsBoxWhenItsLineIsHit) {
    UseTool(TOOL_ARROW);
    Drag(200, 300, 400, 200);  // box 200,200 200x100
    DoubleClick(212, 290);     // inside the box, far from the line
    EXPECT_EQ(shapeText, -1);
    DoubleClick(300, 250);  // on the line
    ASSERT_EQ(shapeText, 0);
    const RECT edit = WindowRect(textEdit), bar = WindowRect(textBar);
    EXPECT_EQ((std::vector<LONG>{edit.left, edit.top, edit.right, edit.bottom}),
              (std::vector<LONG>{204, 204, 396, 296}));
    EXPECT_EQ((std::vector<LONG>{bar.left, bar.top, bar.right - bar.left}), (std::vector<LONG>{195, 162, 235}));
    EXPECT_TRUE(Visible(textEdit));
    EXPECT_TRUE(Visible(textBar));
    EXPECT_EQ(GetFocus(), textEdit);
    // A shape without text takes the current text settings, unrecorded.
    EXPECT_EQ(annotations[0].fontIndex, 0);
    EXPECT_EQ(annotations[0].fontSize, 14);
    EXPECT_EQ(history.size(), 1u);
}

TEST_F(Text, TypedLinesGrowTheBoxDownwardOnlyAndUnrecorded) {
    // One line of the text font, measured as the overlay measures it.
    HGDIOBJ old = SelectObject(hdcTextEdit, fontText);
    RECT probe{0, 0, 50, 0};
    DrawTextA(hdcTextEdit, "W", -1, &probe, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
    SelectObject(hdcTextEdit, old);
    const int h = probe.bottom, m = textMargin;
    ASSERT_GT(h, 5);
    Drag(100, 100, 400, 100 + h + 2 * m + 2);  // room for one line
    DoubleClick(250, 110);
    ASSERT_EQ(shapeText, 0);
    Type("first");
    EXPECT_EQ(annotations[0].cy, h + 2 * m + 2);
    Type("\rsecond");
    EXPECT_EQ(SendMessageA(textEdit, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ((std::vector<int>{annotations[0].y, annotations[0].cx, annotations[0].cy}),
              (std::vector<int>{100, 300, 2 * h + 2 * m}));
    const RECT edit = WindowRect(textEdit);
    EXPECT_EQ(edit.bottom - edit.top, 2 * h);
    EXPECT_EQ(edit.right - edit.left, 300 - 2 * m);
    // Deleting the second line does not shrink the box.
    SendMessageA(textEdit, EM_SETSEL, 5, -1);
    SendMessageA(textEdit, WM_CLEAR, 0, 0);
    PumpMessages();
    EXPECT_EQ(EditText(), "first");
    EXPECT_EQ(annotations[0].cy, 2 * h + 2 * m);
    EXPECT_EQ(history.size(), 1u);  // growth is no step of its own
    ClickAway();
    ASSERT_EQ(history.size(), 2u);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(annotations[0].cy, 2 * h + 2 * m);  // the undo of the text keeps the height
}

TEST_F(Text, ReopeningShowsTheTextInItsOwnFaceSizeAndColour) {
    Drag(100, 100, 600, 400);
    DoubleClick(300, 200);
    ASSERT_EQ(shapeText, 0);
    ChooseText(SIZE_72, 2, 1, 3);
    EXPECT_EQ(annotations[0].fontSize, 14);  // the bar reaches the record at the commit
    Type("Hi");
    ClickAway();
    const Annotation& r = annotations[0];
    EXPECT_EQ(r.text, "Hi");
    EXPECT_EQ((std::vector<int>{r.fontSize, r.fontIndex, r.textColorRow, r.textColorCol}),
              (std::vector<int>{72, 2, 1, 3}));
    EXPECT_FALSE(Visible(textEdit));

    // Other settings are current when the shape is opened again.
    ChooseText(SIZE_8, 0, 0, 1);
    DoubleClick(300, 200);
    ASSERT_EQ(shapeText, 0);
    EXPECT_EQ(EditText(), "Hi");
    EXPECT_EQ(SendMessageA(hwndFontSize, CB_GETCURSEL, 0, 0), SIZE_72);
    EXPECT_EQ(SendMessageA(hwndFontFace, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ((std::vector<int>{opts[IDOPTS_FONTSIZE], opts[IDOPTS_TEXTCOLORROW], opts[IDOPTS_TEXTCOLORCOL]}),
              (std::vector<int>{72, 1, 3}));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(textEdit, WM_GETFONT, 0, 0)), fontText);
    LOGFONTA font{};
    GetObjectA(fontText, sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, fontFaceTable[2]);

    // The edit paints in the text colour on the shape's own colour, with one
    // brush for every repaint; another control, or no open edit, gets none.
    HDC dc = CreateCompatibleDC(nullptr);
    auto colours = [dc](HWND control) {
        return SendMessageA(hwndOverlay, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    };
    const LRESULT brush = colours(textEdit);
    ASSERT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), palette[1 * 5 + 3]);
    EXPECT_EQ(GetBkColor(dc), r.color);
    LOGBRUSH info{};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof info, &info);
    EXPECT_EQ(info.lbColor, r.color);
    EXPECT_EQ(colours(textEdit), brush);
    EXPECT_EQ(colours(hwndNumber), 0);
    ClickAway();
    EXPECT_EQ(colours(textEdit), 0);
    DeleteDC(dc);
}

TEST_F(Text, EachOpeningRecordsOneStepThatUndoRestores) {
    Drag(100, 100, 500, 300);
    Drag(600, 100, 900, 300);
    DoubleClick(700, 200);  // opened and closed without typing: still one step
    ASSERT_EQ(shapeText, 1);
    ClickAway();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history.back().type, HISTORY_TEXT);
    EXPECT_EQ(history.back().index, 1);
    EXPECT_EQ(annotations[1].fontIndex, 0);

    DoubleClick(200, 200);
    ChooseText(SIZE_20, 1, 0, 2);
    Type("old");
    ClickAway();
    const int cyBefore = annotations[0].cy;

    DoubleClick(200, 200);
    ChooseText(SIZE_48, 3, 1, 1);
    SendMessageA(textEdit, EM_SETSEL, 3, 3);  // the caret after the old text
    Type("\rnew\rmore\rlines\rthan\rfit");
    const int cyGrown = annotations[0].cy;
    EXPECT_GT(cyGrown, cyBefore);
    ClickAway();
    ASSERT_EQ(history.size(), 5u);
    const HistoryEntry& e = history.back();
    EXPECT_EQ(e.type, HISTORY_TEXT);
    EXPECT_EQ(e.index, 0);
    EXPECT_EQ(e.oldText, "old");
    EXPECT_EQ(e.item.text, "old\r\nnew\r\nmore\r\nlines\r\nthan\r\nfit");

    ASSERT_TRUE(Undo());
    const Annotation& r = annotations[0];
    EXPECT_EQ(r.text, "old");
    EXPECT_EQ((std::vector<int>{r.fontSize, r.fontIndex, r.textColorRow, r.textColorCol, r.cy}),
              (std::vector<int>{20, 1, 0, 2, cyGrown}));
    ASSERT_TRUE(Redo());
    EXPECT_EQ(annotations[0].fontSize, 48);

    // A commit after an undo drops the undone steps.
    ASSERT_TRUE(Undo());
    DoubleClick(200, 200);
    ClickAway();
    EXPECT_EQ(undoneCount, 0);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].type, HISTORY_TEXT);
}

TEST_F(Text, TextLongerThanARecordHoldsIsCut) {
    Drag(100, 100, 900, 700);
    std::string text;
    for (int i = 0; i < 5000; ++i) text += static_cast<char>('a' + i % 26);
    for (size_t length : {size_t{1999}, size_t{2000}, size_t{5000}}) {
        DoubleClick(500, 400);
        ASSERT_EQ(shapeText, 0);
        SetWindowTextA(textEdit, text.substr(0, length).c_str());
        SendMessageA(hwndOverlay, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(textEdit), EN_CHANGE),
                     reinterpret_cast<LPARAM>(textEdit));
        ClickAway();
        EXPECT_EQ(annotations[0].text, text.substr(0, MAX_TEXT_LENGTH)) << length;
    }
}

TEST_F(Text, ClosingWithoutCommitKeepsTheRecordAndIgnoresLaterEdits) {
    Drag(100, 100, 500, 300);
    DoubleClick(200, 200);
    Type("typed");
    CloseTextEditWithoutCommit();
    ExpectClosed();
    EXPECT_NE(GetFocus(), textEdit);
    ClickAway();
    EXPECT_EQ(annotations[0].text, "");
    EXPECT_EQ(history.size(), 1u);
    // With no edit open, the edit's notifications change nothing.
    SetWindowTextA(textEdit, "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl");
    SendMessageA(hwndOverlay, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(textEdit));
    EXPECT_EQ(annotations[0].cy, 200);
}

}  // namespace
