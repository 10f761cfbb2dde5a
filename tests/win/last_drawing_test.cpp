// Every road that discards a drawing in-process keeps it: the records file
// holds its records, and Restore brings back its records and its picture;
// a second Restore brings back the drawing that the first one replaced.
#include "core/records_file.h"
#include "snapshot_helpers.h"
#include "features/last_drawing.h"
#include "features/tray.h"
#include "features/writer.h"

namespace {

using LastDrawing = ProgramTest;

// Hiding and the end of the session keep the drawing in memory too.
const std::pair<const char*, void (*)()> roads[] = {
    {"showing again from the tray",
     [] { SendMessageA(canvas.hwndOverlay, TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDBLCLK); }},
    {"erase all", [] { EraseAll(); }},
    {"loading a picture", [] { LoadBackgroundImage(exeDir + "\\plMarkCheck.png"); }},
    {"hiding", [] { HideOverlayAndRestoreFocus(); }},
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
        ASSERT_TRUE(WaitForWrites(10000)) << road << ": written";
        DrawingRecords kept;
        ASSERT_TRUE(ParseRecordsFile(ReadFileBytes(LastDrawingRecordsPath()), kept)) << road;
        EXPECT_EQ(kept.records, drawn) << road << ": the records kept";
        if (!annotations.empty()) continue;
        RestoreLastDrawing();
        EXPECT_EQ(annotations, drawn) << road << ": the records restored";
        EXPECT_EQ(GetPixel(canvas.hdcCapture, 300, 300), colour) << road << ": the picture restored";
        RestoreLastDrawing();
        EXPECT_EQ(AnnotationCount(), 0) << road << ": the records after a second restore";
    }
}

// The end of a Windows session keeps the settings and the history too.
TEST_F(LastDrawing, TheEndOfTheSessionSavesBothFiles) {
    DeleteFileA(settingsPath.c_str());
    DeleteFileA(historyPath.c_str());
    SendMessageA(canvas.hwndOverlay, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(FileExists(settingsPath)) << "Settings.dat written";
    EXPECT_TRUE(FileExists(historyPath)) << "History.dat written";
}

// LastDrawing.dat of an earlier version holds its text in the legacy code
// page: it comes back as the same characters.
TEST_F(LastDrawing, AFileOfAnEarlierVersionRestoresItsText) {
    Annotation shape = MakeShapeRecord(ANNOT_RECT, {10, 10}, {200, 100});
    shape.filled = 1;
    shape.fontIndex = 4;
    shape.text = "J\xC3\xBCrgen";
    AppendAnnotation(shape);
    EraseAll();
    ASSERT_TRUE(WaitForWrites(10000)) << "written";
    std::string file = ReadFileBytes(LastDrawingRecordsPath());
    file.replace(0, file.find('\n'), "QuillcastDrawing 1");
    file.replace(file.find("J%C3%BCrgen"), 11, "J%FCrgen");
    ASSERT_TRUE(WriteFileReplacing(LastDrawingRecordsPath(), file));
    FindLastDrawingOnDisk();
    RestoreLastDrawing();
    ASSERT_EQ(annotations.size(), 1u) << "records restored";
    EXPECT_EQ(annotations[0].text, "J\xC3\xBCrgen") << "text";
}

// The files written while the overlay was hidden hold its drawing: showing
// it again writes them no second time.
TEST_F(LastDrawing, ShowingAgainAfterHidingWritesTheFilesNoSecondTime) {
    ShowOverlay();
    AddRectangleStep(10);
    HideOverlayAndRestoreFocus();
    ASSERT_TRUE(WaitForWrites(10000)) << "written while hidden";
    DeleteFileA(LastDrawingRecordsPath().c_str());
    ShowOverlay();
    EXPECT_FALSE(FileExists(LastDrawingRecordsPath())) << "records file written again";
}

}  // namespace
