// Gestures on the real overlay window with every tool.
#include <gtest/gtest.h>

#include "gestures.h"

namespace {

using Points = std::vector<Point32>;
void Fresh(int tool) { FreshDrawing(tool), markerNumber = 1, opts[IDOPTS_SHAPEWIDTH] = 4, opts[IDOPTS_PENWIDTH] = 2; }

// Drags up and to the left: the highlighter band runs along the press row
// and starts one pixel right of the release.
TEST(Pointer, EachToolMakesItsRecordAndAClickATinyDragOrAStrayReleaseMakesNothing) {
    Fresh(TOOL_PEN);
    for (int tool = TOOL_PEN; tool <= TOOL_ARROW; ++tool)
        UseTool(tool), Drag(300, 60 + 80 * tool, 200, 20 + 80 * tool, 10);
    ASSERT_EQ(AnnotationCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(annotations[i].kind == i + 1 && history[i].type == HISTORY_ADD && history[i].index == i);
    const Annotation &pen = annotations[0], &band = annotations[1], &rect = annotations[2];
    EXPECT_TRUE(pen.points.size() == 11 && pen.points[0] == (Point32{300, 140}) &&
                pen.points[10] == (Point32{200, 100}));
    EXPECT_EQ((Ints{band.x, band.y, band.cx, band.cy}), (Ints{201, 220, 100, 14}));
    EXPECT_EQ((Ints{rect.x, rect.y, rect.cx, rect.cy, rect.lineWidth, pen.lineWidth, annotations[5].filled}),
              (Ints{200, 260, 100, 40, 4, 2, 1}));
    EXPECT_EQ(rect.points, (Points{{300, 300}, {200, 260}}));
    ClearAnnotations(), ClearHistory();
    for (int tool : {TOOL_HIGHLIGHTER, TOOL_RECT, TOOL_ARROW, TOOL_PEN})
        UseTool(tool), Click(500, 500), Drag(500, 500, 501, 500, 1);
    Press(600, 600), MoveTo(650, 600), MoveTo(601, 600), Release();  // back to within 1 px of the press
    MoveTo(400, 400), Release();                                     // a release whose press did not reach the overlay
    EXPECT_TRUE(AnnotationCount() == 0 && history.empty());
}

TEST(Pointer, MovesMarksAndTheEraser) {
    Fresh(TOOL_RECT);
    Drag(100, 100, 200, 200), UseTool(TOOL_PEN), Drag(150, 150, 170, 150);  // moved, making no stroke
    EXPECT_TRUE(AnnotationCount() == 1 && annotations[0].x == 120 && history.size() == 1);
    UseTool(TOOL_RECT), Drag(300, 100, 400, 200), Drag(150, 150, 160, 155);  // moved by (10, 5), brought to the top
    EXPECT_EQ((Ints{annotations[0].x, annotations[1].x, annotations[1].y, history.back().type, history.back().dx,
                    history.back().dy}),
              (Ints{300, 130, 105, HISTORY_MOVE, 10, 5}));
    EXPECT_TRUE(Undo() && annotations[0].x == 120 && annotations[0].y == 100 && annotations[1].x == 300);
    UseTool(TOOL_ARROW), Drag(100, 400, 300, 400), Drag(200, 400, 230, 420);  // an arrow moves by its points only
    EXPECT_TRUE(annotations.back().points == (Points{{130, 420}, {330, 420}}) && annotations.back().x == 100);
    EXPECT_TRUE(Undo() && annotations.back().points == (Points{{100, 400}, {300, 400}}) && annotations.back().x == 100);
    // Strokes, bands and marks are not grabbed: a drag on them draws.
    UseTool(TOOL_PEN), Drag(100, 600, 400, 600), UseTool(TOOL_HIGHLIGHTER), Drag(100, 700, 400, 700);
    UseTool(TOOL_MARK), Click(600, 600);
    const int before = AnnotationCount();  // each drag below makes a new rectangle
    UseTool(TOOL_RECT), Drag(250, 600, 260, 640), Drag(250, 705, 260, 740), Drag(600, 600, 640, 640);
    EXPECT_EQ(AnnotationCount(), before + 3);
    Fresh(TOOL_MARK);  // numbered marks count, and the eraser removes what the pointer meets
    for (auto [mark, x] : {std::pair{1, 100}, std::pair{1, 160}, std::pair{5, 220}, std::pair{0, 280}})
        opts[IDOPTS_MARK] = mark, Click(x, 600);
    char shown[8] = "";  // the number edit shows the next number
    GetWindowTextA(dock.hwndNumber, shown, sizeof shown);
    EXPECT_EQ((Ints{annotations[0].markNumber, annotations[1].markNumber, annotations[3].markNumber,
                    int(history.size()), ParseMarkerNumber(shown)}),
              (Ints{1, 2, 3, 4, 4}));
    EXPECT_TRUE(annotations[0].cx > 0 && annotations[0].x == 100 - annotations[0].cx / 2);  // centred on the click
    ClearAnnotations(), UseTool(TOOL_RECT), Drag(100, 100, 300, 300), Drag(500, 500, 700, 700);
    Annotation over = annotations[0];
    over.x = over.y = 250;
    AppendAnnotation(over);
    UseTool(TOOL_ERASER), Press(400, 400);  // only the third lies here: it goes at once, and the history with it
    EXPECT_TRUE(AnnotationCount() == 2 && annotations[0].x == 100 && history.empty());
    MoveTo(160, 160), Release(), Press(900, 100), Release();  // erases on the way; then nothing there
    EXPECT_TRUE(AnnotationCount() == 1 && annotations[0].x == 500);
}

}  // namespace
