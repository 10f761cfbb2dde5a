#include <gtest/gtest.h>

#include <random>

#include "core/records_file.h"

namespace {

std::mt19937 rng(2026);

int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

// `count` random characters of every plane, ASCII to beyond the BMP, in UTF-8.
std::string RandomText(int count) {
    static const std::pair<int, int> planes[] = {
        {0x20, 0x7E}, {0xA0, 0x7FF}, {0x800, 0xD7FF}, {0xE000, 0xFFFD}, {0x10000, 0x10FFFF}};
    std::string text;
    for (int i = 0; i < count; ++i) {
        const auto [low, high] = planes[Pick(0, 4)];
        const auto c = static_cast<char32_t>(Pick(low, high));
        if (c < 0x80) {
            text += static_cast<char>(c);
            continue;
        }
        const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        text += static_cast<char>(((0xFF00 >> (tail + 1)) & 0xFF) | (c >> (6 * tail)));
        for (int k = tail - 1; k >= 0; --k) text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return text;
}

// Lists of records within the ranges the tools give, their texts random
// characters of every plane, read back the same; every shorter cut of the
// file (short of its last line end) is refused and leaves what it was read
// into as it was.
TEST(RecordsFile, WhatIsWrittenReadsBackTheSame) {
    const auto pick = Pick;
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
                 .text = RandomText(pick(0, 700)),
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
        }
        const std::string text = FormatRecordsFile(drawing);
        DrawingRecords back;
        ASSERT_TRUE(ParseRecordsFile(text, back));
        ASSERT_EQ(back, drawing);
        ASSERT_FALSE(ParseRecordsFile(std::string_view(text).substr(0, rng() % (text.size() - 1)), back));
        ASSERT_EQ(back, drawing);
    }
}

// A text of bytes that are not UTF-8 (a stray continuation, a surrogate, an
// overlong form, a cut character) is damage in a file of this version.
TEST(RecordsFile, TextThatIsNotUtf8IsRefused) {
    DrawingRecords drawing{false, {MakeShapeRecord(ANNOT_RECT, {0, 0}, {9, 9})}, 0};
    DrawingRecords back;
    drawing.records[0].text = "\xC3\xA9";
    ASSERT_TRUE(ParseRecordsFile(FormatRecordsFile(drawing), back)) << "the same record with UTF-8 text";
    for (const char* bad : {"a\x80", "\xED\xA0\x80", "\xC0\xAF", "\xE6\x97", "\xF4\x90\x80\x80"}) {
        drawing.records[0].text = bad;
        EXPECT_FALSE(ParseRecordsFile(FormatRecordsFile(drawing), back)) << "text " << testing::PrintToString(bad);
    }
}

// Files of version 1 hold text in the legacy code page: its bytes are kept
// for the program to convert, and the drawing says so.
TEST(RecordsFile, AVersion1FileKeepsItsLegacyTextBytes) {
    DrawingRecords drawing{false, {MakeShapeRecord(ANNOT_RECT, {0, 0}, {9, 9})}, 0};
    drawing.records[0].text = "caf\xE9 \x80";
    std::string text = FormatRecordsFile(drawing);
    text.replace(0, text.find('\n'), "QuillcastDrawing 1");
    DrawingRecords back;
    ASSERT_TRUE(ParseRecordsFile(text, back));
    EXPECT_EQ(back.records[0].text, drawing.records[0].text) << "text bytes";
    EXPECT_TRUE(back.legacyText) << "legacy text";
}

}  // namespace
