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

// The three handwriting faces. Each is registered through a font resource
// file in the data folder; where that road fails, the font file itself is
// registered for this process only, which serves the text tool equally.
static std::string fontResPath1, fontResPath2, fontResPath3;

void InstallPrivateFonts() {
    fontResPath1 = dataDir + "cursive1.FOT";
    fontResPath2 = dataDir + "cursive2.FOT";
    fontResPath3 = dataDir + "jot2.FOT";
    static const char* const names[3] = {"lib.ttf", "whisper.ttf", "andrew.ttf"};
    const std::string ttf[3] = {exeDir + "\\" + names[0], exeDir + "\\" + names[1], exeDir + "\\" + names[2]};
    const std::string* fot[3] = {&fontResPath1, &fontResPath2, &fontResPath3};
    const DWORD hidden[3] = {1, 1, 0};
    for (int i = 0; i < 3; ++i) CreateScalableFontResourceA(hidden[i], fot[i]->c_str(), ttf[i].c_str(), nullptr);
    for (int i = 0; i < 3; ++i) {
        if (GetFileAttributesA(ttf[i].c_str()) == INVALID_FILE_ATTRIBUTES) {
            NoteUnloaded(names[i]);
            continue;
        }
        if (AddFontResourceA(fot[i]->c_str()) == 0 && AddFontResourceExA(ttf[i].c_str(), FR_PRIVATE, nullptr) == 0)
            NoteUnloaded(names[i]);
    }
}

void RemovePrivateFonts() {
    RemoveFontResourceA(fontResPath1.c_str());
    RemoveFontResourceA(fontResPath2.c_str());
    RemoveFontResourceA(fontResPath3.c_str());
}
