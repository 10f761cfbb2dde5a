// Quillcast: draw on a frozen picture of the screen.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!StartUp(instance)) return 0;
    return RunMessageLoop();
}
