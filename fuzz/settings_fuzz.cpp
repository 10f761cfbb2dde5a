// libFuzzer target for the Settings.dat reader: any bytes must parse without
// touching memory outside the option table, and what is written back must
// read back to the same table.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetOptionTableDefaults();
    lastPath.clear();
    ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    for (int index : {IDOPTS_TOOL, IDOPTS_MARK, IDOPTS_FONT, IDOPTS_HLCOLOR}) {
        const OptionInfo* info = FindOptionInfo(index);
        const int32_t v = OptValue(index);
        if (v < info->minValue || v > info->maxValue) std::abort();
    }
    (void)CurrentInkColor();
    (void)CurrentHighlightColor();

    // The written form reads back to the same table, unless the path holds a
    // line break (which no folder name does).
    if (lastPath.find_first_of("\r\n") != std::string::npos) return 0;
    int32_t before[OPTS_COUNT];
    std::memcpy(before, opts, sizeof before);
    const std::string savedPath = lastPath;
    const std::string text = FormatSettings();
    SetOptionTableDefaults();
    for (int32_t& v : opts) v = OPT_UNSET;
    lastPath.clear();
    ParseSettings(text);
    if (std::memcmp(before, opts, sizeof before) != 0 || lastPath != savedPath) std::abort();
    return 0;
}
