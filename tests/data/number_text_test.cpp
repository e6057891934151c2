#include "data/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>

namespace zephyr {
namespace {

TEST(NumberText, WholeNumbersAreTheWholeText) {
    EXPECT_EQ(ParseWhole<int>("42"), 42);
    EXPECT_EQ(ParseWhole<int>("-7"), -7);
    EXPECT_EQ(ParseWhole<int>("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseWhole<int>("2147483648"), std::nullopt); // out of range
    EXPECT_EQ(ParseWhole<std::uint8_t>("256"), std::nullopt);
    for (const char* text : {"", "-", "+5", " 5", "5 ", "5x", "0x10", "1e3", "4.0", "--5"}) {
        EXPECT_EQ(ParseWhole<int>(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(NumberText, DecimalsTakeOnePointAndNothingElse) {
    EXPECT_EQ(ParseDecimal("1.5"), 1.5);
    EXPECT_EQ(ParseDecimal("-0.25"), -0.25);
    EXPECT_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_EQ(ParseDecimal("5."), 5.0);
    EXPECT_EQ(ParseDecimal("12"), 12.0);
    for (const char* text :
         {"", ".", "-", "-.", "1.2.3", "1e5", "inf", "nan", "-inf", "0x1p3", "+1", " 1", "1,5"}) {
        EXPECT_EQ(ParseDecimal(text), std::nullopt) << '"' << text << '"';
    }
}

// A user's locale may write a decimal comma; the program's texts never do.
TEST(NumberText, TheLocaleDoesNotMatter) {
    const char* const before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before != nullptr ? before : "C";
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "C.UTF-8");
    }
    EXPECT_EQ(ParseDecimal("2.75"), 2.75);
    EXPECT_EQ(ParseDecimal("2,75"), std::nullopt);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, HundredthsAsTheCataloguesStoreThem) {
    EXPECT_EQ(ParseHundredths("1.5").Value, 150);
    EXPECT_EQ(ParseHundredths("-0.05").Value, -5);
    EXPECT_EQ(ParseHundredths("21000000").Value, 2100000000);
    EXPECT_EQ(ParseHundredths("0.1").Problem, HundredthsProblem::None);
    EXPECT_EQ(ParseHundredths("1.005").Problem, HundredthsProblem::TooManyDecimals);
    EXPECT_EQ(ParseHundredths("21000001").Problem, HundredthsProblem::TooLarge);
    EXPECT_EQ(ParseHundredths("5x").Problem, HundredthsProblem::NotANumber);
    EXPECT_EQ(ParseHundredths("1e2").Problem, HundredthsProblem::NotANumber);
}

} // namespace
} // namespace zephyr
