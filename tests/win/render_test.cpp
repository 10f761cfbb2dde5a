// The renderer against reference pictures of whole scenes: every record kind,
// filled and not, at several widths and opacities, text, marks, and
// highlighter bands over a picture. Wine draws without anti-aliasing, so the
// comparison allows small colour differences and a few stray pixels; a wrong
// width, offset, colour, order or inset shows as hundreds.
#include "render_canvas.h"
#include "saved_state.h"

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);

Annotation Line(uint8_t kind, std::vector<Point32> points, COLORREF color, int width) {
    return {.text = "", .color = color, .kind = kind, .lineWidth = int16_t(width), .opacity = 5, .points = points};
}

Annotation Box(uint8_t kind, int x, int y, int cx, int cy, COLORREF color, int opacity, int width, int filled) {
    Annotation a = Line(kind, {{x, y}, {x + cx, y + cy}}, color, width);
    a.filled = filled;
    a.x = x;
    a.y = y;
    a.cx = cx;
    a.cy = cy;
    a.opacity = static_cast<int16_t>(opacity);
    return a;
}

Annotation WithText(Annotation a, const char* text, int face, int size, int row, int col) {
    a.text = text;
    a.fontIndex = face;
    a.fontSize = size;
    a.textColorRow = row;
    a.textColorCol = col;
    return a;
}

Annotation Mark(int index, int number, int x, int y, int size) {
    Annotation a = Box(ANNOT_MARK, x, y, size, size, 0, 5, 1, 0);
    a.markIndex = index;
    a.markNumber = number;
    return a;
}

struct Scene {
    const char* name;
    bool picture;  // a coloured picture under the records instead of white
    std::vector<Annotation> records;
};

std::vector<Scene> Scenes() {
    const COLORREF red = RGB(237, 28, 36), blue = RGB(0, 90, 220), green = RGB(20, 160, 60);
    return {
        {"shapes",
         false,
         {Box(ANNOT_RECT, 10, 10, 90, 60, red, 2, 2, 1), Box(ANNOT_RECT, 110, 10, 90, 60, blue, 5, 4, 0),
          Box(ANNOT_ROUNDRECT, 210, 10, 90, 60, green, 3, 3, 1), Box(ANNOT_ROUNDRECT, 10, 85, 90, 12, red, 5, 1, 1),
          Box(ANNOT_ROUNDRECT, 10, 105, 90, 20, blue, 5, 2, 0), Box(ANNOT_ELLIPSE, 110, 85, 90, 60, blue, 4, 2, 1),
          Box(ANNOT_ELLIPSE, 210, 85, 90, 60, red, 5, 5, 0), Line(ANNOT_ARROW, {{20, 170}, {150, 160}}, red, 1),
          Line(ANNOT_ARROW, {{20, 220}, {150, 190}}, blue, 3),
          Line(ANNOT_PEN, {{170, 230}, {200, 160}, {250, 210}, {300, 165}}, green, 3),
          Line(ANNOT_PEN, {{60, 40}, {260, 120}}, blue, 7)}},  // a later stroke lies over earlier shapes
        {"text_and_marks",
         false,
         {WithText(Box(ANNOT_RECT, 10, 10, 140, 110, RGB(255, 240, 160), 5, 1, 1),
                   "Wrapped words in a box that "
                   "is far too small for all of them",
                   4, 12, 1, 1),
          WithText(Box(ANNOT_ELLIPSE, 160, 10, 150, 110, RGB(200, 230, 255), 5, 2, 1), "Inset\r\nellipse", 5, 14, 0, 3),
          Mark(0, 7, 20, 140, 40), Mark(1, 12, 80, 140, 40), Mark(2, 345, 140, 140, 40), Mark(3, 9, 200, 140, 40),
          Mark(11, 1, 260, 140, 48)}},
        {"highlighter_over_picture",
         true,
         {Box(ANNOT_HIGHLIGHTER, 140, 195, 170, 21, RGB(255, 233, 70), 1, 3, 1),
          Box(ANNOT_HIGHLIGHTER, 60, 120, 220, 35, RGB(120, 255, 120), 1, 5, 1),
          Box(ANNOT_RECT, 150, 60, 120, 100, blue, 2, 2, 1), Box(ANNOT_ELLIPSE, 30, 150, 100, 70, red, 3, 3, 1)}},
    };
}

void PaintPicture(Canvas& c) {
    for (int y = 0; y < c.height(); y += 8)
        for (int x = 0; x < c.width(); x += 8) {
            const RECT cell{x, y, x + 8, y + 8};
            HBRUSH brush = CreateSolidBrush(RGB(x * 255 / c.width(), 128 + (x ^ y) % 100, y * 255 / c.height()));
            FillRect(c.dc(), &cell, brush);
            DeleteObject(brush);
        }
}

using Render = ProgramTest;

// The text colours come from the option table's palette.
TEST_F(Render, ScenesMatchTheirReferencePictures) {
    SetOptionTableDefaults();
    for (const Scene& scene : Scenes()) {
        Canvas c(320, 240, WHITE);
        if (scene.picture) PaintPicture(c);
        annotations = scene.records;
        RenderAnnotations(c.dc(), -1, -1);
        EXPECT_EQ(DifferencesFromReference(c, scene.name), 0)
            << scene.name << " (see " << scene.name << ".actual.png in the test's folder)";
    }
}

// A character the chosen face lacks (Japanese in a Latin face) is drawn from
// a face of the system that has it: it leaves other ink than the empty box
// of a character that no face has.
TEST_F(Render, ACharacterTheFaceLacksIsDrawnFromAFaceThatHasIt) {
    const auto inked = [](const char* text) {
        Canvas c(320, 120, WHITE);
        annotations = {WithText(Box(ANNOT_RECT, 10, 10, 300, 100, WHITE, 5, 1, 1), text, 4, 28, 0, 0)};
        RenderAnnotations(c.dc(), -1, -1);
        return c.Pixels();
    };
    const std::vector<uint32_t> empty = inked("");
    const std::vector<uint32_t> noFaceHasIt = inked("\xEE\x80\x80");
    const std::vector<uint32_t> japanese = inked("\xE6\x97\xA5");
    EXPECT_NE(japanese, empty) << "ink of the Japanese character";
    EXPECT_NE(japanese, noFaceHasIt) << "the Japanese character drawn as the empty box";
}

}  // namespace
