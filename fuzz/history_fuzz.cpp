// libFuzzer target for the History.dat reader: any bytes must parse, and
// every entry must carry a real date whose age lands in one of the eight
// groups. (What is written reads back the same: the unit test of hostile
// text.)
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/history_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto records = ParseHistoryFile(text);
    const HistoryToday today{{2026, 6, 15}, static_cast<int32_t>(size % 60), static_cast<int32_t>(size % 1000)};
    for (const SnapshotRecord& record : records) {
        const CivilDate date = DateOfValue(record.dateValue);
        if (!IsValidHistoryDate(date)) std::abort();
        const int group = HistoryGroupOfAge(HistoryAgeInDays(today, date));
        if (group < 0 || group >= HISTORY_GROUP_COUNT) std::abort();
        if (DateFromDayNumber(DayNumber(date)).day != date.day) std::abort();
    }
    return 0;
}
