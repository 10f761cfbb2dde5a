// The snapshot history in the dock's snapshot menu: one submenu per age
// group, read from History.dat at start-up, grown by every save, written
// back at exit. The menus are the only store of the history while running.
#include <cstdio>
#include <vector>

#include "core/text_file.h"
#include "dock/dock.h"
#include "features/snapshots.h"
#include "win/files.h"
#include "win/message.h"
#include "win/program.h"
#include "win/text.h"
#include "win/ui.h"

HMENU historyGroupMenus[HISTORY_GROUP_COUNT];
UINT historyItemId = HISTORY_FIRST_ITEM_ID;

static const char* const TAKE_SNAPSHOT_TEXT = "Take Snapshot!           'F2'";
static const char* const LOAD_SNAPSHOT_TEXT = "Load Snapshot!                  'F3'";

// Whether the menus hold what History.dat held (or it did not exist). When
// the file could not be read at start-up, the menus hold only this run's
// entries, and writing them alone would lose the older ones.
static bool historyFileRead = false;
// The entries of a History.dat that could only be read at exit.
static std::vector<SnapshotRecord> olderRecords;

static HistoryToday LocalToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {{now.wYear, now.wMonth, now.wDay}, now.wSecond, now.wMilliseconds};
}

static void InsertHistoryItem(HMENU group, UINT position, const SnapshotRecord& record) {
    const std::wstring path = Widen(record.path);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_DATA;
    item.fType = MFT_STRING;
    item.wID = historyItemId++;
    item.dwItemData = record.dateValue;
    item.dwTypeData = const_cast<wchar_t*>(path.c_str());
    InsertMenuItemW(group, position, TRUE, &item);
}

void LoadHistory() {
    historyFileRead = false;
    olderRecords.clear();
    std::string text;
    if (!ReadStoredText(historyPath, text)) {
        // Missing: start an empty one. Present but unreadable: leave it be.
        if (FileExists(historyPath)) return;
        WriteFileReplacing(historyPath, "");
        historyFileRead = true;
        return;
    }
    historyFileRead = true;
    const HistoryToday today = LocalToday();
    for (const SnapshotRecord& record : ParseHistoryFile(text)) {
        const int group = HistoryGroupOfAge(HistoryAgeInDays(today, DateOfValue(record.dateValue)));
        HMENU menu = historyGroupMenus[group];
        InsertHistoryItem(menu, static_cast<UINT>(GetMenuItemCount(menu)), record);
    }
}

// Group g at position 3 + g: a submenu when it holds entries (always for
// "Snapshots Today", which saves fill during the run), else a plain item.
static void AttachGroupMenus() {
    for (int g = 0; g < HISTORY_GROUP_COUNT; ++g) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
        item.fType = MFT_STRING;
        item.dwTypeData = const_cast<char*>(historyGroupNames[g]);
        item.wID = HISTORY_GROUP_ITEM_BASE + static_cast<UINT>(g);
        if (g == 0 || GetMenuItemCount(historyGroupMenus[g]) > 0) {
            item.fMask |= MIIM_SUBMENU;
            item.hSubMenu = historyGroupMenus[g];
        }
        InsertMenuItemA(snapshotMenu, SNAPSHOT_MENU_FIRST_GROUP_POSITION + g, TRUE, &item);
    }
}

void BuildDockMenusAndHistory() {
    for (HMENU& group : historyGroupMenus) group = CreatePopupMenu();
    AppendMenuA(snapshotMenu, MF_STRING, CMD_SAVE_SNAPSHOT, TAKE_SNAPSHOT_TEXT);
    AppendMenuA(snapshotMenu, MF_STRING, CMD_LOAD_SNAPSHOT, LOAD_SNAPSHOT_TEXT);
    AppendMenuA(snapshotMenu, MF_SEPARATOR, 0, nullptr);
    SetMenuDefaultItem(snapshotMenu, CMD_SAVE_SNAPSHOT, FALSE);
    LoadHistory();
    AttachGroupMenus();
}

void AddHistoryEntry(const std::string& path) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    InsertHistoryItem(historyGroupMenus[0], 0, {DateValue({now.wYear, now.wMonth, now.wDay}), path});
}

std::string SnapshotMenuText(UINT id) { return MenuItemText(snapshotMenu, id, false); }

void LoadHistoryEntry(UINT id) {
    const std::string text = SnapshotMenuText(id);
    if (text.find('.') != std::string::npos) LoadBackgroundImage(text);
}

static ULONG_PTR MenuItemData(HMENU menu, int position) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    return GetMenuItemInfoA(menu, position, TRUE, &item) ? item.dwItemData : 0;
}

// Every history item, group by group in menu order.
static std::vector<SnapshotRecord> HistoryMenuRecords() {
    std::vector<SnapshotRecord> records;
    const int positions = GetMenuItemCount(snapshotMenu);
    for (int p = 0; p < positions; ++p) {
        HMENU group = GetSubMenu(snapshotMenu, p);
        if (!group) continue;
        const int count = GetMenuItemCount(group);
        for (int i = 0; i < count; ++i)
            records.push_back(
                {static_cast<uint32_t>(MenuItemData(group, i)), MenuItemText(group, static_cast<UINT>(i), true)});
    }
    return records;
}

void SaveHistory() {
    if (!historyFileRead) {
        // The file could not be read at start-up: read it now and keep its
        // entries after this run's, unless it still cannot be read.
        std::string older;
        if (ReadStoredText(historyPath, older))
            olderRecords = ParseHistoryFile(older);
        else if (FileExists(historyPath))
            return;
        historyFileRead = true;
    }
    std::vector<SnapshotRecord> records = HistoryMenuRecords();
    records.insert(records.end(), olderRecords.begin(), olderRecords.end());
    if (!WriteFileReplacing(historyPath, WithCrLf(FormatHistoryFile(records))))
        ShowUserMessage("The snapshot history could not be written; History.dat keeps its earlier entries.",
                        "Quillcast");
}
