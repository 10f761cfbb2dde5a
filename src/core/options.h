// The option table: every user setting is one 32-bit integer in `opts`,
// indexed by the named constants below. 9999 marks an entry that is unset and
// never written to Settings.dat. Platform-free.
#pragma once

#include <cstdint>
#include <climits>
#include <string>
#include <string_view>

constexpr int OPTS_COUNT = 2000;
constexpr int32_t OPT_UNSET = 9999;

enum OptionIndex : int {
    IDOPTS_RESERVED0 = 0,
    IDOPTS_TOOL = 7,
    IDOPTS_PENCOLORROW = 8,
    IDOPTS_PENCOLORCOL = 9,
    IDOPTS_TEXTCOLORROW = 10,
    IDOPTS_HLCOLOR = 11,
    IDOPTS_OPACITY = 12,
    IDOPTS_PENWIDTH = 13,
    IDOPTS_RESERVED14 = 14,
    IDOPTS_RESERVED16 = 16,
    IDOPTS_SHAPEWIDTH = 17,
    IDOPTS_PENCOLOR0 = 18,
    IDOPTS_PENCOLOR1 = 19,
    IDOPTS_PENCOLOR2 = 21,
    IDOPTS_PENCOLOR3 = 22,
    IDOPTS_PENCOLOR4 = 23,
    IDOPTS_PENCOLOR5 = 24,
    IDOPTS_PENCOLOR6 = 25,
    IDOPTS_PENCOLOR7 = 26,
    IDOPTS_PENCOLOR8 = 27,
    IDOPTS_PENCOLOR9 = 28,
    IDOPTS_FONT = 39,
    IDOPTS_FONTSIZE = 40,
    IDOPTS_RESERVED42 = 42,
    IDOPTS_RESERVED43 = 43,
    IDOPTS_HLCOLOR0 = 44,
    IDOPTS_HLCOLOR1 = 45,
    IDOPTS_HLCOLOR2 = 46,
    IDOPTS_HLCOLOR3 = 47,
    IDOPTS_HLCOLOR4 = 48,
    IDOPTS_FILL = 49,
    IDOPTS_TEXTCOLORCOL = 50,
    IDOPTS_MARK = 53,
    OPT_MODSHOW = 54,
    OPT_KEYSHOW = 55,
    IDOPTS_WHITEBOARD = 56,
    IDOPTS_RUNATSTART = 1009,
    IDOPTS_RESERVED1010 = 1010,
    IDOPTS_DOCKTOP = 1052,
    IDOPTS_AUTOHIDE = 1055,
    IDOPTS_HOTKEYCTRL = 1064,
    IDOPTS_HOTKEYALT = 1066,
    OPT_MODLIVE = 1067,  // the live ink hotkey's modifiers, as OPT_MODSHOW
    OPT_KEYLIVE = 1068,  // and its key, as OPT_KEYSHOW
    IDOPTS_COPYSAVED = 1070,
    OPT_ALLFADES = 1071,     // 1: every new record fades
    OPT_FADESECONDS = 1072,  // fading ink starts to fade this long after its phrase
};

// Tool values of IDOPTS_TOOL; 1..7 equal the annotation kinds they make.
enum ToolValue : int32_t {
    TOOL_PEN = 1,
    TOOL_HIGHLIGHTER = 2,
    TOOL_RECT = 3,
    TOOL_ROUNDRECT = 4,
    TOOL_ELLIPSE = 5,
    TOOL_ARROW = 6,
    TOOL_MARK = 7,
    TOOL_ERASER = 8,
};

constexpr int PALETTE_COLUMNS = 5;
constexpr int PALETTE_SIZE = 10;
constexpr int HIGHLIGHT_PALETTE_SIZE = 5;
constexpr int MARK_COUNT = 12;
// Marks 0..2 carry a number that counts up with every use.
constexpr int NUMBERED_MARKS = 3;
// The range of an option or a stored number that any 32-bit value may take.
constexpr int32_t ANY_MIN = INT32_MIN;
constexpr int32_t ANY_MAX = INT32_MAX;
constexpr int FONT_FACE_COUNT = 8;

// One row of the option table: its default and the range of values that make
// sense. The range guards every place where an option indexes a table.
struct OptionInfo {
    int index;
    const char* name;
    int32_t defaultValue;
    int32_t minValue;
    int32_t maxValue;
};

extern const OptionInfo optionTable[];
extern const int optionTableSize;

extern int32_t opts[OPTS_COUNT];
extern uint32_t palette[PALETTE_SIZE];                     // COLORREF 0x00BBGGRR
extern uint32_t highlightPalette[HIGHLIGHT_PALETTE_SIZE];  // COLORREF 0x00BBGGRR
extern std::string lastPath;                               // folder last used for snapshots

// The table row of an index, or nullptr for an index without a name.
const OptionInfo* FindOptionInfo(int index);

// opts[index] when it lies in the option's range, else the option's default.
// Used wherever a stored value selects an entry of a table or a list.
int32_t OptValue(int index);

// Fills opts (everything 9999, then the defaults) and both palettes.
void SetOptionTableDefaults();

// Settings.dat as text, "\n" line ends: "index=value" per set entry in
// increasing index order, then "<LastPath>=" + lastPath.
std::string FormatSettings();

// Applies the text of a Settings.dat file to opts and lastPath.
void ParseSettings(std::string_view text);

// atoi-like: leading blanks, optional sign, digits up to the first other
// character; no digits gives 0. Values beyond 32 bits saturate.
int32_t ParseDecimal(std::string_view s);

// Derived values, each falling back to its default when the stored option is
// out of range.
uint32_t CurrentInkColor();        // palette[row * 5 + col]
uint32_t CurrentHighlightColor();  // highlightPalette[IDOPTS_HLCOLOR]
uint32_t PaletteColor(int32_t row, int32_t col);
