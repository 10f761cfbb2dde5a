// The last drawing: kept in memory (hdcLastPicture and its records) and in
// the data folder, and swapped with the current drawing on request.
//
// The files are written when a drawing with records is discarded, when the
// overlay is hidden with one, and when a restore puts one aside; never while
// drawing. The picture is written first and the records last, each file
// replaced as a whole.
#include "features/last_drawing.h"

#include <utility>

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/commands.h"
#include "core/history.h"
#include "core/options.h"
#include "core/records_file.h"
#include "dock/dock.h"
#include "features/tray.h"
#include "features/writer.h"
#include "overlay/overlay.h"
#include "render/pictures.h"
#include "win/files.h"
#include "win/text.h"
#include "win/message.h"
#include "win/program.h"

HDC hdcLastPicture;

static const char* const MESSAGE_TITLE = "Restore Last Drawing";
static const char* const MESSAGE_DAMAGED =
    "The last drawing cannot be restored: its files in the data folder are damaged or incomplete.";
constexpr DWORD WRITE_WAIT_MS = 10000;
static const char* const MESSAGE_NOT_WRITTEN = "The last drawing could not be written to the data folder.";

// NONE: nothing to restore. IN_MEMORY: lastDrawing and hdcLastPicture hold
// it. ON_DISK: an earlier run left it in the data folder; it is read when
// it is restored.
enum class LastState { NONE, IN_MEMORY, ON_DISK };
static LastState lastState = LastState::NONE;
static DrawingRecords lastDrawing;
// The files hold the current drawing (written when the overlay was hidden;
// nothing can change it until the overlay is shown again), so discarding
// it needs no second write.
static bool filesHoldCurrent = false;

std::string LastDrawingPicturePath() { return dataDir + "LastDrawing.png"; }
std::string LastDrawingRecordsPath() { return dataDir + "LastDrawing.dat"; }

bool HasLastDrawing() { return lastState != LastState::NONE; }

static void UpdateRestoreItems() {
    const UINT state = MF_BYCOMMAND | (HasLastDrawing() ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(trayMenu, CMD_RESTORE_LAST_DRAWING, state);
    EnableMenuItem(dockMenu, CMD_RESTORE_LAST_DRAWING, state);
}

void FindLastDrawingOnDisk() {
    // One file without the other still counts: restoring then tells the
    // user that the drawing is damaged rather than doing nothing silently.
    const bool found = FileExists(LastDrawingRecordsPath()) || FileExists(LastDrawingPicturePath());
    lastState = found ? LastState::ON_DISK : LastState::NONE;
    UpdateRestoreItems();
}

static DrawingRecords CurrentDrawing() { return {opts[IDOPTS_WHITEBOARD] == 1, annotations}; }

// Written on the writer's thread from a copy of the picture: the picture
// first, then the records with the picture's size, so that a crash between
// the two leaves records that do not match the picture, which restoring
// reports instead of showing one drawing's records on another's picture.
static void WriteLastDrawingFiles(HDC picture, DrawingRecords drawing) {
    QueueLastDrawingWrite(
        {CopySurfacePicture(picture), LastDrawingPicturePath(), LastDrawingRecordsPath(), std::move(drawing)});
}

void OnLastDrawingWritten(bool written) {
    if (!written) ShowUserMessage(MESSAGE_NOT_WRITTEN, MESSAGE_TITLE);
}

void CreateLastDrawingSurface() {
    hdcLastPicture = CreateCompatibleDC(nullptr);
    SizeLastDrawingPicture();
}

// A last drawing kept in memory at the old size is read back from its files
// when it is restored, placed as a loaded snapshot is.
void SizeLastDrawingPicture() {
    ReplacePicture(hdcLastPicture, MakeDib(nullptr, ScreenWidth(), ScreenHeight(), 32, nullptr));
    if (lastState == LastState::IN_MEMORY) lastState = LastState::ON_DISK;
}

void KeepDrawingAsLast() {
    if (annotations.empty()) {
        filesHoldCurrent = false;
        return;
    }
    BitBlt(hdcLastPicture, 0, 0, ScreenWidth(), ScreenHeight(), canvas.hdcCapture, 0, 0, SRCCOPY);
    lastDrawing = CurrentDrawing();
    lastState = LastState::IN_MEMORY;
    if (!filesHoldCurrent) WriteLastDrawingFiles(hdcLastPicture, lastDrawing);
    filesHoldCurrent = false;
    UpdateRestoreItems();
}

void SaveDrawingWhileHidden() {
    if (annotations.empty() || filesHoldCurrent) return;
    WriteLastDrawingFiles(canvas.hdcCapture, CurrentDrawing());
    filesHoldCurrent = true;
}

// Reads the drawing an earlier run left; the picture is placed as a loaded
// snapshot is, so a changed screen size still shows it.
static bool ReadLastDrawingFiles() {
    WaitForWrites(WRITE_WAIT_MS);  // a pair being written is read once it is whole
    std::string text;
    DrawingRecords drawing;
    if (!ReadWholeFile(LastDrawingRecordsPath(), text) || !ParseRecordsFile(text, drawing)) return false;
    if (FileBytes(LastDrawingPicturePath()) != drawing.pictureBytes) return false;
    FillRect(hdcLastPicture, &canvas.rectScreen, canvas.brushBlack);
    if (!DrawPictureFile(LastDrawingPicturePath(), hdcLastPicture)) return false;
    if (drawing.legacyText)
        for (Annotation& record : drawing.records) record.text = FromLegacyCodePage(record.text);
    drawing.legacyText = false;
    lastDrawing = std::move(drawing);
    lastState = LastState::IN_MEMORY;
    return true;
}

// Exchanges the bitmaps selected into two surfaces; no pixel is copied. A
// bitmap can be selected into one device context at a time, so one side
// holds a placeholder for a moment.
static void SwapSurfacePictures(HDC a, HDC b) {
    static const HBITMAP placeholder = CreateBitmap(1, 1, 1, 1, nullptr);
    HGDIOBJ pictureOfA = SelectObject(a, placeholder);
    HGDIOBJ pictureOfB = SelectObject(b, pictureOfA);
    SelectObject(a, pictureOfB);
}

void RestoreLastDrawing() {
    if (lastState == LastState::ON_DISK && !ReadLastDrawingFiles()) {
        lastState = LastState::NONE;
        UpdateRestoreItems();
        ShowUserMessage(MESSAGE_DAMAGED, MESSAGE_TITLE);
        return;
    }
    if (lastState != LastState::IN_MEMORY) return;
    CloseTextEditWithoutCommit();
    SwapSurfacePictures(canvas.hdcCapture, hdcLastPicture);
    ForgetLayer();  // another picture and other records under the overlay
    DrawingRecords outgoing{opts[IDOPTS_WHITEBOARD] == 1, std::move(annotations)};
    annotations = std::move(lastDrawing.records);
    opts[IDOPTS_WHITEBOARD] = lastDrawing.whiteboard ? 1 : 0;
    lastDrawing = std::move(outgoing);
    ClearHistory();
    // The drawing put aside is the one to keep now. An empty one is not
    // written: the files keep the drawing just restored, which is then the
    // one a crash would lose.
    if (!lastDrawing.records.empty()) WriteLastDrawingFiles(hdcLastPicture, lastDrawing);
    filesHoldCurrent = false;
    RepaintOverlayNow();
}
