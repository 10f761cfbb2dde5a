// The files beside the exe that the renderer draws with: the twelve mark
// pictures, loaded at start-up and again when the overlay's scale changes,
// and the three handwriting fonts.
#include "render/marks.h"

#include <string>

#include "canvas/canvas.h"
#include "core/dock_scale.h"
#include "core/options.h"
#include "win/program.h"
#include "win/text.h"

GpImage* stampImages[MARK_COUNT];

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

static GpImage* LoadImageFile(const std::string& path) {
    GpImage* image = nullptr;
    if (GdipLoadImageFromFile(Widen(path).c_str(), &image) != Ok) image = nullptr;
    return image;
}

// The marks are drawn at 100, 150 and 200 %; the set nearest to the
// overlay's scale is loaded (its files carry _150 or _200 before the
// extension), and where such a file is missing the 100 % picture serves.
void LoadMarkImages() {
    const int scale = PictureScaleForDpi(canvas.overlayDpi);
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

// The three handwriting faces, registered for this process only: no other
// program sees them, and nothing is left registered when the process ends.
static const char* const fontFiles[3] = {"lib.ttf", "whisper.ttf", "andrew.ttf"};
static bool fontAdded[3];

static std::wstring FontFilePath(int i) { return WidePath(exeDir + "\\" + fontFiles[i]); }

void InstallPrivateFonts() {
    for (int i = 0; i < 3; ++i) {
        fontAdded[i] = AddFontResourceExW(FontFilePath(i).c_str(), FR_PRIVATE, nullptr) != 0;
        if (!fontAdded[i]) NoteUnloaded(fontFiles[i]);
    }
}

void RemovePrivateFonts() {
    for (int i = 0; i < 3; ++i) {
        if (fontAdded[i]) RemoveFontResourceExW(FontFilePath(i).c_str(), FR_PRIVATE, nullptr);
        fontAdded[i] = false;
    }
}
