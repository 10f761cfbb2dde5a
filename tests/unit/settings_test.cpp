#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/keys.h"
#include "settings/options.h"

namespace {

class SettingsText : public ::testing::Test {
protected:
    void SetUp() override {
        SetOptionTableDefaults();
        lastPath.clear();
    }
};

TEST_F(SettingsText, FirstRunFileIsExactlyTheDefaults) {
    const std::string expected =
        "0=0\n7=1\n8=0\n9=0\n10=0\n11=0\n12=5\n13=3\n14=1\n16=10\n17=2\n"
        "18=2366701\n19=32511\n21=62207\n22=48896\n23=12870402\n24=16777215\n25=0\n"
        "26=153999\n27=9974127\n28=14726254\n39=0\n40=14\n42=0\n43=0\n"
        "44=4647423\n45=3403363\n46=2921727\n47=11949567\n48=16496976\n"
        "49=0\n50=0\n53=0\n54=1\n55=122\n56=0\n1009=1\n1010=1\n1052=1\n1055=1\n"
        "1064=0\n1066=1\n<LastPath>=\n";
    EXPECT_EQ(FormatSettings(), expected);
}

TEST_F(SettingsText, RoundTripRestoresEveryEntryAndThePath) {
    opts[IDOPTS_TOOL] = 6;
    opts[IDOPTS_FONTSIZE] = 72;
    opts[1999] = -5;
    opts[IDOPTS_RESERVED42] = OPT_UNSET;
    lastPath = "C:\\Users\\me\\Pictures with spaces\\";
    const std::string text = FormatSettings();
    int32_t saved[OPTS_COUNT];
    std::copy(std::begin(opts), std::end(opts), saved);

    SetOptionTableDefaults();
    lastPath = "other";
    ParseSettings(text);
    for (int i = 0; i < OPTS_COUNT; ++i) {
        if (i == IDOPTS_RESERVED42) continue;  // unset entries are not written
        EXPECT_EQ(opts[i], saved[i]) << "index " << i;
    }
    EXPECT_EQ(lastPath, "C:\\Users\\me\\Pictures with spaces\\");
}

struct ParseCase {
    const char* name;
    std::string text;
    int index;
    int32_t value;
};

class SettingsParse : public SettingsText, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(SettingsParse, ReadsLikeAtoi) {
    const ParseCase& c = GetParam();
    ParseSettings(c.text);
    EXPECT_EQ(opts[c.index], c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsParse,
    ::testing::Values(ParseCase{"later_line_wins", "7=3\r\n7=5\r\n", IDOPTS_TOOL, 5},
                      ParseCase{"crlf", "12=2\r\n", IDOPTS_OPACITY, 2},
                      ParseCase{"lf_only", "12=4\n13=1\n", IDOPTS_PENWIDTH, 1},
                      ParseCase{"no_trailing_newline", "40=26", IDOPTS_FONTSIZE, 26},
                      ParseCase{"leading_blanks_and_sign", "  40 =  +48junk\n", IDOPTS_FONTSIZE, 48},
                      ParseCase{"negative", "42=-17\n", IDOPTS_RESERVED42, -17},
                      ParseCase{"non_numeric_value", "43=abc\n", IDOPTS_RESERVED43, 0},
                      ParseCase{"non_numeric_index_is_zero", "x=8\n", IDOPTS_RESERVED0, 8},
                      ParseCase{"huge_value_saturates", "42=99999999999999999999\n", IDOPTS_RESERVED42,
                                INT32_MAX},
                      ParseCase{"huge_negative_saturates", "42=-99999999999999999999\n",
                                IDOPTS_RESERVED42, INT32_MIN},
                      ParseCase{"line_without_equals_is_skipped", "7\n7 6\n", IDOPTS_TOOL, TOOL_PEN},
                      ParseCase{"empty_lines", "\n\r\n\n7=2\n\n", IDOPTS_TOOL, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsText, IndexesOutsideTheTableAreIgnored) {
    int32_t before[OPTS_COUNT];
    std::copy(std::begin(opts), std::end(opts), before);
    ParseSettings("2000=1\n-1=1\n99999999999=1\n-2147483648=1\n2147483647=5\n");
    EXPECT_TRUE(std::equal(std::begin(opts), std::end(opts), before));
}

TEST_F(SettingsText, LastPathTakesEverythingAfterTheFirstEquals) {
    ParseSettings("<LastPath>=C:\\a=b\\c==\r\n");
    EXPECT_EQ(lastPath, "C:\\a=b\\c==");
    ParseSettings("junk <LastPath> junk=D:\\x\n");
    EXPECT_EQ(lastPath, "D:\\x");
    ParseSettings("<LastPath>=\n");
    EXPECT_EQ(lastPath, "");
    ParseSettings("<LastPath>");  // no "=": skipped
    EXPECT_EQ(lastPath, "");
}

TEST_F(SettingsText, LinesOfAnyLengthAreReadWhole) {
    const std::string longPath = "C:\\" + std::string(5000, 'p') + "\\";
    ParseSettings("7=4\n<LastPath>=" + longPath + "\r\n" + std::string(20000, ' ') + "12=2\n");
    EXPECT_EQ(lastPath, longPath);
    EXPECT_EQ(opts[IDOPTS_TOOL], 4);
    EXPECT_EQ(opts[IDOPTS_OPACITY], 2);

    lastPath = longPath;
    const std::string text = FormatSettings();
    lastPath.clear();
    ParseSettings(text);
    EXPECT_EQ(lastPath, longPath);
}

TEST_F(SettingsText, OutOfRangeValuesBehaveAsTheDefault) {
    ParseSettings("7=9\n8=2\n9=-1\n11=5\n53=12\n39=8\n12=0\n13=6\n17=8\n");
    EXPECT_EQ(OptValue(IDOPTS_TOOL), TOOL_PEN);
    EXPECT_EQ(OptValue(IDOPTS_MARK), 0);
    EXPECT_EQ(OptValue(IDOPTS_FONT), 0);
    EXPECT_EQ(OptValue(IDOPTS_OPACITY), 5);
    EXPECT_EQ(OptValue(IDOPTS_PENWIDTH), 3);
    EXPECT_EQ(OptValue(IDOPTS_SHAPEWIDTH), 2);
    EXPECT_EQ(CurrentInkColor(), palette[0]);
    EXPECT_EQ(CurrentHighlightColor(), highlightPalette[0]);
    EXPECT_EQ(PaletteColor(7, -3), palette[0]);
    // The stored values themselves are kept as read; colours read do not
    // repaint the palettes.
    EXPECT_EQ(opts[IDOPTS_TOOL], 9);
    ParseSettings("18=255\n");
    EXPECT_EQ(palette[0], 0x241CEDu);

    ParseSettings("7=8\n8=1\n9=2\n11=4\n");
    EXPECT_EQ(OptValue(IDOPTS_TOOL), TOOL_ERASER);
    EXPECT_EQ(CurrentInkColor(), palette[7]);
    EXPECT_EQ(CurrentHighlightColor(), highlightPalette[4]);
}

TEST(Keys, NamesAndCodesBothWays) {
    for (const auto& [name, code] : {std::pair{"A", 65}, {"Z", 90}, {"F", 70}, {"F1", 112}, {"F11", 122}, {"F13", 124},
                                     {"", 0}, {"F0", 0}, {"F14", 0}, {"F01", 0}, {"FX", 0}, {"AB", 0}, {"F123", 0}})
        EXPECT_EQ(KeyNameToCode(name), code) << name;
    // The list runs F1..F12 then A..Z, and every name reads back.
    EXPECT_EQ(KeyListName(0) + KeyListName(11) + KeyListName(12) + KeyListName(37), "F1F12AZ");
    for (int i = 0; i < KEY_LIST_SIZE; ++i) {
        std::string back;
        ASSERT_TRUE(KeyCodeToName(KeyNameToCode(KeyListName(i)), back)) << i;
        EXPECT_EQ(back, KeyListName(i));
    }
    std::string name = "keep";
    EXPECT_FALSE(KeyCodeToName(124, name) || KeyCodeToName(0, name));
    EXPECT_EQ(name, "keep");
}

}  // namespace
