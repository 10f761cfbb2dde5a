// The overlay's window procedure: each message goes to one small handler.
#include "app/overlay_proc.h"

#include <memory>

#include "app/commands.h"
#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "features/last_drawing.h"
#include "features/options_dialog.h"
#include "features/settings.h"
#include "features/showing.h"
#include "features/snapshots.h"
#include "features/tray.h"
#include "features/writer.h"
#include "overlay/overlay.h"
#include "render/marks.h"
#include "win/message.h"

// A write that cannot finish in this time is abandoned: the writer replaces
// files only when they are whole, so the data folder keeps the earlier pair.
constexpr DWORD EXIT_WRITE_WAIT_MS = 10000;

void SaveBeforeExit() {
    KeepDrawingAsLast();
    SaveHistory();
    SaveSettings();
    if (!WaitForWrites(EXIT_WRITE_WAIT_MS))
        ShowUserMessage(
            "The last drawing could not be written within 10 seconds; the data folder keeps the one "
            "before it.",
            "Restore Last Drawing");
}

static void OnDestroy() {
    SaveBeforeExit();
    PostQuitMessage(0);
}

// The writer has done a job: the feature that queued it hears how it went.
static void OnWritten(LPARAM lParam) {
    const std::unique_ptr<WriteResult> result = TakeWriteResult(lParam);
    switch (result->kind) {
    case WriteKind::LAST_DRAWING:
        OnLastDrawingWritten(result->written);
        break;
    case WriteKind::SNAPSHOT:
        OnSnapshotWritten(result->path, result->written, result->why);
        break;
    case WriteKind::CLIPBOARD_PNG:
        OnClipboardPngMade(result->picture, result->png);
        break;
    }
    RecycleIfUnused(result->picture);
}

unsigned HeldModifiers(KeyStateReader keyState) {
    const auto held = [keyState](int key) { return (keyState(key) & 0x8000) != 0; };
    return (held(VK_CONTROL) ? KEY_MOD_CTRL : 0) | (held(VK_MENU) ? KEY_MOD_ALT : 0) |
           (held(VK_SHIFT) ? KEY_MOD_SHIFT : 0) | (held(VK_LWIN) || held(VK_RWIN) ? KEY_MOD_WIN : 0);
}

// Auto-repeat messages act again each time. A key with Alt held comes as a
// system key: one that no command has goes on to the system (Alt+F4 closes).
static bool OnKeyDown(WPARAM key) {
    const CommandId id = CommandForKey(static_cast<unsigned>(key), HeldModifiers(GetAsyncKeyState));
    RunCommand(id);
    return id != CMD_NONE;
}

static void OnHotkey(WPARAM id) {
    if (id == HOTKEY_ID) RunCommand(CMD_SHOW_HIDE);
    if (id == LIVE_HOTKEY_ID) RunCommand(CMD_LIVE_INK);
}

// Commands come from the dock's menus and its "Erase All" button with no
// control named; notifications of the text edit name it. A history entry of
// the snapshot menu loads its picture; an empty age group does nothing.
static LRESULT OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0) return OnEditCommand(wParam, lParam);
    const UINT id = LOWORD(wParam);
    if (id >= HISTORY_FIRST_ITEM_ID)
        LoadHistoryEntry(id);
    else
        RunCommand(id);
    return 0;
}

LRESULT CALLBACK OverlayWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ENDSESSION:  // the session ends without destroying the windows
        if (wParam) {
            SaveBeforeExit();
            RemovePrivateFonts();
        }
        return 0;
    case WM_QC_WRITTEN:
        OnWritten(lParam);
        return 0;
    case WM_QC_PUT_AWAY:
        OnPutAway();
        return 0;
    case WM_RENDERFORMAT:
        OnRenderClipboardFormat(static_cast<UINT>(wParam));
        return 0;
    case WM_RENDERALLFORMATS:
        OnRenderAllClipboardFormats();
        return 0;
    case WM_DESTROYCLIPBOARD:
        OnClipboardEmptied();
        return 0;
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_SYSKEYDOWN:
        return OnKeyDown(wParam) ? 0 : DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_TIMER:
        if (wParam == INK_TIMER_ID) {
            InkTick();
            return 0;
        }
        DockAutohideTick();
        ShapeChrome();  // the text edit may have grown
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
        if (!PanWithPointer(wParam, lParam)) OnPointerMove(lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        BeginPan(lParam);
        return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        EndPan();
        return 0;
    case WM_LBUTTONDOWN:
        OnPointerDown(lParam, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_LBUTTONUP:
        OnPointerUp();
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(wParam, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(lParam);
        return 0;
    case WM_HOTKEY:
        OnHotkey(wParam);
        return 0;
    case WM_DPICHANGED:  // the suggested rectangle is not used: the overlay keeps covering its monitor
        ApplyOverlayDpi(HIWORD(wParam));
        return 0;
    case TRAY_CALLBACK_MESSAGE:
        RunCommand(OnTrayNotification(lParam));
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CALLBACK ChromeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
        return SendMessageA(canvas.hwndOverlay, msg, wParam, lParam);
    case WM_MOUSEACTIVATE:  // a click on the dock leaves the keyboard where it is
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
