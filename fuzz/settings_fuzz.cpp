// libFuzzer target for the Settings.dat reader: any bytes must parse without
// touching memory outside the option table, and the options that index a
// table must read within it. (What is written reads back the same: the unit
// test's property.)
#include <cstdint>
#include <cstdlib>
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
    return 0;
}
