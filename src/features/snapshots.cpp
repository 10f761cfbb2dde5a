// Saving the annotated picture as a PNG, JPEG or BMP file, and loading a
// picture file as the background in place of the frozen screen.
#include "features/snapshots.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/history.h"
#include "core/options.h"
#include "core/snapshot_file.h"
#include "features/last_drawing.h"
#include "features/showing.h"
#include "features/tray.h"
#include "features/writer.h"
#include "dock/dock.h"
#include "overlay/overlay.h"
#include "render/pictures.h"
#include "win/message.h"
#include "win/files.h"
#include "win/program.h"
#include "win/text.h"

// Pairs of description and pattern, each ended by NUL, the list by a second NUL.
static const wchar_t SNAPSHOT_FILTER[] = L"PNG\0*.png\0JPEG\0*.jpeg\0BMP\0*.bmp\0";
static const wchar_t* const SAVE_TITLE = L"Save a snapshot of the current screen";
static const wchar_t* const LOAD_TITLE = L"Load a snapshot";
static const wchar_t* const DEFAULT_EXTENSION = L"png";
static const char* const NOT_SAVED_TITLE = "Snapshot not saved";
static const char* const NOT_LOADED_TITLE = "Picture not loaded";
// Room for far longer names than MAX_PATH: a chosen name that did not fit
// would be dropped by the dialog without a word.
constexpr DWORD FILE_NAME_BUFFER = 4096;

// Shows the common save or open dialog over the overlay; the chosen path, or
// an empty string when the user cancelled.
static std::string AskSnapshotFileName(bool save) {
    std::vector<wchar_t> file(FILE_NAME_BUFFER, L'\0');
    const std::wstring folder = Widen(lastPath);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = canvas.hwndOverlay;
    ofn.lpstrFilter = SNAPSHOT_FILTER;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = FILE_NAME_BUFFER;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = save ? SAVE_TITLE : LOAD_TITLE;
    ofn.Flags = OFN_EXPLORER | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    ofn.lpstrDefExt = DEFAULT_EXTENSION;
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    return chosen ? Narrow(file.data()) : std::string();
}

// The picture the overlay shows, without the dock: the committed layer,
// hdcBase, with every annotation on the background. Text being typed is
// written into its shape first, so that it is part of the picture.
static void ComposeSnapshotPicture() {
    if (shapeText != -1) CommitTextEdit();
    SettleLayer();
    SyncLayer();
    GdiFlush();
}

// Live ink is taken as shown: over the screen beneath it, which is taken
// for it (its windows step aside for a moment).
static PictureCopy ShownPicture() {
    PictureCopy shot = CopySurfacePicture(canvas.hdcBase);
    if (!canvas.live) return shot;
    CaptureBeneathLiveInk();
    PutLiveInkOverCapture(shot);
    return shot;
}

static void TellNotSaved(const std::string& why, const std::string& path) {
    const std::string text = "The snapshot was not saved: " + why + "\n\n" + path;
    ShowUserMessage(text.c_str(), NOT_SAVED_TITLE);
}

// The picture is copied at once and encoded on the writer's thread; the
// history lists it when the writer reports it written.
bool SaveSnapshotTo(const std::string& chosenPath) {
    const std::string path = WithDefaultExtension(chosenPath);
    ComposeSnapshotPicture();
    const std::string_view extension = SnapshotExtension(path);
    const char* mime = EncoderMimeForExtension(extension);
    if (!mime) {
        TellNotSaved("the name ends in \"." + std::string(extension) +
                         "\", which names no picture format. Use .png, .jpeg or .bmp.",
                     path);
        return false;
    }
    QueueSnapshotWrite(ShownPicture(), path, mime);
    if (opts[IDOPTS_COPYSAVED] == 1) CopySnapshotToClipboard();
    return true;
}

// Snapshots saved without a dialog whose files the writer has not finished:
// their names are taken already, and their writing is confirmed.
static std::vector<std::string> savingNow;

static bool SavingNow(const std::string& path) {
    return std::find(savingNow.begin(), savingNow.end(), path) != savingNow.end();
}

static ClockTime LocalClock() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string SaveNowPath(const ClockTime& time) {
    const std::string folder = lastPath.empty() ? snapshotDir : lastPath;
    return UniqueSnapshotPath(folder, time,
                              [](const std::string& path) { return SavingNow(path) || FileExists(path); });
}

bool SaveSnapshotNow() {
    const std::string path = SaveNowPath(LocalClock());
    if (!SaveSnapshotTo(path)) return false;
    savingNow.push_back(path);
    return true;
}

// A snapshot saved without a dialog is confirmed naming its file: on the
// dock while the overlay is shown, else in a balloon of the tray icon.
static void ConfirmSavedNow(const std::string& path) {
    const std::string text = "Saved " + path.substr(path.find_last_of("\\/") + 1);
    if (OverlayShown())
        FlashDockNotice(text);
    else
        ShowTrayBalloon("Snapshot saved", text);
}

void OnSnapshotWritten(const std::string& path, bool written, const std::string& why) {
    const bool savedNow = SavingNow(path);
    std::erase(savingNow, path);
    if (!written) {
        TellNotSaved(why, path);
        return;
    }
    AddHistoryEntry(path);
    if (savedNow) ConfirmSavedNow(path);
}

bool SaveSnapshot() {
    const std::string path = AskSnapshotFileName(true);
    if (path.empty()) return false;
    return SaveSnapshotTo(path);
}

void LoadSnapshotDialog() {
    const std::string path = AskSnapshotFileName(false);
    if (!path.empty()) LoadBackgroundImage(path);
}

// A file that cannot be read as a picture (deleted, damaged, no picture at
// all) changes nothing: the drawing and its background stay.
void LoadBackgroundImage(const std::string& path) {
    ImageOwner image;
    if (GdipLoadImageFromFile(WidePath(path).c_str(), image.out()) != Ok || !image) {
        const std::string text = "The picture could not be opened; the drawing is kept.\n\n" + path;
        ShowUserMessage(text.c_str(), NOT_LOADED_TITLE);
        return;
    }
    KeepDrawingAsLast();
    opts[IDOPTS_WHITEBOARD] = 0;
    FillRect(canvas.hdcCapture, &canvas.rectScreen, canvas.brushBlack);
    DrawPicture(image.get(), canvas.hdcCapture);
    GdiFlush();
    ForgetLayer();  // drawn over the old picture
    ForgetZoom();
    // The old drawing belonged to the old picture; it goes, with its undo
    // steps, and only "Restore Last Drawing" brings it back.
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    ForgetFadingInk();
    if (canvas.live) ChangeLiveKeepingDrawing(false);  // a loaded picture is shown as a frozen one
    RepaintOverlayNow();
}

// A copied picture (24 bits per pixel, rows bottom-up and padded to 4
// bytes: hdcBase's layout, which is the packed DIB's) as a packed
// device-independent bitmap.
static HGLOBAL DibOf(const PictureCopy& picture) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(picture.rows.size());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof header + header.biSizeImage);
    auto* bytes = memory ? static_cast<BYTE*>(GlobalLock(memory)) : nullptr;
    if (!bytes) return memory ? GlobalFree(memory) : nullptr;
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, picture.rows.data(), header.biSizeImage);
    GlobalUnlock(memory);
    return memory;
}

// What the clipboard offers while the overlay owns it: the picture copied,
// and its PNG once the writer has made it. Both formats are promised at the
// copy and handed over when a program asks for them: handing several
// megabytes to the clipboard takes far longer than the copy itself.
static std::shared_ptr<const PictureCopy> clipboardPicture;
static HGLOBAL clipboardPng;

static UINT PngFormat() { return RegisterClipboardFormatA("PNG"); }

static void ForgetClipboardPicture() {
    RecycleIfUnused(clipboardPicture);
    if (clipboardPng) GlobalFree(clipboardPng);
    clipboardPng = nullptr;
}

bool CopySnapshotToClipboard() {
    ComposeSnapshotPicture();
    bool copied = false;
    if (OpenClipboard(canvas.hwndOverlay)) {
        // Emptying tells the overlay, when it owned the clipboard, to forget
        // its picture. A promise is a null handle, which is also what the
        // setting gives back: whether it holds shows after closing.
        if (EmptyClipboard()) {
            SetClipboardData(CF_DIB, nullptr);
            SetClipboardData(PngFormat(), nullptr);
        }
        CloseClipboard();
        copied = IsClipboardFormatAvailable(CF_DIB) != 0;
    }
    if (!copied) {
        ShowUserMessage("The picture could not be copied to the clipboard.", "Quillcast");
        return false;
    }
    clipboardPicture = std::make_shared<const PictureCopy>(ShownPicture());
    QueueClipboardPng(clipboardPicture);
    return true;
}

void OnClipboardPngMade(const std::shared_ptr<const PictureCopy>& picture, HGLOBAL& png) {
    if (picture != clipboardPicture || clipboardPng) return;  // copied over since
    clipboardPng = png;
    png = nullptr;
}

// A program asks for a promised format. A PNG that the writer has not made
// yet is made here: the program waits for it either way.
void OnRenderClipboardFormat(UINT format) {
    if (!clipboardPicture) return;
    if (format == CF_DIB) {
        HGLOBAL dib = DibOf(*clipboardPicture);
        if (dib && !SetClipboardData(CF_DIB, dib)) GlobalFree(dib);
    } else if (format == PngFormat()) {
        HGLOBAL png = clipboardPng ? clipboardPng : EncodePngInMemory(*clipboardPicture);
        clipboardPng = nullptr;
        if (png && !SetClipboardData(format, png)) GlobalFree(png);
    }
}

// The overlay is going away while it owns the clipboard: every promise is
// kept now, so that the picture can still be pasted.
void OnRenderAllClipboardFormats() {
    if (!OpenClipboard(canvas.hwndOverlay)) return;
    if (GetClipboardOwner() == canvas.hwndOverlay) {
        OnRenderClipboardFormat(CF_DIB);
        OnRenderClipboardFormat(PngFormat());
    }
    CloseClipboard();
}

void OnClipboardEmptied() { ForgetClipboardPicture(); }
