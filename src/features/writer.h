// The last drawing's files written on a thread of their own, so that the
// overlay answers at once while a picture is encoded. The thread touches no
// window, no GDI object of the overlay and no state of the program: a job
// carries a copy of the pixels, the records and the paths, and the result
// comes back to the overlay as a posted message.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/records_file.h"

// Posted to the window given to StartWriter when a job has ended: wParam 1
// when both files were written, 0 when they could not be.
constexpr UINT WM_QC_WRITTEN = WM_APP + 40;

// A picture taken out of a 32-bpp surface, top row first.
struct PictureCopy {
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
};

// The pixels of the DIB section selected into `dc`.
PictureCopy CopySurfacePicture(HDC dc);

struct LastDrawingJob {
    PictureCopy picture;
    std::string picturePath;  // written first, as PNG
    std::string recordsPath;  // written last, with the picture's size
    DrawingRecords drawing;
};

// Once, at start-up: where the results go.
void StartWriter(HWND notify);

// Queues the pair. A pair queued earlier that has not started yet is
// dropped: the newer one supersedes it. Pairs are written in order.
void QueueLastDrawingWrite(LastDrawingJob job);

// Waits until every queued pair is written, at most `milliseconds`; false
// when a write is still running then.
bool WaitForWrites(DWORD milliseconds);

// Whether a pair is queued or being written.
bool WritesPending();
