// Text typed into filled shapes, driven as the system drives it: a double-
// click arrives as down, up, double-click, up; typing goes to the edit as
// WM_CHAR and the edit notifies the overlay itself.
#include "gestures.h"
#include "features/last_drawing.h"
#include "features/showing.h"
#include "snapshot_helpers.h"

namespace {

constexpr int SIZE_8 = 0, SIZE_20 = 5, SIZE_48 = 7;  // positions in the size list

void ClickAway() { Click(1200, 780); }

// The last release comes `jitter` pixels right of the press.
void DoubleClick(int x, int y, int jitter = 0) {
    Click(x, y);
    SendMessageA(canvas.hwndOverlay, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    MoveTo(x + jitter, y);
    Release();
}

void Type(const char* keys) {
    for (; *keys; ++keys) SendMessageA(textEdit, WM_CHAR, static_cast<unsigned char>(*keys), 1);
}

// Size and face in the text bar, and the text colour.
void ChooseText(int size, int face, int row, int col) {
    Choose(dock.hwndFontSize, size);
    Choose(dock.hwndFontFace, face);
    opts[IDOPTS_TEXTCOLORROW] = row;
    opts[IDOPTS_TEXTCOLORCOL] = col;
}

// The rectangle.
class Text : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        UseTool(TOOL_RECT);
    }
};

// An unfilled rectangle, a band (stored filled, found in erase mode only)
// and a filled arrow, whose line opens its text: the field lies inside the
// arrow's box, 4 pixels in, and takes the keys. Each double-click moves 3
// pixels before its last release, which draws nothing either.
TEST_F(Text, OnlyFilledShapesOpenTheirTextInsideTheirBox) {
    opts[IDOPTS_FILL] = 0;
    Drag(100, 100, 300, 200);
    UseTool(TOOL_HIGHLIGHTER);
    Drag(100, 400, 300, 400);
    opts[IDOPTS_FILL] = 1;
    UseTool(TOOL_ARROW);
    Drag(200, 700, 400, 600);
    const std::tuple<const char*, int, int> places[] = {{"the rectangle's edge", 100, 150},
                                                        {"inside the rectangle", 200, 150},
                                                        {"the band", 200, 403},
                                                        {"the arrow's box", 220, 610},
                                                        {"nothing", 900, 300}};
    for (const auto& [name, x, y] : places) {
        DoubleClick(x, y, 3);
        EXPECT_FALSE(Visible(textEdit)) << "text field shown after a double-click on " << name;
    }
    EXPECT_EQ(AnnotationCount(), 3) << "records";
    DoubleClick(300, 650, 3);
    EXPECT_EQ(shapeText, 2) << "the shape whose text is open";
    EXPECT_EQ(WindowRect(textEdit).left, 204) << "text field's left";
    EXPECT_EQ(WindowRect(textEdit).bottom, 696) << "text field's bottom";
    EXPECT_EQ(GetFocus(), textEdit) << "the window with the keys";
}

TEST_F(Text, OpeningAndClosingWithoutTypingIsOneStep) {
    Drag(100, 100, 500, 300);
    Drag(600, 100, 900, 300);
    DoubleClick(700, 200);
    ClickAway();
    EXPECT_EQ(history.back().type, HISTORY_TEXT) << "last step";
    EXPECT_EQ(history.back().index, 1) << "record of the last step";
}

// "old" in face 1 at 20 points in colour (0, 2), then a second line "new"
// in face 3 at 48 points in colour (1, 1).
class TextTwice : public Text {
protected:
    void SetUp() override {
        Text::SetUp();
        Drag(100, 100, 500, 300);
        DoubleClick(200, 200);
        ChooseText(SIZE_20, 1, 0, 2);
        Type("old");
        ClickAway();
        DoubleClick(200, 200);
        ChooseText(SIZE_48, 3, 1, 1);
        SendMessageA(textEdit, EM_SETSEL, 3, 3);
        Type("\rnew");
        ClickAway();
    }
    void ExpectText(const char* text, int size, int face, int row, int col) {
        EXPECT_EQ(annotations[0].text, text) << "text";
        EXPECT_EQ(annotations[0].fontSize, size) << "size";
        EXPECT_EQ(annotations[0].fontIndex, face) << "face";
        EXPECT_EQ(annotations[0].textColorRow, row) << "colour row";
        EXPECT_EQ(annotations[0].textColorCol, col) << "colour column";
    }
};

TEST_F(TextTwice, TheCommitKeepsTheTextAndItsLook) { ExpectText("old\r\nnew", 48, 3, 1, 1); }

TEST_F(TextTwice, UndoRestoresTheEarlierTextAndLook) {
    Undo();
    ExpectText("old", 20, 1, 0, 2);
}

TEST_F(TextTwice, ReopeningShowsTheRecordsOwnLookInTheBar) {
    Undo();
    ChooseText(SIZE_8, 0, 0, 1);
    DoubleClick(200, 200);
    EXPECT_EQ(SendMessageA(dock.hwndFontSize, CB_GETCURSEL, 0, 0), SIZE_20) << "size chosen in the bar";
    EXPECT_EQ(SendMessageA(dock.hwndFontFace, CB_GETCURSEL, 0, 0), 1) << "face chosen in the bar";
    EXPECT_EQ(opts[IDOPTS_TEXTCOLORCOL], 2) << "text colour column";
}

// A box 300 wide with one line, "first", typed into it.
class TypedBox : public Text {
protected:
    void SetUp() override {
        Text::SetUp();
        Drag(100, 100, 400, 130);
        DoubleClick(250, 110);
        Type("first");
    }
};

int LineHeight() {
    SelectGuard font(hdcTextEdit, fontText);
    TEXTMETRICA metrics;
    GetTextMetricsA(hdcTextEdit, &metrics);
    return metrics.tmHeight;
}

// Each line takes the height of a line of the font, at 48 points too.
TEST_F(TypedBox, TypedLinesGrowTheBoxDownwardAndTheFieldWithIt) {
    Choose(dock.hwndFontSize, SIZE_48);
    Type("\rsecond\rthird");
    const RECT edit = WindowRect(textEdit);
    EXPECT_EQ(annotations[0].y, 100) << "top";
    EXPECT_EQ(annotations[0].cy, 3 * LineHeight() + 2 * textMargin) << "height";
    EXPECT_EQ(edit.bottom - edit.top, annotations[0].cy - 2 * textMargin) << "text field's height";
}

// Growing is no step of its own.
TEST_F(TypedBox, TheGrownHeightStaysWhenLinesAreDeletedAndTheTextUndone) {
    Type("\rsecond\rthird");
    const int grown = annotations[0].cy;
    SendMessageA(textEdit, EM_SETSEL, 5, -1);
    SendMessageA(textEdit, WM_CLEAR, 0, 0);
    ClickAway();
    Undo();
    EXPECT_EQ(annotations[0].cy, grown) << "height";
    EXPECT_EQ(undoneCount, 1) << "undone steps";
}

TEST_F(Text, LongTextIsCutToTheLongestAShapeHolds) {
    Drag(100, 200, 900, 700);
    for (int length : {1999, 2000, 5000}) {
        DoubleClick(500, 400);
        SetWindowTextA(textEdit, std::string(length, 'a').c_str());
        ClickAway();
        EXPECT_EQ(annotations[0].text.size(), size_t(MAX_TEXT_LENGTH)) << "length kept of " << length;
    }
}

// Latin, Greek, symbols, Cyrillic, Hebrew, Arabic, Chinese, Korean and an
// emoji (two UTF-16 units), typed as the system sends them: the record holds
// them in UTF-8, and the drawing read back from the data folder draws the
// same pixels.
TEST_F(Text, TextOfEveryScriptIsKeptAndDrawsTheSameWhenRestored) {
    opts[IDOPTS_FILL] = 1;
    Drag(100, 100, 900, 300);
    DoubleClick(500, 200);
    for (wchar_t unit :
         std::wstring(L"Zo\u00eb \u03b1\u2192\u2713 \u0416 \u05e9 \u0645 \u65e5\u672c \ud55c \U0001F600"))
        SendMessageW(textEdit, WM_CHAR, unit, 1);
    ClickAway();
    EXPECT_EQ(annotations[0].text,
              "Zo\xC3\xAB \xCE\xB1\xE2\x86\x92\xE2\x9C\x93 \xD0\x96 \xD7\xA9 \xD9\x85 "
              "\xE6\x97\xA5\xE6\x9C\xAC \xED\x95\x9C \xF0\x9F\x98\x80")
        << "the record's text";
    const std::vector<uint32_t> typed = SurfacePicture(canvas.hdcOverlay);
    EraseAll();
    FindLastDrawingOnDisk();
    RestoreLastDrawing();
    EXPECT_EQ(annotations.size(), 1u) << "records restored";
    EXPECT_TRUE(SurfacePicture(canvas.hdcOverlay) == typed) << "the restored drawing's pixels";
}

}  // namespace
