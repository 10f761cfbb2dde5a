// Text typed into filled shapes.
#include "overlay/overlay.h"

void OpenTextEdit(int) {}
void CommitTextEdit() { shapeText = -1; }
void CloseTextEditWithoutCommit() { shapeText = -1; }
void OnDoubleClick() {}
LRESULT OnEditCommand(WPARAM, LPARAM) { return 0; }
LRESULT OnCtlColorEdit(HDC, HWND) { return 0; }
