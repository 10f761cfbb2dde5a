// Keys, wheel and the show/hide hotkey of the overlay.
#include "overlay/overlay.h"

void OnKeyDown(WPARAM) {}
void OnMouseWheel(WPARAM) {}
void OnHotkey(WPARAM, LPARAM) {}
