// Start-up: every long-lived object of the program is made here once, in a
// fixed order, and kept until the process ends.
#include "app/app.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>
#include <vector>

#include "app/message.h"
#include "app/startup.h"
#include "app/tray.h"
#include "dock/dock.h"
#include "dock/dock_scale.h"
#include "overlay/overlay.h"
#include "render/gdiplus_flat.h"
#include "resource.h"
#include "settings/options_dialog_win.h"
#include "settings/settings_win.h"
#include "snapshots/last_drawing_win.h"
#include "snapshots/snapshots.h"

static ULONG_PTR gdiplusToken;
void StartGdiplus() {
    GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    GdiplusStartup(&gdiplusToken, &input, nullptr);
}

bool AnotherInstanceRuns() { return FindWindowA(nullptr, OVERLAY_TITLE) != nullptr; }

void CreateBrushes() {
    brushBlack = CreateSolidBrush(RGB(0, 0, 0));
    brushWhiteboard = CreateSolidBrush(RGB(255, 255, 255));
}

void RegisterWindowClasses() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = hInst;
    wc.hbrBackground = brushWhiteboard;
    wc.lpfnWndProc = OverlayWndProc;
    wc.lpszClassName = OVERLAY_CLASS;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = DockWndProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = DOCK_CLASS;
    RegisterClassExA(&wc);
}

void ReadScreenRect() { ReadScreenRectAtPointer(); }

void CreateDialogs() {
    hwndOptions = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, OptionsDlgProc, 0);
    hwndShortcuts = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_SHORTCUTS), hwndOptions, ShortcutsDlgProc, 0);
}

void CreateOverlayWindow() {
    hwndOverlay = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, OVERLAY_CLASS, OVERLAY_TITLE, WS_CLIPCHILDREN,
                                  overlayOrigin.x, overlayOrigin.y, ScreenWidth(), ScreenHeight(), nullptr, nullptr,
                                  hInst, nullptr);
    overlayDpi = DpiOfWindow(hwndOverlay);      // the dock is built at this scale
    if (overlayDpi != BASE_DPI) LoadCursors();  // loaded before the scale was known
}

void CreateSurfaces() {
    hdcOverlay = GetDC(hwndOverlay);
    hdcBack = CreateCompatibleDC(hdcOverlay);
    hdcBase = CreateCompatibleDC(hdcOverlay);
    hdcHighlightStrip = CreateCompatibleDC(hdcOverlay);
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageA(hInst, MAKEINTRESOURCEA(IDB_HIGHLIGHT_STRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip) strip = CreateCompatibleBitmap(hdcOverlay, 1, 50);  // the strip's pixels are repainted before use
    SelectObject(hdcHighlightStrip, strip);
    SizeScreenSurfaces(ScreenWidth(), ScreenHeight());
}

void CreateTextEdit() {
    textEdit = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, 300, 200, 150, 115, hwndOverlay,
                               nullptr, hInst, nullptr);
    hdcTextEdit = GetDC(textEdit);
}

void MakeOverlayFrameless() {
    const LONG_PTR style = GetWindowLongPtrA(hwndOverlay, GWL_STYLE);
    SetWindowLongPtrA(hwndOverlay, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
    SetWindowPos(hwndOverlay, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

void CreateCaptureSurface() {
    hdcCapture = CreateCompatibleDC(nullptr);
    hdcLastPicture = CreateCompatibleDC(nullptr);
    SizeCaptureSurface(ScreenWidth(), ScreenHeight());
}

void ShowFirstPicture() {
    CaptureScreen();
    ShowWindow(hwndOverlay, SW_SHOW);
    BitBlt(hdcOverlay, 0, 0, ScreenWidth(), ScreenHeight(), hdcCapture, 0, 0, SRCCOPY);
}

static std::string FolderPath(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

void BuildPaths() {
    std::vector<char> module(MAX_PATH);
    for (;;) {  // a module path may be longer than MAX_PATH
        const DWORD n = GetModuleFileNameA(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (n < module.size()) break;
        module.resize(module.size() * 2);
    }
    std::vector<char> longPath(module.size() + MAX_PATH);
    if (!GetLongPathNameA(module.data(), longPath.data(), static_cast<DWORD>(longPath.size())))
        std::copy(module.begin(), module.end(), longPath.begin());
    PathRemoveFileSpecA(longPath.data());
    exeDir = longPath.data();
    dataDir = FolderPath(CSIDL_APPDATA) + "\\Quillcast\\";
    snapshotDir = FolderPath(CSIDL_PERSONAL) + "\\Quillcast Snapshots\\";
    settingsPath = dataDir + "Settings.dat";
    historyPath = dataDir + "History.dat";
}

void HandleFirstRun() {
    if (FILE* f = std::fopen(settingsPath.c_str(), "r")) {
        std::fclose(f);
        return;
    }
    CreateDirectoryA(dataDir.c_str(), nullptr);
    CreateDirectoryA(snapshotDir.c_str(), nullptr);
    SaveSettings();
}

// The three handwriting faces. Each is registered through a font resource
// file in the data folder; where that road fails, the font file itself is
// registered for this process only, which serves the text tool equally.
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

bool StartUp(HINSTANCE instance) {
    hInst = instance;
    StartGdiplus();
    LoadCursors();
    dockMenu = CreatePopupMenu();
    snapshotMenu = CreatePopupMenu();
    InitCommonControls();
    if (AnotherInstanceRuns()) {
        // Above the running copy's top-most overlay.
        MessageBoxA(nullptr, "Only one instance of Quillcast can run at a time", "Tablorix",
                    MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
        return false;
    }
    CreateBrushes();
    RegisterWindowClasses();
    ReadScreenRect();
    CreateDialogs();
    CreateOverlayWindow();
    CreateSurfaces();
    CreateDock();
    CreateTextEdit();
    MakeOverlayFrameless();
    CreateCaptureSurface();
    ShowFirstPicture();
    FillKeyList(GetDlgItem(hwndOptions, IDC_HOTKEYLIST));
    SetDefaults();
    BuildPaths();
    HandleFirstRun();
    // The handwriting faces are registered before the settings make the
    // text font: a face asked for before it exists stays substituted.
    InstallPrivateFonts();
    LoadSettings();
    ApplyRunAtStartup();
    RegisterShowHotkey();
    CreateTrayIcon();
    BuildDockMenusAndHistory();
    FindLastDrawingOnDisk();
    if (lastPath.empty()) lastPath = snapshotDir;
    RelayoutDock();
    LoadMarkImages();
    SetTimer(hwndOverlay, OVERLAY_TIMER_ID, OVERLAY_TIMER_MS, nullptr);
    RECT dlg;
    GetWindowRect(hwndOptions, &dlg);
    optionsDlgWidth = dlg.right - dlg.left;
    SetDlgItemTextA(hwndOptions, IDC_VERSION, VERSION_TEXT);
    // Activated last, so that keys act at once: the steps since the overlay
    // was shown can have brought other windows forward.
    ActivateOverlay();
    if (!UnloadedFiles().empty()) {
        const std::string text = "These files beside Quillcast.exe could not be loaded: " + UnloadedFiles() +
                                 ".\nThe marks and handwriting faces they hold are not available.";
        ShowUserMessage(text.c_str(), "Quillcast");
    }
    return true;
}

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (exitRequested == 1) {
            KeepDrawingAsLast();
            SaveHistory();
            SaveSettings();
            return 0;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    RemovePrivateFonts();
    return static_cast<int>(msg.wParam);
}
