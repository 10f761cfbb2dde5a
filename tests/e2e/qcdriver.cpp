// Test driver for the end-to-end tests: runs inside the Wine session and
// sends real input (SendInput) or reads window state, one command per run.
//
//   qcdriver wait-window <title> [seconds]   exit 0 once a visible window has the title
//   qcdriver wait-gone <title> [seconds]     exit 0 once no window has the title
//   qcdriver wait-hidden <title> [seconds]   exit 0 once the window exists and is hidden
//   qcdriver wait-front <title> [seconds]    exit 0 once the window is the foreground one
//   qcdriver wait-menu [seconds]             exit 0 once a popup menu is shown
//   qcdriver close <title>                   post WM_CLOSE to the window
//   qcdriver dialog-text <title>             print the static texts of a dialog
//   qcdriver press-ok <title>                the dialog's OK (IDOK), as its button sends it
//   qcdriver move <x> <y>
//   qcdriver click <x> <y>
//   qcdriver dblclick <x> <y>
//   qcdriver drag <x1> <y1> <x2> <y2> [steps]
//   qcdriver key <vk> [ctrl|alt]             virtual-key code in decimal or 0xNN
//   qcdriver type <text>                     types plain ASCII text
//   qcdriver tray <title> <mouse message>    post the tray icon's callback as the shell does
//   qcdriver center <title> <id>             screen centre "x y" of a dialog control
//   qcdriver monitors                        one line "left top right bottom" per monitor, primary first
//   qcdriver window-rect <title>             "left top right bottom" of the window
//   qcdriver dock-rect                       the same for the visible dock of the overlay
//   qcdriver dpi-changed <title> <dpi>       post WM_DPICHANGED with that DPI to the window
//
// Positions are screen coordinates, which reach every monitor (negative left
// of or above the primary one).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Polls `state` (0: no window with the title, 1: shown, 2: hidden, 3: in
// front, taking the keys) until it holds or the time is up.
static bool WaitFor(const char* title, int state, double seconds) {
    for (int i = 0; i < static_cast<int>(seconds * 20); ++i, Sleep(50)) {
        const HWND w = FindWindowA(nullptr, title);
        const int now = !w ? 0 : state == 3 && GetForegroundWindow() == w ? 3 : IsWindowVisible(w) ? 1 : 2;
        if (now == state) return true;
    }
    return false;
}

// Absolute positions are normalised over the whole virtual desktop, so that
// they land on the right pixel of any monitor.
static void SendMouse(DWORD flags, int x, int y) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    in.mi.dx = MulDiv(x - left, 65535, w - 1);
    in.mi.dy = MulDiv(y - top, 65535, h - 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &in, sizeof in);
    Sleep(30);
}

static void MoveTo(int x, int y) {
    SetCursorPos(x, y);
    SendMouse(MOUSEEVENTF_MOVE, x, y);
}

static void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
    Sleep(30);
}

// A key pressed with a modifier (0 for none) held around it. The program
// reads the modifier's state when it handles the key, so the modifier stays
// down until it has surely done so.
static void Press(WORD key, WORD modifier) {
    if (modifier) SendKey(modifier, false);
    SendKey(key, false);
    SendKey(key, true);
    if (modifier) Sleep(200);
    if (modifier) SendKey(modifier, true);
}

// Waits until the window under (x, y) no longer holds the mouse capture: the
// gesture is finished before whatever the test does next. The press is not
// waited for: the pointer moves on at once, as a quick hand does.
static void WaitForRelease(int x, int y) {
    const DWORD thread = GetWindowThreadProcessId(WindowFromPoint(POINT{x, y}), nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    for (int i = 0; i < 100; ++i) {
        if (GetGUIThreadInfo(thread, &info) && info.hwndCapture == nullptr) return;
        Sleep(20);
    }
}

static BOOL CALLBACK PrintStatic(HWND child, LPARAM) {
    char cls[64] = "", text[1024] = "";
    GetClassNameA(child, cls, sizeof cls);
    GetWindowTextA(child, text, sizeof text);
    if (_stricmp(cls, "Static") == 0 && text[0]) std::printf("%s\n", text);
    return TRUE;
}

static void PrintRect(const RECT& r) { std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom); }

static BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, RECT*, LPARAM primaryPass) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    if (((info.dwFlags & MONITORINFOF_PRIMARY) != 0) == (primaryPass != 0)) PrintRect(info.rcMonitor);
    return TRUE;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string cmd = argv[1];
    auto num = [&](int i) { return i < argc ? static_cast<int>(std::strtol(argv[i], nullptr, 0)) : 0; };

    const HWND w = argc > 2 ? FindWindowA(nullptr, argv[2]) : nullptr;
    const auto post = [&](UINT message, WPARAM wp, LPARAM lp) { return w && PostMessageA(w, message, wp, lp) ? 0 : 1; };

    const std::string waits[] = {"wait-gone", "wait-window", "wait-hidden", "wait-front"};
    for (int state = 0; state < 4; ++state)
        if (cmd == waits[state]) return WaitFor(argv[2], state, argc > 3 ? std::atof(argv[3]) : 20.0) ? 0 : 1;
    if (cmd == "wait-menu") {
        for (int i = 0; i < static_cast<int>((argc > 2 ? std::atof(argv[2]) : 20.0) * 20); ++i, Sleep(50))
            if (IsWindowVisible(FindWindowA("#32768", nullptr))) return 0;
        return 1;
    }
    if (cmd == "close") return post(WM_CLOSE, 0, 0);
    if (cmd == "dialog-text") return w ? (EnumChildWindows(w, PrintStatic, 0), 0) : 1;
    if (cmd == "press-ok") return post(WM_COMMAND, IDOK, 0);
    // The tray icon's id is 100, its callback message 987.
    if (cmd == "tray") return post(987, 100, num(3));
    if (cmd == "center") {
        RECT r;
        if (!w || !IsWindowVisible(w) || !GetWindowRect(GetDlgItem(w, num(3)), &r)) return 1;
        std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        return 0;
    }
    if (cmd == "monitors") {
        EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 1);
        EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0);
        return 0;
    }
    if (cmd == "window-rect" || cmd == "dock-rect") {
        HWND target = w;  // none for dock-rect, which names no window
        // The dock and the text bar share a class; the bar is hidden.
        if (cmd == "dock-rect") {
            const HWND overlay = FindWindowA(nullptr, "Quillcast Mainwindow");
            do target = FindWindowExA(overlay, target, "ClassIsTheAnnotDock", nullptr);
            while (target && !IsWindowVisible(target));
        }
        RECT r;
        if (!target || !GetWindowRect(target, &r)) return 1;
        PrintRect(r);
        return 0;
    }
    // The suggested rectangle is not sent: the program does not use it.
    if (cmd == "dpi-changed") return post(WM_DPICHANGED, MAKEWPARAM(num(3), num(3)), 0);
    if (cmd == "move") {
        MoveTo(num(2), num(3));
        return 0;
    }
    if (cmd == "click" || cmd == "dblclick") {
        MoveTo(num(2), num(3));
        for (int i = cmd == "click"; i < 2; ++i) {
            SendMouse(MOUSEEVENTF_LEFTDOWN, num(2), num(3));
            SendMouse(MOUSEEVENTF_LEFTUP, num(2), num(3));
        }
        return 0;
    }
    if (cmd == "drag") {
        const int x1 = num(2), y1 = num(3), x2 = num(4), y2 = num(5);
        const int steps = argc > 6 ? num(6) : 12;
        MoveTo(x1, y1);
        SendMouse(MOUSEEVENTF_LEFTDOWN, x1, y1);
        for (int i = 1; i <= steps; ++i) MoveTo(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps);
        Sleep(50);
        SendMouse(MOUSEEVENTF_LEFTUP, x2, y2);
        WaitForRelease(x2, y2);
        Sleep(50);
        return 0;
    }
    if (cmd == "key") {
        const std::string mod = argc > 3 ? argv[3] : "";
        Press(static_cast<WORD>(num(2)), mod == "ctrl" ? VK_CONTROL : mod == "alt" ? VK_MENU : 0);
        return 0;
    }
    if (cmd == "type") {
        for (const char* c = argv[2]; *c; ++c) {
            const SHORT scan = VkKeyScanA(*c);
            Press(static_cast<WORD>(scan & 0xFF), (scan >> 8) & 1 ? VK_SHIFT : 0);
        }
        return 0;
    }
    std::fprintf(stderr, "unknown command %s\n", cmd.c_str());
    return 2;
}
