// The shortcut list: every command that has keys, with its keys, drawn from
// the command table, so that it always says what the keys do now. Rows of
// one group stand together; alternate rows are shaded.
#include "app/commands.h"
#include "app/overlay_proc.h"
#include "core/dock_scale.h"
#include "win/gdi_owner.h"
#include "win/ui.h"

#include <string>
#include <vector>

namespace {

struct ShortcutRow {
    std::string action, keys;
    int group;
};

constexpr int ROW_HEIGHT = 15, GROUP_GAP = 6, TOP = 8, LEFT = 12, KEY_COLUMN = 140, WIDTH = 300;
constexpr COLORREF INK = RGB(30, 30, 36), KEY_INK = RGB(24, 48, 120), STRIPE = RGB(240, 244, 252);
constexpr COLORREF RULE = RGB(200, 210, 232);

std::vector<ShortcutRow> Rows() {
    std::vector<ShortcutRow> rows;
    RefreshGlobalKeys();
    for (int i = 0; i < COMMAND_TABLE_SIZE; ++i) {
        const std::string keys = KeyPairText(shortcutKeys[i].keys);
        if (!keys.empty()) rows.push_back({commandTable[i].text, keys, commandTable[i].group});
    }
    const int group = rows.empty() ? 0 : rows.back().group;
    rows.push_back({"Change color", "Wheel", group});
    rows.push_back({"Zoom at the pointer", "Ctrl+Wheel", group});
    rows.push_back({"Move the zoomed picture", "Right or middle button drag", group});
    return rows;
}

int Scaled(HWND dlg, int value) { return ScaleToDpi(value, DpiOfWindow(dlg)); }

int ListHeight(HWND dlg, const std::vector<ShortcutRow>& rows) {
    int height = TOP * 2;
    for (size_t i = 0; i < rows.size(); ++i)
        height += ROW_HEIGHT + (i > 0 && rows[i].group != rows[i - 1].group ? GROUP_GAP : 0);
    return Scaled(dlg, height);
}

// The dialog's client area fits the list.
void FitToRows(HWND dlg) {
    RECT frame{0, 0, Scaled(dlg, WIDTH), ListHeight(dlg, Rows())};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dlg, GWL_EXSTYLE)));
    SetWindowPos(dlg, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawRows(HWND dlg, HDC dc) {
    RECT client;
    GetClientRect(dlg, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const std::vector<ShortcutRow> rows = Rows();
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0));
    LOGFONTA bold{};
    GetObjectA(dialogFont, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    FontOwner boldFont(CreateFontIndirectA(&bold));
    GdiBrushOwner stripe(CreateSolidBrush(STRIPE));
    GdiBrushOwner rule(CreateSolidBrush(RULE));
    SetBkMode(dc, TRANSPARENT);
    int y = Scaled(dlg, TOP);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i].group != rows[i - 1].group) {
            y += Scaled(dlg, GROUP_GAP);
            RECT line{Scaled(dlg, 10), y - Scaled(dlg, GROUP_GAP) / 2 - 1, client.right - Scaled(dlg, 11), 0};
            line.bottom = line.top + 1;
            FillRect(dc, &line, rule.get());
        }
        RECT row{Scaled(dlg, 6), y, client.right - Scaled(dlg, 6), y + Scaled(dlg, ROW_HEIGHT)};
        if (i % 2 == 1) FillRect(dc, &row, stripe.get());
        RECT action{Scaled(dlg, LEFT), row.top, Scaled(dlg, KEY_COLUMN) - 4, row.bottom};
        RECT keys{Scaled(dlg, KEY_COLUMN), row.top, row.right, row.bottom};
        SetTextColor(dc, INK);
        SelectGuard regular(dc, dialogFont);
        DrawTextA(dc, rows[i].action.c_str(), -1, &action, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        SetTextColor(dc, KEY_INK);
        SelectGuard strong(dc, boldFont.get());
        DrawTextA(dc, rows[i].keys.c_str(), -1, &keys, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        y = row.bottom;
    }
}

}  // namespace

INT_PTR CALLBACK ShortcutsDlgProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        FitToRows(dlg);
        return TRUE;
    case WM_SHOWWINDOW:  // the keys may have changed since it was last shown
        FitToRows(dlg);
        InvalidateRect(dlg, nullptr, TRUE);
        return FALSE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dlg, &ps);
        DrawRows(dlg, dc);
        EndPaint(dlg, &ps);
        return TRUE;
    }
    case WM_CLOSE:
        ShowWindow(dlg, SW_HIDE);
        return TRUE;
    default:
        return FALSE;
    }
}
