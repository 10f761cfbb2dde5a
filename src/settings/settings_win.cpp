// Settings.dat on disk, and the step that shows loaded options in the dock,
// the text bar and the options dialog.
#include "settings/settings_win.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/app.h"
#include "app/message.h"
#include "dock/dock.h"
#include "resource.h"
#include "settings/keys.h"
#include "settings/options.h"

static const char* const MSG_NO_OPTIONS_FILE = "fileOptions could not be found.";
static const char* const MSG_WRITE_FAILED = "Could not write options file.";
static const char* const TITLE_WRITE_FAILED = "Zephrine Error";
constexpr int FONT_SIZE_ITEMS_SCANNED = 100;

static void FillNumberList(HWND combo, int count, int step, const char* suffix) {
    for (int i = 1; i <= count; ++i) {
        const std::string item = std::to_string(i * step) + suffix;
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

void SetDefaults() {
    SetOptionTableDefaults();
    FillNumberList(hwndOpacity, 5, 20, "%");
    FillNumberList(hwndPenSize, 5, 1, "");
    FillNumberList(hwndShapeWidth, 7, 1, "");
    for (HWND list : {hwndOpacity, hwndPenSize, hwndShapeWidth})
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(fontMarkSmall), TRUE);
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

bool ReadWholeFile(const std::string& path, std::string& data) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    data.clear();
    char chunk[16384];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.append(chunk, got);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

std::wstring CreateTempFileBeside(const std::wstring& target) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 50; ++attempt) {
        wchar_t suffix[64];
        swprintf(suffix, 64, L".%lx-%lx-%x.qc-new", GetCurrentProcessId(), GetTickCount(), ++counter);
        std::wstring temp = target + suffix;
        const bool drivePath = temp.size() > 2 && temp[1] == L':';
        if (temp.size() >= MAX_PATH && drivePath) temp.insert(0, L"\\\\?\\");
        HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            CloseHandle(f);
            return temp;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return {};
}

static std::wstring Widen(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

bool WriteFileReplacing(const std::string& path, const std::string& data) {
    const std::wstring target = Widen(path);
    const std::wstring temp = CreateTempFileBeside(target);
    if (temp.empty()) return false;
    HANDLE f = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = f != INVALID_HANDLE_VALUE;
    if (ok) {
        DWORD written = 0;
        ok = WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
        ok = FlushFileBuffers(f) && ok;
        ok = CloseHandle(f) && ok;
    }
    if (ok) ok = MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

int findCombo(HWND combo, const char* text, int maxItems) {
    std::vector<char> item;
    for (int i = 0; i < maxItems; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        if (length == CB_ERR) return -1;
        item.assign(static_cast<size_t>(length) + 1, '\0');
        if (SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())) == CB_ERR) return -1;
        if (std::strcmp(item.data(), text) == 0) {
            SendMessageA(combo, CB_SETCURSEL, i, 0);
            return 0;
        }
    }
    return -1;
}

static void SelectItem(HWND combo, int index) { SendMessageA(combo, CB_SETCURSEL, index, 0); }

static void CheckDialogButton(int id, bool checked) {
    CheckDlgButton(hwndOptions, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// Shows the loaded options in every control that displays one. Values that
// select a list item are taken through OptValue, so a damaged file selects
// the default item rather than none or a wrong one.
void ApplySettingsToControls() {
    SelectItem(hwndPenSize, OptValue(IDOPTS_PENWIDTH) - 1);
    SelectItem(hwndShapeWidth, OptValue(IDOPTS_SHAPEWIDTH) - 1);
    SelectItem(hwndOpacity, OptValue(IDOPTS_OPACITY) - 1);
    SelectItem(hwndMarks, OptValue(IDOPTS_MARK));
    SendMessageA(hwndFilled, BM_SETCHECK, OptValue(IDOPTS_FILL) ? BST_CHECKED : BST_UNCHECKED, 0);
    SelectItem(hwndFontFace, OptValue(IDOPTS_FONT));
    SendMessageA(hwndTools, TB_CHECKBUTTON, OptValue(IDOPTS_TOOL) - 1, TRUE);
    MakeTextFont();

    std::string keyName;
    KeyCodeToName(opts[OPT_KEYSHOW], keyName);
    findCombo(GetDlgItem(hwndOptions, IDC_HOTKEYLIST), keyName.c_str());

    CheckDialogButton(IDC_HOTKEYCTRL, opts[IDOPTS_HOTKEYCTRL] == 1);
    CheckDialogButton(IDC_HOTKEYALT, opts[IDOPTS_HOTKEYALT] == 1);
    CheckDialogButton(IDC_RUNATSTART, opts[IDOPTS_RUNATSTART] == 1);

    // Every start and every cancel of the options dialog puts the dock at
    // the top.
    opts[IDOPTS_DOCKTOP] = 1;
    CheckRadioButton(hwndOptions, IDC_DOCKTOP, IDC_DOCKBOTTOM, IDC_DOCKTOP);
    CheckRadioButton(hwndOptions, IDC_ALWAYSSHOW, IDC_AUTOHIDE,
                     opts[IDOPTS_AUTOHIDE] == 1 ? IDC_AUTOHIDE : IDC_ALWAYSSHOW);
    PlaceDock();

    opts[IDOPTS_WHITEBOARD] = 0;
    findCombo(hwndFontSize, std::to_string(opts[IDOPTS_FONTSIZE]).c_str(), FONT_SIZE_ITEMS_SCANNED);
}

void LoadSettings() {
    std::string text;
    if (!ReadWholeFile(settingsPath, text)) {
        ShowUserMessage(MSG_NO_OPTIONS_FILE, "");
        return;
    }
    ParseSettings(text);
    ApplySettingsToControls();
}

bool SaveSettings() {
    if (WriteFileReplacing(settingsPath, WithCrLf(FormatSettings()))) return true;
    ShowUserMessage(MSG_WRITE_FAILED, TITLE_WRITE_FAILED);
    return false;
}
