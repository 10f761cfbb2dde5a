// Pixels of the annotation renderer, drawn into 32-bit memory surfaces of a
// known background. Wine draws GDI+ without anti-aliasing, so colours are
// compared with small tolerances and edges by position ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "app/app.h"
#include "dock/dock.h"
#include "model/annotation.h"
#include "render/render.h"
#include "render_canvas.h"
#include "win_env.h"

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr uint32_t WHITE_RGB = 0xFFFFFF;
constexpr uint32_t BLACK_RGB = 0x000000;

bool Near(uint32_t rgb, int r, int g, int b, int tolerance = 4) {
    return std::abs(Canvas::R(rgb) - r) <= tolerance && std::abs(Canvas::G(rgb) - g) <= tolerance &&
           std::abs(Canvas::B(rgb) - b) <= tolerance;
}
bool Dark(uint32_t rgb) { return Canvas::Darkness(rgb) > 128; }
bool Bright(uint32_t rgb) { return Canvas::R(rgb) > 200 && Canvas::G(rgb) > 200 && Canvas::B(rgb) > 200; }

// Rows of column x, between y0 and y1, whose pixel passes `test`.
template <typename Test>
int CountInColumn(const Canvas& c, int x, int y0, int y1, Test test) {
    int n = 0;
    for (int y = y0; y < y1; ++y) n += test(c.At(x, y)) ? 1 : 0;
    return n;
}

// Bounding box of the pixels that pass `test`; left > right when none does.
template <typename Test>
RECT Extent(const Canvas& c, Test test) {
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (test(c.At(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    return box;
}

Annotation Box(uint8_t kind, int x, int y, int cx, int cy, COLORREF color, int opacity, int lineWidth, int filled) {
    Annotation a;
    a.kind = kind;
    a.x = x;
    a.y = y;
    a.cx = cx;
    a.cy = cy;
    a.color = color;
    a.opacity = static_cast<int16_t>(opacity);
    a.lineWidth = static_cast<int16_t>(lineWidth);
    a.filled = filled;
    a.points = {{x, y}, {x + cx, y + cy}};
    return a;
}

Annotation Arrow(Point32 tail, Point32 head, int lineWidth) {
    Annotation a = Box(ANNOT_ARROW, 0, 0, 0, 0, BLACK, 5, lineWidth, 0);
    a.points = {tail, head};
    return a;
}

Annotation Mark(int markIndex, int number, int x, int y, int size) {
    Annotation a = Box(ANNOT_MARK, x, y, size, size, BLACK, 5, 1, 1);
    a.markIndex = markIndex;
    a.markNumber = number;
    a.points.clear();
    return a;
}

// Records with text are drawn with a white outline over white, so only the
// text itself leaves dark pixels.
Annotation TextBox(uint8_t kind, int x, int y, int cx, int cy, const char* text) {
    Annotation a = Box(kind, x, y, cx, cy, WHITE, 5, 1, 0);
    a.text = text;
    a.fontIndex = 4;  // Arial
    a.fontSize = 20;
    a.textColorRow = 1;
    a.textColorCol = 1;  // palette entry 6: black
    return a;
}

// The dock makes the mark number fonts; where it has not, the tests make them.
void EnsureMarkFonts() {
    const int dpi = GetDeviceCaps(hdcOverlay, LOGPIXELSY);
    if (!fontMarkLarge)
        fontMarkLarge = CreateFontA(-MulDiv(10, dpi, 72), 0, 0, 0, 100, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial Bold");
    if (!fontMarkSmall)
        fontMarkSmall = CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, 100, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial Bold");
}

// Takes a mark picture away for one test, so that only the number shows.
class WithoutPicture {
public:
    explicit WithoutPicture(int index) : index_(index), saved_(stampImages[index]) { stampImages[index] = nullptr; }
    ~WithoutPicture() { stampImages[index_] = saved_; }

private:
    int index_;
    GpImage* saved_;
};

class Render : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        SetOptionTableDefaults();
        ClearAnnotations();
        EnsureMarkFonts();
    }
    void TearDown() override { ClearAnnotations(); }
};

TEST_F(Render, FilledRectangleBlendsItsInkAndHasAnOpaqueBlackOutline) {
    Canvas c(200, 120, WHITE);
    AppendAnnotation(Box(ANNOT_RECT, 20, 20, 100, 60, 0x0000FF, 2, 2, 1));  // red at alpha 102
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Near(c.At(70, 50), 0xFF, 0x99, 0x99)) << std::hex << c.At(70, 50);
    EXPECT_TRUE(Near(c.At(25, 25), 0xFF, 0x99, 0x99)) << std::hex << c.At(25, 25);
    // The 2 px outline is opaque black on every side, centred on the box edge.
    EXPECT_GE(CountInColumn(c, 70, 17, 24, [](uint32_t p) { return p == BLACK_RGB; }), 1);
    EXPECT_GE(CountInColumn(c, 70, 77, 84, [](uint32_t p) { return p == BLACK_RGB; }), 1);
    int leftBlack = 0, rightBlack = 0;
    for (int x = 17; x < 24; ++x) leftBlack += c.At(x, 50) == BLACK_RGB;
    for (int x = 117; x < 124; ++x) rightBlack += c.At(x, 50) == BLACK_RGB;
    EXPECT_GE(leftBlack, 1);
    EXPECT_LE(leftBlack, 3);
    EXPECT_GE(rightBlack, 1);
    EXPECT_EQ(c.At(15, 50), WHITE_RGB);
    EXPECT_EQ(c.At(125, 50), WHITE_RGB);

    // Unfilled: the inside stays background and the outline takes the ink.
    c.Fill(WHITE);
    annotations[0].filled = 0;
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.At(70, 50), WHITE_RGB);
    EXPECT_EQ(CountInColumn(c, 70, 0, 120, [](uint32_t p) { return p == BLACK_RGB; }), 0);
    EXPECT_GE(CountInColumn(c, 70, 17, 24, [](uint32_t p) { return Near(p, 0xFF, 0x99, 0x99); }), 1);

    // Opacity 5 is fully opaque; the alpha is 51 per step.
    c.Fill(WHITE);
    annotations[0] = Box(ANNOT_ELLIPSE, 20, 20, 100, 60, 0x00FF00, 5, 1, 1);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Near(c.At(70, 50), 0x00, 0xFF, 0x00)) << std::hex << c.At(70, 50);
    EXPECT_EQ(c.At(22, 22), WHITE_RGB);  // outside the ellipse, inside its box
}

TEST_F(Render, HighlighterBandIsSevenTimesItsWidthHighAndKeepsDarkParts) {
    const COLORREF band = RGB(0xFF, 0xE9, 0x46);
    Annotation a = Box(ANNOT_HIGHLIGHTER, 10, 10, 50, 999, band, 1, 3, 1);  // cy and opacity play no part
    a.points.clear();
    AppendAnnotation(a);

    Canvas white(100, 100, WHITE);
    RenderAnnotations(white.dc(), -1, -1);
    for (int y = 10; y <= 30; ++y) EXPECT_TRUE(Near(white.At(30, y), 0xFF, 0xE9, 0x46, 2)) << "row " << y;
    EXPECT_EQ(white.At(30, 9), WHITE_RGB);
    EXPECT_EQ(white.At(30, 31), WHITE_RGB);
    EXPECT_EQ(white.At(9, 20), WHITE_RGB);
    EXPECT_EQ(white.At(60, 20), WHITE_RGB);

    Canvas black(100, 100, BLACK);
    RenderAnnotations(black.dc(), -1, -1);
    EXPECT_EQ(black.CountNot(BLACK_RGB, 0, 0, 100, 100), 0);

    // A mid-grey picture is darkened, never lightened: AND of the colours.
    Canvas grey(100, 100, RGB(0x80, 0x80, 0x80));
    RenderAnnotations(grey.dc(), -1, -1);
    EXPECT_TRUE(Near(grey.At(30, 20), 0x80, 0x80, 0x00, 2)) << std::hex << grey.At(30, 20);
}

TEST_F(Render, ArrowIsTwiceTheLineWidthOverAFaintHaloWithAHead) {
    Canvas c(260, 200, WHITE);
    AppendAnnotation(Arrow({20, 50}, {200, 50}, 2));
    AppendAnnotation(Arrow({20, 150}, {200, 150}, 1));
    RenderAnnotations(c.dc(), -1, -1);
    const int thick2 = CountInColumn(c, 80, 30, 70, Dark);
    const int thick1 = CountInColumn(c, 80, 130, 170, Dark);
    EXPECT_GE(thick2, 3);
    EXPECT_LE(thick2, 5);
    EXPECT_GE(thick1, 1);
    EXPECT_LE(thick1, 3);
    EXPECT_GT(thick2, thick1);
    // The halo is black at alpha 22: any pixel beside the ink is faint, and
    // it reaches at most one pixel further than the ink on each side.
    for (int y = 30; y < 70; ++y) {
        const uint32_t p = c.At(80, y);
        if (!Dark(p)) {
            EXPECT_LT(Canvas::Darkness(p), 40) << "row " << y;
        }
    }
    EXPECT_LE(CountInColumn(c, 80, 30, 70, [](uint32_t p) { return p != WHITE_RGB; }), thick2 + 2);
    // The head is wider than the shaft and ends at the second point.
    int widest = 0;
    for (int x = 180; x <= 200; ++x) widest = std::max(widest, CountInColumn(c, x, 30, 70, Dark));
    EXPECT_GT(widest, thick2);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 206, 0, 260, 200), 0);
}

TEST_F(Render, RoundedCornersShrinkForSmallBoxes) {
    Canvas c(400, 200, WHITE);
    AppendAnnotation(Box(ANNOT_ROUNDRECT, 20, 20, 100, 100, BLACK, 5, 1, 1));   // diameter 15
    AppendAnnotation(Box(ANNOT_ROUNDRECT, 150, 20, 100, 20, BLACK, 5, 1, 1));   // diameter 5
    AppendAnnotation(Box(ANNOT_ROUNDRECT, 150, 60, 100, 10, BLACK, 5, 1, 1));   // diameter 3
    RenderAnnotations(c.dc(), -1, -1);
    // One pixel in from the corner: cut away by the large arc only.
    EXPECT_FALSE(Dark(c.At(21, 21)));
    EXPECT_TRUE(Dark(c.At(151, 21)));
    EXPECT_TRUE(Dark(c.At(151, 61)));
    // On the left edge, one row down: cut away by both larger arcs.
    EXPECT_FALSE(Dark(c.At(20, 21)));
    EXPECT_FALSE(Dark(c.At(150, 21)));
    EXPECT_TRUE(Dark(c.At(150, 61)));
    // The large corner is a real curve, not a bevel: background reaches
    // several pixels along the top edge but the edge is solid further in.
    EXPECT_FALSE(Dark(c.At(23, 20)));
    EXPECT_TRUE(Dark(c.At(40, 20)));
    EXPECT_TRUE(Dark(c.At(20, 60)));
    EXPECT_TRUE(Dark(c.At(70, 70)));

    // Unfilled: only the outline, in the ink, rounded the same way.
    c.Fill(WHITE);
    annotations.resize(1);
    annotations[0].filled = 0;
    annotations[0].color = 0x0000FF;
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.At(70, 70), WHITE_RGB);
    EXPECT_FALSE(Dark(c.At(21, 21)));
    EXPECT_GE(CountInColumn(c, 70, 18, 23, [](uint32_t p) { return Near(p, 0xFF, 0, 0); }), 1);
}

TEST_F(Render, PenStrokeFollowsItsPointsAndNeedsTwoOfThem) {
    Canvas c(200, 200, WHITE);
    Annotation stroke = Box(ANNOT_PEN, 0, 0, 0, 0, BLACK, 5, 3, 0);
    stroke.points = {{30, 30}};
    AppendAnnotation(stroke);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 200, 200), 0);

    annotations[0].points = {{30, 30}, {100, 30}, {100, 150}};
    RenderAnnotations(c.dc(), -1, -1);
    // A curve through every point: it bends before the corner instead of
    // running straight into it, but stays close to the polyline.
    EXPECT_TRUE(Dark(c.At(30, 30)));
    EXPECT_TRUE(Dark(c.At(100, 30)));
    EXPECT_TRUE(Dark(c.At(100, 150)));
    EXPECT_GE(CountInColumn(c, 65, 12, 36, Dark), 2);
    EXPECT_FALSE(Dark(c.At(65, 30)));
    int rowHits = 0;
    for (int x = 95; x < 120; ++x) rowHits += Dark(c.At(x, 90));
    EXPECT_GE(rowHits, 2);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 60, 80, 200), 0);  // nothing far from the stroke
}

TEST_F(Render, RecordsAreDrawnInListOrderAndSkipOrOnlyOneOfThem) {
    const COLORREF colors[5] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 255, 255)};
    for (int i = 0; i < 5; ++i) AppendAnnotation(Box(ANNOT_RECT, 10 + 40 * i, 10, 30, 30, colors[i], 5, 1, 1));
    auto shown = [](const Canvas& c, int i) { return c.At(25 + 40 * i, 25) != WHITE_RGB; };

    Canvas c(220, 60, WHITE);
    RenderAnnotations(c.dc(), -1, 2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(shown(c, i), i != 2) << "record " << i;
    c.Fill(WHITE);
    RenderAnnotations(c.dc(), 2, -1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(shown(c, i), i == 2) << "record " << i;
    EXPECT_TRUE(Near(c.At(105, 25), 0x00, 0x00, 0xFF, 0)) << std::hex << c.At(105, 25);
    c.Fill(WHITE);
    RenderAnnotations(c.dc(), 5, -1);  // not a position of the list
    RenderAnnotations(c.dc(), 99, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 220, 60), 0);

    // A later filled rectangle hides an earlier stroke; the reverse order shows the stroke.
    ClearAnnotations();
    Annotation stroke = Box(ANNOT_PEN, 0, 0, 0, 0, BLACK, 5, 3, 0);
    stroke.points = {{0, 25}, {220, 25}};
    AppendAnnotation(stroke);
    AppendAnnotation(Box(ANNOT_RECT, 50, 10, 40, 30, RGB(255, 0, 0), 5, 1, 1));
    c.Fill(WHITE);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Near(c.At(70, 25), 0xFF, 0, 0, 0));
    EXPECT_TRUE(Dark(c.At(20, 25)));
    std::swap(annotations[0], annotations[1]);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Dark(c.At(70, 25)));
}

TEST_F(Render, TextSitsFourPixelsInsideRectanglesAndEighteenInsideEllipses) {
    Canvas c(420, 200, WHITE);
    AppendAnnotation(TextBox(ANNOT_RECT, 50, 40, 300, 100, "WWW WWW"));
    RenderAnnotations(c.dc(), -1, -1);
    const RECT rectText = Extent(c, Dark);
    ASSERT_LE(rectText.left, rectText.right) << "no text drawn";
    EXPECT_GE(rectText.left, 54);
    EXPECT_LE(rectText.left, 58);
    EXPECT_GE(rectText.top, 44);
    EXPECT_LE(rectText.top, 54);

    c.Fill(WHITE);
    annotations[0].kind = ANNOT_ELLIPSE;
    RenderAnnotations(c.dc(), -1, -1);
    const RECT ellipseText = Extent(c, Dark);
    ASSERT_LE(ellipseText.left, ellipseText.right) << "no text drawn";
    EXPECT_GE(ellipseText.left, 68);
    EXPECT_LE(ellipseText.left, 72);
    EXPECT_GE(ellipseText.top, 58);

    // Words wrap inside the box and a line that does not fit is not shown.
    c.Fill(WHITE);
    annotations[0] = TextBox(ANNOT_RECT, 50, 40, 120, 150, "WWW WWW WWW WWW WWW WWW WWW WWW WWW WWW WWW WWW");
    RenderAnnotations(c.dc(), -1, -1);
    const RECT wrapped = Extent(c, Dark);
    EXPECT_LE(wrapped.right, 50 + 120 - 4);
    EXPECT_LE(wrapped.bottom, 40 + 150 - 4);
    EXPECT_GT(wrapped.bottom - wrapped.top, 60);  // several lines
}

TEST_F(Render, TextNeedsAFaceAndSurvivesDamagedValues) {
    Canvas c(420, 200, WHITE);
    AppendAnnotation(TextBox(ANNOT_RECT, 50, 40, 300, 100, "WWW WWW"));
    annotations[0].fontIndex = -1;  // no text, whatever `text` holds
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 420, 200), 0);

    // A face index outside the table falls back to the first face, and a
    // colour position outside the palette to its first entry.
    palette[0] = RGB(0, 0, 255);
    annotations[0].fontIndex = 42;
    annotations[0].textColorRow = 7;
    annotations[0].textColorCol = -3;
    RenderAnnotations(c.dc(), -1, -1);
    const RECT drawn = Extent(c, [](uint32_t p) { return Canvas::B(p) > 200 && Canvas::R(p) < 80; });
    EXPECT_LE(drawn.left, drawn.right) << "the fallback face and colour drew nothing";

    // A box too small for its inset draws no text anywhere.
    c.Fill(WHITE);
    annotations[0] = TextBox(ANNOT_ELLIPSE, 50, 40, 30, 30, "WWW WWW");
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 420, 200), 0);
}

TEST_F(Render, MarkNumbersAreWhiteOnTheFirstTwoMarksAndBlackOnTheThird) {
    for (int index : {0, 1}) {
        WithoutPicture bare(index);
        Canvas c(100, 100, BLACK);
        AppendAnnotation(Mark(index, 7, 30, 30, 40));
        RenderAnnotations(c.dc(), -1, -1);
        const RECT digits = Extent(c, Bright);
        ASSERT_LE(digits.left, digits.right) << "mark " << index << " has no white number";
        EXPECT_NEAR((digits.left + digits.right) / 2, 50, 3);  // centred both ways
        EXPECT_NEAR((digits.top + digits.bottom) / 2, 50, 3);
        ClearAnnotations();
    }
    {
        WithoutPicture bare(2);
        Canvas c(100, 100, WHITE);
        AppendAnnotation(Mark(2, 12, 30, 30, 40));
        RenderAnnotations(c.dc(), -1, -1);
        const RECT digits = Extent(c, Dark);
        ASSERT_LE(digits.left, digits.right) << "mark 2 has no black number";
        EXPECT_GT(digits.right - digits.left, 4);  // two digits
        EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 100, 30), 0);
        ClearAnnotations();
    }
    // Marks 3..11 carry no number; an empty box shows nothing either.
    for (int index : {3, 11}) {
        WithoutPicture bare(index);
        Canvas c(100, 100, BLACK);
        AppendAnnotation(Mark(index, 88, 30, 30, 40));
        AppendAnnotation(Mark(0, 88, 10, 10, 0));
        {
            WithoutPicture bareFirst(0);
            RenderAnnotations(c.dc(), -1, -1);
        }
        EXPECT_EQ(c.CountNot(BLACK_RGB, 0, 0, 100, 100), 0) << "mark " << index;
        ClearAnnotations();
    }
}

TEST_F(Render, MarkPictureIsStretchedIntoItsBoxWithTheNumberOnTop) {
    ASSERT_NE(stampImages[2], nullptr) << "the yellow mark picture did not load";
    Canvas plain(100, 100, WHITE), numbered(100, 100, WHITE);
    {
        GraphicsOwner graphics;
        ASSERT_EQ(GdipCreateFromHDC(plain.dc(), graphics.out()), Ok);
        GdipDrawImageRectI(graphics.get(), stampImages[2], 20, 20, 64, 64);
    }
    DrawMark(numbered.dc(), RECT{20, 20, 64, 64}, 2, 12);
    int changed = 0, changedToBlack = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (plain.At(x, y) != numbered.At(x, y)) {
                ++changed;
                changedToBlack += Canvas::Darkness(numbered.At(x, y)) > 150;
                EXPECT_TRUE(x > 30 && x < 74 && y > 30 && y < 74) << x << "," << y;
            }
    EXPECT_GT(changed, 10);
    EXPECT_GE(changedToBlack * 2, changed);  // the number is black
    // The picture fills the stretched box: it is not drawn at its natural 32 x 32 only.
    EXPECT_NE(plain.At(75, 75), WHITE_RGB);
    EXPECT_EQ(plain.At(86, 86), WHITE_RGB);
}

TEST_F(Render, MissingMarkPicturesAndBadIndexesDrawNothing) {
    Canvas c(100, 100, WHITE);
    {
        WithoutPicture bare(5);
        AppendAnnotation(Mark(5, 1, 20, 20, 32));
        RenderAnnotations(c.dc(), -1, -1);
    }
    for (int index : {-1, 12, 1000, INT_MIN}) DrawMark(c.dc(), RECT{20, 20, 32, 32}, index, 3);
    annotations[0].markIndex = 77;
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 100, 100), 0);
    // A list of unknown kinds and empty geometry is drawn without harm.
    Annotation odd = Box(0, 10, 10, 20, 20, BLACK, 5, 1, 1);
    AppendAnnotation(odd);
    odd.kind = ANNOT_ARROW;
    odd.points.clear();
    AppendAnnotation(odd);
    odd.kind = ANNOT_PEN;
    AppendAnnotation(odd);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 100, 100), 0);
}

TEST_F(Render, TextSizeFollowsTheScreenResolution) {
    if (GetDeviceCaps(hdcOverlay, LOGPIXELSY) != 96) GTEST_SKIP() << "screen is not 96 dpi";
    EXPECT_EQ(FontHeightForPoints(14), -19);  // 18.67 rounds to 19
    EXPECT_EQ(FontHeightForPoints(10), -13);
}

}  // namespace
