// The dock toolbar and the text format bar: their windows, controls and the
// state the overlay and the renderer read.
#pragma once

#include <windows.h>

extern HWND hwndDock;
extern HWND textBar;
extern HWND hwndTools;
extern HWND hwndMenuBar;
extern HWND hwndcolor;
extern HWND hwndPenSize;
extern HWND hwndShapeWidth;
extern HWND hwndOpacity;
extern HWND hwndFilled;
extern HWND hwndMarks;
extern HWND hwndNumber;
extern HWND hwndEraseAll;
extern HWND hwndcolor2;
extern HWND hwndFontFace;
extern HWND hwndFontSize;
extern HWND textEdit;
extern HDC hdcTextEdit;

extern HFONT fontMarkLarge;  // "Arial Bold" 10 pt: numbers on marks 0 and 1
extern HFONT fontMarkSmall;  // "Arial Bold" 8 pt: number on mark 2, width lists
extern HFONT fontCaption;    // "Segoe UI" 7 pt
extern HFONT fontText;       // text typed into filled shapes

extern int textMargin;       // inset of text inside its shape: 18 for ellipses, else 4
extern int markerNumber;     // number of the next numbered mark
extern int dockHideTimer;    // ms the pointer has been away from the dock

void CreateDock();
void RelayoutDock();
void ApplyDockControls();
void MakeTextFont();
void ToggleDockEdge();
void DockAutohideTick();

extern HMENU dockMenu;      // the dock's Options menu
extern HMENU snapshotMenu;  // the dock's Snapshots menu, with the history groups

LRESULT CALLBACK DockWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
