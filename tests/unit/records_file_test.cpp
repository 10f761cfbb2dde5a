#include <gtest/gtest.h>

#include <random>

#include "core/records_file.h"

namespace {

// Lists of records within the ranges the tools give, their texts of random
// bytes, read back the same; every shorter cut of the file (short of its last
// line end), and the file with a line more, are refused and leave what they
// were read into as it was.
TEST(RecordsFile, WhatIsWrittenReadsBackTheSame) {
    std::mt19937 rng(2026);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    auto any = [&] { return static_cast<int32_t>(rng()); };
    for (int round = 0; round < 150; ++round) {
        DrawingRecords drawing{round % 2 == 1, std::vector<Annotation>(pick(0, 11)), pick(0, 9000000)};
        for (Annotation& a : drawing.records) {
            const auto kind = static_cast<uint8_t>(pick(ANNOT_PEN, ANNOT_MARK));
            const int n = kind == ANNOT_PEN ? pick(0, 40) : kind == ANNOT_HIGHLIGHTER || kind == ANNOT_MARK ? 0 : 2;
            a = {.markIndex = pick(0, 11),
                 .markNumber = any(),
                 .textColorRow = pick(0, 1),
                 .textColorCol = pick(0, 4),
                 .fontSize = pick(1, 1000),
                 .fontIndex = pick(-1, 7),
                 .text = std::string(pick(0, 2500), ' '),
                 .filled = pick(0, 1),
                 .color = uint32_t(pick(0, 0xFFFFFF)),
                 .x = any(),
                 .y = any(),
                 .cx = any(),
                 .cy = any(),
                 .kind = kind,
                 .lineWidth = int16_t(pick(0, 7)),
                 .opacity = int16_t(pick(0, 5)),
                 .points = std::vector<Point32>(n)};
            for (Point32& p : a.points) p = {any(), any()};
            for (char& c : a.text) c = static_cast<char>(pick(0, 255));
        }
        const std::string text = FormatRecordsFile(drawing);
        DrawingRecords back;
        ASSERT_TRUE(ParseRecordsFile(text, back));
        ASSERT_EQ(back, drawing);
        ASSERT_FALSE(ParseRecordsFile(std::string_view(text).substr(0, rng() % (text.size() - 1)), back));
        ASSERT_FALSE(ParseRecordsFile(text + "more\n", back));
        ASSERT_EQ(back, drawing);
    }
}

}  // namespace
