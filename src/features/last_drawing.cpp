// The last drawing: kept in memory (hdcLastPicture and its records) and in
// the data folder, and swapped with the current drawing on request.
//
// The files are written when a drawing with records is discarded, when the
// overlay is hidden with one, and when a restore puts one aside; never while
// drawing. The picture is written first and the records last, each file
// replaced as a whole.
#include "features/last_drawing.h"

#include <memory>
#include <utility>

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/commands.h"
#include "core/history.h"
#include "core/options.h"
#include "core/records_file.h"
#include "dock/dock.h"
#include "features/tray.h"
#include "features/showing.h"
#include "features/writer.h"
#include "overlay/overlay.h"
#include "render/pictures.h"
#include "win/files.h"
#include "win/text.h"
#include "win/message.h"
#include "win/program.h"

static const char* const MESSAGE_TITLE = "Restore Last Drawing";
static const char* const MESSAGE_DAMAGED =
    "The last drawing cannot be restored: its files in the data folder are damaged or incomplete.";
constexpr DWORD WRITE_WAIT_MS = 10000;
static const char* const MESSAGE_NOT_WRITTEN = "The last drawing could not be written to the data folder.";

// NONE: nothing to restore. IN_MEMORY: lastDrawing and lastPicture hold
// it. ON_DISK: an earlier run left it in the data folder; it is read when
// it is restored.
enum class LastState { NONE, IN_MEMORY, ON_DISK };
static LastState lastState = LastState::NONE;
static DrawingRecords lastDrawing;
// A copy of the capture surface's pixels, shared with the writer while it
// writes them: the one copy serves both the files and a restore.
static std::shared_ptr<const PictureCopy> lastPicture;
// A failed write is told once; the next that succeeds allows telling again.
static bool toldNotWritten = false;
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

bool LastDrawingIsLive() { return lastState == LastState::IN_MEMORY && lastDrawing.live; }

void FindLastDrawingOnDisk() {
    // One file without the other still counts: restoring then tells the
    // user that the drawing is damaged rather than doing nothing silently.
    const bool found = FileExists(LastDrawingRecordsPath()) || FileExists(LastDrawingPicturePath());
    lastState = found ? LastState::ON_DISK : LastState::NONE;
    UpdateRestoreItems();
}

// Fading ink is never kept: the drawing is its lasting records.
static std::vector<Annotation> LastingRecords(const std::vector<Annotation>& records) {
    std::vector<Annotation> lasting;
    for (const Annotation& a : records)
        if (a.phrase == 0) lasting.push_back(a);
    return lasting;
}

static DrawingRecords CurrentDrawing() {
    return {.whiteboard = opts[IDOPTS_WHITEBOARD] == 1, .live = canvas.live, .records = LastingRecords(annotations)};
}

// Written on the writer's thread from the shared copy: the picture first,
// then the records with the picture's size, so that a crash between the two
// leaves records that do not match the picture, which restoring reports
// instead of showing one drawing's records on another's picture.
static void WriteLastDrawingFiles(std::shared_ptr<const PictureCopy> picture, DrawingRecords drawing) {
    QueueLastDrawingWrite({std::move(picture), LastDrawingPicturePath(), LastDrawingRecordsPath(), std::move(drawing)});
}

static std::shared_ptr<const PictureCopy> CaptureCopy() {
    return std::make_shared<const PictureCopy>(CopySurfacePicture(canvas.hdcCapture));
}

void OnLastDrawingWritten(bool written) {
    const bool tell = !written && !toldNotWritten;
    toldNotWritten = !written;
    if (tell) ShowUserMessage(MESSAGE_NOT_WRITTEN, MESSAGE_TITLE);
}

// A last drawing kept in memory at another size is read back from its
// files when it is restored, placed as a loaded snapshot is.
void ForgetLastPictureOfOtherSize() {
    if (lastState != LastState::IN_MEMORY || !lastPicture) return;
    if (lastPicture->width == ScreenWidth() && lastPicture->height == ScreenHeight()) return;
    RecycleIfUnused(lastPicture);
    lastDrawing = {};
    lastState = LastState::ON_DISK;
}

void KeepDrawingAsLast() {
    if (LastingRecords(annotations).empty()) {
        filesHoldCurrent = false;
        return;
    }
    RecycleIfUnused(lastPicture);  // its rows take the new copy, when the writer is done with them
    lastPicture = CaptureCopy();
    lastDrawing = CurrentDrawing();
    lastState = LastState::IN_MEMORY;
    if (!filesHoldCurrent) WriteLastDrawingFiles(lastPicture, lastDrawing);
    filesHoldCurrent = false;
    UpdateRestoreItems();
}

void SaveDrawingWhileHidden() {
    if (LastingRecords(annotations).empty() || filesHoldCurrent) return;
    WriteLastDrawingFiles(CaptureCopy(), CurrentDrawing());
    filesHoldCurrent = true;
}

// Reads the drawing an earlier run left into `picture` and the records;
// the picture is placed as a loaded snapshot is, so a changed screen size
// still shows it. The capture surface is the one the picture is drawn on:
// only once both files have proved whole.
static bool ReadLastDrawingFiles(std::shared_ptr<const PictureCopy>& picture, DrawingRecords& drawing) {
    WaitForWrites(WRITE_WAIT_MS);  // a pair being written is read once it is whole
    std::string text;
    if (!ReadWholeFile(LastDrawingRecordsPath(), text) || !ParseRecordsFile(text, drawing)) return false;
    if (FileBytes(LastDrawingPicturePath()) != drawing.pictureBytes) return false;
    ImageOwner image;
    if (GdipLoadImageFromFile(WidePath(LastDrawingPicturePath()).c_str(), image.out()) != Ok || !image) return false;
    picture = CaptureCopy();  // the drawing on screen, to be put aside
    FillRect(canvas.hdcCapture, &canvas.rectScreen, canvas.brushBlack);
    if (!DrawPicture(image.get(), canvas.hdcCapture)) {
        PutSurfacePicture(*picture, canvas.hdcCapture);
        return false;
    }
    GdiFlush();
    if (drawing.legacyText)
        for (Annotation& record : drawing.records) record.text = FromLegacyCodePage(record.text);
    drawing.legacyText = false;
    return true;
}

// The picture kept in memory goes onto the capture surface and the one
// there into `outgoing`.
static void ExchangeWithCapture(std::shared_ptr<const PictureCopy>& outgoing) {
    outgoing = CaptureCopy();
    PutSurfacePicture(*lastPicture, canvas.hdcCapture);
}

void RestoreLastDrawing() {
    if (lastState == LastState::NONE) return;
    std::shared_ptr<const PictureCopy> outgoingPicture;
    DrawingRecords incoming;
    if (lastState == LastState::ON_DISK) {
        if (!ReadLastDrawingFiles(outgoingPicture, incoming)) {
            lastState = LastState::NONE;
            UpdateRestoreItems();
            ShowUserMessage(MESSAGE_DAMAGED, MESSAGE_TITLE);
            return;
        }
    } else {
        ExchangeWithCapture(outgoingPicture);
        incoming = std::move(lastDrawing);
    }
    CloseTextEditWithoutCommit();
    ForgetLayer();  // another picture and other records under the overlay
    DrawingRecords outgoing = CurrentDrawing();
    ForgetFadingInk();
    annotations = std::move(incoming.records);
    opts[IDOPTS_WHITEBOARD] = incoming.whiteboard ? 1 : 0;
    if (incoming.live != canvas.live) ChangeLiveKeepingDrawing(incoming.live);  // the restored picture stays
    lastDrawing = std::move(outgoing);
    RecycleIfUnused(lastPicture);
    lastPicture = std::move(outgoingPicture);
    lastState = LastState::IN_MEMORY;
    ClearHistory();
    // The drawing put aside is the one to keep now. An empty one is not
    // written: the files keep the drawing just restored, which is then the
    // one a crash would lose.
    if (!lastDrawing.records.empty()) WriteLastDrawingFiles(lastPicture, lastDrawing);
    filesHoldCurrent = false;
    RepaintOverlayNow();
}
