// Every road that discards a drawing in-process keeps it: the records file
// holds its records, and Restore, also while the files are being written,
// brings back its records and its picture exactly; a second Restore brings
// back the drawing that the first one replaced.
#include <shlwapi.h>

#include <atomic>
#include <thread>

#include "core/records_file.h"
#include "snapshot_helpers.h"
#include "features/last_drawing.h"
#include "features/tray.h"
#include "features/writer.h"

namespace {

using LastDrawing = ProgramTest;

// The capture surface filled with `color(x, y)`, so that its PNG takes the
// writer a while.
void PaintCapture(uint32_t (*color)(int x, int y)) {
    Canvas picture(ScreenWidth(), ScreenHeight(), 0);
    for (int y = 0; y < ScreenHeight(); ++y)
        for (int x = 0; x < ScreenWidth(); ++x) picture.at(x, y) = color(x, y);
    BitBlt(canvas.hdcCapture, 0, 0, ScreenWidth(), ScreenHeight(), picture.dc(), 0, 0, SRCCOPY);
}

uint32_t Dots(int x, int y) { return (x % 3 == 0 && y % 3 == 0) ? 0xC04020 : 0xFFFFFF; }

// Hiding and the end of the session keep the drawing in memory too.
const std::pair<const char*, void (*)()> roads[] = {
    {"showing again from the tray",
     [] { SendMessageA(canvas.hwndOverlay, TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDBLCLK); }},
    {"erase all", [] { EraseAll(); }},
    {"loading a picture", [] { LoadBackgroundImage(exeDir + "\\plMarkCheck.png"); }},
    {"hiding",
     [] {
         HideOverlayAndRestoreFocus();
         PumpMessages();
     }},
    {"the end of the session", [] { SendMessageA(canvas.hwndOverlay, WM_ENDSESSION, TRUE, 0); }},
};

TEST_F(LastDrawing, EveryRoadThatDiscardsADrawingKeepsIt) {
    for (const auto& [road, discard] : roads) {
        ShowOverlay();
        PaintCapture(Pattern);
        const std::vector<uint32_t> picture = SurfacePicture(canvas.hdcCapture);
        AppendAnnotation(MakeShapeRecord(ANNOT_ELLIPSE, {10, static_cast<int32_t>(strlen(road))}, {60, 90}));
        const std::vector<Annotation> drawn = annotations;
        DeleteFileA(LastDrawingRecordsPath().c_str());
        discard();
        if (annotations.empty()) {  // restored from memory while the files are still being written
            ASSERT_TRUE(WritesPending()) << road << ": the write pending";
            RestoreLastDrawing();
            EXPECT_EQ(annotations, drawn) << road << ": the records restored";
            EXPECT_TRUE(SurfacePicture(canvas.hdcCapture) == picture) << road << ": the picture restored";
            RestoreLastDrawing();
            EXPECT_EQ(AnnotationCount(), 0) << road << ": the records after a second restore";
        }
        // The end of the session has waited for the pair itself, before the process would end.
        ASSERT_TRUE(strcmp(road, "the end of the session") == 0 || WaitForWrites(10000)) << road << ": written";
        DrawingRecords kept;
        ASSERT_TRUE(ParseRecordsFile(ReadFileBytes(LastDrawingRecordsPath()), kept)) << road;
        EXPECT_EQ(kept.records, drawn) << road << ": the records kept";
        EXPECT_EQ(kept.pictureBytes, FileBytes(LastDrawingPicturePath())) << road << ": the picture's size";
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
    PumpMessages();
    ASSERT_TRUE(WaitForWrites(10000)) << "written while hidden";
    DeleteFileA(LastDrawingRecordsPath().c_str());
    ShowOverlay();
    EXPECT_FALSE(FileExists(LastDrawingRecordsPath())) << "records file written again";
}

// A drawing of live ink, read back from its files, comes back into live ink.
TEST_F(LastDrawing, ALiveDrawingComesBackIntoLiveInk) {
    OpenLiveInk();
    AddRectangleStep(10);
    ShowOverlay();
    ASSERT_TRUE(WaitForWrites(10000)) << "written";
    FindLastDrawingOnDisk();
    RestoreLastDrawing();
    EXPECT_TRUE(canvas.live) << "live ink";
    EXPECT_EQ(AnnotationCount(), 1) << "records";
}

// The colour (0x00RRGGBB) at (0, 0) of a PNG held in memory; 1 when unreadable.
uint32_t FirstPixel(const std::string& png) {
    IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(png.data()), static_cast<UINT>(png.size()));
    GpBitmap* bitmap = nullptr;
    ARGB pixel = 1;
    if (stream && GdipCreateBitmapFromStream(stream, &bitmap) == Ok) GdipBitmapGetPixel(bitmap, 0, 0, &pixel);
    if (bitmap) GdipDisposeImage(bitmap);
    if (stream) stream->Release();
    return pixel == 1 ? 1 : pixel & 0xFFFFFF;
}

// Two drawings put away one right after the other: a reader polling the
// files meanwhile never finds a pair that passes the byte-size check with
// one drawing's records over the other's picture, and the newer pair stays.
TEST_F(LastDrawing, TwoQuickPutAwaysLeaveTheNewerPairAndNeverAMixedOne) {
    ShowOverlay();
    std::atomic<bool> stop = false;
    std::atomic<int> whole = 0, mixed = 0;
    std::thread reader([&] {
        while (!stop) {
            DrawingRecords drawing;
            if (!ParseRecordsFile(ReadFileBytes(LastDrawingRecordsPath()), drawing)) continue;
            const std::string png = ReadFileBytes(LastDrawingPicturePath());
            if (static_cast<int64_t>(png.size()) != drawing.pictureBytes) continue;  // refused by a restore
            (FirstPixel(png) == (drawing.records.size() == 1 ? 0x000000u : 0xC04020u) ? whole : mixed)++;
        }
    });
    PaintCapture(Pattern);
    AddRectangleStep(10);
    EraseAll();
    PaintCapture(Dots);
    AddRectangleStep(10);
    AddRectangleStep(60);
    EraseAll();
    const bool written = WaitForWrites(10000);
    stop = true;
    reader.join();
    ASSERT_TRUE(written) << "written";
    EXPECT_EQ(mixed, 0) << "pairs read with another drawing's picture";
    EXPECT_GT(whole, 0) << "pairs read whole";
    DrawingRecords kept;
    ASSERT_TRUE(ParseRecordsFile(ReadFileBytes(LastDrawingRecordsPath()), kept)) << "the records file";
    EXPECT_EQ(kept.records.size(), 2u) << "records of the newer drawing";
    EXPECT_EQ(FirstPixel(ReadFileBytes(LastDrawingPicturePath())), 0xC04020u) << "the newer picture";
}

// Writes into a folder that takes no files fail on the writer's thread; the
// overlay tells the user once, when it hears of the first.
TEST_F(LastDrawing, WritesThatFailAreToldOnceByTheOverlay) {
    const std::string saved = dataDir;
    dataDir = exeDir + "\\no such folder\\";
    for (int i = 0; i < 2; ++i) {
        AddRectangleStep(10);
        EraseAll();
        ASSERT_TRUE(WaitForWrites(10000)) << "attempt " << i;
    }
    EXPECT_EQ(recordedMessages.size(), 0u) << "told by the writer's thread";
    PumpMessages();
    EXPECT_EQ(recordedMessages.size(), 1u) << "told by the overlay";
    dataDir = saved;
    AddRectangleStep(10);
    EraseAll();  // a write that succeeds lets a later failure be told again
}

}  // namespace
