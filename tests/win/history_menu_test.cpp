#include "snapshot_helpers.h"

static std::string DaysAgo(int64_t days) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::to_string(DateValue(DateFromDayNumber(DayNumber({now.wYear, now.wMonth, now.wDay}) - days)));
}

// Entries land in the group of their age (by today's local date), in file
// order; only groups with entries (and today's) are submenus; a save goes
// on top of today; History.dat is written back group by group with CR LF,
// in UTF-8 (paths of any script; a line of an earlier version in the legacy
// code page is converted).
TEST_F(SnapshotTest, HistoryIsGroupedByAgeAndWrittenBackGrouped) {
    std::string deep = "C:\\";
    for (int i = 0; i < 350; ++i) deep += "\xD0\xB4";  // Cyrillic: two bytes each in UTF-8
    deep += "\\deep.bmp";
    const std::string saved = folder + "saved today.png", y2path = "C:\\\xE5\x86\x99 2.png";
    const std::string y1 = DaysAgo(1) + "C:\\y 1.png\r\n", y2 = DaysAgo(1) + y2path + "\r\n";
    const std::string old = DaysAgo(200) + "C:\\J\xC3\xBCrgen.jpeg\r\n", mid = DaysAgo(20) + deep + "\r\n";
    const std::string legacyOld = DaysAgo(200) + "C:\\J\xFCrgen.jpeg\r\n";
    RebuildHistoryMenus((y1 + legacyOld + mid + "20230230C:\\no such day.png\r\n" + y2).c_str());
    ASSERT_TRUE(SaveSnapshotAndSettle(saved));
    std::vector<std::pair<int, std::string>> shown;
    for (int g = 0; g < HISTORY_GROUP_COUNT; ++g) {
        const bool submenu = g == 0 || g == 1 || g == 4 || g == 7;
        EXPECT_EQ(GetSubMenu(snapshotMenu, 3 + g), submenu ? historyGroupMenus[g] : nullptr)
            << "submenu of group " << g;
        EXPECT_EQ(MenuItemText(snapshotMenu, 3 + g, true), historyGroupNames[g]) << "caption of group " << g;
        for (int i = 0; i < GetMenuItemCount(historyGroupMenus[g]); ++i)
            shown.push_back({g, SnapshotMenuText(GetMenuItemID(historyGroupMenus[g], i))});
    }
    EXPECT_EQ(shown, (std::vector<std::pair<int, std::string>>{
                         {0, saved}, {1, "C:\\y 1.png"}, {1, y2path}, {4, deep}, {7, "C:\\J\xC3\xBCrgen.jpeg"}}))
        << "entries by group";
    SaveHistory();
    const std::string file = DaysAgo(0) + saved + "\r\n" + y1 + y2 + mid + old;
    EXPECT_EQ(ReadFileBytes(historyPath), file) << "History.dat";

    // A History.dat that cannot be read at start-up is not overwritten by
    // this run's entries alone; once readable, they go before the older ones.
    HANDLE lock = CreateFileA(historyPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    RebuildHistoryMenus(nullptr);  // neither deleted nor read while locked
    ASSERT_TRUE(SaveSnapshotAndSettle(folder + "while locked.png"));
    SaveHistory();
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(historyPath), file) << "History.dat kept while it could not be read";
    SaveHistory();
    EXPECT_EQ(ReadFileBytes(historyPath), DaysAgo(0) + folder + "while locked.png\r\n" + file) << "History.dat after";
}
