// Saving the annotated picture as a PNG, JPEG or BMP file, and loading a
// picture file as the background in place of the frozen screen.
#include "features/snapshots.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "canvas/canvas.h"
#include "core/annotation.h"
#include "core/history.h"
#include "core/options.h"
#include "core/snapshot_file.h"
#include "features/last_drawing.h"
#include "features/writer.h"
#include "overlay/overlay.h"
#include "render/pictures.h"
#include "win/message.h"
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
    QueueSnapshotWrite(CopySurfacePicture(canvas.hdcBase), path, mime);
    return true;
}

void OnSnapshotWritten(const std::string& path, bool written, const std::string& why) {
    if (written)
        AddHistoryEntry(path);
    else
        TellNotSaved(why, path);
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
    // The old drawing belonged to the old picture; it goes, with its undo
    // steps, and only "Restore Last Drawing" brings it back.
    CloseTextEditWithoutCommit();
    ClearHistory();
    ClearAnnotations();
    RepaintOverlayNow();
}

// hdcBase's picture as a packed device-independent bitmap: its own layout,
// 24 bits per pixel, rows bottom-up and padded to 4 bytes.
static HGLOBAL BaseAsDib() {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = ScreenWidth();
    header.biHeight = ScreenHeight();
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = ((static_cast<DWORD>(ScreenWidth()) * 3 + 3) & ~3u) * static_cast<DWORD>(ScreenHeight());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof header + header.biSizeImage);
    auto* bytes = memory ? static_cast<BYTE*>(GlobalLock(memory)) : nullptr;
    if (!bytes) return memory ? GlobalFree(memory) : nullptr;
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, canvas.baseBits, header.biSizeImage);
    GlobalUnlock(memory);
    return memory;
}

// The clipboard takes the memory it is given; what it refused is freed.
static bool PutOnClipboard(UINT format, HGLOBAL memory) {
    if (memory && SetClipboardData(format, memory)) return true;
    if (memory) GlobalFree(memory);
    return false;
}

// The clipboard's contents right after the copy; the PNG made later joins
// them only while nobody has changed them since.
static DWORD copiedSequence;

// The bitmap goes onto the clipboard at once; the PNG, which takes far
// longer to make, follows when the writer has made it.
bool CopySnapshotToClipboard() {
    ComposeSnapshotPicture();
    HGLOBAL dib = BaseAsDib();
    bool copied = false;
    if (OpenClipboard(canvas.hwndOverlay)) {
        EmptyClipboard();
        copied = PutOnClipboard(CF_DIB, dib);
        CloseClipboard();
    } else if (dib) {
        GlobalFree(dib);
    }
    if (!copied) {
        ShowUserMessage("The picture could not be copied to the clipboard.", "Quillcast");
        return false;
    }
    copiedSequence = GetClipboardSequenceNumber();
    QueueClipboardPng(CopySurfacePicture(canvas.hdcBase));
    return true;
}

void OnClipboardPngMade(HGLOBAL& png) {
    if (!png || GetClipboardSequenceNumber() != copiedSequence || !OpenClipboard(canvas.hwndOverlay)) return;
    if (SetClipboardData(RegisterClipboardFormatA("PNG"), png)) png = nullptr;  // the clipboard's now
    CloseClipboard();
    copiedSequence = GetClipboardSequenceNumber();
}
