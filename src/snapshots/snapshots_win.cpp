// Saving the annotated picture as a PNG, JPEG or BMP file, and loading a
// picture file as the background in place of the frozen screen.
#include "snapshots/snapshots_win.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/app.h"
#include "app/message.h"
#include "model/annotation.h"
#include "model/history.h"
#include "overlay/overlay.h"
#include "render/render.h"
#include "settings/options.h"
#include "settings/settings_win.h"
#include "snapshots/last_drawing_win.h"
#include "snapshots/snapshot_file.h"
#include "snapshots/snapshots.h"

// Pairs of description and pattern, each ended by NUL, the list by a second NUL.
static const char SNAPSHOT_FILTER[] = "PNG\0*.png\0JPEG\0*.jpeg\0BMP\0*.bmp\0";
static const char* const SAVE_TITLE = "Save a snapshot of the current screen";
static const char* const LOAD_TITLE = "Load a snapshot";
static const char* const DEFAULT_EXTENSION = "png";
static const char* const NOT_SAVED_TITLE = "Snapshot not saved";
static const char* const NOT_LOADED_TITLE = "Picture not loaded";
// Room for far longer names than MAX_PATH: a chosen name that did not fit
// would be dropped by the dialog without a word.
constexpr DWORD FILE_NAME_BUFFER = 4096;

std::wstring WidePath(const std::string& path) {
    const int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    const bool fullDrivePath = wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\';
    if (wide.size() >= MAX_PATH && fullDrivePath) wide.insert(0, L"\\\\?\\");
    return wide;
}

// Shows the common save or open dialog over the overlay; the chosen path, or
// an empty string when the user cancelled.
static std::string AskSnapshotFileName(bool save) {
    std::vector<char> file(FILE_NAME_BUFFER, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwndOverlay;
    ofn.lpstrFilter = SNAPSHOT_FILTER;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = FILE_NAME_BUFFER;
    ofn.lpstrInitialDir = lastPath.c_str();
    ofn.lpstrTitle = save ? SAVE_TITLE : LOAD_TITLE;
    ofn.Flags = OFN_EXPLORER | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    ofn.lpstrDefExt = DEFAULT_EXTENSION;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    return chosen ? std::string(file.data()) : std::string();
}

int GetEncoderClsid(const WCHAR* mimeType, CLSID* clsid) {
    UINT count = 0, size = 0;
    GdipGetImageEncodersSize(&count, &size);
    if (size == 0) return -1;
    std::vector<BYTE> table(size);
    auto* encoders = reinterpret_cast<ImageCodecInfo*>(table.data());
    if (GdipGetImageEncoders(count, size, encoders) != Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType && wcscmp(encoders[i].MimeType, mimeType) == 0) {
            *clsid = encoders[i].Clsid;
            return static_cast<int>(i);
        }
    }
    return -1;
}

GpBitmap* BitmapOverBottomUpRows(BYTE* bits, int width, int height) {
    const INT stride = (width * 3 + 3) & ~3;
    GpBitmap* bitmap = nullptr;
    // The top row is the last in memory; a negative stride walks down from it.
    if (GdipCreateBitmapFromScan0(width, height, -stride, PixelFormat24bppRGB,
                                  bits + static_cast<ptrdiff_t>(height - 1) * stride, &bitmap) != Ok)
        return nullptr;
    return bitmap;
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

// Encodes hdcBase's picture into `path`. The encoder writes a file beside
// the target first, which then replaces the target: a failed write leaves an
// earlier file of that name as it was.
bool WriteBasePicture(const std::string& path, const char* mime, std::string& why) {
    CLSID encoder;
    if (GetEncoderClsid(WidePath(mime).c_str(), &encoder) < 0) {
        why = std::string("this system has no encoder for ") + mime + ".";
        return false;
    }
    // Encoded straight from hdcBase's rows.
    ImageOwner bitmap(BitmapOverBottomUpRows(baseBits, ScreenWidth(), ScreenHeight()));
    if (!bitmap) {
        why = "there was not enough memory for the picture.";
        return false;
    }
    const std::wstring target = WidePath(path);
    const std::wstring temp = CreateTempFileBeside(target);
    bool written = !temp.empty() && GdipSaveImageToFile(bitmap.get(), temp.c_str(), &encoder, nullptr) == Ok;
    if (written)
        written = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!written) {
        if (!temp.empty()) DeleteFileW(temp.c_str());
        why = "the file could not be written.";
    }
    return written;
}

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
    std::string why;
    if (!WriteBasePicture(path, mime, why)) {
        TellNotSaved(why, path);
        return false;
    }
    AddHistoryEntry(path);
    return true;
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

// Draws a picture into `target` at (0, 0): natural size when it fits the
// screen, else squeezed along each axis that does not fit.
static bool DrawPicture(GpImage* image, HDC target) {
    UINT width = 0, height = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    GraphicsOwner graphics;
    if (GdipCreateFromHDC(target, graphics.out()) != Ok) return false;
    return GdipDrawImageRectI(graphics.get(), image, 0, 0, std::min<INT>(width, ScreenWidth()),
                              std::min<INT>(height, ScreenHeight())) == Ok;
}

// A file that cannot be read draws nothing and gives false.
bool DrawPictureFile(const std::string& path, HDC target) {
    ImageOwner image;
    if (GdipLoadImageFromFile(WidePath(path).c_str(), image.out()) != Ok || !image) return false;
    return DrawPicture(image.get(), target);
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
    FillRect(hdcCapture, &rectScreen, brushBlack);
    DrawPicture(image.get(), hdcCapture);
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
    std::memcpy(bytes + sizeof header, baseBits, header.biSizeImage);
    GlobalUnlock(memory);
    return memory;
}

// hdcBase's picture as a PNG file in memory; null when it cannot be made.
static HGLOBAL BaseAsPng() {
    CLSID encoder;
    ImageOwner bitmap(BitmapOverBottomUpRows(baseBits, ScreenWidth(), ScreenHeight()));
    IStream* stream = nullptr;
    if (GetEncoderClsid(L"image/png", &encoder) < 0 || !bitmap ||
        CreateStreamOnHGlobal(nullptr, FALSE, &stream) != S_OK)
        return nullptr;
    HGLOBAL memory = nullptr;
    STATSTG stat{};
    const bool written = GdipSaveImageToStream(bitmap.get(), stream, &encoder, nullptr) == Ok &&
                         stream->Stat(&stat, STATFLAG_NONAME) == S_OK && GetHGlobalFromStream(stream, &memory) == S_OK;
    stream->Release();
    // The stream's memory can be larger than the file: the copy is exact.
    HGLOBAL exact = written ? GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(stat.cbSize.QuadPart)) : nullptr;
    if (exact) {
        std::memcpy(GlobalLock(exact), GlobalLock(memory), static_cast<size_t>(stat.cbSize.QuadPart));
        GlobalUnlock(exact);
        GlobalUnlock(memory);
    }
    if (memory) GlobalFree(memory);
    return exact;
}

// The clipboard takes the memory it is given; what it refused is freed.
static bool PutOnClipboard(UINT format, HGLOBAL memory) {
    if (memory && SetClipboardData(format, memory)) return true;
    if (memory) GlobalFree(memory);
    return false;
}

bool CopySnapshotToClipboard() {
    ComposeSnapshotPicture();
    HGLOBAL dib = BaseAsDib(), png = BaseAsPng();
    bool copied = false;
    if (OpenClipboard(hwndOverlay)) {
        EmptyClipboard();
        copied = PutOnClipboard(CF_DIB, dib);
        PutOnClipboard(RegisterClipboardFormatA("PNG"), png);
        CloseClipboard();
    } else {
        if (dib) GlobalFree(dib);
        if (png) GlobalFree(png);
    }
    if (!copied) ShowUserMessage("The picture could not be copied to the clipboard.", "Quillcast");
    return copied;
}
