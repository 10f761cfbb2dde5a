// Pictures written on a thread of their own, so that the overlay answers at
// once while a picture is encoded: the last drawing's pair of files, saved
// snapshots and the PNG of a copied picture. The thread touches no window,
// no GDI object of the overlay and no state of the program: a job carries a
// copy of the pixels, the records and the paths, and each result comes back
// to the overlay as a posted message.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/records_file.h"
#include "render/pictures.h"

// Posted to the window given to StartWriter when a job has ended; lParam
// is a WriteResult that the receiver takes with TakeWriteResult.
constexpr UINT WM_QC_WRITTEN = WM_APP + 40;

enum class WriteKind { LAST_DRAWING, SNAPSHOT, CLIPBOARD_PNG };

struct WriteResult {
    WriteKind kind = WriteKind::LAST_DRAWING;
    bool written = false;
    std::string path;                            // a snapshot's file
    std::string why;                             // a snapshot that was not written: the reason
    HGLOBAL png = nullptr;                       // the copied picture's PNG, for the clipboard
    std::shared_ptr<const PictureCopy> picture;  // the pixels, back for the next copy
    ~WriteResult();                              // frees a PNG that nobody took
};

// The last drawing's files: the picture as PNG first, then the records with
// the picture's size, so that the pair on disk always belongs together.
struct LastDrawingJob {
    std::shared_ptr<const PictureCopy> picture;  // may be kept by the program too
    std::string picturePath;
    std::string recordsPath;
    DrawingRecords drawing;
};

// Once, at start-up: where the results go.
void StartWriter(HWND notify);

// Queues the pair. A pair queued earlier that has not started yet is
// dropped: the newer one supersedes it. Jobs are done in order.
void QueueLastDrawingWrite(LastDrawingJob job);
// Queues a snapshot file in the format of `mime`; never superseded.
void QueueSnapshotWrite(PictureCopy picture, std::string path, const char* mime);
// Queues the PNG of a copied picture, made in memory for the clipboard.
void QueueClipboardPng(std::shared_ptr<const PictureCopy> picture);

// Waits until every queued job is done, at most `milliseconds`; false when
// one is still running then.
bool WaitForWrites(DWORD milliseconds);

// Whether a job is queued or running.
bool WritesPending();

// The result a WM_QC_WRITTEN message carries.
std::unique_ptr<WriteResult> TakeWriteResult(LPARAM lParam);

// Lets go of a copy; when nobody else holds it, its rows serve the next
// copy. The overlay's thread only.
void RecycleIfUnused(std::shared_ptr<const PictureCopy>& picture);
