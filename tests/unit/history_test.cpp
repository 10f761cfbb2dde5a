#include <gtest/gtest.h>

#include "core/history_file.h"
#include "core/snapshot_file.h"

TEST(HistoryDates, CalendarOfTheSystemFileTime) {
    EXPECT_EQ(DayNumber({1970, 1, 1}), 11644473600 / 86400) << "days from 1601-01-01 to 1970-01-01";
    for (int64_t d = 0; d <= DayNumber({9999, 12, 31}); d += 97) {
        ASSERT_TRUE(IsValidHistoryDate(DateFromDayNumber(d))) << "date of day " << d << " valid";
        ASSERT_EQ(DayNumber(DateFromDayNumber(d)), d) << "day of the date of day " << d;
    }
    for (auto [y, m, d, valid] : {std::array{2024, 2, 29, 1},
                                  {2000, 2, 29, 1},
                                  {9999, 12, 31, 1},
                                  {2023, 2, 29, 0},
                                  {1900, 2, 29, 0},
                                  {2023, 13, 1, 0},
                                  {2023, 0, 10, 0},
                                  {2023, 4, 31, 0},
                                  {2023, 1, 0, 0},
                                  {1600, 12, 31, 0}})
        EXPECT_EQ(IsValidHistoryDate({y, m, d}), valid == 1) << y << "-" << m << "-" << d << " valid";
}

TEST(HistoryDates, EachAgeLandsInItsGroup) {
    const int daysAndGroup[][2] = {{-400, 0}, {-1, 0}, {0, 0},  {1, 1},  {2, 2},   {3, 3},   {14, 3},  {15, 4},
                                   {30, 4},   {31, 5}, {90, 5}, {91, 6}, {180, 6}, {181, 7}, {9000, 7}};
    // On the minute, mid-minute and its last moment; after a leap day and at the turn of a year.
    for (const HistoryToday& today :
         {HistoryToday{{2026, 3, 1}, 0, 0}, {{2026, 3, 1}, 37, 250}, {{2024, 1, 2}, 59, 999}})
        for (const auto& [days, group] : daysAndGroup) {
            const int64_t age = HistoryAgeInDays(today, DateFromDayNumber(DayNumber(today.date) - days));
            EXPECT_EQ(HistoryGroupOfAge(age), group) << "group of " << days << " days";
            EXPECT_TRUE(days < 0 || age == days) << "age of " << days << " days: " << age;
        }
}

TEST(HistoryFile, HostileTextKeepsLinesWithARealDate) {
    const std::string deep = "C:\\" + std::string(5000, 'd') + "\\deep folder\\a.png";
    // Feb 30, month 13, zeros, a letter, a blank, before 1601, short lines; a NUL ends the path as a menu shows it.
    const std::string text =
        "20260110C:\\Shots\\a.png\r\n20230230C:\\f.png\n20231301C:\\m.png\n00000000C:\\0.png\n"
        "2023a101C:\\a.png\n 2023010C:\\b.png\n16001231C:\\e.png\n2023\n\n\r\nx\n20230101\r\n"
        "20230102" +
        deep + std::string("\r\n20240229D:\\b\0hidden\r", 22) + "\n20240301D:\\l .bmp";
    const std::string kept = "20260110C:\\Shots\\a.png\n20230101\n20230102" + deep +
                             "\n20240229D:\\b\n"
                             "20240301D:\\l .bmp\n";
    EXPECT_EQ(FormatHistoryFile(ParseHistoryFile(text)), kept) << "the lines kept";
    EXPECT_EQ(FormatHistoryFile(ParseHistoryFile(kept)), kept) << "what is written, read back";
}

TEST(SnapshotFileNames, ExtensionPicksTheEncoderExactly) {
    for (const auto& [path, mime] : {std::pair<const char*, const char*>{"C:\\s\\shot.png", "image/png"},
                                     {"s.PNG", "image/png"},
                                     {"s.jpeg", "image/jpeg"},
                                     {"s.JPEG", "image/jpeg"},
                                     {"C:\\s\\a.b.bmp", "image/bmp"},
                                     {"s.BMP", "image/bmp"},
                                     {"s.jpg", nullptr},
                                     {"s.Png", nullptr},
                                     {"s.bmpx", nullptr},
                                     {"s.", nullptr},
                                     {"C:\\s.png\\shot", nullptr}})
        EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension(path)), mime) << "encoder for " << path;
    EXPECT_EQ(WithDefaultExtension("C:\\my.folder\\shot"), "C:\\my.folder\\shot.png") << "a name without extension";
}
