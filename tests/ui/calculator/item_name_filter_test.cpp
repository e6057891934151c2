#include "ui/calculator/item_name_filter.h"

#include <gtest/gtest.h>

namespace zephyr::ui {
namespace {

NameMatch Match(const char* name, const char* typed) {
    return MatchItemName(QString::fromUtf8(name), QString::fromUtf8(typed));
}

std::vector<int> Filter(const std::vector<const char*>& names, const char* typed) {
    std::vector<QString> texts;
    for (const char* name : names) {
        texts.push_back(QString::fromUtf8(name));
    }
    return FilterItemNames(texts, QString::fromUtf8(typed));
}

TEST(ItemNameMatch, EachKindIsFoundAndNamedByTheBestItIs) {
    EXPECT_EQ(Match("Stormglass Rod", "stormglass rod"), NameMatch::Exact);
    EXPECT_EQ(Match("Stormglass Rod", "STORM"), NameMatch::Prefix);
    EXPECT_EQ(Match("Stormglass Rod", "rod"), NameMatch::WordStart);
    EXPECT_EQ(Match("Stormglass Rod", "sr"), NameMatch::Initials);
    EXPECT_EQ(Match("Stormglass Rod", "glass"), NameMatch::Substring);
    EXPECT_EQ(Match("Stormglass Rod", "rods"), NameMatch::None);
    // A word that starts the name is the name's start, not a later word.
    EXPECT_EQ(Match("Rod of Rods", "rod"), NameMatch::Prefix);
    // The whole name found again later is still exact.
    EXPECT_EQ(Match("Ring", "ring"), NameMatch::Exact);
}

TEST(ItemNameMatch, EmptyTextMatchesNothing) {
    EXPECT_EQ(Match("Stormglass Rod", ""), NameMatch::None);
    EXPECT_EQ(Match("", ""), NameMatch::None);
    EXPECT_TRUE(Filter({"Stormglass Rod", "Mossy Ring"}, "").empty());
}

TEST(ItemNameMatch, InitialsArePrefixesOfTheWordsFirstLetters) {
    EXPECT_EQ(Match("Stormglass Rod - Charged", "sr"), NameMatch::Initials);
    EXPECT_EQ(Match("Stormglass Rod - Charged", "src"), NameMatch::Initials);
    EXPECT_EQ(Match("Stormglass Rod - Charged", "rc"), NameMatch::None);
    EXPECT_EQ(Match("Stormglass Rod - Charged", "srcx"), NameMatch::None);
    // A hyphen parts words, an apostrophe does not.
    EXPECT_EQ(Match("Ox-Hide Cuff", "ohc"), NameMatch::Initials);
    EXPECT_EQ(Match("Ox-Hide Cuff", "hide"), NameMatch::WordStart);
    EXPECT_EQ(Match("Gambler's Coin", "gc"), NameMatch::Initials);
    EXPECT_EQ(Match("Gambler's Coin", "gsc"), NameMatch::None);
    EXPECT_EQ(Match("Gambler's Coin", "s coin"), NameMatch::Substring);
    EXPECT_EQ(Match("Gambler’s Coin", "gc"), NameMatch::Initials);
    // Digits make words too.
    EXPECT_EQ(Match("Band of 3 Winds", "bo3w"), NameMatch::Initials);
}

TEST(ItemNameMatch, CyrillicFoldsCaseAndTakesYoForYe) {
    EXPECT_EQ(Match("Синий Лёд", "СИНИЙ ЛЕД"), NameMatch::Exact);
    EXPECT_EQ(Match("Синий Лед", "синий лёд"), NameMatch::Exact);
    EXPECT_EQ(Match("Ёлочный Шар", "елоч"), NameMatch::Prefix);
    EXPECT_EQ(Match("Ёлочный Шар", "ЁЛОЧ"), NameMatch::Prefix);
    EXPECT_EQ(Match("Синий Лёд", "лед"), NameMatch::WordStart);
    EXPECT_EQ(Match("Синий Лёд", "сл"), NameMatch::Initials);
    EXPECT_EQ(Match("Синий Лёд", "ИНИ"), NameMatch::Substring);
    EXPECT_EQ(Match("Синий Лёд", "лук"), NameMatch::None);
    EXPECT_EQ(Match("Ёж", "ё"), NameMatch::Prefix);
    EXPECT_EQ(Match("Еж", "Ё"), NameMatch::Prefix);
}

TEST(ItemNameFilter, OrdersByKindThenKeepsTheGivenOrder) {
    const std::vector<const char*> names = {
        "Mist Tower",    // 0: inside a word
        "Silver Tongue", // 1: initials
        "Stone Ring",    // 2: starts the name
        "Old Stick",     // 3: starts a later word
        "ST",            // 4: the whole name
        "Stamp",         // 5: starts the name
        "Sun Tower",     // 6: initials
        "Ring",          // 7: no match
        "Mast Stave",    // 8: inside a word, then starting a later one
    };
    EXPECT_EQ(Filter(names, "st"), (std::vector<int>{4, 2, 5, 3, 8, 1, 6, 0}));
}

TEST(ItemNameFilter, NothingMatchingGivesNothing) {
    EXPECT_TRUE(Filter({"Stormglass Rod", "Mossy Ring"}, "zz").empty());
    EXPECT_TRUE(Filter({}, "sr").empty());
}

TEST(ItemNameFilter, EqualNamesKeepTheirOrder) {
    EXPECT_EQ(Filter({"Ring", "Mossy Ring", "Ring", "Dewdrop Ring"}, "ring"),
              (std::vector<int>{0, 2, 1, 3}));
}

} // namespace
} // namespace zephyr::ui
