// The dock toolbar and the text format bar: building their windows, controls,
// image lists and fonts once at start-up, and the items of the Options menu.
#include "dock/dock.h"

#include <commctrl.h>

#include <iterator>

#include "app/app.h"
#include "app/startup.h"
#include "render/render.h"
#include "resource.h"

HWND hwndDock, textBar, hwndTools, hwndMenuBar, hwndcolor, hwndPenSize, hwndShapeWidth, hwndOpacity, hwndFilled,
    hwndMarks, hwndNumber, hwndEraseAll, hwndcolor2, hwndFontFace, hwndFontSize, textEdit;
HDC hdcTextEdit;
HFONT fontMarkLarge, fontMarkSmall, fontCaption, fontText;
int textMargin = 4;
int markerNumber = 1;
int dockHideTimer;
HMENU dockMenu, snapshotMenu;
HWND dockCaptions[CAPTION_COUNT];

static const char* const DOCK_TITLE = "palimpsestDock";
constexpr int DOCK_HEIGHT = 51;
constexpr int DOCK_CREATE_WIDTH = 540;
constexpr int DOCK_LEFT_OF_CENTRE = 240;
constexpr int TOOL_COUNT = 8;
constexpr int TOOL_IMAGE_SIZE = 18;
constexpr int MENU_IMAGE_WIDTH = 72;
constexpr int MENU_IMAGE_HEIGHT = 12;
constexpr int MARK_LIST_ITEMS = 12;
constexpr int MARK_LIST_DROPPED_WIDTH = 120;

static const char* const fontFaceCaptions[FONT_FACE_COUNT] = {"Cursive 1", "Cursive 2", "Jot 1", "Jot 2",
                                                              "Arial",     "Tahoma",    "Verdana", "Georgia"};
static const char* const fontSizeItems[] = {"8", "10", "12", "14", "16", "20", "26", "48", "72"};

// Tool button pictures in button order: button i is tool i + 1.
static const int toolBitmaps[TOOL_COUNT] = {IDB_TOOL_PEN,     IDB_TOOL_HIGHLIGHTER, IDB_TOOL_RECTANGLE,
                                            IDB_TOOL_ROUNDRECT, IDB_TOOL_ELLIPSE,   IDB_TOOL_ARROW,
                                            IDB_TOOL_STAMP,   IDB_TOOL_ERASER};
static const int menuBitmaps[2] = {IDB_MENU_OPTIONS, IDB_MENU_SNAPSHOTS};

struct CaptionPlace {
    int bitmap;
    int x, y;
};
static const CaptionPlace captionPlaces[CAPTION_COUNT] = {
    {IDB_CAPTION_COLOR, 270, 32},   {IDB_CAPTION_SIZE, 350, 32},     {IDB_CAPTION_WIDTH, 348, 32},
    {IDB_CAPTION_OPACITY, 406, 32}, {IDB_CAPTION_FILLED, 461, 32},   {IDB_CAPTION_TEXTHINT, 500, 10},
    {IDB_CAPTION_NUMBER, 350, 35},  {IDB_CAPTION_ERASEALL, 270, 32},
};

static HWND MakeControl(DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                        HWND parent) {
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | style, x, y, w, h, parent, nullptr, hInst, nullptr);
}

static void AddItems(HWND combo, const char* const* items, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
}

static void CreateDockWindows() {
    hwndDock = CreateWindowExA(WS_EX_TOPMOST, DOCK_CLASS, DOCK_TITLE, WS_CHILD | WS_VISIBLE,
                               ScreenWidth() / 2 - DOCK_LEFT_OF_CENTRE, 0, DOCK_CREATE_WIDTH, DOCK_HEIGHT,
                               hwndOverlay, nullptr, hInst, nullptr);
    textBar = CreateWindowExA(WS_EX_TOPMOST, DOCK_CLASS, DOCK_TITLE, WS_CHILD, 100, 100, 235, 32, hwndOverlay,
                              nullptr, hInst, nullptr);
}

// Both toolbars start small and are moved to their places once their
// buttons exist.
static void CreateToolbars() {
    const DWORD common = WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN |
                         CCS_NORESIZE;
    hwndTools = MakeControl(0, TOOLBARCLASSNAMEA, "", common | CCS_NODIVIDER, 90, 0, 18, 18, hwndDock);
    SendMessageA(hwndTools, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    hwndMenuBar = MakeControl(0, TOOLBARCLASSNAMEA, "", common, 90, 0, 58, 10, hwndDock);
    SendMessageA(hwndMenuBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

static void CreateTextBarControls() {
    hwndcolor2 = MakeControl(0, "STATIC", "", WS_VISIBLE | SS_NOTIFY, 5, 2, 70, 28, textBar);
    hwndFontFace = MakeControl(0, "COMBOBOX", "",
                               WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 85, 2, 85, 115,
                               textBar);
    hwndFontSize = MakeControl(0, "COMBOBOX", "", WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 180, 2, 50, 115,
                               textBar);
    AddItems(hwndFontFace, fontFaceCaptions, FONT_FACE_COUNT);
    AddItems(hwndFontSize, fontSizeItems, static_cast<int>(std::size(fontSizeItems)));
}

// Controls sharing a place (the swatch, the mark list and "Erase All") are
// never shown together: the relayout shows those of the current tool.
static void CreateDockControls() {
    hwndcolor = MakeControl(0, "STATIC", "", WS_VISIBLE | SS_NOTIFY, 245, 2, 70, 28, hwndDock);
    const DWORD list = CBS_DROPDOWNLIST | CBS_HASSTRINGS;
    hwndPenSize = MakeControl(0, "COMBOBOX", "", list, 335, 2, 50, 115, hwndDock);
    hwndShapeWidth = MakeControl(0, "COMBOBOX", "", list, 335, 2, 50, 115, hwndDock);
    hwndOpacity = MakeControl(0, "COMBOBOX", "", list, 395, 2, 50, 115, hwndDock);
    hwndFilled = MakeControl(0, "BUTTON", "", BS_AUTOCHECKBOX | BS_NOTIFY, 465, 10, 14, 14, hwndDock);
    hwndMarks = MakeControl(0, "COMBOBOX", "", list | CBS_OWNERDRAWFIXED | WS_VSCROLL, 245, 2, 95, 60, hwndDock);
    hwndNumber = MakeControl(WS_EX_CLIENTEDGE, "EDIT", "1", WS_VISIBLE | ES_NUMBER | ES_MULTILINE, 350, 12, 35, 20,
                             hwndDock);
    hwndEraseAll = MakeControl(0, "BUTTON", "Erase All", BS_PUSHBUTTON | BS_NOTIFY, 245, 3, 80, 20, hwndDock);
    for (int i = 0; i < CAPTION_COUNT; ++i)
        dockCaptions[i] = MakeControl(0, "STATIC", "", SS_BITMAP, captionPlaces[i].x, captionPlaces[i].y, 0, 0,
                                      hwndDock);
    SubclassSwatch(hwndcolor);
    SubclassSwatch(hwndcolor2);
}

// The open list is wider than the closed field, so that the "numbered"
// caption beside the first three marks is not cut off by the scroll bar.
static void FillMarkList() {
    for (int i = 0; i < MARK_LIST_ITEMS; ++i) SendMessageA(hwndMarks, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("1"));
    SendMessageA(hwndMarks, CB_SETDROPPEDWIDTH, MARK_LIST_DROPPED_WIDTH, 0);
}

static HBITMAP LoadBitmapResource(int id) {
    return static_cast<HBITMAP>(LoadImageA(hInst, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

static void SetCaptionPictures() {
    for (int i = 0; i < CAPTION_COUNT; ++i)
        SendMessageA(dockCaptions[i], STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(LoadBitmapResource(captionPlaces[i].bitmap)));
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

static void SetUpToolbar(HWND toolbar, HIMAGELIST images, int width, int height, int buttons, BYTE style) {
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(width, height));
    AddButtons(toolbar, buttons, style);
}

static void BuildToolbars() {
    SetUpToolbar(hwndTools, MakeImageList(TOOL_IMAGE_SIZE, TOOL_IMAGE_SIZE, toolBitmaps, TOOL_COUNT),
                 TOOL_IMAGE_SIZE, TOOL_IMAGE_SIZE, TOOL_COUNT, BTNS_CHECKGROUP);
    SetUpToolbar(hwndMenuBar, MakeImageList(MENU_IMAGE_WIDTH, MENU_IMAGE_HEIGHT, menuBitmaps, 2), MENU_IMAGE_WIDTH,
                 MENU_IMAGE_HEIGHT, 2, BTNS_BUTTON);
    // The menu toolbar lies inside the tool toolbar's rectangle, below its
    // buttons: it goes on top, or the tool toolbar would clip it away.
    SetWindowPos(hwndTools, HWND_TOP, 7, 0, 200, 50, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetWindowPos(hwndMenuBar, HWND_TOP, 7, 25, 200, 25, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

static HFONT MakeDockFont(const char* face, int points) {
    return CreateFontA(FontHeightForPoints(points), 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

static void MakeDockFonts() {
    fontMarkLarge = MakeDockFont("Arial Bold", 10);
    fontMarkSmall = MakeDockFont("Arial Bold", 8);
    fontCaption = MakeDockFont("Segoe UI", 7);
}

void FillDockOptionsMenu() {
    if (GetMenuItemCount(dockMenu) > 0) return;
    const std::string dockEdge = "Dock Top/Bottom" + std::string(23, ' ') + "'B'";
    const std::string whiteboard = "Whiteboard Mode On/Off" + std::string(10, ' ') + "'W'";
    const std::string restore = "Restore Last Drawing" + std::string(16, ' ') + "'Ctrl+L'";
    const std::string hide = "Hide Overscribbler" + std::string(11, ' ') + "'Esc'";
    AppendMenuA(dockMenu, MF_STRING, DOCK_MENU_EDGE, dockEdge.c_str());
    AppendMenuA(dockMenu, MF_STRING, DOCK_MENU_WHITEBOARD, whiteboard.c_str());
    AppendMenuA(dockMenu, MF_STRING | MF_GRAYED, IDM_RESTORE_LAST_DRAWING, restore.c_str());
    AppendMenuA(dockMenu, MF_STRING, DOCK_MENU_OPTIONS, "All Options...");
    AppendMenuA(dockMenu, MF_SEPARATOR, DOCK_MENU_SEPARATOR, nullptr);
    AppendMenuA(dockMenu, MF_STRING, DOCK_MENU_HIDE, hide.c_str());
    AppendMenuA(dockMenu, MF_STRING, DOCK_MENU_EXIT, "Exit Overscribbler");
    SetMenuDefaultItem(dockMenu, DOCK_MENU_OPTIONS, FALSE);
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
