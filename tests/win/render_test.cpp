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
bool IsBlack(uint32_t rgb) { return rgb == BLACK_RGB; }

// Rows of column x, between y0 and y1, whose pixel passes `test`.
template <typename Test>
int CountInColumn(const Canvas& c, int x, int y0, int y1, Test test) { return c.Count(test, x, y0, x + 1, y1); }

// Bounding box of the pixels that pass `test`; left > right when none does.
template <typename Test>
RECT Extent(const Canvas& c, Test test) {
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (test(c.At(x, y))) box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                                         std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
    return box;
}

Annotation Box(uint8_t kind, int x, int y, int cx, int cy, COLORREF color, int opacity = 5, int lineWidth = 1,
               int filled = 1) {
    return Annotation{.text = {}, .filled = filled, .color = color, .x = x, .y = y, .cx = cx, .cy = cy, .kind = kind,
                      .lineWidth = static_cast<int16_t>(lineWidth), .opacity = static_cast<int16_t>(opacity),
                      .points = {{x, y}, {x + cx, y + cy}}};
}

Annotation Line(uint8_t kind, std::vector<Point32> points, int lineWidth) {
    Annotation a = Box(kind, 0, 0, 0, 0, BLACK, 5, lineWidth, 0);
    a.points = std::move(points);
    return a;
}

Annotation Mark(int markIndex, int number, int x, int y, int size) {
    Annotation a = Box(ANNOT_MARK, x, y, size, size, BLACK);
    a.markIndex = markIndex;
    a.markNumber = number;
    return a;
}

// Records with text are drawn with a white outline over white, so only the
// text itself (Arial, black: palette entry 6) leaves dark pixels.
Annotation TextBox(uint8_t kind, int x, int y, int cx, int cy, const char* text) {
    Annotation a = Box(kind, x, y, cx, cy, WHITE, 5, 1, 0);
    a.text = text;
    a.fontIndex = 4;
    a.fontSize = 20;
    a.textColorRow = a.textColorCol = 1;
    return a;
}

// Takes a mark picture away for one test, so that only the number shows.
struct WithoutPicture {
    explicit WithoutPicture(int i) : index(i), saved(stampImages[i]) { stampImages[i] = nullptr; }
    ~WithoutPicture() { stampImages[index] = saved; }
    int index;
    GpImage* saved;
};

class Render : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        SetOptionTableDefaults();
        ClearAnnotations();
    }
};

TEST_F(Render, FilledShapesBlendTheirInkInsideAnOpaqueBlackOutline) {
    Canvas c(200, 120, WHITE);
    AppendAnnotation(Box(ANNOT_RECT, 20, 20, 100, 60, 0x0000FF, 2, 2));  // red at alpha 102
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Near(c.At(70, 50), 0xFF, 0x99, 0x99)) << std::hex << c.At(70, 50);
    EXPECT_TRUE(Near(c.At(25, 25), 0xFF, 0x99, 0x99)) << std::hex << c.At(25, 25);
    // The 2 px outline is opaque black on every side, centred on the box edge.
    EXPECT_GE(CountInColumn(c, 70, 17, 24, IsBlack), 1);
    EXPECT_GE(CountInColumn(c, 70, 77, 84, IsBlack), 1);
    const int leftBlack = c.Count(IsBlack, 17, 50, 24, 51), rightBlack = c.Count(IsBlack, 117, 50, 124, 51);
    EXPECT_TRUE(leftBlack >= 1 && leftBlack <= 3 && rightBlack >= 1) << leftBlack << " " << rightBlack;
    EXPECT_EQ(c.CountNot(WHITE_RGB, 15, 50, 16, 51) + c.CountNot(WHITE_RGB, 125, 50, 126, 51), 0);

    // Unfilled: the inside stays background and the outline takes the ink.
    c.Fill(WHITE);
    annotations[0].filled = 0;
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.At(70, 50), WHITE_RGB);
    EXPECT_EQ(CountInColumn(c, 70, 0, 120, IsBlack), 0);
    EXPECT_GE(CountInColumn(c, 70, 17, 24, [](uint32_t p) { return Near(p, 0xFF, 0x99, 0x99); }), 1);

    // Opacity 5 is fully opaque; an ellipse leaves the corners of its box.
    c.Fill(WHITE);
    annotations[0] = Box(ANNOT_ELLIPSE, 20, 20, 100, 60, 0x00FF00);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Near(c.At(70, 50), 0x00, 0xFF, 0x00)) << std::hex << c.At(70, 50);
    EXPECT_EQ(c.At(22, 22), WHITE_RGB);
}

TEST_F(Render, HighlighterBandIsSevenTimesItsWidthHighAndKeepsDarkParts) {
    Annotation a = Box(ANNOT_HIGHLIGHTER, 10, 10, 50, 999, RGB(0xFF, 0xE9, 0x46), 1, 3);  // cy, opacity play no part
    a.points.clear();
    AppendAnnotation(a);
    Canvas white(100, 100, WHITE), black(100, 100, BLACK), grey(100, 100, RGB(0x80, 0x80, 0x80));
    for (Canvas* c : {&white, &black, &grey}) RenderAnnotations(c->dc(), -1, -1);
    for (int y = 10; y <= 30; ++y) EXPECT_TRUE(Near(white.At(30, y), 0xFF, 0xE9, 0x46, 2)) << "row " << y;
    for (POINT p : {POINT{30, 9}, POINT{30, 31}, POINT{9, 20}, POINT{60, 20}}) EXPECT_EQ(white.At(p.x, p.y), WHITE_RGB);
    EXPECT_EQ(black.CountNot(BLACK_RGB, 0, 0, 100, 100), 0);
    // A mid-grey picture is darkened, never lightened: AND of the colours.
    EXPECT_TRUE(Near(grey.At(30, 20), 0x80, 0x80, 0x00, 2)) << std::hex << grey.At(30, 20);
}

TEST_F(Render, ArrowIsTwiceTheLineWidthOverAFaintHaloWithAHead) {
    Canvas c(260, 200, WHITE);
    AppendAnnotation(Line(ANNOT_ARROW, {{20, 50}, {200, 50}}, 2));
    AppendAnnotation(Line(ANNOT_ARROW, {{20, 150}, {200, 150}}, 1));
    RenderAnnotations(c.dc(), -1, -1);
    const int thick2 = CountInColumn(c, 80, 30, 70, Dark), thick1 = CountInColumn(c, 80, 130, 170, Dark);
    EXPECT_TRUE(thick2 >= 3 && thick2 <= 5) << thick2;
    EXPECT_TRUE(thick1 >= 1 && thick1 <= 3) << thick1;
    EXPECT_GT(thick2, thick1);
    // The halo is black at alpha 22: any pixel beside the ink is faint, and
    // it reaches at most one pixel further than the ink on each side.
    for (int y = 30; y < 70; ++y)
        EXPECT_TRUE(Dark(c.At(80, y)) || Canvas::Darkness(c.At(80, y)) < 40) << "row " << y;
    EXPECT_LE(CountInColumn(c, 80, 30, 70, [](uint32_t p) { return p != WHITE_RGB; }), thick2 + 2);
    // The head is wider than the shaft and ends at the second point.
    int widest = 0;
    for (int x = 180; x <= 200; ++x) widest = std::max(widest, CountInColumn(c, x, 30, 70, Dark));
    EXPECT_GT(widest, thick2);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 206, 0, 260, 200), 0);
}

TEST_F(Render, RoundedCornersShrinkForSmallBoxes) {
    Canvas c(400, 200, WHITE);
    AppendAnnotation(Box(ANNOT_ROUNDRECT, 20, 20, 100, 100, BLACK));   // diameter 15
    AppendAnnotation(Box(ANNOT_ROUNDRECT, 150, 20, 100, 20, BLACK));   // diameter 5
    AppendAnnotation(Box(ANNOT_ROUNDRECT, 150, 60, 100, 10, BLACK));   // diameter 3
    RenderAnnotations(c.dc(), -1, -1);
    // One pixel in from the corner: cut away by the large arc only; on the
    // left edge, one row down: by both larger arcs. The large corner is a
    // real curve, not a bevel.
    const struct { int x, y; bool dark; } pixels[] = {{21, 21, false}, {151, 21, true}, {151, 61, true},
                                                      {20, 21, false}, {150, 21, false}, {150, 61, true},
                                                      {23, 20, false}, {40, 20, true},   {20, 60, true}};
    for (const auto& p : pixels) EXPECT_EQ(Dark(c.At(p.x, p.y)), p.dark) << p.x << "," << p.y;
}

TEST_F(Render, PenStrokeIsACurveThroughItsPointsAndNeedsTwoOfThem) {
    Canvas c(200, 200, WHITE);
    AppendAnnotation(Line(ANNOT_PEN, {{30, 30}}, 3));
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 200, 200), 0);

    annotations[0].points = {{30, 30}, {100, 30}, {100, 150}};
    RenderAnnotations(c.dc(), -1, -1);
    // It bends before the corner instead of running straight into it, but
    // stays close to the polyline.
    for (POINT p : {POINT{30, 30}, POINT{100, 30}, POINT{100, 150}}) EXPECT_TRUE(Dark(c.At(p.x, p.y)));
    EXPECT_GE(CountInColumn(c, 65, 12, 36, Dark), 2);
    EXPECT_FALSE(Dark(c.At(65, 30)));
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 60, 80, 200), 0);  // nothing far from the stroke
}

TEST_F(Render, RecordsAreDrawnInListOrderAndSkipOrOnlyOneOfThem) {
    const COLORREF colors[5] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 255, 255)};
    for (int i = 0; i < 5; ++i) AppendAnnotation(Box(ANNOT_RECT, 10 + 40 * i, 10, 30, 30, colors[i]));
    auto shown = [](const Canvas& c, int i) { return c.At(25 + 40 * i, 25) != WHITE_RGB; };
    Canvas c(220, 60, WHITE);
    RenderAnnotations(c.dc(), -1, 2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(shown(c, i), i != 2) << "record " << i;
    c.Fill(WHITE);
    RenderAnnotations(c.dc(), 2, -1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(shown(c, i), i == 2) << "record " << i;
    c.Fill(WHITE);
    RenderAnnotations(c.dc(), 5, -1);  // not a position of the list
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 220, 60), 0);

    // A later filled rectangle hides an earlier stroke; the reverse order shows the stroke.
    annotations = {Line(ANNOT_PEN, {{0, 25}, {220, 25}}, 3), Box(ANNOT_RECT, 50, 10, 40, 30, RGB(255, 0, 0))};
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Near(c.At(70, 25), 0xFF, 0, 0, 0));
    EXPECT_TRUE(Dark(c.At(20, 25)));
    std::swap(annotations[0], annotations[1]);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_TRUE(Dark(c.At(70, 25)));
}

TEST_F(Render, TextSitsFourPixelsInsideRectanglesAndEighteenInsideEllipsesAndWraps) {
    Canvas c(420, 200, WHITE);
    AppendAnnotation(TextBox(ANNOT_RECT, 50, 40, 300, 100, "WWW WWW"));
    RenderAnnotations(c.dc(), -1, -1);
    const RECT inRect = Extent(c, Dark);
    EXPECT_TRUE(inRect.left >= 54 && inRect.left <= 58 && inRect.top >= 44 && inRect.top <= 54)
        << inRect.left << "," << inRect.top;

    c.Fill(WHITE);
    annotations[0].kind = ANNOT_ELLIPSE;
    RenderAnnotations(c.dc(), -1, -1);
    const RECT inEllipse = Extent(c, Dark);
    EXPECT_TRUE(inEllipse.left >= 68 && inEllipse.left <= 72 && inEllipse.top >= 58)
        << inEllipse.left << "," << inEllipse.top;

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

TEST_F(Render, MarkNumbersAreWhiteOnTheFirstTwoMarksBlackOnTheThirdAndAbsentLater) {
    // mark, background, colour of the number (none: nothing may be drawn)
    const struct { int mark; COLORREF background; bool white; bool numbered; } cases[] = {
        {0, BLACK, true, true}, {1, BLACK, true, true}, {2, WHITE, false, true}, {3, BLACK, false, false},
        {11, BLACK, false, false}};
    for (const auto& m : cases) {
        WithoutPicture bare(m.mark);
        Canvas c(100, 100, m.background);
        annotations = {Mark(m.mark, 12, 30, 30, 40)};
        RenderAnnotations(c.dc(), -1, -1);
        const RECT digits = Extent(c, [&](uint32_t p) { return m.white ? Canvas::Darkness(p) < 55 : Dark(p); });
        if (!m.numbered) {
            EXPECT_EQ(c.CountNot(BLACK_RGB, 0, 0, 100, 100), 0) << "mark " << m.mark;
            continue;
        }
        ASSERT_LE(digits.left, digits.right) << "mark " << m.mark << " has no number";
        EXPECT_GT(digits.right - digits.left, 4) << "two digits";
        EXPECT_NEAR((digits.left + digits.right) / 2, 50, 3);  // centred both ways
        EXPECT_NEAR((digits.top + digits.bottom) / 2, 50, 3);
    }
}

TEST_F(Render, MissingPicturesBadIndexesAndOddRecordsDrawNothing) {
    Canvas c(100, 100, WHITE);
    {
        WithoutPicture bare(5);
        AppendAnnotation(Mark(5, 1, 20, 20, 32));
        RenderAnnotations(c.dc(), -1, -1);
    }
    for (int index : {-1, 12, 1000, INT_MIN}) DrawMark(c.dc(), RECT{20, 20, 32, 32}, index, 3);
    annotations[0].markIndex = 77;
    // Unknown kinds, an arrow and a stroke without points, an empty mark box.
    for (uint8_t kind : {uint8_t{0}, uint8_t{ANNOT_ARROW}, uint8_t{ANNOT_PEN}}) {
        AppendAnnotation(Box(kind, 10, 10, 20, 20, BLACK));
        annotations.back().points.clear();
    }
    AppendAnnotation(Mark(0, 88, 10, 10, 0));
    WithoutPicture bare(0);
    RenderAnnotations(c.dc(), -1, -1);
    EXPECT_EQ(c.CountNot(WHITE_RGB, 0, 0, 100, 100), 0);
}

}  // namespace
