// libFuzzer target for the History.dat reader: any bytes must parse, every
// entry must carry a real date whose age lands in one of the eight groups,
// and what is written back must read back to the same entries.
#include <cstdint>
#include <cstdlib>
#include <string>
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

    // A path holding a line break cannot come from a menu; leave those out
    // of the round trip.
    for (const SnapshotRecord& record : records)
        if (record.path.find_first_of("\r\n") != std::string::npos) return 0;
    const auto back = ParseHistoryFile(FormatHistoryFile(records));
    if (back.size() != records.size()) std::abort();
    for (size_t i = 0; i < back.size(); ++i)
        if (back[i].dateValue != records[i].dateValue || back[i].path != records[i].path) std::abort();
    return 0;
}
