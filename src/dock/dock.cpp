// The dock toolbar and the text format bar: building their windows, controls,
// image lists and fonts once at start-up, and the items of the Options menu.
#include "dock/dock.h"

#include <commctrl.h>

#include <iterator>

#include "canvas/canvas.h"
#include "core/commands.h"
#include "core/options.h"
#include "core/dock_scale.h"
#include "render/render.h"
#include "win/program.h"
#include "resource.h"

DockControls dock;
HWND textEdit;
HDC hdcTextEdit;
HFONT fontCaption, fontText;
int textMargin = 4;
int markerNumber = 1;
int dockHideTimer;
HMENU dockMenu, snapshotMenu;

static const char* const DOCK_TITLE = "palimpsestDock";
constexpr int DOCK_CREATE_WIDTH = 540;
constexpr int TOOL_COUNT = 8;
constexpr int TOOL_IMAGE_SIZE = 18;
constexpr int MENU_IMAGE_WIDTH = 72;
constexpr int MENU_IMAGE_HEIGHT = 12;
constexpr int MARK_LIST_ITEMS = 12;
constexpr int MARK_LIST_DROPPED_WIDTH = 120;

static const char* const fontFaceCaptions[FONT_FACE_COUNT] = {"Cursive 1", "Cursive 2", "Jot 1",   "Jot 2",
                                                              "Arial",     "Tahoma",    "Verdana", "Georgia"};
static const char* const fontSizeItems[] = {"8", "10", "12", "14", "16", "20", "26", "48", "72"};

// Tool button pictures in button order: button i is tool i + 1.
static const int toolBitmaps[TOOL_COUNT] = {IDB_TOOL_PEN,       IDB_TOOL_HIGHLIGHTER, IDB_TOOL_RECTANGLE,
                                            IDB_TOOL_ROUNDRECT, IDB_TOOL_ELLIPSE,     IDB_TOOL_ARROW,
                                            IDB_TOOL_STAMP,     IDB_TOOL_ERASER};
static const int menuBitmaps[2] = {IDB_MENU_OPTIONS, IDB_MENU_SNAPSHOTS};

// Caption pictures in the order of DockCaption.
static const int captionBitmaps[CAPTION_COUNT] = {IDB_CAPTION_COLOR,   IDB_CAPTION_SIZE,    IDB_CAPTION_WIDTH,
                                                  IDB_CAPTION_OPACITY, IDB_CAPTION_FILLED,  IDB_CAPTION_TEXTHINT,
                                                  IDB_CAPTION_NUMBER,  IDB_CAPTION_ERASEALL};

static DockBox Box(DockItem item) { return DockItemBox(item, canvas.overlayDpi); }

static bool IsCaption(int item) { return item >= ITEM_CAPTION_COLOR && item <= ITEM_CAPTION_ERASEALL; }

static HWND MakeControl(DWORD exStyle, const char* cls, const char* text, DWORD style, DockItem item, HWND parent) {
    const DockBox b = Box(item);
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | style, b.x, b.y, b.width, b.height, parent, nullptr, hInst,
                           nullptr);
}

HWND DockItemWindow(int item) {
    if (IsCaption(item)) return dock.captions[item - ITEM_CAPTION_COLOR];
    const HWND windows[DOCK_ITEM_COUNT] = {dock.hwndTools,      dock.hwndMenuBar, dock.hwndcolor,  dock.hwndPenSize,
                                           dock.hwndShapeWidth, dock.hwndOpacity, dock.hwndFilled, dock.hwndMarks,
                                           dock.hwndNumber,     dock.hwndEraseAll};
    if (item >= ITEM_TEXTBAR_COLOR && item < DOCK_ITEM_COUNT) {
        const HWND textBarWindows[] = {dock.hwndcolor2, dock.hwndFontFace, dock.hwndFontSize};
        return textBarWindows[item - ITEM_TEXTBAR_COLOR];
    }
    return item >= 0 && item < DOCK_ITEM_COUNT ? windows[item] : nullptr;
}

static void AddItems(HWND combo, const char* const* items, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
}

static void CreateDockWindows() {
    dock.hwndDock =
        CreateWindowExA(WS_EX_TOPMOST, DOCK_CLASS, DOCK_TITLE, WS_CHILD | WS_VISIBLE,
                        DockLeft(ScreenWidth(), canvas.overlayDpi), 0, ScaleToDpi(DOCK_CREATE_WIDTH, canvas.overlayDpi),
                        DockHeight(canvas.overlayDpi), canvas.hwndOverlay, nullptr, hInst, nullptr);
    const DockBox bar = TextBarBox(canvas.overlayDpi);
    dock.textBar = CreateWindowExA(WS_EX_TOPMOST, DOCK_CLASS, DOCK_TITLE, WS_CHILD, bar.x, bar.y, bar.width, bar.height,
                                   canvas.hwndOverlay, nullptr, hInst, nullptr);
    dock.liveBar = CreateWindowExA(WS_EX_TOPMOST, DOCK_CLASS, DOCK_TITLE, WS_CHILD, 0, 0, 1, 1, canvas.hwndOverlay,
                                   nullptr, hInst, nullptr);
    for (HWND* button : {&dock.hwndLiveSwitch, &dock.hwndLiveHide})
        *button = CreateWindowExA(0, "BUTTON", button == &dock.hwndLiveHide ? "Hide" : "Pointer",
                                  WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_NOTIFY, 0, 0, 1, 1, dock.liveBar, nullptr,
                                  hInst, nullptr);
}

// Both toolbars start small and are moved to their places once their
// buttons exist.
static void CreateToolbars() {
    const DWORD common =
        WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE;
    dock.hwndTools = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | common | CCS_NODIVIDER, 90, 0, 18, 18,
                                     dock.hwndDock, nullptr, hInst, nullptr);
    SendMessageA(dock.hwndTools, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    dock.hwndMenuBar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | common, 90, 0, 58, 10, dock.hwndDock,
                                       nullptr, hInst, nullptr);
    SendMessageA(dock.hwndMenuBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

static void CreateTextBarControls() {
    dock.hwndcolor2 = MakeControl(0, "STATIC", "", WS_VISIBLE | SS_NOTIFY, ITEM_TEXTBAR_COLOR, dock.textBar);
    dock.hwndFontFace =
        MakeControl(0, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                    ITEM_FONTFACE, dock.textBar);
    dock.hwndFontSize =
        MakeControl(0, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS, ITEM_FONTSIZE, dock.textBar);
    AddItems(dock.hwndFontFace, fontFaceCaptions, FONT_FACE_COUNT);
    AddItems(dock.hwndFontSize, fontSizeItems, static_cast<int>(std::size(fontSizeItems)));
}

// Controls sharing a place (the swatch, the mark list and "Erase All") are
// never shown together: the relayout shows those of the current tool.
static void CreateDockControls() {
    dock.hwndcolor = MakeControl(0, "STATIC", "", WS_VISIBLE | SS_NOTIFY, ITEM_COLOR, dock.hwndDock);
    const DWORD list = CBS_DROPDOWNLIST | CBS_HASSTRINGS;
    dock.hwndPenSize = MakeControl(0, "COMBOBOX", "", list, ITEM_PENSIZE, dock.hwndDock);
    dock.hwndShapeWidth = MakeControl(0, "COMBOBOX", "", list, ITEM_SHAPEWIDTH, dock.hwndDock);
    dock.hwndOpacity = MakeControl(0, "COMBOBOX", "", list, ITEM_OPACITY, dock.hwndDock);
    dock.hwndFilled = MakeControl(0, "BUTTON", "", BS_AUTOCHECKBOX | BS_NOTIFY, ITEM_FILLED, dock.hwndDock);
    dock.hwndMarks = MakeControl(0, "COMBOBOX", "", list | CBS_OWNERDRAWFIXED | WS_VSCROLL, ITEM_MARKS, dock.hwndDock);
    dock.hwndNumber =
        MakeControl(WS_EX_CLIENTEDGE, "EDIT", "1", WS_VISIBLE | ES_NUMBER | ES_MULTILINE, ITEM_NUMBER, dock.hwndDock);
    dock.hwndEraseAll = MakeControl(0, "BUTTON", "Erase All", BS_PUSHBUTTON | BS_NOTIFY, ITEM_ERASEALL, dock.hwndDock);
    for (int i = 0; i < CAPTION_COUNT; ++i) {
        const DockBox at = Box(static_cast<DockItem>(ITEM_CAPTION_COLOR + i));
        dock.captions[i] = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_BITMAP, at.x, at.y, 0, 0, dock.hwndDock,
                                           nullptr, hInst, nullptr);
    }
    SubclassSwatch(dock.hwndcolor);
    SubclassSwatch(dock.hwndcolor2);
}

// The open list is wider than the closed field, so that the "numbered"
// caption beside the first three marks is not cut off by the scroll bar.
static void FillMarkList() {
    for (int i = 0; i < MARK_LIST_ITEMS; ++i)
        SendMessageA(dock.hwndMarks, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("1"));
    SendMessageA(dock.hwndMarks, CB_SETDROPPEDWIDTH, ScaleToDpi(MARK_LIST_DROPPED_WIDTH, canvas.overlayDpi), 0);
}

// The dock's pictures are drawn at 100, 150 and 200 %; the set nearest to
// the overlay's scale is taken as it is, never stretched.
static int PictureScale() { return PictureScaleForDpi(canvas.overlayDpi); }

static int PictureSize(int size) { return size * PictureScale() / 100; }

static HBITMAP LoadBitmapResource(int id) {
    const int scale = PictureScale();
    const int scaledId = id + (scale == 150 ? IDB_SCALE150_OFFSET : scale == 200 ? IDB_SCALE200_OFFSET : 0);
    if (HANDLE picture = LoadImageA(hInst, MAKEINTRESOURCEA(scaledId), IMAGE_BITMAP, 0, 0, 0))
        return static_cast<HBITMAP>(picture);
    return static_cast<HBITMAP>(LoadImageA(hInst, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

static void SetCaptionPictures() {
    for (int i = 0; i < CAPTION_COUNT; ++i) {
        const LRESULT previous = SendMessageA(dock.captions[i], STM_SETIMAGE, IMAGE_BITMAP,
                                              reinterpret_cast<LPARAM>(LoadBitmapResource(captionBitmaps[i])));
        if (previous) DeleteObject(reinterpret_cast<HBITMAP>(previous));
    }
}

// One image per bitmap; a bitmap wider than the image size (the eraser's)
// gives its left part.
static HIMAGELIST MakeImageList(int width, int height, const int* bitmaps, int count) {
    HIMAGELIST images = ImageList_Create(width, height, ILC_COLOR24, 4, 0);
    for (int i = 0; i < count; ++i) {
        HBITMAP picture = LoadBitmapResource(bitmaps[i]);
        ImageList_Add(images, picture, nullptr);
        DeleteObject(picture);  // the image list keeps its own copy
    }
    return images;
}

static void AddButtons(HWND toolbar, int count, BYTE style) {
    TBBUTTON buttons[TOOL_COUNT]{};
    for (int i = 0; i < count; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = style;
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons));
}

// Gives a toolbar the picture set of the current scale; the image list it
// replaces is destroyed.
static void SetToolbarPictures(HWND toolbar, const int* bitmaps, int count, int width, int height) {
    const int w = PictureSize(width), h = PictureSize(height);
    const LRESULT previous =
        SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(MakeImageList(w, h, bitmaps, count)));
    if (previous) ImageList_Destroy(reinterpret_cast<HIMAGELIST>(previous));
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(w, h));
    SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(w, h));
}

static void SetToolbarsPictures() {
    SetToolbarPictures(dock.hwndTools, toolBitmaps, TOOL_COUNT, TOOL_IMAGE_SIZE, TOOL_IMAGE_SIZE);
    SetToolbarPictures(dock.hwndMenuBar, menuBitmaps, 2, MENU_IMAGE_WIDTH, MENU_IMAGE_HEIGHT);
}

// The menu toolbar lies inside the tool toolbar's rectangle, below its
// buttons: it goes on top, or the tool toolbar would clip it away.
static void PlaceToolbars() {
    const DockBox tools = Box(ITEM_TOOLS), menus = Box(ITEM_MENUBAR);
    SetWindowPos(dock.hwndTools, HWND_TOP, tools.x, tools.y, tools.width, tools.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetWindowPos(dock.hwndMenuBar, HWND_TOP, menus.x, menus.y, menus.width, menus.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

static void BuildToolbars() {
    SetToolbarsPictures();
    AddButtons(dock.hwndTools, TOOL_COUNT, BTNS_CHECKGROUP);
    AddButtons(dock.hwndMenuBar, 2, BTNS_BUTTON);
    PlaceToolbars();
}

static HFONT MakeDockFont(const char* face, int points) {
    return CreateFontA(FontHeightForPoints(points), 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

static void MakeDockFonts() {
    MakeMarkFonts();
    fontCaption = MakeDockFont("Segoe UI", 7);
}

// The two owner-drawn lists measured their rows when they were made; a new
// scale sets the heights anew.
static void SetListRowHeights() {
    for (HWND list : {dock.hwndMarks, dock.hwndFontFace}) {
        const bool fontList = list == dock.hwndFontFace;
        SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ListRowHeight(fontList, true, canvas.overlayDpi));
        SendMessageA(list, CB_SETITEMHEIGHT, 0, ListRowHeight(fontList, false, canvas.overlayDpi));
    }
}

static void SetDockFonts() {
    const HFONT previous = fontCaption;
    MakeDockFonts();
    for (HWND list : {dock.hwndPenSize, dock.hwndShapeWidth, dock.hwndOpacity})
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(fontMarkSmall), TRUE);
    DeleteObject(previous);
}

void RescaleDock() {
    const DockBox bar = TextBarBox(canvas.overlayDpi);
    SetWindowPos(dock.textBar, nullptr, 0, 0, bar.width, bar.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int item = ITEM_COLOR; item < DOCK_ITEM_COUNT; ++item) {
        const DockBox b = Box(static_cast<DockItem>(item));
        SetWindowPos(DockItemWindow(item), nullptr, b.x, b.y, b.width, b.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS | (IsCaption(item) ? SWP_NOSIZE : 0));
    }
    SetToolbarsPictures();
    PlaceToolbars();
    SetCaptionPictures();
    SetDockFonts();
    SetListRowHeights();
    SendMessageA(dock.hwndMarks, CB_SETDROPPEDWIDTH, ScaleToDpi(MARK_LIST_DROPPED_WIDTH, canvas.overlayDpi), 0);
    RelayoutDock();
    PlaceDock();
    // Every control changed place, size or picture: all are painted afresh.
    for (HWND window : {dock.hwndDock, dock.textBar})
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FillDockOptionsMenu() {
    if (GetMenuItemCount(dockMenu) > 0) return;
    const std::string dockEdge = "Dock Top/Bottom" + std::string(23, ' ') + "'B'";
    const std::string whiteboard = "Whiteboard Mode On/Off" + std::string(10, ' ') + "'W'";
    const std::string restore = "Restore Last Drawing" + std::string(16, ' ') + "'Ctrl+L'";
    const std::string hide = "Hide Quillcast" + std::string(15, ' ') + "'Esc'";
    const std::string laser = "Laser Pointer" + std::string(30, ' ') + "'L'";
    AppendMenuA(dockMenu, MF_STRING, CMD_DOCK_EDGE, dockEdge.c_str());
    AppendMenuA(dockMenu, MF_STRING, CMD_WHITEBOARD, whiteboard.c_str());
    AppendMenuA(dockMenu, MF_STRING | MF_GRAYED, CMD_RESTORE_LAST_DRAWING, restore.c_str());
    AppendMenuA(dockMenu, MF_STRING, CMD_LASER, laser.c_str());
    AppendMenuA(dockMenu, MF_STRING, CMD_OPTIONS, "All Options...");
    AppendMenuA(dockMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(dockMenu, MF_STRING, CMD_HIDE, hide.c_str());
    AppendMenuA(dockMenu, MF_STRING, CMD_EXIT, "Exit Quillcast");
    SetMenuDefaultItem(dockMenu, CMD_OPTIONS, FALSE);
}

void CreateDock() {
    CreateDockWindows();
    CreateToolbars();
    CreateTextBarControls();
    CreateDockControls();
    FillMarkList();
    SetCaptionPictures();
    BuildToolbars();
    MakeDockFonts();
    FillDockOptionsMenu();
}
