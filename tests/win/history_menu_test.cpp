#include <gtest/gtest.h>

#include "model/annotation.h"
#include "settings/options.h"
#include "snapshot_helpers.h"
#include "win_env.h"

using namespace snaptest;

namespace {

class HistoryMenu : public ::testing::Test {
protected:
    void SetUp() override {
        StartProgramOnce();
        opts[IDOPTS_WHITEBOARD] = 1;
        recordedMessages.clear();
        folder = TestFolder();
    }
    std::string folder;
};

CivilDate Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

std::string DaysAgo(int64_t days) { return std::to_string(DateValue(DateFromDayNumber(DayNumber(Today()) - days))); }

TEST_F(HistoryMenu, WithoutHistoryTheMenuHoldsTheCommandsAndEmptyGroups) {
    RebuildHistoryMenus(nullptr);
    ASSERT_EQ(GetMenuItemCount(snapshotMenu), 11);
    EXPECT_EQ(MenuText(snapshotMenu, 0), "Take Snapshot!           'F2'");
    EXPECT_EQ(MenuItem(snapshotMenu, 0).wID, SNAPSHOT_MENU_TAKE);
    EXPECT_EQ(MenuText(snapshotMenu, 1), "Load Snapshot!                  'F3'");
    EXPECT_EQ(MenuItem(snapshotMenu, 1).wID, SNAPSHOT_MENU_LOAD);
    EXPECT_TRUE(MenuItem(snapshotMenu, 2).fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuDefaultItem(snapshotMenu, FALSE, 0), static_cast<UINT>(SNAPSHOT_MENU_TAKE));

    const char* const names[] = {"Snapshots Today", "Yesterday",       "2 Days Ago",      "3-14 Days Ago",
                                 "15-30 Days Ago",  "31-90 Days Ago",  "91-180 Days Ago", "181 Days or More"};
    for (int g = 0; g < 8; ++g) {  // only today's group is a (still empty) submenu
        EXPECT_EQ(MenuText(snapshotMenu, 3 + g), names[g]);
        EXPECT_EQ(MenuItem(snapshotMenu, 3 + g).hSubMenu, g == 0 ? historyGroupMenus[0] : nullptr) << names[g];
    }
    EXPECT_EQ(GetMenuItemCount(historyGroupMenus[0]), 0);
    // Reading created the file, empty.
    EXPECT_TRUE(FileExists(historyPath) && ReadFileBytes(historyPath).empty());
}

TEST_F(HistoryMenu, EachSaveGoesOnTopOfToday) {
    RebuildHistoryMenus(nullptr);
    const std::string first = folder + "first.png", second = folder + "second.png";
    ASSERT_TRUE(SaveSnapshotTo(first));
    ASSERT_TRUE(SaveSnapshotTo(second));
    HMENU todayMenu = historyGroupMenus[0];
    ASSERT_EQ(GetMenuItemCount(todayMenu), 2);
    EXPECT_EQ(MenuText(todayMenu, 0), second);
    EXPECT_EQ(MenuText(todayMenu, 1), first);
    const MENUITEMINFOA top = MenuItem(todayMenu, 0), below = MenuItem(todayMenu, 1);
    EXPECT_EQ(below.wID, HISTORY_FIRST_ITEM_ID);
    EXPECT_EQ(top.wID, below.wID + 1);
    EXPECT_EQ(std::to_string(top.dwItemData), DaysAgo(0));
    EXPECT_EQ(std::to_string(below.dwItemData), DaysAgo(0));
}

TEST_F(HistoryMenu, EntriesLandInTheGroupOfTheirAge) {
    struct Case {
        int days;
        int group;
        std::string path;
    };
    std::string longPath = "C:\\Users\\someone\\Documents\\Quillcast Snapshots\\";
    while (longPath.size() < 420) longPath += "folder with spaces\\";
    longPath += "long.png";
    const std::vector<Case> cases = {
        {0, 0, "C:\\shots\\today.png"},   {-1, 0, "C:\\shots\\tomorrow.png"}, {1, 1, "C:\\shots\\one.png"},
        {2, 2, "C:\\shots\\two.png"},     {3, 3, "C:\\shots\\three.png"},     {14, 3, "C:\\shots\\fourteen.png"},
        {15, 4, "C:\\shots\\15.png"},     {30, 4, "C:\\shots\\30.png"},       {31, 5, "C:\\shots\\31.png"},
        {90, 5, "C:\\shots\\90.png"},     {91, 6, "C:\\shots\\91.png"},       {180, 6, "C:\\shots\\180.png"},
        {181, 7, "C:\\shots\\181.png"},   {5000, 7, longPath},                {4, 3, "C:\\my shots\\a b c.jpeg"},
    };
    std::string file;
    for (const Case& c : cases) file += DaysAgo(c.days) + c.path + "\r\n";
    file += "20230230C:\\shots\\no such day.png\r\n";
    RebuildHistoryMenus(file.c_str());

    std::vector<int> seen(8, 0);
    UINT expectedId = HISTORY_FIRST_ITEM_ID;
    for (const Case& c : cases) {
        HMENU group = historyGroupMenus[c.group];
        const int position = seen[c.group]++;
        ASSERT_LT(position, GetMenuItemCount(group)) << c.path;
        EXPECT_EQ(MenuText(group, position), c.path);
        const MENUITEMINFOA item = MenuItem(group, position);
        EXPECT_EQ(item.wID, expectedId++) << c.path;  // ids in file order
        EXPECT_EQ(std::to_string(item.dwItemData), DaysAgo(c.days));
        EXPECT_EQ(SnapshotMenuText(item.wID), c.path);  // how the dock reads a chosen entry
    }
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(GetMenuItemCount(historyGroupMenus[g]), seen[g]) << g;
        EXPECT_EQ(MenuItem(snapshotMenu, 3 + g).hSubMenu, historyGroupMenus[g]) << g;  // none is empty
    }
    EXPECT_EQ(historyItemId, expectedId);
}

TEST_F(HistoryMenu, SavedHistoryReadsBackIntoTheSameGroups) {
    std::string longPath = "D:\\";
    while (longPath.size() < 700) longPath += "nested folder\\";
    longPath += "deep.bmp";
    const std::string file = DaysAgo(1) + "C:\\y one.png\r\n" + DaysAgo(20) + longPath + "\r\n" + DaysAgo(200) +
                             "C:\\old.jpeg\r\n" + DaysAgo(1) + "C:\\y two.png\r\n";
    RebuildHistoryMenus(file.c_str());
    const std::string saved = folder + "saved today.png";
    ASSERT_TRUE(SaveSnapshotTo(saved));
    SaveHistory();

    // Group by group, newest first within today, each line CR LF.
    const std::string expected = DaysAgo(0) + saved + "\r\n" + DaysAgo(1) + "C:\\y one.png\r\n" +
                                 DaysAgo(1) + "C:\\y two.png\r\n" + DaysAgo(20) + longPath + "\r\n" + DaysAgo(200) +
                                 "C:\\old.jpeg\r\n";
    EXPECT_EQ(ReadFileBytes(historyPath), expected);

    RebuildHistoryMenus(expected.c_str());
    EXPECT_EQ(MenuText(historyGroupMenus[0], 0), saved);
    EXPECT_EQ(MenuText(historyGroupMenus[1], 0), "C:\\y one.png");
    EXPECT_EQ(MenuText(historyGroupMenus[1], 1), "C:\\y two.png");
    EXPECT_EQ(MenuText(historyGroupMenus[4], 0), longPath);
    EXPECT_EQ(MenuText(historyGroupMenus[7], 0), "C:\\old.jpeg");
    SaveHistory();
    EXPECT_EQ(ReadFileBytes(historyPath), expected);
}

TEST_F(HistoryMenu, AnUnreadableHistoryIsNotOverwritten) {
    const std::string older = DaysAgo(3) + "C:\\older.png\r\n";
    WriteFileBytes(historyPath, older);
    HANDLE lock = CreateFileA(historyPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    while (GetMenuItemCount(snapshotMenu) > 0) DeleteMenu(snapshotMenu, 0, MF_BYPOSITION);
    BuildDockMenusAndHistory();
    EXPECT_EQ(GetMenuItemCount(historyGroupMenus[3]), 0);  // could not be read
    const std::string saved = folder + "while locked.png";
    ASSERT_TRUE(SaveSnapshotTo(saved));
    SaveHistory();  // still locked: nothing is written over it
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(historyPath), older);
    SaveHistory();  // readable now: this run's entries first, then the older ones
    const std::string merged = DaysAgo(0) + saved + "\r\n" + older;
    EXPECT_EQ(ReadFileBytes(historyPath), merged);
    SaveHistory();
    EXPECT_EQ(ReadFileBytes(historyPath), merged);
}

}  // namespace
