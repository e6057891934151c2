#include "data/byte_helpers.h"
#include "data/cp1251.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

TEST(UpperCaseCyr, LatinAndCyrillicLettersOnly) {
    EXPECT_EQ(UpperCaseCyr("abz"), "ABZ");
    EXPECT_EQ(UpperCaseCyr("\xE0\xFF"), "\xC0\xDF");             // а я -> А Я
    EXPECT_EQ(UpperCaseCyr("\xB8"), "\xB8");                     // ё stays, not Ё
    EXPECT_EQ(UpperCaseCyr("09 AZ\xC0\xDF{"), "09 AZ\xC0\xDF{"); // unchanged
    EXPECT_EQ(UpperCaseCyr(""), "");
}

TEST(SwapMemory, ExchangesBlocksAndZeroCountChangesNothing) {
    char a[4] = {'a', 'b', 'c', 'd'};
    char b[4] = {'w', 'x', 'y', 'z'};
    SwapMemory(a, b, 0);
    EXPECT_EQ(std::string(a, 4), "abcd");
    SwapMemory(a, b, 3);
    EXPECT_EQ(std::string(a, 4), "wxyd");
    EXPECT_EQ(std::string(b, 4), "abcz");
}

TEST(Cp1251, RoundTripsEveryCharacterButTheHole) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != 0x98) {
            all += static_cast<char>(byte);
        }
    }
    EXPECT_EQ(Cp1251FromUtf8(Utf8FromCp1251(all)), all);
}

TEST(Cp1251, KnownCharacters) {
    EXPECT_EQ(Utf8FromCp1251("\xC0\xFF\xA8\xB8\xB9"), "АяЁё№");
    EXPECT_EQ(Utf8FromCp1251("\x98"), "\xEF\xBF\xBD"); // U+FFFD
    EXPECT_EQ(Cp1251FromUtf8("Загрузка героев..."),
              "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0 \xE3\xE5\xF0\xEE\xE5\xE2...");
    EXPECT_EQ(Cp1251FromUtf8("日"), "?");
    EXPECT_EQ(Cp1251FromUtf8("\xFF"), "?"); // malformed UTF-8
    EXPECT_EQ(Cp1251FromUtf8("\xD0"), "?"); // cut sequence
}

TEST(Cp1251, CheckedConversionRefusesWhatItCannotHold) {
    EXPECT_EQ(CheckedCp1251FromUtf8("€ Ёж?"), std::string("\x88 \xA8\xE6?"));
    EXPECT_EQ(CheckedCp1251FromUtf8(""), std::string());
    EXPECT_EQ(CheckedCp1251FromUtf8("a漢"), std::nullopt);
    EXPECT_EQ(CheckedCp1251FromUtf8("\xEF\xBF\xBD"), std::nullopt); // U+FFFD has no byte
    EXPECT_EQ(CheckedCp1251FromUtf8("\xD0"), std::nullopt);         // cut sequence
}

TEST(TrimControl, BothEnds) {
    EXPECT_EQ(TrimControl(std::string_view("\0 a b\x20\x1F", 7)), "a b");
    EXPECT_EQ(TrimControl("   "), "");
}

} // namespace
} // namespace zephyr
