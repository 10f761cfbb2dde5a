#include <gtest/gtest.h>

#include <random>

#include "core/keys.h"
#include "core/options.h"

static std::vector<int32_t> Table() { return {std::begin(opts), std::end(opts)}; }

// The live ink hotkey (Alt+F12) and fading ink (off, 3 s) follow the options
// of earlier versions.
TEST(Settings, FirstRunFileIsExactlyTheDefaults) {
    SetOptionTableDefaults();
    lastPath.clear();
    EXPECT_EQ(
        FormatSettings(),
        "0=0\n7=1\n8=0\n9=0\n10=0\n11=0\n12=5\n13=3\n14=1\n16=10\n17=2\n18=2366701\n19=32511\n21=62207\n22=48896\n"
        "23=12870402\n24=16777215\n25=0\n26=153999\n27=9974127\n28=14726254\n39=0\n40=14\n42=0\n43=0\n44=4647423\n"
        "45=3403363\n46=2921727\n47=11949567\n48=16496976\n49=0\n50=0\n53=0\n54=1\n55=122\n56=0\n1009=1\n1010=1\n"
        "1052=1\n1055=1\n1064=0\n1066=1\n1067=1\n1068=123\n1071=0\n1072=3\n"
        "<LastPath>=\n");
}

// Any valid table and any folder, however long or odd, read back unchanged.
TEST(Settings, WrittenTablesReadBackUnchanged) {
    std::mt19937 rng(77);
    auto pick = [&](int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(rng); };
    for (int round = 0; round < 300; ++round) {
        SetOptionTableDefaults();
        for (int k = 0; k < optionTableSize; ++k)
            opts[optionTable[k].index] = pick(optionTable[k].minValue, optionTable[k].maxValue);
        for (int k = 0; k < 5; ++k) opts[pick(0, OPTS_COUNT - 1)] = pick(INT32_MIN, INT32_MAX);
        lastPath.clear();  // any bytes a line can hold
        for (int k = pick(0, round * 20); k > 0; --k) lastPath += static_cast<char>(pick(32, 255));
        const std::string text = FormatSettings(), path = lastPath;
        const std::vector<int32_t> written = Table();
        SetOptionTableDefaults();
        ParseSettings(text);
        ASSERT_EQ(Table(), written) << "the table read back in round " << round;
        ASSERT_EQ(lastPath, path) << "the folder read back in round " << round;
    }
}

TEST(Settings, OddLinesReadLikeAtoiAndOthersChangeNothing) {
    const std::tuple<std::string, int, int32_t> rows[] = {
        {"7=3\r\n7=5\r\n", IDOPTS_TOOL, 5},
        {"40=26", IDOPTS_FONTSIZE, 26},
        {"  40 = +48junk\n", IDOPTS_FONTSIZE, 48},
        {"43=abc\n", IDOPTS_RESERVED43, 0},
        {"x=8\n", IDOPTS_RESERVED0, 8},
        {"42=-99999999999999\n", 42, INT32_MIN},
        {"42=99999999999999999999\n", 42, INT32_MAX},
        {"\n\r\n" + std::string(20000, ' ') + "12=2\n\n", IDOPTS_OPACITY, 2}};
    for (const auto& [text, index, value] : rows) {
        SetOptionTableDefaults();
        ParseSettings(text);
        EXPECT_EQ(opts[index], value) << "option " << index << " read from " << text.substr(0, 40);
    }
    // Indexes outside the table and lines without "=" are skipped.
    const std::vector<int32_t> before = Table();
    ParseSettings("2000=1\n-1=1\n99999999999=1\n-2147483648=1\n2147483647=5\n7\n7 6\n<LastPath>\n");
    EXPECT_EQ(Table(), before) << "the option table";
}

// Every option that selects an entry of a list or table: values outside the
// list behave as the default, its first and last entries as themselves.
TEST(Settings, OutOfRangeValuesBehaveAsTheDefault) {
    const int ranges[][3] = {{IDOPTS_TOOL, 1, 8},         {IDOPTS_PENCOLORROW, 0, 1},  {IDOPTS_PENCOLORCOL, 0, 4},
                             {IDOPTS_TEXTCOLORROW, 0, 1}, {IDOPTS_TEXTCOLORCOL, 0, 4}, {IDOPTS_HLCOLOR, 0, 4},
                             {IDOPTS_OPACITY, 1, 5},      {IDOPTS_PENWIDTH, 1, 5},     {IDOPTS_SHAPEWIDTH, 1, 7},
                             {IDOPTS_FONT, 0, 7},         {IDOPTS_MARK, 0, 11},        {IDOPTS_FILL, 0, 1}};
    SetOptionTableDefaults();
    for (const auto& [index, lo, hi] : ranges) {
        const int32_t fallback = opts[index];
        for (int32_t v : {lo - 1, hi + 1, INT32_MIN, INT32_MAX, lo, hi}) {
            opts[index] = v;
            EXPECT_EQ(OptValue(index), v == lo || v == hi ? v : fallback) << "option " << index << " stored as " << v;
        }
    }
    ParseSettings("8=2\n9=-1\n11=5\n");
    EXPECT_EQ(CurrentInkColor(), palette[0]) << "ink colour of an ink position outside the palette";
    EXPECT_EQ(CurrentHighlightColor(), highlightPalette[0]) << "highlighter colour outside the palette";
    EXPECT_EQ(PaletteColor(7, -3), palette[0]) << "colour of a cell outside the palette";
    ParseSettings("8=1\n9=2\n11=4\n");
    EXPECT_EQ(CurrentInkColor(), palette[7]) << "ink colour of row 1, column 2";
    EXPECT_EQ(CurrentHighlightColor(), highlightPalette[4]) << "the last highlighter colour";
}

TEST(Settings, KeyNamesAndCodesBothWays) {
    for (const auto& [name, code] : {std::pair{"A", 65},
                                     {"F1", 112},
                                     {"F13", 124},
                                     {"", 0},
                                     {"F0", 0},
                                     {"F14", 0},
                                     {"F01", 0},
                                     {"FX", 0},
                                     {"AB", 0}})
        EXPECT_EQ(KeyNameToCode(name), code) << "code of the key named " << name;
    std::string name;
    for (int i = 0; i < KEY_LIST_SIZE; ++i) {
        EXPECT_TRUE(KeyCodeToName(KeyNameToCode(KeyListName(i)), name)) << "a name for the code of " << KeyListName(i);
        EXPECT_EQ(name, KeyListName(i)) << "the name for the code of " << KeyListName(i);
    }
}
