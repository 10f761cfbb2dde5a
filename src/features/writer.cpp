#include "features/writer.h"

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include "render/pictures.h"
#include "win/files.h"
#include "win/gdiplus_flat.h"
#include "win/text.h"

namespace {

// Shared between the overlay's thread and the writer, always under `lock`.
std::mutex lock;
std::condition_variable wake, done;
std::unique_ptr<LastDrawingJob> queued;
bool writing = false;
bool started = false;
HWND notifyWindow;

bool WritePng(const PictureCopy& picture, const std::string& path) {
    CLSID png;
    if (GetEncoderClsid(L"image/png", &png) < 0) return false;
    GpBitmap* bitmap = nullptr;
    auto* rows = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(picture.pixels.data()));
    if (GdipCreateBitmapFromScan0(picture.width, picture.height, picture.width * 4, PixelFormat32bppRGB, rows,
                                  &bitmap) != Ok)
        return false;
    ImageOwner owner(bitmap);
    return ReplaceFileThroughTemp(WidePath(path), [&](const std::wstring& temp) {
        return GdipSaveImageToFile(bitmap, temp.c_str(), &png, nullptr) == Ok;
    });
}

// The picture first, then the records with its size: records never name a
// picture that is not on disk.
bool WritePair(LastDrawingJob& job) {
    if (!WritePng(job.picture, job.picturePath)) return false;
    job.drawing.pictureBytes = FileBytes(job.picturePath);
    return WriteFileReplacing(job.recordsPath, FormatRecordsFile(job.drawing));
}

void WriterLoop() {
    for (;;) {
        std::unique_ptr<LastDrawingJob> job;
        {
            std::unique_lock<std::mutex> held(lock);
            wake.wait(held, [] { return queued != nullptr; });
            job = std::move(queued);
            writing = true;
        }
        const bool written = WritePair(*job);
        job.reset();  // the copy of the pixels goes before the next one is made
        {
            std::lock_guard<std::mutex> held(lock);
            writing = false;
        }
        done.notify_all();
        PostMessageW(notifyWindow, WM_QC_WRITTEN, written ? 1 : 0, 0);
    }
}

}  // namespace

PictureCopy CopySurfacePicture(HDC dc) {
    PictureCopy copy;
    DIBSECTION section{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != sizeof section) return copy;
    if (section.dsBm.bmBitsPixel != 32 || !section.dsBm.bmBits) return copy;
    GdiFlush();
    copy.width = section.dsBm.bmWidth;
    copy.height = section.dsBm.bmHeight;
    const size_t row = static_cast<size_t>(copy.width);
    copy.pixels.resize(row * static_cast<size_t>(copy.height));
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    if (section.dsBmih.biHeight < 0) {  // top-down already
        std::memcpy(copy.pixels.data(), bits, copy.pixels.size() * 4);
        return copy;
    }
    for (int y = 0; y < copy.height; ++y)
        std::memcpy(&copy.pixels[row * static_cast<size_t>(y)], bits + row * static_cast<size_t>(copy.height - 1 - y),
                    row * 4);
    return copy;
}

void StartWriter(HWND notify) {
    std::lock_guard<std::mutex> held(lock);
    notifyWindow = notify;
    if (started) return;
    started = true;
    std::thread(WriterLoop).detach();  // it lives as long as the process
}

void QueueLastDrawingWrite(LastDrawingJob job) {
    {
        std::lock_guard<std::mutex> held(lock);
        queued = std::make_unique<LastDrawingJob>(std::move(job));
    }
    wake.notify_one();
}

bool WaitForWrites(DWORD milliseconds) {
    std::unique_lock<std::mutex> held(lock);
    return done.wait_for(held, std::chrono::milliseconds(milliseconds), [] { return !queued && !writing; });
}

bool WritesPending() {
    std::lock_guard<std::mutex> held(lock);
    return queued || writing;
}
