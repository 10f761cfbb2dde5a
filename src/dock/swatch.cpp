// The colour swatches: static controls that show a 5 x 2 grid of palette
// cells (one row of five tall cells for the highlighter), frame the selected
// cell and the one under the pointer, and select a cell on a click.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "canvas/canvas.h"
#include "core/options.h"
#include "dock/dock.h"
#include "win/gdi_owner.h"

int swatchHoverCol = -1, swatchHoverRow = -1;
int swatch2HoverCol = -1, swatch2HoverRow = -1;
bool swatchTracking;

static WNDPROC staticProc;  // the static class's own procedure, the same for both swatches

constexpr int GRID_COLUMNS = PALETTE_COLUMNS;
constexpr int GRID_ROWS = 2;
constexpr int SWATCH_WIDTH = 70;
constexpr int SWATCH_HEIGHT = 28;

void SubclassSwatch(HWND swatch) {
    const LONG_PTR previous = SetWindowLongPtrA(swatch, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SwatchWndProc));
    if (!staticProc) staticProc = reinterpret_cast<WNDPROC>(previous);
}

// A point read just outside the control selects the nearest edge cell. The
// cells are those the painting draws: a fifth of the width by half the
// height, 14 x 14 at 100 %, larger with the display scale.
POINT SwatchCellAt(HWND swatch, int x, int y) {
    RECT client{};
    GetClientRect(swatch, &client);
    const int width = std::max<int>(client.right / GRID_COLUMNS, 1);
    const int height = std::max<int>(client.bottom / GRID_ROWS, 1);
    return {std::clamp(x / width, 0, GRID_COLUMNS - 1), std::clamp(y / height, 0, GRID_ROWS - 1)};
}

static bool ShowsHighlighter(HWND swatch) { return swatch == dock.hwndcolor && opts[IDOPTS_TOOL] == TOOL_HIGHLIGHTER; }

static bool ShowsInk(HWND swatch) {
    const int tool = opts[IDOPTS_TOOL];
    return swatch == dock.hwndcolor && (tool == TOOL_PEN || (tool >= TOOL_RECT && tool <= TOOL_ARROW));
}

static void RepaintNow(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

static void OnSwatchClick(HWND swatch, LPARAM lParam) {
    const POINT cell = SwatchCellAt(swatch, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (swatch == dock.hwndcolor2) {
        opts[IDOPTS_TEXTCOLORROW] = cell.y;
        opts[IDOPTS_TEXTCOLORCOL] = cell.x;
    } else if (ShowsInk(swatch)) {
        opts[IDOPTS_PENCOLORROW] = cell.y;
        opts[IDOPTS_PENCOLORCOL] = cell.x;
    } else if (ShowsHighlighter(swatch)) {
        opts[IDOPTS_HLCOLOR] = cell.x;
    }
    RepaintNow(textEdit);  // typed text takes the text colour at once
    RepaintNow(swatch);
}

static void OnSwatchLeave(HWND swatch) {
    swatchHoverCol = swatchHoverRow = swatch2HoverCol = swatch2HoverRow = -1;
    swatchTracking = false;
    RepaintNow(swatch);
}

static void OnSwatchMove(HWND swatch, LPARAM lParam) {
    if (!swatchTracking) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, swatch, 0};
        swatchTracking = TrackMouseEvent(&track) != FALSE;
    }
    const POINT cell = SwatchCellAt(swatch, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (swatch == dock.hwndcolor) {
        swatchHoverCol = cell.x;
        swatchHoverRow = cell.y;
    } else if (swatch == dock.hwndcolor2) {
        swatch2HoverCol = cell.x;
        swatch2HoverRow = cell.y;
    }
    RepaintNow(swatch);
}

// What one swatch shows at the moment: its colours, selected and hovered
// cell. In the highlighter row only the column counts.
struct SwatchView {
    bool highlighter;
    POINT selected;
    POINT hovered;
    COLORREF CellColour(int row, int col) const {
        return highlighter ? highlightPalette[col] : palette[row * PALETTE_COLUMNS + col];
    }
};

static SwatchView ViewOf(HWND swatch) {
    if (swatch == dock.hwndcolor2)
        return {false, {opts[IDOPTS_TEXTCOLORCOL], opts[IDOPTS_TEXTCOLORROW]}, {swatch2HoverCol, swatch2HoverRow}};
    if (ShowsHighlighter(swatch))
        return {true, {opts[IDOPTS_HLCOLOR], 0}, {swatchHoverCol, swatchHoverCol < 0 ? -1 : 0}};
    return {false, {opts[IDOPTS_PENCOLORCOL], opts[IDOPTS_PENCOLORROW]}, {swatchHoverCol, swatchHoverRow}};
}

static void DrawCellFrame(HDC dc, RECT frame) {
    FrameRect(dc, &frame, canvas.brushBlack);
    InflateRect(&frame, -1, -1);
    FrameRect(dc, &frame, canvas.brushWhiteboard);
}

static void DrawSwatch(HDC dc, const RECT& client, const SwatchView& view) {
    FillRect(dc, &client, canvas.brushWhiteboard);
    const int cellWidth = client.right / GRID_COLUMNS;
    const int cellHeight = client.bottom / GRID_ROWS;
    const int rows = view.highlighter ? 1 : GRID_ROWS;  // the tall cells span both rows
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < GRID_COLUMNS; ++c) {
            RECT cell{c * cellWidth + 1, r * cellHeight + 1, (c + 1) * cellWidth, (r + 1) * cellHeight};
            if (view.highlighter) cell.bottom = client.bottom;
            {
                GdiBrushOwner brush(CreateSolidBrush(view.CellColour(r, c)));
                FillRect(dc, &cell, brush.get());
            }
            const bool selected = view.selected.x == c && (view.highlighter || view.selected.y == r);
            const bool hovered = view.hovered.x == c && (view.highlighter || view.hovered.y == r);
            if (selected) {
                RECT frame = cell;
                if (view.highlighter) frame.top = 0;
                DrawCellFrame(dc, frame);
            } else if (hovered) {
                DrawCellFrame(dc, cell);
            }
        }
    }
}

static LRESULT OnSwatchPaint(HWND swatch) {
    if (!GetUpdateRect(swatch, nullptr, FALSE)) return 0;
    PAINTSTRUCT ps;
    HDC target = BeginPaint(swatch, &ps);
    RECT client;
    GetClientRect(swatch, &client);
    const int width = std::max<int>(client.right, SWATCH_WIDTH);
    const int height = std::max<int>(client.bottom, SWATCH_HEIGHT);
    {
        BitmapOwner bitmap(CreateCompatibleBitmap(target, width, height));
        MemoryDcOwner surface(target);
        SelectGuard selected(surface.get(), bitmap.get());
        DrawSwatch(surface.get(), client, ViewOf(swatch));
        BitBlt(target, 0, 0, width, height, surface.get(), 0, 0, SRCCOPY);
    }
    EndPaint(swatch, &ps);
    return 0;
}

LRESULT CALLBACK SwatchWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // painting covers every pixel
    case WM_LBUTTONDOWN:
        OnSwatchClick(hwnd, lParam);
        return 1;
    case WM_MOUSELEAVE:
        OnSwatchLeave(hwnd);
        return 1;
    case WM_MOUSEMOVE:
        OnSwatchMove(hwnd, lParam);
        break;
    case WM_PAINT:
        return OnSwatchPaint(hwnd);
    default:
        break;
    }
    return CallWindowProcA(staticProc, hwnd, msg, wParam, lParam);
}
