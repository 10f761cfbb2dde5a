/*
 * Resource ids of quillcast.rc.
 *
 * Read by the C++ code and by windres alike, so this file holds nothing but
 * #define lines and comments.
 */
/* windres reads this file too; its columns are kept aligned by hand. */
/* clang-format off */
#ifndef QUILLCAST_RESOURCE_H
#define QUILLCAST_RESOURCE_H

/* Program icon (the exe's picture in the shell; the tray uses the icon file
   beside the exe instead). */
#define IDI_QUILLCAST               110

/* Tool toolbar pictures, 18 x 18, 24-bit, no mask.  In button order:
   pen 181, highlighter 180, rectangle 194, rounded rectangle 195,
   ellipse 193, arrow 196, stamp 182, eraser 179 (20 x 18: only its left
   18 columns are used). */
#define IDB_TOOL_ERASER             179
#define IDB_TOOL_HIGHLIGHTER        180
#define IDB_TOOL_PEN                181
#define IDB_TOOL_STAMP              182
#define IDB_TOOL_ELLIPSE            193
#define IDB_TOOL_RECTANGLE          194
#define IDB_TOOL_ROUNDRECT          195
#define IDB_TOOL_ARROW              196

/* Caption words under the dock's controls: dark blue on white, 24-bit. */
#define IDB_CAPTION_COLOR           199     /* "color",      24 x 7  */
#define IDB_CAPTION_OPACITY         201     /* "opacity",    34 x 9  */
#define IDB_CAPTION_SIZE            202     /* "size",       17 x 7  */
#define IDB_CAPTION_WIDTH           208     /* "width",      26 x 7  */
#define IDB_CAPTION_ERASEALL        218     /* "erase all",  36 x 7  */
#define IDB_CAPTION_FILLED          219     /* "filled",     23 x 7  */
#define IDB_CAPTION_NUMBER          262     /* "number",     34 x 7  */
#define IDB_CAPTION_TEXTHINT        267     /* two-line hint, 89 x 21 */

/* Menu toolbar buttons: a word and a drop-down triangle, 72 x 12, 24-bit. */
#define IDB_MENU_SNAPSHOTS          214
#define IDB_MENU_OPTIONS            215

/* The tool, menu and caption pictures are also drawn at 150 % and 200 % of
   their size, under their own id plus these offsets; the dock takes the set
   nearest to its display scale. */
#define IDB_SCALE150_OFFSET         1000
#define IDB_SCALE200_OFFSET         2000

/* 1 x 50, 24-bit: the surface the highlighter colour is painted into. */
#define IDB_HIGHLIGHT_STRIP         221

/* Cursors, 32 x 32. */
#define IDC_CUR_MARK                252     /* hot spot 15,18 */
#define IDC_CUR_ERASER              253     /* hot spot 9,18  */
#define IDC_CUR_HL1                 254     /* highlighter width 1, hot spot 0,0 */
#define IDC_CUR_HL2                 255
#define IDC_CUR_HL3                 256
#define IDC_CUR_HL4                 257
#define IDC_CUR_HL5                 258     /* highlighter width 5 */

/* Dialogs. */
#define IDD_OPTIONS                 236
#define IDD_SHORTCUTS               269
#define IDD_SHORTCUT_EDITOR         271

/* Controls of the options dialog. */
#define IDC_RUNATSTART              1009
#define IDC_VERSION                 1046
#define IDC_OK                      1050
#define IDC_CANCEL                  1051
#define IDC_DOCKTOP                 1052
#define IDC_DOCKBOTTOM              1053
#define IDC_ALWAYSSHOW              1054
#define IDC_AUTOHIDE                1055
#define IDC_VIEWSHORTCUTS           1063
#define IDC_HOTKEYCTRL              1064
#define IDC_HOTKEYALT               1066
#define IDC_HOTKEYLIST              1067
#define IDC_LIVECTRL                1071
#define IDC_LIVEALT                 1072
#define IDC_LIVELIST                1073
#define IDC_CHANGESHORTCUTS         1068
#define IDC_COPYSAVED               1070    /* IDOPTS_COPYSAVED */
#define IDC_ALLFADES                1074
#define IDC_FADESECONDS             1075

/* Controls of the shortcut editor. */
#define IDC_SHORTCUTLIST            1101
#define IDC_RESETSHORTCUTS          1102
#define IDC_CLOSESHORTCUTS          1103

/* Labels and group boxes need no id of their own. */
#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

#endif
