#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "snapshots/history.h"
#include "snapshots/snapshot_file.h"

namespace {

CivilDate DaysBefore(CivilDate date, int64_t days) { return DateFromDayNumber(DayNumber(date) - days); }

std::string CrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

TEST(HistoryDates, DayNumbersMatchTheFileTimeEpoch) {
    EXPECT_EQ(DayNumber({1601, 1, 1}), 0);
    // 1 January 1970 is 11644473600 seconds after the file-time epoch.
    EXPECT_EQ(DayNumber({1970, 1, 1}), 11644473600 / 86400);
    EXPECT_EQ(DayNumber({2000, 3, 1}) - DayNumber({2000, 2, 28}), 2);  // 2000 is a leap year
    EXPECT_EQ(DayNumber({1900, 3, 1}) - DayNumber({1900, 2, 28}), 1);  // 1900 is not
    for (int64_t d = 0; d < DayNumber({9999, 12, 31}); d += 97) {
        const CivilDate date = DateFromDayNumber(d);
        ASSERT_TRUE(IsValidHistoryDate(date)) << d;
        ASSERT_EQ(DayNumber(date), d);
    }
}

TEST(HistoryDates, OnlyRealCalendarDatesAreValid) {
    for (CivilDate d : {CivilDate{2024, 2, 29}, {1601, 1, 1}, {9999, 12, 31}}) EXPECT_TRUE(IsValidHistoryDate(d));
    // Not leap, 30 February, month 13 and 0, 31 April, day 0, before the file-time epoch.
    for (CivilDate d : {CivilDate{2023, 2, 29}, {2023, 2, 30}, {2023, 13, 1}, {2023, 0, 10}, {2023, 4, 31},
                        {2023, 1, 0}, {1600, 12, 31}, {0, 0, 0}})
        EXPECT_FALSE(IsValidHistoryDate(d)) << d.year << "-" << d.month << "-" << d.day;
}

TEST(HistoryAges, EachAgeLandsInItsGroup) {
    struct Case {
        int days;
        int group;
    };
    const Case cases[] = {{0, 0},  {1, 1},  {2, 2},  {3, 3},   {14, 3},  {15, 4},   {30, 4},
                          {31, 5}, {90, 5}, {91, 6}, {180, 6}, {181, 7}, {4000, 7}};
    // Early, mid-minute and last moment of a minute; a date just after a
    // leap day and one at the turn of a year.
    const HistoryToday todays[] = {{{2026, 3, 1}, 0, 0}, {{2026, 3, 1}, 37, 250}, {{2024, 1, 2}, 59, 999}};
    for (const HistoryToday& today : todays)
        for (const Case& c : cases) {
            const int64_t age = HistoryAgeInDays(today, DaysBefore(today.date, c.days));
            EXPECT_EQ(age, c.days);
            EXPECT_EQ(HistoryGroupOfAge(age), c.group) << c.days << " days";
        }
}

TEST(HistoryAges, FutureDatesAreToday) {
    const CivilDate today{2025, 12, 31};
    const CivilDate tomorrow{2026, 1, 1};
    // The seconds past the minute shorten the negative span, and each step
    // of the division truncates toward zero: tomorrow is 0 ...
    EXPECT_EQ(HistoryAgeInDays({today, 12, 0}, tomorrow), 0);
    EXPECT_EQ(HistoryAgeInDays({today, 0, 1}, tomorrow), 0);
    // ... except exactly on the minute, where it is one whole day ahead.
    EXPECT_EQ(HistoryAgeInDays({today, 0, 0}, tomorrow), -1);
    EXPECT_EQ(HistoryAgeInDays({today, 30, 0}, {2026, 1, 3}), -2);  // two days and a bit ahead
    for (int s : {0, 30, 59}) {
        EXPECT_EQ(HistoryGroupOfAge(HistoryAgeInDays({today, s, 0}, tomorrow)), 0);
        EXPECT_EQ(HistoryGroupOfAge(HistoryAgeInDays({today, s, 0}, {9999, 12, 31})), 0);
    }
    EXPECT_EQ(HistoryGroupOfAge(HistoryAgeInDays({today, 5, 0}, {1601, 1, 1})), 7);
}

TEST(HistoryFile, ReadsEveryLineEndAndSkipsLinesWithoutARealDate) {
    std::string longPath = "C:\\";
    while (longPath.size() < 5000) longPath += "deep folder\\";
    const std::string text = "20260110C:\\Shots\\a.png\r\n"
                             "20230230C:\\feb30.png\n20231301C:\\month13.png\n00000000C:\\zero.png\n"
                             "2023a101C:\\letter.png\n 2023010C:\\blank.png\n16001231C:\\tooearly.png\n"
                             "2023\n\n\r\nx\n"
                             "20251231C:\\My Shots\\with  spaces .jpeg\n20230101\r\n20230102" + longPath +
                             "\r\n20240229D:\\b.bmp";  // no line end after the last entry
    const auto records = ParseHistoryFile(text);
    std::vector<std::pair<uint32_t, std::string>> read;
    for (const SnapshotRecord& r : records) read.push_back({r.dateValue, r.path});
    EXPECT_EQ(read, (std::vector<std::pair<uint32_t, std::string>>{{20260110, "C:\\Shots\\a.png"},
                                                                    {20251231, "C:\\My Shots\\with  spaces .jpeg"},
                                                                    {20230101, ""},
                                                                    {20230102, longPath},
                                                                    {20240229, "D:\\b.bmp"}}));
}

TEST(HistoryFile, WrittenEntriesReadBackUnchanged) {
    EXPECT_EQ(FormatHistoryFile({{20261204, "C:\\a b.png"}, {20250101, "D:\\c.bmp"}}),
              "20261204C:\\a b.png\n20250101D:\\c.bmp\n");
    EXPECT_EQ(FormatHistoryFile({}), "");
    std::string longPath = "C:\\Users\\someone\\";
    while (longPath.size() < 400) longPath += "a folder with spaces\\";
    const std::vector<SnapshotRecord> records = {
        {20260105, "C:\\Users\\A B\\meeting notes.png"}, {20251231, longPath + "shot.png"},
        {16010101, "C:\\x.bmp"}, {99991231, "C:\\y.jpeg"}, {20240229, ""}};
    for (const std::string& text : {FormatHistoryFile(records), CrLf(FormatHistoryFile(records))}) {
        const auto back = ParseHistoryFile(text);
        ASSERT_EQ(back.size(), records.size());
        for (size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(back[i].dateValue, records[i].dateValue);
            EXPECT_EQ(back[i].path, records[i].path);
        }
    }
}

TEST(SnapshotFileNames, ExtensionPicksTheEncoderExactly) {
    EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension("C:\\s\\shot.png")), "image/png");
    EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension("C:\\s\\shot.PNG")), "image/png");
    EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension("C:\\s\\shot.jpeg")), "image/jpeg");
    EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension("C:\\s\\shot.JPEG")), "image/jpeg");
    EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension("C:\\s\\a.b.bmp")), "image/bmp");
    EXPECT_STREQ(EncoderMimeForExtension(SnapshotExtension("C:\\s\\shot.BMP")), "image/bmp");
    for (const char* path : {"C:\\s\\shot.jpg", "C:\\s\\shot.Png", "C:\\s\\shot.bmpx", "C:\\s\\shot.",
                             "C:\\s.png\\shot", "shot"})
        EXPECT_EQ(EncoderMimeForExtension(SnapshotExtension(path)), nullptr) << path;
}

TEST(SnapshotFileNames, NameWithoutExtensionGetsPng) {
    EXPECT_EQ(WithDefaultExtension("C:\\s\\shot"), "C:\\s\\shot.png");
    EXPECT_EQ(WithDefaultExtension("C:\\my.folder\\shot"), "C:\\my.folder\\shot.png");
    EXPECT_EQ(WithDefaultExtension("C:\\s\\shot.jpg"), "C:\\s\\shot.jpg");
    EXPECT_EQ(WithDefaultExtension("C:\\s\\shot.BMP"), "C:\\s\\shot.BMP");
}

}  // namespace
