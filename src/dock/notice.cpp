// A short notice beside the dock, such as the name of a snapshot just
// saved: a tooltip that the program places itself and hides after a moment.
#include <windows.h>

#include <commctrl.h>

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "win/text.h"

namespace {

constexpr UINT_PTR NOTICE_TIMER_ID = 1112;
constexpr UINT NOTICE_MS = 2500;
constexpr int NOTICE_GAP = 4;

HWND notice;

TOOLINFOW NoticeTool(const std::wstring* text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = dock.hwndDock;
    tool.uId = 1;
    tool.lpszText = text ? const_cast<wchar_t*>(text->c_str()) : nullptr;
    return tool;
}

void CALLBACK HideNotice(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(dock.hwndDock, id);
    TOOLINFOW tool = NoticeTool(nullptr);
    SendMessageW(notice, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

// Made at the first notice and kept to the end.
void MakeNotice() {
    notice = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                             0, dock.hwndDock, nullptr, nullptr, nullptr);
    const std::wstring empty;
    TOOLINFOW tool = NoticeTool(&empty);
    SendMessageW(notice, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

// Under the dock at the top, above it at the bottom; the dock is shown so
// that the notice is seen where the user expects it.
void FlashDockNotice(const std::string& text) {
    if (!notice) MakeNotice();
    const std::wstring wide = Widen(text);
    TOOLINFOW tool = NoticeTool(&wide);
    SendMessageW(notice, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ShowWindow(dock.hwndDock, SW_SHOWNA);
    dockHideTimer = 0;
    RECT bar;
    GetWindowRect(dock.hwndDock, &bar);
    const LRESULT size = SendMessageW(notice, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
    const int y = opts[IDOPTS_DOCKTOP] == 1 ? bar.bottom + NOTICE_GAP : bar.top - HIWORD(size) - NOTICE_GAP;
    SendMessageW(notice, TTM_TRACKPOSITION, 0, MAKELPARAM(bar.left + NOTICE_GAP, y));
    SendMessageW(notice, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(dock.hwndDock, NOTICE_TIMER_ID, NOTICE_MS, HideNotice);
}

bool DockNoticeShown() { return notice && IsWindowVisible(notice); }
