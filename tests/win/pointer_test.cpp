// Gestures on the real overlay window with every tool.
#include <gtest/gtest.h>

#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "settings/options.h"
#include "gestures.h"

namespace {

class Pointer : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        ClearAnnotations();
        ClearHistory();
        markerNumber = 1;
        UseTool(TOOL_PEN);
    }
};

TEST_F(Pointer, EachToolMakesItsRecordFromADrag) {
    opts[IDOPTS_FILL] = 1;
    opts[IDOPTS_SHAPEWIDTH] = 4;
    opts[IDOPTS_PENWIDTH] = 2;
    const int tools[] = {TOOL_PEN, TOOL_HIGHLIGHTER, TOOL_RECT, TOOL_ROUNDRECT, TOOL_ELLIPSE, TOOL_ARROW};
    for (int tool : tools) {
        UseTool(tool);
        Drag(300, 60 + 80 * tool, 200, 20 + 80 * tool, 10);  // up and to the left
        ASSERT_EQ(AnnotationCount(), tool) << "tool " << tool;
        EXPECT_EQ(annotations.back().kind, tool);
        EXPECT_EQ(history.back().type, HISTORY_ADD);
        EXPECT_EQ(history.back().index, tool - 1);
    }
    const Annotation &pen = annotations[0], &band = annotations[1], &rect = annotations[2];
    EXPECT_EQ(pen.points.size(), 11u);  // the press point and one per move
    EXPECT_EQ(pen.points.front(), (Point32{300, 140}));
    EXPECT_EQ(pen.points.back(), (Point32{200, 100}));
    EXPECT_EQ(pen.lineWidth, 2);
    EXPECT_EQ((std::vector<int>{band.x, band.y, band.cx, band.cy}), (std::vector<int>{201, 220, 100, 14}));
    EXPECT_EQ((std::vector<int>{rect.x, rect.y, rect.cx, rect.cy, rect.filled, rect.lineWidth}),
              (std::vector<int>{200, 260, 100, 40, 1, 4}));
    EXPECT_EQ(rect.points, (std::vector<Point32>{{300, 300}, {200, 260}}));
    EXPECT_EQ(annotations[5].filled, 1);  // the arrow takes the fill flag too
    EXPECT_EQ(history.size(), 6u);
}

TEST_F(Pointer, AClickOrATinyDragMakesNothing) {
    for (int tool : {TOOL_PEN, TOOL_HIGHLIGHTER, TOOL_RECT, TOOL_ARROW}) {
        UseTool(tool);
        Click(500, 500);
        Drag(500, 500, 501, 500, 1);
    }
    // A stroke that comes back to within 1 px of the press is not kept.
    UseTool(TOOL_PEN);
    Press(600, 600);
    MoveTo(650, 600);
    MoveTo(601, 600);
    Release();
    EXPECT_EQ(AnnotationCount(), 0);
    EXPECT_TRUE(history.empty());
    // A release pressed elsewhere, after the pointer moved on, is ignored.
    UseTool(TOOL_RECT);
    MoveTo(400, 400);
    Release();
    EXPECT_EQ(AnnotationCount(), 0);
}

TEST_F(Pointer, ShapeToolMoveIsRecordedAndUndoneToItsPlace) {
    opts[IDOPTS_FILL] = 1;
    UseTool(TOOL_RECT);
    Drag(100, 100, 200, 200);  // A
    Drag(300, 100, 400, 200);  // B
    Drag(500, 100, 600, 200);  // C
    Drag(150, 150, 160, 155);  // grab A by its inside and move it by (10, 5)
    ASSERT_EQ(AnnotationCount(), 3);
    EXPECT_EQ((std::vector<int>{annotations[0].x, annotations[2].x, annotations[2].y}), (std::vector<int>{300, 110, 105}));
    const HistoryEntry& move = history.back();
    EXPECT_EQ(move.type, HISTORY_MOVE);
    EXPECT_EQ(move.index, 0);
    EXPECT_EQ((std::vector<int>{move.dx, move.dy}), (std::vector<int>{10, 5}));
    ASSERT_TRUE(Undo());
    EXPECT_EQ((std::vector<int>{annotations[0].x, annotations[0].y, annotations[1].x}), (std::vector<int>{100, 100, 300}));

    // An arrow moves by its points only; its box stays where it was made.
    UseTool(TOOL_ARROW);
    Drag(100, 400, 300, 400);
    Drag(200, 400, 230, 420);
    EXPECT_EQ(annotations.back().points, (std::vector<Point32>{{130, 420}, {330, 420}}));
    EXPECT_EQ(annotations.back().x, 100);
    EXPECT_EQ((std::vector<int>{history.back().dx2, history.back().dy2}), (std::vector<int>{30, 20}));
}

TEST_F(Pointer, PenToolMovesAShapeWithoutRecording) {
    opts[IDOPTS_FILL] = 1;
    UseTool(TOOL_RECT);
    Drag(100, 100, 200, 200);
    UseTool(TOOL_PEN);
    Drag(150, 150, 170, 150);
    ASSERT_EQ(AnnotationCount(), 1);  // no stroke was made
    EXPECT_EQ(annotations[0].x, 120);
    EXPECT_EQ(history.size(), 1u);
    ASSERT_TRUE(Undo());  // undoes the rectangle itself, not the move
    EXPECT_EQ(AnnotationCount(), 0);
}

TEST_F(Pointer, StrokesBandsAndMarksAreNotGrabbed) {
    UseTool(TOOL_PEN);
    Drag(100, 300, 400, 300);
    UseTool(TOOL_HIGHLIGHTER);
    Drag(100, 500, 400, 500);
    UseTool(TOOL_MARK);
    Click(600, 300);
    const int before = AnnotationCount();
    UseTool(TOOL_RECT);
    Drag(250, 300, 260, 340);
    Drag(250, 505, 260, 540);
    Drag(600, 300, 640, 340);
    EXPECT_EQ(AnnotationCount(), before + 3);
    EXPECT_EQ(annotations[0].points.front(), (Point32{100, 300}));
}

TEST_F(Pointer, NumberedMarksCountAndPlainMarksDoNot) {
    UseTool(TOOL_MARK);
    for (auto [mark, x] : {std::pair{1, 100}, std::pair{1, 160}, std::pair{5, 220}, std::pair{0, 280}}) {
        opts[IDOPTS_MARK] = mark;
        Click(x, 600);
    }
    ASSERT_EQ(AnnotationCount(), 4);
    EXPECT_EQ((std::vector<int>{annotations[0].markNumber, annotations[1].markNumber, annotations[3].markNumber,
                                markerNumber}),
              (std::vector<int>{1, 2, 3, 4}));
    char text[16] = "";
    GetWindowTextA(hwndNumber, text, sizeof text);
    EXPECT_STREQ(text, "4");
    // The mark is centred on the click and has the picture's size.
    EXPECT_GT(annotations[0].cx, 0);
    EXPECT_EQ(annotations[0].x, 100 - annotations[0].cx / 2);
    EXPECT_EQ(history.size(), 4u);
    EXPECT_EQ(history.back().type, HISTORY_ADD);
}

TEST_F(Pointer, EraserRemovesTheTopmostAtThePressAndEmptiesHistory) {
    opts[IDOPTS_FILL] = 1;
    UseTool(TOOL_RECT);
    Drag(100, 100, 300, 300);
    Drag(500, 500, 700, 700);
    Annotation copy = annotations[0];  // a third record, over a corner of the first
    copy.x = copy.y = 250;
    copy.color = 0x123456;
    AppendAnnotation(copy);
    UseTool(TOOL_ERASER);
    Press(400, 400);  // only the third lies here; it goes at once, without a move
    ASSERT_EQ(AnnotationCount(), 2);
    EXPECT_EQ(annotations[0].x, 100);
    EXPECT_EQ(annotations[1].x, 500);
    EXPECT_TRUE(history.empty());
    MoveTo(160, 160);  // dragging on erases what the pointer meets
    Release();
    EXPECT_EQ(AnnotationCount(), 1);
    EXPECT_EQ(annotations[0].x, 500);
    Press(900, 100);  // nothing there
    Release();
    EXPECT_EQ(AnnotationCount(), 1);
}

}  // namespace
