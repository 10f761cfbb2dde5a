// Text typed into filled shapes, driven as the system drives it: a double-
// click arrives as down, up, double-click, up; typing goes to the edit as
// WM_CHAR and the edit notifies the overlay itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay/overlay.h"
#include "render/render.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

using Ints = std::vector<int>;
constexpr int SIZE_8 = 0, SIZE_20 = 5, SIZE_48 = 7;  // positions in the size list
void ClickAway() { Click(1200, 780); }
// A double-click whose last release comes `jitter` pixels to the right.
void DoubleClick(int x, int y, int jitter = 0) {
    Press(x, y), Release();
    SendMessageA(hwndOverlay, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    if (jitter) MoveTo(x + jitter, y);
    Release();
}
void Type(const char* keys) {
    for (; *keys; ++keys) SendMessageA(textEdit, WM_CHAR, static_cast<unsigned char>(*keys), 1);
    PumpMessages();
}
void ChooseText(int size, int face, int row, int col) {  // in the text bar, and the text colour
    Choose(hwndFontSize, size), Choose(hwndFontFace, face);
    opts[IDOPTS_TEXTCOLORROW] = row, opts[IDOPTS_TEXTCOLORCOL] = col;
}
void Fresh() {
    StartProgramOnce();
    CloseTextEditWithoutCommit(), ClearAnnotations(), ClearHistory();
    opts[IDOPTS_FILL] = 1, opts[IDOPTS_FONT] = 0, opts[IDOPTS_FONTSIZE] = 14;
    opts[IDOPTS_TEXTCOLORROW] = opts[IDOPTS_TEXTCOLORCOL] = 0;
    MakeTextFont(), UseTool(TOOL_RECT);
}

// Unfilled shapes, strokes, bands (stored filled), marks and the inside of
// an arrow's box open nothing, and a double-click whose pointer moves before
// its last release makes no record either; a filled arrow's line opens.
TEST(Text, OnlyFilledShapesOpenAndAJitteryDoubleClickCommitsNothing) {
    Fresh();
    opts[IDOPTS_FILL] = 0, Drag(100, 100, 300, 200), UseTool(TOOL_PEN), Drag(400, 150, 600, 150);
    UseTool(TOOL_HIGHLIGHTER), Drag(100, 400, 300, 400), AppendAnnotation(MakeMarkRecord({700, 150}, 40, 40, 1));
    opts[IDOPTS_FILL] = 1, UseTool(TOOL_ARROW), Drag(200, 700, 400, 600), UseTool(TOOL_RECT);
    for (POINT p : {POINT{100, 150}, POINT{200, 150}, POINT{500, 150}, POINT{200, 403}, POINT{700, 150}, POINT{220, 610}, POINT{900, 300}}) DoubleClick(p.x, p.y, 3);
    EXPECT_TRUE(shapeText == -1 && !Visible(textEdit) && !Visible(textBar) && AnnotationCount() == 5 && history.size() == 4);
    DoubleClick(300, 650, 3);  // with the current text settings, unrecorded
    ASSERT_EQ(shapeText, 4);
    const RECT edit = WindowRect(textEdit);
    EXPECT_EQ((Ints{edit.left, edit.top, edit.right, edit.bottom, annotations[4].fontIndex, annotations[4].fontSize,
                    int(history.size()), GetFocus() == textEdit, Visible(textBar)}),
              (Ints{204, 604, 396, 696, 0, 14, 4, 1, 1}));
}

TEST(Text, TypedLinesGrowTheBoxDownwardOnlyAndUnrecorded) {
    Fresh();
    Drag(100, 100, 400, 130), DoubleClick(250, 110), Type("first");
    const int cy = annotations[0].cy;
    Type("\rsecond\rthird");
    const RECT edit = WindowRect(textEdit);
    const int grown = annotations[0].cy;
    EXPECT_TRUE(annotations[0].y == 100 && annotations[0].cx == 300 && grown > cy && edit.bottom - edit.top == grown - 2 * textMargin);
    SendMessageA(textEdit, EM_SETSEL, 5, -1), SendMessageA(textEdit, WM_CLEAR, 0, 0), PumpMessages();  // no shrinking
    EXPECT_TRUE(annotations[0].cy == grown && history.size() == 1);
    ClickAway();
    ASSERT_TRUE(history.size() == 2 && Undo());
    EXPECT_EQ(annotations[0].cy, grown);  // the undo of the text keeps the height
}

TEST(Text, EachOpeningRecordsOneStepThatUndoRestoresAndTextKeepsItsOwnLook) {
    Fresh();
    Drag(100, 100, 500, 300), Drag(600, 100, 900, 300), DoubleClick(700, 200), ClickAway();  // no typing: still a step
    EXPECT_TRUE(history.size() == 3 && history[2].type == HISTORY_TEXT && history[2].index == 1);
    DoubleClick(200, 200), ChooseText(SIZE_20, 1, 0, 2), Type("old"), ClickAway();
    DoubleClick(200, 200), ChooseText(SIZE_48, 3, 1, 1), SendMessageA(textEdit, EM_SETSEL, 3, 3), Type("\rnew"), ClickAway();
    const Annotation& r = annotations[0];
    EXPECT_EQ((Ints{r.text == "old\r\nnew", r.fontSize, r.fontIndex, r.textColorRow, r.textColorCol}), (Ints{1, 48, 3, 1, 1}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ((Ints{r.text == "old", r.fontSize, r.fontIndex, r.textColorRow, r.textColorCol}), (Ints{1, 20, 1, 0, 2}));
    ChooseText(SIZE_8, 0, 0, 1), DoubleClick(200, 200);  // the bar and the edit take the record's own look
    char text[16] = "";
    GetWindowTextA(textEdit, text, sizeof text);
    EXPECT_EQ((Ints{text == std::string("old"), int(SendMessageA(hwndFontSize, CB_GETCURSEL, 0, 0)),
                    int(SendMessageA(hwndFontFace, CB_GETCURSEL, 0, 0)), opts[IDOPTS_FONTSIZE]}),
              (Ints{1, SIZE_20, 1, 20}));
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(textEdit, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, fontFaceTable[1]);
    HDC dc = CreateCompatibleDC(nullptr);  // the edit paints in the text colour on the shape's colour
    SendMessageA(hwndOverlay, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(textEdit));
    EXPECT_TRUE(GetTextColor(dc) == palette[2] && GetBkColor(dc) == r.color);
    DeleteDC(dc), ClickAway();  // a commit after an undo starts a new history
    EXPECT_EQ((Ints{undoneCount, int(history.size()), history.back().type}), (Ints{0, 1, HISTORY_TEXT}));
}

TEST(Text, LongTextIsCutAndClosingWithoutCommitKeepsTheRecord) {
    Fresh();
    Drag(100, 100, 900, 700);
    std::string text, lines;
    for (int i = 0; i < 5000; ++i) text += static_cast<char>('a' + i % 26);
    for (size_t length : {1999u, 2000u, 5000u}) {
        DoubleClick(500, 400), SetWindowTextA(textEdit, text.substr(0, length).c_str()), ClickAway();
        EXPECT_EQ(annotations[0].text, text.substr(0, MAX_TEXT_LENGTH)) << length;
    }
    DoubleClick(500, 400), Type("typed"), CloseTextEditWithoutCommit(), ClickAway();
    EXPECT_TRUE(shapeText == -1 && !Visible(textEdit) && annotations[0].text.size() == 1999 && history.size() == 4);
    for (int i = 0; i < 60; ++i) lines += "x\r\n";  // the edit's notifications change nothing once it is closed
    SetWindowTextA(textEdit, lines.c_str());
    SendMessageA(hwndOverlay, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(textEdit));
    EXPECT_EQ(annotations[0].cy, 600);
}

}  // namespace
