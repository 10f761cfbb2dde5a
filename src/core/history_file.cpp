// History.dat text and the age arithmetic of the snapshot history. The age
// follows the system's file-time arithmetic exactly, so that an entry lands in
// the same group as a date computed with the system's own conversions.
#include "core/history_file.h"

const char historyGroupNames[HISTORY_GROUP_COUNT][HISTORY_GROUP_NAME_SLOT] = {
    "Snapshots Today", "Yesterday",      "2 Days Ago",      "3-14 Days Ago",
    "15-30 Days Ago",  "31-90 Days Ago", "91-180 Days Ago", "181 Days or More",
};

constexpr int64_t TICKS_PER_SECOND = 10000000;  // file time counts 100 ns
constexpr int64_t TICKS_PER_MILLISECOND = 10000;
constexpr int64_t TICKS_PER_DAY = TICKS_PER_SECOND * 60 * 60 * 24;
constexpr int DATE_DIGITS = 8;

static bool IsLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

static int32_t DaysInMonth(int32_t year, int32_t month) {
    static const int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidHistoryDate(CivilDate date) {
    if (date.year < 1601 || date.year > 9999) return false;
    if (date.month < 1 || date.month > 12) return false;
    return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// Day counting on a calendar whose years start in March, so that the leap day
// is the last day of its year; era = 400 Gregorian years = 146097 days.
static int64_t DaysFromYearZero(CivilDate date) {
    const int64_t y = date.month <= 2 ? int64_t{date.year} - 1 : date.year;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

static const int64_t day1601 = DaysFromYearZero({1601, 1, 1});

int64_t DayNumber(CivilDate date) { return DaysFromYearZero(date) - day1601; }

CivilDate DateFromDayNumber(int64_t days) {
    const int64_t z = days + day1601;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int32_t day = static_cast<int32_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int32_t month = static_cast<int32_t>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int32_t>(year), month, day};
}

uint32_t DateValue(CivilDate date) {
    return static_cast<uint32_t>(date.year) * 10000 + static_cast<uint32_t>(date.month) * 100 +
           static_cast<uint32_t>(date.day);
}

CivilDate DateOfValue(uint32_t value) {
    return {static_cast<int32_t>(value / 10000), static_cast<int32_t>(value / 100 % 100),
            static_cast<int32_t>(value % 100)};
}

int64_t HistoryAgeInDays(const HistoryToday& today, CivilDate entry) {
    const int64_t todayTicks = DayNumber(today.date) * TICKS_PER_DAY + today.seconds * TICKS_PER_SECOND +
                               today.milliseconds * TICKS_PER_MILLISECOND;
    const int64_t entryTicks = DayNumber(entry) * TICKS_PER_DAY;
    // Each division truncates toward zero on its own, which is what makes a
    // future date within the first day come out as 0.
    return (todayTicks - entryTicks) / TICKS_PER_SECOND / 60 / 60 / 24;
}

int HistoryGroupOfAge(int64_t age) {
    if (age <= 0) return 0;
    if (age == 1) return 1;
    if (age == 2) return 2;
    if (age <= 14) return 3;
    if (age <= 30) return 4;
    if (age <= 90) return 5;
    if (age <= 180) return 6;
    return 7;
}

// The date value of a line's first 8 characters, or 0 when they are not all
// digits or not a real date.
static uint32_t LeadingDateValue(std::string_view line) {
    if (line.size() < DATE_DIGITS) return 0;
    uint32_t value = 0;
    for (int i = 0; i < DATE_DIGITS; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return IsValidHistoryDate(DateOfValue(value)) ? value : 0;
}

std::vector<SnapshotRecord> ParseHistoryFile(std::string_view text) {
    std::vector<SnapshotRecord> records;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const uint32_t value = LeadingDateValue(line);
        if (value == 0) continue;
        std::string_view path = line.substr(DATE_DIGITS);
        // A menu text ends at its first NUL; keep what the menu would show.
        path = path.substr(0, path.find('\0'));
        records.push_back({value, std::string(path)});
    }
    return records;
}

std::string FormatHistoryFile(const std::vector<SnapshotRecord>& records) {
    std::string text;
    for (const SnapshotRecord& record : records) {
        text += std::to_string(record.dateValue);
        text += record.path;
        text += '\n';
    }
    return text;
}
