// Text typed into filled shapes, driven as the system drives it: a double-
// click arrives as down, up, double-click, up; typing goes to the edit as
// WM_CHAR and the edit notifies the overlay itself.
#include <gtest/gtest.h>

#include "gestures.h"

namespace {

constexpr int SIZE_8 = 0, SIZE_20 = 5, SIZE_48 = 7;  // positions in the size list
void ClickAway() { Click(1200, 780); }
void DoubleClick(int x, int y, int jitter = 0) {  // the last release `jitter` pixels to the right
    Press(x, y), Release(), SendMessageA(canvas.hwndOverlay, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    MoveTo(x + jitter, y), Release();
}
void Type(const char* keys) {
    for (; *keys; ++keys) SendMessageA(textEdit, WM_CHAR, static_cast<unsigned char>(*keys), 1);
}
void ChooseText(int size, int face, int row, int col) {  // in the text bar, and the text colour
    Choose(dock.hwndFontSize, size), Choose(dock.hwndFontFace, face), opts[IDOPTS_TEXTCOLORROW] = row,
                                                                      opts[IDOPTS_TEXTCOLORCOL] = col;
}
void Fresh() { FreshDrawing(TOOL_RECT), opts[IDOPTS_FONT] = 0, opts[IDOPTS_FONTSIZE] = 14, MakeTextFont(); }

// Unfilled shapes, strokes, bands (stored filled), marks and the inside of
// an arrow's box open nothing, and a double-click whose pointer moves before
// its last release makes no record either; a filled arrow's line opens.
TEST(Text, OnlyFilledShapesOpenAndAJitteryDoubleClickCommitsNothing) {
    Fresh();
    opts[IDOPTS_FILL] = 0, Drag(100, 100, 300, 200), UseTool(TOOL_PEN), Drag(400, 150, 600, 150);
    UseTool(TOOL_HIGHLIGHTER), Drag(100, 400, 300, 400), AppendAnnotation(MakeMarkRecord({700, 150}, 40, 40, 1));
    opts[IDOPTS_FILL] = 1, UseTool(TOOL_ARROW), Drag(200, 700, 400, 600), UseTool(TOOL_RECT);
    for (POINT p : {POINT{100, 150}, POINT{200, 150}, POINT{500, 150}, POINT{200, 403}, POINT{700, 150},
                    POINT{220, 610}, POINT{900, 300}})
        DoubleClick(p.x, p.y, 3);
    EXPECT_TRUE(shapeText == -1 && !Visible(textEdit) && !Visible(dock.textBar) && AnnotationCount() == 5 &&
                history.size() == 4);
    DoubleClick(300, 650, 3);  // with the current text settings, unrecorded
    const RECT edit = WindowRect(textEdit);
    EXPECT_EQ((Ints{shapeText, edit.left, edit.top, edit.right, edit.bottom, annotations[4].fontIndex,
                    annotations[4].fontSize, int(history.size()), GetFocus() == textEdit}),
              (Ints{4, 204, 604, 396, 696, 0, 14, 4, 1}));
}

TEST(Text, EachOpeningRecordsOneStepThatUndoRestoresAndTextKeepsItsOwnLook) {
    Fresh();
    Drag(100, 100, 500, 300), Drag(600, 100, 900, 300), DoubleClick(700, 200), ClickAway();  // no typing: still a step
    EXPECT_TRUE(history.size() == 3 && history[2].type == HISTORY_TEXT && history[2].index == 1);
    DoubleClick(200, 200), ChooseText(SIZE_20, 1, 0, 2), Type("old"), ClickAway();
    DoubleClick(200, 200), ChooseText(SIZE_48, 3, 1, 1), SendMessageA(textEdit, EM_SETSEL, 3, 3), Type("\rnew"),
        ClickAway();
    const Annotation& r = annotations[0];
    EXPECT_EQ((Ints{r.text == "old\r\nnew", r.fontSize, r.fontIndex, r.textColorRow, r.textColorCol}),
              (Ints{1, 48, 3, 1, 1}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ((Ints{r.text == "old", r.fontSize, r.fontIndex, r.textColorRow, r.textColorCol}), (Ints{1, 20, 1, 0, 2}));
    ChooseText(SIZE_8, 0, 0, 1), DoubleClick(200, 200);  // the bar and the edit take the record's own look
    EXPECT_EQ((Ints{GetWindowTextLengthA(textEdit), int(SendMessageA(dock.hwndFontSize, CB_GETCURSEL, 0, 0)),
                    int(SendMessageA(dock.hwndFontFace, CB_GETCURSEL, 0, 0)), opts[IDOPTS_FONTSIZE],
                    opts[IDOPTS_TEXTCOLORCOL]}),
              (Ints{3, SIZE_20, 1, 20, 2}));
    ClickAway();  // a commit after an undo starts a new history
    EXPECT_EQ((Ints{undoneCount, int(history.size()), history.back().type}), (Ints{0, 1, HISTORY_TEXT}));
}

// The box grows downward only, by typing, which is no step of its own.
TEST(Text, TypedLinesGrowTheBoxLongTextIsCutAndClosingWithoutCommitKeepsTheRecord) {
    Fresh();
    Drag(100, 100, 400, 130), DoubleClick(250, 110), Type("first");
    const int cy = annotations[0].cy;
    Type("\rsecond\rthird");
    const int grown = annotations[0].cy, editHeight = WindowRect(textEdit).bottom - WindowRect(textEdit).top;
    EXPECT_TRUE(annotations[0].y == 100 && annotations[0].cx == 300 && grown > cy &&
                editHeight == grown - 2 * textMargin);
    SendMessageA(textEdit, EM_SETSEL, 5, -1), SendMessageA(textEdit, WM_CLEAR, 0, 0), ClickAway(), Undo();
    EXPECT_TRUE(annotations[0].cy == grown && history.size() == 2 &&
                undoneCount == 1);  // and the undo keeps the height
    Drag(100, 200, 900, 700);
    for (int length : {1999, 2000, 5000}) {
        DoubleClick(500, 400), SetWindowTextA(textEdit, std::string(length, 'a').c_str()), ClickAway();
        EXPECT_EQ(annotations[1].text, std::string(MAX_TEXT_LENGTH, 'a')) << length;
    }
    DoubleClick(500, 400), Type("typed"), CloseTextEditWithoutCommit(), ClickAway();
    EXPECT_TRUE(shapeText == -1 && !Visible(textEdit) && annotations[1].text.size() == 1999 && history.size() == 4);
    std::string lines;  // the edit's notifications change nothing once it is closed
    for (int i = 0; i < 60; ++i) lines += "x\r\n";
    SetWindowTextA(textEdit, lines.c_str());
    SendMessageA(canvas.hwndOverlay, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(textEdit));
    EXPECT_EQ(annotations[1].cy, 500);
}

}  // namespace
