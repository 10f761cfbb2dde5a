// The options dialog, the shortcuts dialog, the show/hide hotkey and the
// Run value. Both dialogs are modeless, made once at start-up and only shown
// and hidden; every button of the options dialog applies the dock's edge and
// autohide at once, while OK alone saves.
#include "features/options_dialog.h"

#include <algorithm>
#include <vector>

#include "canvas/canvas.h"
#include "core/keys.h"
#include "core/options.h"
#include "dock/dock.h"
#include "features/settings.h"
#include "resource.h"
#include "win/message.h"
#include "win/text.h"
#include "win/program.h"
#include "win/ui.h"

HWND hwndOptions;
HWND hwndShortcuts;
HWND hwndShortcutEditor;
static int optionsDlgWidth;

static const char* const TITLE_HOTKEY_TAKEN = "Quillcast";
static const char* const RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
static const char* const RUN_VALUE_NAME = "Quillcast";
static const char* const RUN_EXE_NAME = "\\Quillcast.exe";
constexpr int OPTIONS_DIALOG_TOP = 10;
constexpr UINT HOTKEY_MOD_ALT = 1;   // MOD_ALT
constexpr UINT HOTKEY_MOD_CTRL = 2;  // MOD_CONTROL

// Each name is inserted at the end, so the list keeps this order although
// the combo box sorts what is added to it.
void FillKeyList(HWND combo) {
    for (int i = 0; i < KEY_LIST_SIZE; ++i)
        SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(KeyListName(i).c_str()));
}

// Only the selected item counts; text typed into the list's edit field is
// never read. No selection gives an empty name.
static std::string SelectedKeyName(int listId = IDC_HOTKEYLIST) {
    const HWND list = GetDlgItem(hwndOptions, listId);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return {};
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::vector<char> name(static_cast<size_t>(length) + 1, '\0');
    if (SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data())) == CB_ERR) return {};
    return name.data();
}

static int32_t Checked(int id) { return IsDlgButtonChecked(hwndOptions, id) == BST_CHECKED ? 1 : 0; }

void ShowOptionsDialog() {
    // Centred on the overlay's monitor, in screen coordinates.
    const int x = canvas.overlayOrigin.x + ScreenWidth() / 2 - optionsDlgWidth / 2;
    SetWindowPos(hwndOptions, HWND_TOPMOST, x, canvas.overlayOrigin.y + OPTIONS_DIALOG_TOP, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
}

void ReadOptionsDialog() {
    opts[OPT_KEYSHOW] = KeyNameToCode(SelectedKeyName());
    opts[IDOPTS_HOTKEYCTRL] = Checked(IDC_HOTKEYCTRL);
    opts[IDOPTS_HOTKEYALT] = Checked(IDC_HOTKEYALT);
    opts[IDOPTS_DOCKTOP] = Checked(IDC_DOCKTOP);
    opts[IDOPTS_AUTOHIDE] = Checked(IDC_AUTOHIDE);
    opts[IDOPTS_RUNATSTART] = Checked(IDC_RUNATSTART);
    opts[OPT_ALLFADES] = Checked(IDC_ALLFADES);
    BOOL number = FALSE;
    const UINT seconds = GetDlgItemInt(hwndOptions, IDC_FADESECONDS, &number, FALSE);
    if (number) opts[OPT_FADESECONDS] = static_cast<int32_t>(std::clamp<UINT>(seconds, 1, 60));
    opts[IDOPTS_COPYSAVED] = Checked(IDC_COPYSAVED);
    if (opts[IDOPTS_AUTOHIDE] == 0) ShowWindow(dock.hwndDock, SW_SHOW);
    // Flipped and flipped back: the dock lands on the edge the radio
    // buttons name, and IDOPTS_DOCKTOP keeps their value.
    ToggleDockEdge();
    ToggleDockEdge();
}

// A name outside the key table gives code 0, which names no key: that is a
// failure, never a registration of key 0.
bool RegisterShowHotkey() {
    const std::string name = SelectedKeyName();
    opts[OPT_MODSHOW] = 0;
    if (Checked(IDC_HOTKEYCTRL)) opts[OPT_MODSHOW] = HOTKEY_MOD_CTRL;
    if (Checked(IDC_HOTKEYALT)) opts[OPT_MODSHOW] |= HOTKEY_MOD_ALT;
    opts[OPT_KEYSHOW] = KeyNameToCode(name);
    if (opts[OPT_KEYSHOW] == 0) return false;
    return RegisterHotKey(canvas.hwndOverlay, HOTKEY_ID, static_cast<UINT>(opts[OPT_MODSHOW]),
                          static_cast<UINT>(opts[OPT_KEYSHOW])) != FALSE;
}

bool RegisterLiveHotkey() {
    opts[OPT_MODLIVE] = (Checked(IDC_LIVECTRL) ? HOTKEY_MOD_CTRL : 0) | (Checked(IDC_LIVEALT) ? HOTKEY_MOD_ALT : 0);
    opts[OPT_KEYLIVE] = KeyNameToCode(SelectedKeyName(IDC_LIVELIST));
    if (opts[OPT_KEYLIVE] == 0) return false;
    return RegisterHotKey(canvas.hwndOverlay, LIVE_HOTKEY_ID, static_cast<UINT>(opts[OPT_MODLIVE]),
                          static_cast<UINT>(opts[OPT_KEYLIVE])) != FALSE;
}

std::string RunAtStartupCommand() { return exeDir + RUN_EXE_NAME; }

bool SetRunValue(HKEY root, const char* subKey, const char* valueName, bool run, const std::string& command) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
    LSTATUS status;
    if (run) {
        const std::wstring wide = Widen(command);  // the path of any folder, whatever the reader's code page
        status = RegSetValueExW(key, Widen(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                                static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    } else {
        status = RegDeleteValueA(key, valueName);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// Without administrator rights the write is refused; the program then
// simply does not start with Windows.
void ApplyRunAtStartup() {
    SetRunValue(HKEY_LOCAL_MACHINE, RUN_KEY, RUN_VALUE_NAME, opts[IDOPTS_RUNATSTART] == 1, RunAtStartupCommand());
}

// A failed registration leaves the dialog open with the user's choice, and
// the program without a hotkey until a later OK succeeds. No key chosen (the
// shortcut list cleared it) is no hotkey, and nothing to tell.
static void OnOptionsOk(HWND dlg) {
    ReadOptionsDialog();
    UnregisterHotKey(canvas.hwndOverlay, HOTKEY_ID);
    UnregisterHotKey(canvas.hwndOverlay, LIVE_HOTKEY_ID);
    const bool show = RegisterShowHotkey() || opts[OPT_KEYSHOW] == 0;
    const bool live = RegisterLiveHotkey() || opts[OPT_KEYLIVE] == 0;
    if (!show || !live) {
        ShowUserMessage((show ? liveInkHotkey : showHideHotkey).takenMessage, TITLE_HOTKEY_TAKEN);
        return;
    }
    SaveSettings();
    ShowWindow(dlg, SW_HIDE);
    ApplyRunAtStartup();
}

// The hotkey registration is not touched: the file's options and controls
// come back, the dock returns to its place.
static void OnOptionsCancel(HWND dlg) {
    LoadSettings();
    ShowWindow(dlg, SW_HIDE);
}

static void ShowShortcuts() {
    ShowWindow(hwndShortcuts, SW_SHOW);
    SetForegroundWindow(hwndShortcuts);
}

static void ShowShortcutEditor() {
    ShowWindow(hwndShortcutEditor, SW_SHOW);
    SetForegroundWindow(hwndShortcutEditor);
}

static void OnOptionsCommand(HWND dlg, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return;  // list selections wait for a button
    ReadOptionsDialog();
    switch (LOWORD(wParam)) {
    case IDC_OK:
        OnOptionsOk(dlg);
        break;
    case IDC_CANCEL:
        OnOptionsCancel(dlg);
        break;
    case IDC_VIEWSHORTCUTS:
        ShowShortcuts();
        break;
    case IDC_CHANGESHORTCUTS:
        ShowShortcutEditor();
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK OptionsDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_COMMAND:
        OnOptionsCommand(dlg, wParam);
        break;
    case WM_CLOSE:
        ShowWindow(dlg, SW_HIDE);  // nothing is saved or reloaded
        break;
    default:
        break;
    }
    return FALSE;
}

static void CheckDialogButton(int id, bool checked) {
    CheckDlgButton(hwndOptions, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void ShowOptionsInDialog() {
    std::string keyName;
    KeyCodeToName(opts[OPT_KEYSHOW], keyName);
    findCombo(GetDlgItem(hwndOptions, IDC_HOTKEYLIST), keyName.c_str());
    CheckDialogButton(IDC_HOTKEYCTRL, opts[IDOPTS_HOTKEYCTRL] == 1);
    CheckDialogButton(IDC_HOTKEYALT, opts[IDOPTS_HOTKEYALT] == 1);
    KeyCodeToName(OptValue(OPT_KEYLIVE), keyName);
    findCombo(GetDlgItem(hwndOptions, IDC_LIVELIST), keyName.c_str());
    CheckDialogButton(IDC_LIVECTRL, (OptValue(OPT_MODLIVE) & HOTKEY_MOD_CTRL) != 0);
    CheckDialogButton(IDC_LIVEALT, (OptValue(OPT_MODLIVE) & HOTKEY_MOD_ALT) != 0);
    CheckDialogButton(IDC_RUNATSTART, opts[IDOPTS_RUNATSTART] == 1);
    CheckDialogButton(IDC_ALLFADES, OptValue(OPT_ALLFADES) == 1);
    SetDlgItemInt(hwndOptions, IDC_FADESECONDS, static_cast<UINT>(OptValue(OPT_FADESECONDS)), FALSE);
    CheckDialogButton(IDC_COPYSAVED, opts[IDOPTS_COPYSAVED] == 1);
    CheckRadioButton(hwndOptions, IDC_DOCKTOP, IDC_DOCKBOTTOM,
                     opts[IDOPTS_DOCKTOP] == 1 ? IDC_DOCKTOP : IDC_DOCKBOTTOM);
    CheckRadioButton(hwndOptions, IDC_ALWAYSSHOW, IDC_AUTOHIDE,
                     opts[IDOPTS_AUTOHIDE] == 1 ? IDC_AUTOHIDE : IDC_ALWAYSSHOW);
}

static KeyCombo ComboOf(int32_t mods, int32_t key) {
    std::string name;
    if (!KeyCodeToName(key, name)) return {};
    return {static_cast<unsigned>(key),
            ((mods & HOTKEY_MOD_CTRL) ? KEY_MOD_CTRL : 0) | ((mods & HOTKEY_MOD_ALT) ? KEY_MOD_ALT : 0)};
}

KeyCombo HotkeyCombo(const GlobalHotkey& hotkey) { return ComboOf(opts[hotkey.modOption], opts[hotkey.keyOption]); }

KeyCombo DefaultHotkeyCombo(const GlobalHotkey& hotkey) {
    return ComboOf(FindOptionInfo(hotkey.modOption)->defaultValue, FindOptionInfo(hotkey.keyOption)->defaultValue);
}

bool HotkeyCanHold(KeyCombo combo) {
    std::string name;
    return (combo.mods & ~(KEY_MOD_CTRL | KEY_MOD_ALT)) == 0 && KeyCodeToName(static_cast<int32_t>(combo.key), name);
}

static UINT HotkeyModifiers(KeyCombo combo) {
    return ((combo.mods & KEY_MOD_CTRL) ? HOTKEY_MOD_CTRL : 0) | ((combo.mods & KEY_MOD_ALT) ? HOTKEY_MOD_ALT : 0);
}

static bool RegisterCombo(int id, KeyCombo combo) {
    return combo.key != 0 && RegisterHotKey(canvas.hwndOverlay, id, HotkeyModifiers(combo), combo.key) != FALSE;
}

// The key list shows no key when the hotkey has none, so that the next OK
// does not register the old one again.
static void ShowHotkeyInDialog(const GlobalHotkey& hotkey) {
    ShowOptionsInDialog();
    if (opts[hotkey.keyOption] == 0)
        SendDlgItemMessageA(hwndOptions, hotkey.id == HOTKEY_ID ? IDC_HOTKEYLIST : IDC_LIVELIST, CB_SETCURSEL,
                            static_cast<WPARAM>(-1), 0);
}

// The old combination is given up first: registering the new one while the
// old is held would keep both.
bool ChangeHotkey(const GlobalHotkey& hotkey, KeyCombo combo) {
    const KeyCombo old = HotkeyCombo(hotkey);
    UnregisterHotKey(canvas.hwndOverlay, hotkey.id);
    if (combo.key != 0 && !RegisterCombo(hotkey.id, combo)) {
        RegisterCombo(hotkey.id, old);
        ShowUserMessage(hotkey.takenMessage, TITLE_HOTKEY_TAKEN);
        return false;
    }
    opts[hotkey.modOption] = static_cast<int32_t>(HotkeyModifiers(combo));
    opts[hotkey.keyOption] = static_cast<int32_t>(combo.key);
    if (hotkey.ctrlOption >= 0) opts[hotkey.ctrlOption] = (combo.mods & KEY_MOD_CTRL) ? 1 : 0;
    if (hotkey.altOption >= 0) opts[hotkey.altOption] = (combo.mods & KEY_MOD_ALT) ? 1 : 0;
    ShowHotkeyInDialog(hotkey);
    SaveSettings();
    return true;
}

void CreateOptionsDialog() {
    hwndOptions = CreateDialogParamA(hInst, MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, OptionsDlgProc, 0);
    RECT dlg;
    GetWindowRect(hwndOptions, &dlg);
    optionsDlgWidth = dlg.right - dlg.left;
}
