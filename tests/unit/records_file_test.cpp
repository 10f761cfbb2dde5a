#include <gtest/gtest.h>

#include <random>

#include "model/records_file.h"

namespace {

// A record within the ranges the tools give, its text of random bytes.
Annotation RandomRecord(std::mt19937& rng) {
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    auto any = [&] { return static_cast<int32_t>(rng()); };
    Annotation a;
    a.kind = static_cast<uint8_t>(pick(ANNOT_PEN, ANNOT_MARK));
    a.x = any(), a.y = any(), a.cx = any(), a.cy = any(), a.markNumber = any(), a.color = pick(0, 0xFFFFFF);
    a.lineWidth = static_cast<int16_t>(pick(0, 7)), a.opacity = static_cast<int16_t>(pick(0, 5));
    a.filled = pick(0, 1), a.markIndex = pick(0, 11), a.textColorRow = pick(0, 1), a.textColorCol = pick(0, 4);
    a.fontSize = pick(1, 1000), a.fontIndex = pick(-1, 7);
    a.points.resize(a.kind == ANNOT_PEN ? pick(0, 40) : a.kind == ANNOT_HIGHLIGHTER || a.kind == ANNOT_MARK ? 0 : 2);
    for (Point32& p : a.points) p = {any(), any()};
    a.text.resize(pick(0, 2500));
    for (char& c : a.text) c = static_cast<char>(pick(0, 255));
    return a;
}

// Written lists read back the same; every shorter cut of the file (short
// of its last line end) is refused.
TEST(RecordsFile, WhatIsWrittenReadsBackTheSame) {
    std::mt19937 rng(2026);
    for (int round = 0; round < 150; ++round) {
        DrawingRecords drawing{round % 2 == 1, std::vector<Annotation>(rng() % 12), int64_t(rng() % 9000000)};
        for (Annotation& a : drawing.records) a = RandomRecord(rng);
        const std::string text = FormatRecordsFile(drawing);
        DrawingRecords back;
        ASSERT_TRUE(ParseRecordsFile(text, back));
        ASSERT_EQ(back, drawing);
        const size_t cut = rng() % (text.size() - 1);
        ASSERT_FALSE(ParseRecordsFile(std::string_view(text).substr(0, cut), back)) << cut;
        ASSERT_EQ(back, drawing);
    }
}

}  // namespace
