// Gestures on the real overlay window with every tool.
#include "gestures.h"

namespace {

using Points = std::vector<Point32>;

using Pointer = DrawingTest;

// Each drag goes 100 to the left and 40 up, in 10 moves.
TEST_F(Pointer, EachToolMakesItsRecordFromThePressAndTheReleaseAsOneStep) {
    for (int tool = TOOL_PEN; tool <= TOOL_ARROW; ++tool) {
        UseTool(tool);
        Drag(300, 60 + 80 * tool, 200, 20 + 80 * tool, 10);
        EXPECT_EQ(annotations.back().kind, tool) << "kind made by tool " << tool;
    }
    EXPECT_EQ(history.size(), 6u) << "steps";
    EXPECT_EQ(annotations[0].points.size(), 11u) << "points of the stroke";
    EXPECT_EQ(annotations[1].y, 220) << "top of the band: the press row";
    EXPECT_EQ(annotations[2].points, (Points{{300, 300}, {200, 260}})) << "points of the rectangle";
}

// A click, a drag of one pixel, a drag back to within one pixel of the press,
// and a release whose press did not reach the overlay.
TEST_F(Pointer, GesturesThatDoNotLeaveThePressMakeNothing) {
    for (int tool : {TOOL_HIGHLIGHTER, TOOL_RECT, TOOL_ARROW, TOOL_PEN}) {
        UseTool(tool);
        Click(500, 500);
        Drag(500, 500, 501, 500, 1);
    }
    Press(600, 600);
    MoveTo(650, 600);
    MoveTo(601, 600);
    Release();
    MoveTo(400, 400);
    Release();
    EXPECT_EQ(AnnotationCount(), 0) << "records";
}

// The pen, the highlighter, the mark and the eraser do not record the move.
TEST_F(Pointer, APenDragOnAShapeMovesItInPlace) {
    UseTool(TOOL_RECT);
    Drag(100, 100, 200, 200);
    UseTool(TOOL_PEN);
    Drag(150, 150, 170, 150);
    EXPECT_EQ(annotations.back().x, 120) << "left of the rectangle";
    EXPECT_EQ(history.size(), 1u) << "steps";
}

TEST_F(Pointer, AShapeToolDragOnAShapeMovesItToTheTopAsAStepThatUndoes) {
    UseTool(TOOL_RECT);
    Drag(100, 100, 200, 200);
    Drag(300, 100, 400, 200);
    Drag(150, 150, 160, 155);
    EXPECT_EQ(annotations[1].x, 110) << "left of the moved rectangle, now on top";
    EXPECT_EQ(history.back().type, HISTORY_MOVE) << "last step";
    Undo();
    EXPECT_EQ(annotations[0].x, 100) << "left of the rectangle after the undo";
}

// An arrow's box stays where it was drawn; the arrow tool records the move.
TEST_F(Pointer, AnArrowMovesByItsPointsAsAStepThatUndoes) {
    UseTool(TOOL_ARROW);
    Drag(100, 400, 300, 400);
    Drag(200, 400, 230, 420);
    EXPECT_EQ(annotations[0].points, (Points{{130, 420}, {330, 420}})) << "points";
    EXPECT_EQ(annotations[0].x, 100) << "left of the box";
    ASSERT_EQ(history.back().type, HISTORY_MOVE) << "last step";
    Undo();
    EXPECT_EQ(annotations[0].points, (Points{{100, 400}, {300, 400}})) << "points after an undo";
}

TEST_F(Pointer, ADragOnAStrokeDrawsInsteadOfMovingIt) {
    Drag(100, 600, 400, 600);
    UseTool(TOOL_RECT);
    Drag(250, 600, 260, 640);
    EXPECT_EQ(AnnotationCount(), 2) << "records";
}

// Marks 0 to 2 are numbered; the number field shows the next number. A mark
// is centred on its click.
TEST_F(Pointer, NumberedMarksCountUpAndOthersTakeNoNumber) {
    UseTool(TOOL_MARK);
    for (const auto& [mark, x] : {std::pair{1, 100}, {1, 160}, {5, 220}, {0, 280}}) {
        opts[IDOPTS_MARK] = mark;
        Click(x, 600);
    }
    char shown[8] = "";
    GetWindowTextA(dock.hwndNumber, shown, sizeof shown);
    EXPECT_EQ(annotations[1].markNumber, 2) << "second mark's number";
    EXPECT_EQ(annotations[3].markNumber, 3) << "fourth mark's number";
    EXPECT_STREQ(shown, "4") << "number field";
    EXPECT_EQ(annotations[0].x, 100 - annotations[0].cx / 2) << "left of the first mark";
}

// At (400, 400) lies only the third of three rectangles; erasing forgets the
// history.
TEST_F(Pointer, TheEraserErasesWhatItMeetsFromThePressOn) {
    UseTool(TOOL_RECT);
    Drag(100, 100, 300, 300);
    Drag(500, 500, 700, 700);
    Drag(450, 450, 250, 250);
    UseTool(TOOL_ERASER);
    Press(400, 400);
    EXPECT_EQ(AnnotationCount(), 2) << "records after the press";
    EXPECT_EQ(history.size(), 0u) << "steps after the press";
    MoveTo(160, 160);
    Release();
    Click(900, 100);
    EXPECT_EQ(AnnotationCount(), 1) << "records after the drag";
    EXPECT_EQ(annotations[0].x, 500) << "left of the record left";
}

}  // namespace
