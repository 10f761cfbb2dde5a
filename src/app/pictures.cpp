// The pictures the program loads at start-up and again when the overlay's
// scale changes: its own cursors and the twelve mark pictures beside the exe.
#include <string>

#include "app/app.h"
#include "app/startup.h"
#include "dock/dock_scale.h"
#include "render/gdiplus_flat.h"
#include "resource.h"

constexpr int CURSOR_SIZE = 32;  // at 100 %

// Files beside the exe that could not be loaded at start-up; the user is
// told once the overlay is up.
static std::string unloadedFiles;

void NoteUnloaded(const char* name) {
    if (!unloadedFiles.empty()) unloadedFiles += ", ";
    unloadedFiles += name + (name[0] == '\\' ? 1 : 0);
}

const std::string& UnloadedFiles() { return unloadedFiles; }

static const char* const markFiles[MARK_COUNT] = {
    "\\plMarkNumberCircle.png", "\\plMarkNumberRed.bmp", "\\plMarkNumberYellow.bmp", "\\plMarkExclamation.png",
    "\\plMarkCheck.png",        "\\plMarkX.png",         "\\plMarkQuestion.png",     "\\plMarkInfo.png",
    "\\plMarkPlus.png",         "\\plMarkMinus.png",     "\\plMarkMultiply.png",     "\\plMarkDivide.png",
};

// The program's own cursors hold pictures for 100, 150 and 200 %; the one
// for the overlay's scale is taken. A cursor replaced on a change of scale
// is destroyed, after the pointer has been given its successor.
static void LoadOwnCursor(HCURSOR& slot, int id) {
    const int size = ScaleToDpi(CURSOR_SIZE, overlayDpi);
    const HCURSOR previous = slot;
    slot = static_cast<HCURSOR>(LoadImageA(hInst, MAKEINTRESOURCEA(id), IMAGE_CURSOR, size, size, 0));
    if (!previous) return;
    if (GetCursor() == previous) SetCursor(slot);
    DestroyCursor(previous);
}

void LoadCursors() {
    LoadOwnCursor(cursorEraser, IDC_CUR_ERASER);
    LoadOwnCursor(cursorMark, IDC_CUR_MARK);
    for (int i = 0; i < 5; ++i) LoadOwnCursor(cursorHighlight[i], IDC_CUR_HL1 + i);
    cursorArrow = LoadCursorA(nullptr, IDC_ARROW);  // the system's, at the system's size
}

static std::wstring Widen(const std::string& s) {
    const int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
    std::wstring w(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), n);
    w.resize(w.empty() ? 0 : w.size() - 1);
    return w;
}

static GpImage* LoadImageFile(const std::string& path) {
    GpImage* image = nullptr;
    if (GdipLoadImageFromFile(Widen(path).c_str(), &image) != Ok) image = nullptr;
    return image;
}

// The marks are drawn at 100, 150 and 200 %; the set nearest to the
// overlay's scale is loaded (its files carry _150 or _200 before the
// extension), and where such a file is missing the 100 % picture serves.
void LoadMarkImages() {
    const int scale = PictureScaleForDpi(overlayDpi);
    for (int i = 0; i < MARK_COUNT; ++i) {
        const std::string name = markFiles[i];
        GpImage* image = nullptr;
        if (scale != 100) {
            const size_t dot = name.rfind('.');
            image = LoadImageFile(exeDir + name.substr(0, dot) + "_" + std::to_string(scale) + name.substr(dot));
        }
        if (!image) image = LoadImageFile(exeDir + name);
        if (!image) NoteUnloaded(markFiles[i]);
        if (stampImages[i]) GdipDisposeImage(stampImages[i]);
        stampImages[i] = image;
    }
}
