// Start-up: every long-lived object of the program is made here once, in a
// fixed order, and kept until the process ends.
#include "app/startup.h"

#include <commctrl.h>

#include <cstdio>

#include "app/commands.h"
#include "app/overlay_proc.h"
#include "canvas/canvas.h"
#include "core/dock_scale.h"
#include "core/options.h"
#include "dock/dock.h"
#include "features/last_drawing.h"
#include "features/options_dialog.h"
#include "features/settings.h"
#include "features/snapshots.h"
#include "features/tray.h"
#include "features/writer.h"
#include "overlay/overlay.h"
#include "render/marks.h"
#include "render/render.h"
#include "resource.h"
#include "win/files.h"
#include "win/gdiplus_flat.h"
#include "win/text.h"
#include "win/message.h"
#include "win/program.h"
#include "win/ui.h"

constexpr UINT_PTR OVERLAY_TIMER_ID = 1111;
constexpr UINT OVERLAY_TIMER_MS = 300;

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

void RegisterWindowClasses() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = hInst;
    wc.hbrBackground = canvas.brushWhiteboard;
    wc.lpfnWndProc = OverlayWndProc;
    wc.lpszClassName = OVERLAY_CLASS;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = DockWndProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = DOCK_CLASS;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = ChromeWndProc;
    wc.hbrBackground = nullptr;  // its region holds only its child windows, which cover it
    wc.lpszClassName = CHROME_CLASS;
    RegisterClassExA(&wc);
}

void CreateDialogs() {
    CreateOptionsDialog();
    hwndShortcuts = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_SHORTCUTS), hwndOptions, ShortcutsDlgProc, 0);
    hwndShortcutEditor =
        CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_SHORTCUT_EDITOR), hwndOptions, ShortcutEditorProc, 0);
}

void CreateTextEdit() {
    // A window of its own in UTF-16, so that typed text of any script reaches it whole.
    textEdit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, 300, 200, 150, 115,
                               canvas.hwndOverlay, nullptr, hInst, nullptr);
    hdcTextEdit = GetDC(textEdit);
    SubclassTextEdit();
}

void ShowFirstPicture() {
    CaptureScreen();
    ForgetLayer();
    ShowWindow(canvas.hwndOverlay, SW_SHOW);
    BitBlt(canvas.hdcOverlay, 0, 0, ScreenWidth(), ScreenHeight(), canvas.hdcCapture, 0, 0, SRCCOPY);
}

void HandleFirstRun() {
    if (FileExists(settingsPath)) return;
    CreateDirectoryW(WidePath(dataDir).c_str(), nullptr);
    CreateDirectoryW(WidePath(snapshotDir).c_str(), nullptr);
    SaveSettings();
}

bool StartUp(HINSTANCE instance) {
    hInst = instance;
    if (GetACP() != CP_UTF8) {
        // An older Windows ignores the manifest's UTF-8 code page: text and
        // folder names outside the legacy code page would be lost.
        MessageBoxW(nullptr, L"Quillcast needs Windows 10 version 1903 or later.", L"Quillcast", MB_OK | MB_ICONERROR);
        return false;
    }
    StartGdiplus();
    LoadCursors();
    dockMenu = CreatePopupMenu();
    snapshotMenu = CreatePopupMenu();
    InitCommonControls();
    if (AnotherInstanceRuns()) {
        // Above the running copy's top-most overlay.
        MessageBoxA(nullptr, "Only one instance of Quillcast can run at a time", "Quillcast",
                    MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
        return false;
    }
    CreateCanvasBrushes();
    RegisterWindowClasses();
    ReadScreenRectAtPointer();
    CreateDialogs();
    CreateOverlayWindow(OVERLAY_CLASS, OVERLAY_TITLE);
    StartWriter(canvas.hwndOverlay);
    if (canvas.overlayDpi != BASE_DPI) LoadCursors();  // loaded before the scale was known
    CreateScreenSurfaces();
    CreateChromeWindow(CHROME_CLASS);
    CreateHighlightStrip(canvas.hdcOverlay);
    CreateDock();
    CreateTextEdit();
    MakeOverlayFrameless();
    CreateCaptureSurface();
    ShowFirstPicture();
    FillKeyList(GetDlgItem(hwndOptions, IDC_HOTKEYLIST));
    FillKeyList(GetDlgItem(hwndOptions, IDC_LIVELIST));
    SetDefaults();
    BuildPaths();
    HandleFirstRun();
    // The handwriting faces are registered before the settings make the
    // text font: a face asked for before it exists stays substituted.
    InstallPrivateFonts();
    LoadSettings();
    ApplyRunAtStartup();
    RegisterShowHotkey();
    RegisterLiveHotkey();
    LoadShortcuts();
    CreateTrayIcon();
    BuildDockMenusAndHistory();
    FindLastDrawingOnDisk();
    if (lastPath.empty()) lastPath = snapshotDir;
    RelayoutDock();
    LoadMarkImages();
    SetTimer(canvas.hwndOverlay, OVERLAY_TIMER_ID, OVERLAY_TIMER_MS, nullptr);
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
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (exitRequested == 1) {
            SaveBeforeExit();
            msg.wParam = 0;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RemovePrivateFonts();
    return static_cast<int>(msg.wParam);
}
