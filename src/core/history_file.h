// History.dat: the list of saved snapshots with the date each was saved, and
// the age groups the snapshot menu shows them in.
//
// The file is text, one snapshot per line: the saving date as 8 digits
// "yyyyMMdd" (local time) followed directly by the full path of the picture,
// with no separator, then CR LF. There is no header and no count. Lines are
// read whole, whatever their length; a line whose first 8 characters are not
// a real calendar date is left out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int HISTORY_GROUP_COUNT = 8;
constexpr int HISTORY_GROUP_NAME_SLOT = 100;
// Group names, youngest first; the index is the group number.
extern const char historyGroupNames[HISTORY_GROUP_COUNT][HISTORY_GROUP_NAME_SLOT];

struct CivilDate {
    int32_t year;
    int32_t month;  // 1..12
    int32_t day;    // 1..31
};

// A date the system's file times can hold: years 1601 to 9999 of the
// Gregorian calendar, months 1..12, days that exist in their month.
bool IsValidHistoryDate(CivilDate date);

// Days since 1 January 1601, the start of the system's file time.
int64_t DayNumber(CivilDate date);
CivilDate DateFromDayNumber(int64_t days);

// yyyyMMdd as an integer (20261204) and back.
uint32_t DateValue(CivilDate date);
CivilDate DateOfValue(uint32_t value);

// The moment ages are measured from: today's local date with the current
// seconds and milliseconds of the minute (hours and minutes set to 0).
struct HistoryToday {
    CivilDate date;
    int32_t seconds;
    int32_t milliseconds;
};

// Whole days from an entry's date to today, computed in 100-ns file-time
// units with truncating divisions by 10^7, 60, 60 and 24, step by step. Past
// dates give the calendar days between; dates in the future give 0 or less
// (tomorrow is 0, or -1 exactly on the minute).
int64_t HistoryAgeInDays(const HistoryToday& today, CivilDate entry);

// Group 0..7 of an age: <=0, 1, 2, 3-14, 15-30, 31-90, 91-180, 181 and more.
int HistoryGroupOfAge(int64_t age);

struct SnapshotRecord {
    uint32_t dateValue;  // yyyyMMdd, also the menu item's data
    std::string path;
};

// Every entry of a History.dat text, in file order. LF or CR LF line ends;
// the last line needs no line end.
std::vector<SnapshotRecord> ParseHistoryFile(std::string_view text);

// The text of History.dat with "\n" line ends (the writer turns them into
// CR LF): the date value in decimal, then the path, per line.
std::string FormatHistoryFile(const std::vector<SnapshotRecord>& records);
