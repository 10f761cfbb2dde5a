#include <gtest/gtest.h>

#include <string>
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
    EXPECT_TRUE(IsValidHistoryDate({2024, 2, 29}));
    EXPECT_TRUE(IsValidHistoryDate({1601, 1, 1}));
    EXPECT_TRUE(IsValidHistoryDate({9999, 12, 31}));
    EXPECT_FALSE(IsValidHistoryDate({2023, 2, 29}));
    EXPECT_FALSE(IsValidHistoryDate({2023, 2, 30}));
    EXPECT_FALSE(IsValidHistoryDate({2023, 13, 1}));
    EXPECT_FALSE(IsValidHistoryDate({2023, 0, 10}));
    EXPECT_FALSE(IsValidHistoryDate({2023, 4, 31}));
    EXPECT_FALSE(IsValidHistoryDate({2023, 1, 0}));
    EXPECT_FALSE(IsValidHistoryDate({1600, 12, 31}));  // before the file-time epoch
    EXPECT_FALSE(IsValidHistoryDate({0, 0, 0}));
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

TEST(HistoryFile, ReadsDatesAndPathsOfEveryLineEnd) {
    const std::string text =
        "20260110C:\\Shots\\a.png\r\n"
        "20251231C:\\My Shots\\with  spaces .jpeg\n"
        "20240229D:\\b.bmp";  // no line end after the last entry
    const auto records = ParseHistoryFile(text);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].dateValue, 20260110u);
    EXPECT_EQ(records[0].path, "C:\\Shots\\a.png");
    EXPECT_EQ(records[1].dateValue, 20251231u);
    EXPECT_EQ(records[1].path, "C:\\My Shots\\with  spaces .jpeg");
    EXPECT_EQ(records[2].dateValue, 20240229u);
    EXPECT_EQ(records[2].path, "D:\\b.bmp");
}

TEST(HistoryFile, SkipsLinesWithoutARealDate) {
    const std::string text =
        "20230230C:\\feb30.png\n"
        "20231301C:\\month13.png\n"
        "00000000C:\\zero.png\n"
        "2023a101C:\\letter.png\n"
        " 2023010C:\\blank.png\n"
        "20230229C:\\notleap.png\n"
        "16001231C:\\tooearly.png\n"
        "2023\n"
        "\n"
        "\r\n"
        "x\n"
        "20230101C:\\good.png\n";
    const auto records = ParseHistoryFile(text);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].path, "C:\\good.png");
}

TEST(HistoryFile, DateWithoutPathIsAnEntryWithEmptyPath) {
    const auto records = ParseHistoryFile("20230101\r\n20230102");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].path, "");
    EXPECT_EQ(records[1].path, "");
}

TEST(HistoryFile, LongLinesAreReadWhole) {
    std::string path = "C:\\";
    while (path.size() < 5000) path += "deep folder\\";
    path += "shot.png";
    const auto records = ParseHistoryFile("20230101" + path + "\r\n20230102C:\\next.png\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].path, path);
    EXPECT_EQ(records[1].path, "C:\\next.png");
}

TEST(HistoryFile, WritesDateThenPathPerLine) {
    EXPECT_EQ(FormatHistoryFile({{20261204, "C:\\a b.png"}, {20250101, "D:\\c.bmp"}}),
              "20261204C:\\a b.png\n20250101D:\\c.bmp\n");
    EXPECT_EQ(FormatHistoryFile({}), "");
}

TEST(HistoryFile, WrittenEntriesReadBackUnchanged) {
    std::string longPath = "C:\\Users\\someone\\Documents\\Quillcast Snapshots\\";
    while (longPath.size() < 400) longPath += "a folder with spaces\\";
    longPath += "shot.png";
    ASSERT_GT(longPath.size(), 360u);
    const std::vector<SnapshotRecord> records = {
        {20260105, "C:\\Users\\A B\\Documents\\Quillcast Snapshots\\meeting notes.png"},
        {20251231, longPath},
        {16010101, "C:\\x.bmp"},
        {99991231, "C:\\y.jpeg"},
        {20240229, ""},
    };
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
