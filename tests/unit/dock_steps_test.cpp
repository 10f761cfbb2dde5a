// The wheel's colour steps are checked through the wheel, by the Win32 keys
// test.
#include <gtest/gtest.h>

#include "core/dock_steps.h"

namespace {

TEST(MarkerNumber, TheDigitsAtTheStartUpToThree) {
    const struct {
        const char* text;
        int number;
    } rows[] = {{"", 0},    {"7", 7},  {"42", 42}, {"123", 123},  {"12345", 123},
                {"007", 7}, {"4x", 4}, {"x5", 0},  {"9\r\n9", 9}, {"-3", 0}};
    for (const auto& row : rows) EXPECT_EQ(ParseMarkerNumber(row.text), row.number) << '"' << row.text << '"';
}

}  // namespace
