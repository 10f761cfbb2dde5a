// Every road that discards a drawing in-process keeps it: the records file
// holds its records, and Restore brings back its records and its picture.
#include "core/records_file.h"
#include "snapshot_helpers.h"
#include "features/last_drawing.h"

namespace {

using LastDrawing = ProgramTest;

const std::pair<const char*, void (*)()> roads[] = {
    {"showing again", [] { ShowOverlay(); }},
    {"erase all", [] { EraseAll(); }},
    {"loading a picture", [] { LoadBackgroundImage(exeDir + "\\plMarkCheck.png"); }},
    {"the end of the session", [] { SendMessageA(canvas.hwndOverlay, WM_ENDSESSION, TRUE, 0); }},
};

TEST_F(LastDrawing, EveryRoadThatDiscardsADrawingKeepsIt) {
    unsigned colour = 0x102030;
    for (const auto& [road, discard] : roads) {
        ShowOverlay();
        SetDCBrushColor(canvas.hdcCapture, ++colour);
        FillRect(canvas.hdcCapture, &canvas.rectScreen, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        AppendAnnotation(MakeShapeRecord(ANNOT_ELLIPSE, {10, static_cast<int32_t>(colour & 0xFF)}, {60, 90}));
        const std::vector<Annotation> drawn = annotations;
        DeleteFileA(LastDrawingRecordsPath().c_str());
        discard();
        DrawingRecords kept;
        ASSERT_TRUE(ParseRecordsFile(ReadFileBytes(LastDrawingRecordsPath()), kept)) << road;
        EXPECT_EQ(kept.records, drawn) << road << ": the records kept";
        if (!annotations.empty()) continue;  // the session's end discards nothing in memory
        RestoreLastDrawing();
        EXPECT_EQ(annotations, drawn) << road << ": the records restored";
        EXPECT_EQ(GetPixel(canvas.hdcCapture, 300, 300), colour) << road << ": the picture restored";
    }
}

}  // namespace
