#include <gtest/gtest.h>

#include <random>

#include "core/options.h"
#include "core/utf8.h"

namespace {

// The legacy code page of a Western system, for the bytes these files hold.
std::string FromLatin1(std::string_view line) {
    std::string out;
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
            continue;
        }
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return out;
}

// A file of an earlier version, in the legacy code page, or of this one:
// each line is read in its own encoding (History.dat's are checked with the
// history menu).
TEST(StoredText, TheSnapshotFolderOfSettingsIsReadInEitherEncoding) {
    const std::pair<std::string, std::string> fileAndFolder[] = {
        {"7=3\r\n<LastPath>=D:\\Sch\xF6n\\\r\n", "D:\\Sch\xC3\xB6n\\"},
        {"7=3\r\n<LastPath>=D:\\\xE5\x86\x99\xE7\x9C\x9F\\\r\n", "D:\\\xE5\x86\x99\xE7\x9C\x9F\\"}};
    for (const auto& [file, folder] : fileAndFolder) {
        ParseSettings(WithLegacyLinesConverted(file, FromLatin1));
        EXPECT_EQ(lastPath, folder) << "folder of " << testing::PrintToString(file);
    }
}

// Random text of characters one to four bytes long, cut at every limit: the
// cut is the longest whole-character prefix within the limit.
TEST(Utf8, TextIsCutBetweenCharacters) {
    const std::string characters[] = {"a", "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80"};
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int i = 0; i < 12; ++i) text += characters[rng() % 4];
        const size_t limit = rng() % (text.size() + 2);
        const size_t cut = Utf8CutPoint(text, limit);
        ASSERT_LE(cut, limit) << text;
        ASSERT_TRUE(IsValidUtf8(text.substr(0, cut))) << "cut of " << testing::PrintToString(text) << " at " << limit;
        const auto lead = static_cast<unsigned char>(text[cut]);
        const size_t next = cut == text.size() ? 0 : lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        ASSERT_TRUE(next == 0 || cut + next > limit) << "a whole character more fits at " << limit;
    }
}

}  // namespace
