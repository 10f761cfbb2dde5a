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
    static const unsigned char leads[] = {0x00, 0xC0, 0xE0, 0xF0};
    std::string text;
    for (int i = 0; i < count; ++i) {
        const auto [low, high] = planes[Pick(0, 4)];
        const auto c = static_cast<char32_t>(Pick(low, high));
        const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;  // continuation bytes
        text += static_cast<char>(leads[tail] | (c >> (6 * tail)));
        for (int k = tail - 1; k >= 0; --k) text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return text;
}

// Lists of records within the ranges the tools give, their texts random
// characters of every plane, read back the same (a drawing of live ink in
// a version of its own, every other one as before); every shorter cut of the
// file (short of its last line end), and the file with a line more, are
// refused and leave what they were read into as it was.
TEST(RecordsFile, WhatIsWrittenReadsBackTheSame) {
    const auto pick = Pick;
    auto any = [&] { return static_cast<int32_t>(rng()); };
    for (int round = 0; round < 150; ++round) {
        DrawingRecords drawing{round % 2 == 1, round % 3 == 0, std::vector<Annotation>(pick(0, 11)), pick(0, 9000000)};
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
        ASSERT_EQ(text.starts_with("QuillcastDrawing 2\n"), !drawing.live) << "the version earlier programs read";
        ASSERT_FALSE(ParseRecordsFile(std::string_view(text).substr(0, rng() % (text.size() - 1)), back));
        ASSERT_FALSE(ParseRecordsFile(text + "more\n", back));
        ASSERT_EQ(back, drawing);
    }
}

// Text must be well-formed UTF-8 in a file of this version: a stray or
// missing continuation byte, an overlong form, a surrogate or a character
// beyond U+10FFFF is damage.
TEST(RecordsFile, OnlyWellFormedUtf8TextIsRead) {
    const std::pair<const char*, bool> rows[] = {
        {"\xC3\xA9", true},      {"\xF0\x9F\x98\x80", true},  {"\xF4\x8F\xBF\xBF", true},     {"a\x80", false},
        {"\xC3", false},         {"\xC0\xAF", false},         {"\xE0\x9F\xBF", false},        {"\xED\xA0\x80", false},
        {"\xE6\x97\x41", false}, {"\xF4\x90\x80\x80", false}, {"\xF8\x88\x80\x80\x80", false}};
    DrawingRecords drawing{false, false, {MakeShapeRecord(ANNOT_RECT, {0, 0}, {9, 9})}, 0};
    for (const auto& [text, valid] : rows) {
        drawing.records[0].text = text;
        DrawingRecords back;
        EXPECT_EQ(ParseRecordsFile(FormatRecordsFile(drawing), back), valid) << testing::PrintToString(text);
    }
}

}  // namespace
