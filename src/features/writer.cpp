#include "features/writer.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "win/files.h"

namespace {

struct Job {
    WriteKind kind;
    LastDrawingJob pair;                         // LAST_DRAWING
    std::shared_ptr<const PictureCopy> picture;  // SNAPSHOT and CLIPBOARD_PNG
    std::string path;                            // SNAPSHOT
    const char* mime = nullptr;                  // SNAPSHOT
};

// Shared between the overlay's thread and the writer, always under `lock`.
std::mutex lock;
std::condition_variable wake, done;
std::deque<std::unique_ptr<Job>> queue;
bool running = false;
bool started = false;
HWND notifyWindow;

// The picture first, then the records with its size: records never name a
// picture that is not on disk.
bool WritePair(LastDrawingJob& pair) {
    std::string why;
    if (!WritePictureFile(*pair.picture, pair.picturePath, "image/png", why)) return false;
    pair.drawing.pictureBytes = FileBytes(pair.picturePath);
    return WriteFileReplacing(pair.recordsPath, FormatRecordsFile(pair.drawing));
}

std::unique_ptr<WriteResult> Do(Job& job) {
    auto result = std::make_unique<WriteResult>();
    result->kind = job.kind;
    switch (job.kind) {
    case WriteKind::LAST_DRAWING:
        result->written = WritePair(job.pair);
        result->picture = std::move(job.pair.picture);
        break;
    case WriteKind::SNAPSHOT:
        result->path = job.path;
        result->written = WritePictureFile(*job.picture, job.path, job.mime, result->why);
        result->picture = std::move(job.picture);
        break;
    case WriteKind::CLIPBOARD_PNG:
        result->png = EncodePngInMemory(*job.picture);
        result->written = result->png != nullptr;
        result->picture = std::move(job.picture);
        break;
    }
    return result;
}

void WriterLoop() {
    for (;;) {
        std::unique_ptr<Job> job;
        HWND notify;
        {
            std::unique_lock<std::mutex> held(lock);
            wake.wait(held, [] { return !queue.empty(); });
            job = std::move(queue.front());
            queue.pop_front();
            running = true;
        }
        std::unique_ptr<WriteResult> result = Do(*job);
        job.reset();
        {
            std::lock_guard<std::mutex> held(lock);
            running = false;
            notify = notifyWindow;
        }
        // The receiver owns the result, and the pixels with it, once the
        // message is posted; a window already gone leaves it here.
        if (PostMessageW(notify, WM_QC_WRITTEN, 0, reinterpret_cast<LPARAM>(result.get()))) result.release();
        done.notify_all();
    }
}

std::shared_ptr<const PictureCopy> Shared(PictureCopy picture) {
    return std::make_shared<const PictureCopy>(std::move(picture));
}

void Queue(std::unique_ptr<Job> job) {
    {
        std::lock_guard<std::mutex> held(lock);
        if (job->kind == WriteKind::LAST_DRAWING)
            std::erase_if(queue, [](const std::unique_ptr<Job>& j) { return j->kind == WriteKind::LAST_DRAWING; });
        queue.push_back(std::move(job));
    }
    wake.notify_one();
}

}  // namespace

WriteResult::~WriteResult() {
    if (png) GlobalFree(png);
}

void StartWriter(HWND notify) {
    std::lock_guard<std::mutex> held(lock);
    notifyWindow = notify;
    if (started) return;
    started = true;
    std::thread(WriterLoop).detach();  // it lives as long as the process
}

void QueueLastDrawingWrite(LastDrawingJob pair) {
    auto job = std::make_unique<Job>(Job{WriteKind::LAST_DRAWING, std::move(pair), {}, {}, nullptr});
    Queue(std::move(job));
}

void QueueSnapshotWrite(PictureCopy picture, std::string path, const char* mime) {
    Queue(std::make_unique<Job>(Job{WriteKind::SNAPSHOT, {}, Shared(std::move(picture)), std::move(path), mime}));
}

void QueueClipboardPng(std::shared_ptr<const PictureCopy> picture) {
    Queue(std::make_unique<Job>(Job{WriteKind::CLIPBOARD_PNG, {}, std::move(picture), {}, nullptr}));
}

bool WaitForWrites(DWORD milliseconds) {
    std::unique_lock<std::mutex> held(lock);
    return done.wait_for(held, std::chrono::milliseconds(milliseconds), [] { return queue.empty() && !running; });
}

bool WritesPending() {
    std::lock_guard<std::mutex> held(lock);
    return !queue.empty() || running;
}

std::unique_ptr<WriteResult> TakeWriteResult(LPARAM lParam) {
    return std::unique_ptr<WriteResult>(reinterpret_cast<WriteResult*>(lParam));
}

void RecycleIfUnused(std::shared_ptr<const PictureCopy>& picture) {
    if (picture && picture.use_count() == 1) RecyclePicture(std::move(*std::const_pointer_cast<PictureCopy>(picture)));
    picture.reset();
}
