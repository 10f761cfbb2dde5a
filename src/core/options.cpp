// Option table, defaults and the Settings.dat text format.
//
// Settings.dat is a text file with CR LF line ends (LF alone is accepted on
// reading). Each line is "index=value" in decimal; the last one is
// "<LastPath>=" followed by the snapshot folder. Reading skips lines without
// "=", applies lines in file order (a later line for the same index wins),
// parses both numbers like atoi and ignores indexes outside the table.
#include "core/options.h"

#include <array>
#include <climits>

int32_t opts[OPTS_COUNT];
uint32_t palette[PALETTE_SIZE];
uint32_t highlightPalette[HIGHLIGHT_PALETTE_SIZE];
std::string lastPath;

namespace {
constexpr int32_t COLOR_MAX = 0xFFFFFF;
}  // namespace

const OptionInfo optionTable[] = {
    {IDOPTS_RESERVED0, "IDOPTS_RESERVED0", 0, ANY_MIN, ANY_MAX},
    {IDOPTS_TOOL, "IDOPTS_TOOL", TOOL_PEN, TOOL_PEN, TOOL_ERASER},
    {IDOPTS_PENCOLORROW, "IDOPTS_PENCOLORROW", 0, 0, 1},
    {IDOPTS_PENCOLORCOL, "IDOPTS_PENCOLORCOL", 0, 0, 4},
    {IDOPTS_TEXTCOLORROW, "IDOPTS_TEXTCOLORROW", 0, 0, 1},
    {IDOPTS_HLCOLOR, "IDOPTS_HLCOLOR", 0, 0, HIGHLIGHT_PALETTE_SIZE - 1},
    {IDOPTS_OPACITY, "IDOPTS_OPACITY", 5, 1, 5},
    {IDOPTS_PENWIDTH, "IDOPTS_PENWIDTH", 3, 1, 5},
    {IDOPTS_RESERVED14, "IDOPTS_RESERVED14", 1, ANY_MIN, ANY_MAX},
    {IDOPTS_RESERVED16, "IDOPTS_RESERVED16", 10, ANY_MIN, ANY_MAX},
    {IDOPTS_SHAPEWIDTH, "IDOPTS_SHAPEWIDTH", 2, 1, 7},
    {IDOPTS_PENCOLOR0, "IDOPTS_PENCOLOR0", 0x241CED, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR1, "IDOPTS_PENCOLOR1", 0x007EFF, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR2, "IDOPTS_PENCOLOR2", 0x00F2FF, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR3, "IDOPTS_PENCOLOR3", 0x00BF00, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR4, "IDOPTS_PENCOLOR4", 0xC46302, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR5, "IDOPTS_PENCOLOR5", 0xFFFFFF, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR6, "IDOPTS_PENCOLOR6", 0x000000, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR7, "IDOPTS_PENCOLOR7", 0x02598F, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR8, "IDOPTS_PENCOLOR8", 0x98316F, 0, COLOR_MAX},
    {IDOPTS_PENCOLOR9, "IDOPTS_PENCOLOR9", 0xE0B46E, 0, COLOR_MAX},
    {IDOPTS_FONT, "IDOPTS_FONT", 0, 0, FONT_FACE_COUNT - 1},
    {IDOPTS_FONTSIZE, "IDOPTS_FONTSIZE", 14, 1, 1000},
    {IDOPTS_RESERVED42, "IDOPTS_RESERVED42", 0, ANY_MIN, ANY_MAX},
    {IDOPTS_RESERVED43, "IDOPTS_RESERVED43", 0, ANY_MIN, ANY_MAX},
    {IDOPTS_HLCOLOR0, "IDOPTS_HLCOLOR0", 0x46E9FF, 0, COLOR_MAX},
    {IDOPTS_HLCOLOR1, "IDOPTS_HLCOLOR1", 0x33EE63, 0, COLOR_MAX},
    {IDOPTS_HLCOLOR2, "IDOPTS_HLCOLOR2", 0x2C94FF, 0, COLOR_MAX},
    {IDOPTS_HLCOLOR3, "IDOPTS_HLCOLOR3", 0xB655FF, 0, COLOR_MAX},
    {IDOPTS_HLCOLOR4, "IDOPTS_HLCOLOR4", 0xFBB950, 0, COLOR_MAX},
    {IDOPTS_FILL, "IDOPTS_FILL", 0, 0, 1},
    {IDOPTS_TEXTCOLORCOL, "IDOPTS_TEXTCOLORCOL", 0, 0, 4},
    {IDOPTS_MARK, "IDOPTS_MARK", 0, 0, MARK_COUNT - 1},
    {OPT_MODSHOW, "OPT_MODSHOW", 1, 0, 3},
    {OPT_KEYSHOW, "OPT_KEYSHOW", 122, 0, 255},
    {IDOPTS_WHITEBOARD, "IDOPTS_WHITEBOARD", 0, 0, 1},
    {IDOPTS_RUNATSTART, "IDOPTS_RUNATSTART", 1, 0, 1},
    {IDOPTS_RESERVED1010, "IDOPTS_RESERVED1010", 1, ANY_MIN, ANY_MAX},
    {IDOPTS_DOCKTOP, "IDOPTS_DOCKTOP", 1, 0, 1},
    {IDOPTS_AUTOHIDE, "IDOPTS_AUTOHIDE", 1, 0, 1},
    {IDOPTS_HOTKEYCTRL, "IDOPTS_HOTKEYCTRL", 0, 0, 1},
    {IDOPTS_HOTKEYALT, "IDOPTS_HOTKEYALT", 1, 0, 1},
    {OPT_MODLIVE, "OPT_MODLIVE", 1, 0, 3},
    {OPT_KEYLIVE, "OPT_KEYLIVE", 123, 0, 255},
    // Unset (off) until the user first chooses, so that a first run writes
    // the same file as before it existed.
    {IDOPTS_COPYSAVED, "IDOPTS_COPYSAVED", OPT_UNSET, 0, 1},
    {OPT_ALLFADES, "OPT_ALLFADES", 0, 0, 1},
    {OPT_FADESECONDS, "OPT_FADESECONDS", 3, 1, 60},
};
const int optionTableSize = static_cast<int>(sizeof optionTable / sizeof optionTable[0]);

static const int paletteIndexes[PALETTE_SIZE] = {
    IDOPTS_PENCOLOR0, IDOPTS_PENCOLOR1, IDOPTS_PENCOLOR2, IDOPTS_PENCOLOR3, IDOPTS_PENCOLOR4,
    IDOPTS_PENCOLOR5, IDOPTS_PENCOLOR6, IDOPTS_PENCOLOR7, IDOPTS_PENCOLOR8, IDOPTS_PENCOLOR9,
};
static const int highlightIndexes[HIGHLIGHT_PALETTE_SIZE] = {
    IDOPTS_HLCOLOR0, IDOPTS_HLCOLOR1, IDOPTS_HLCOLOR2, IDOPTS_HLCOLOR3, IDOPTS_HLCOLOR4,
};

// Options are read on every pointer move, so the rows are found by index
// rather than by searching the table.
static const std::array<const OptionInfo*, OPTS_COUNT>& RowsByIndex() {
    static const std::array<const OptionInfo*, OPTS_COUNT> rows = [] {
        std::array<const OptionInfo*, OPTS_COUNT> byIndex{};
        for (const OptionInfo& info : optionTable) byIndex[info.index] = &info;
        return byIndex;
    }();
    return rows;
}

const OptionInfo* FindOptionInfo(int index) {
    if (index < 0 || index >= OPTS_COUNT) return nullptr;
    return RowsByIndex()[index];
}

int32_t OptValue(int index) {
    if (index < 0 || index >= OPTS_COUNT) return OPT_UNSET;
    const OptionInfo* info = FindOptionInfo(index);
    const int32_t value = opts[index];
    if (!info) return value;
    if (value < info->minValue || value > info->maxValue) return info->defaultValue;
    return value;
}

void SetOptionTableDefaults() {
    for (int32_t& value : opts) value = OPT_UNSET;
    for (const OptionInfo& info : optionTable) opts[info.index] = info.defaultValue;
    // The palettes take the default colours only; loading the file later
    // does not change them.
    for (int i = 0; i < PALETTE_SIZE; ++i) palette[i] = static_cast<uint32_t>(opts[paletteIndexes[i]]);
    for (int i = 0; i < HIGHLIGHT_PALETTE_SIZE; ++i)
        highlightPalette[i] = static_cast<uint32_t>(opts[highlightIndexes[i]]);
}

std::string FormatSettings() {
    std::string text;
    text.reserve(1024 + lastPath.size());
    for (int i = 0; i < OPTS_COUNT; ++i) {
        if (opts[i] == OPT_UNSET) continue;
        text += std::to_string(i);
        text += '=';
        text += std::to_string(opts[i]);
        text += '\n';
    }
    text += "<LastPath>=";
    text += lastPath;
    text += '\n';
    return text;
}

int32_t ParseDecimal(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1) value = static_cast<int64_t>(INT32_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<int32_t>(value);
}

static void ApplySettingsLine(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    if (line.find("<LastPath>") != std::string_view::npos) {
        lastPath.assign(line.substr(eq + 1));
        return;
    }
    const int32_t index = ParseDecimal(line.substr(0, eq));
    if (index < 0 || index >= OPTS_COUNT) return;
    opts[index] = ParseDecimal(line.substr(eq + 1));
}

void ParseSettings(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF on disk
        ApplySettingsLine(line);
        start = end + 1;
    }
}

uint32_t PaletteColor(int32_t row, int32_t col) {
    if (row < 0 || row > 1) row = 0;
    if (col < 0 || col >= PALETTE_COLUMNS) col = 0;
    return palette[row * PALETTE_COLUMNS + col];
}

uint32_t CurrentInkColor() { return PaletteColor(OptValue(IDOPTS_PENCOLORROW), OptValue(IDOPTS_PENCOLORCOL)); }

uint32_t CurrentHighlightColor() { return highlightPalette[OptValue(IDOPTS_HLCOLOR)]; }
