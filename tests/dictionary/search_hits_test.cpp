// Which terms a query finds, and in which order they are listed.
#include "dictionary_words.h"

#include "dictionary/search_hits.h"

#include <gtest/gtest.h>

#include <climits>

namespace zephyr {
namespace {

using Hits = std::vector<TSearchHit>;

Hits Find(const std::vector<TSlang>& words, std::string_view utf8Query, int item = 0) {
    return SearchHits(SearchIndex(words), W(utf8Query), item);
}

TEST(SearchMatch, FoldsLatinAndCyrillicCase) {
    const std::vector<TSlang> words = {Entry(6, {"Ганк", "gank"}), Entry(6, {"ГАНКЕР", "GANK"})};
    EXPECT_EQ(Find(words, "гА"), (Hits{Hit(0, "Ганк"), Hit(1, "ГАНКЕР")}));
    // Equal folded terms: the first collected stays first here.
    EXPECT_EQ(Find(words, "Gan"), (Hits{Hit(0, "gank"), Hit(1, "GANK")}));
}

TEST(SearchMatch, YoIsNotFolded) {
    const std::vector<TSlang> words = {Entry(0, {"Ёлка"}), Entry(0, {"ёлка"}), Entry(0, {"Елка"})};
    EXPECT_EQ(Find(words, "ёл"), (Hits{Hit(1, "ёлка")}));
    EXPECT_EQ(Find(words, "Ёл"), (Hits{Hit(0, "Ёлка")}));
    EXPECT_EQ(Find(words, "ел"), (Hits{Hit(2, "Елка")}));
}

TEST(SearchMatch, TermShorterThanQueryNeverMatches) {
    const std::vector<TSlang> words = {Entry(0, {"ga", "gan", "gank"})};
    EXPECT_EQ(Find(words, "gan"), (Hits{Hit(0, "gan"), Hit(0, "gank")}));
    EXPECT_TRUE(Find(words, "ganks").empty());
}

TEST(SearchMatch, BlanksAndControlBytesAroundTheQueryAreIgnored) {
    const std::vector<TSlang> words = {Entry(0, {"gank"}), Entry(0, {"ga nk"})};
    const SearchIndex index(words);
    const std::string padded("\0\t  gan\x1F \r\n", 11);
    EXPECT_EQ(SearchHits(index, padded, 0), (Hits{Hit(0, "gank")}));
    // Blanks inside the query are part of it.
    EXPECT_EQ(SearchHits(index, " ga n", 0), (Hits{Hit(1, "ga nk")}));
    // A query of blanks only is the empty query.
    EXPECT_EQ(SearchHits(index, " \t ", 0).size(), 2u);
}

TEST(SearchMatch, EntryWithTwoMatchingTermsIsListedTwice) {
    const std::vector<TSlang> words = {Entry(6, {"gank", "Ганк", "ganker"})};
    EXPECT_EQ(Find(words, "gan"), (Hits{Hit(0, "gank"), Hit(0, "ganker")}));
}

TEST(SearchMatch, EmptyQueryListsEveryTermSorted) {
    const std::vector<TSlang> words = {Entry(6, {"Удар", "bash"}), Entry(1, {"Axe", ""})};
    EXPECT_EQ(Find(words, ""), (Hits{Hit(1, ""), Hit(1, "Axe"), Hit(0, "bash"), Hit(0, "Удар")}));
}

TEST(SearchMatch, EntriesWithoutTermsAreNeverFound) {
    const std::vector<TSlang> words = {Entry(6, {}, "orphan"), Entry(6, {"gank"}), Entry(0, {})};
    EXPECT_EQ(Find(words, ""), (Hits{Hit(1, "gank")}));
    EXPECT_TRUE(Find({Entry(6, {})}, "", 7).empty());
}

TEST(SearchMatch, EmptyDictionaryFindsNothing) {
    const SearchIndex index;
    EXPECT_TRUE(SearchHits(index, "", 0).empty());
    EXPECT_FALSE(AnyHit(index, "", 0));
}

TEST(SearchCategory, SelectorItemPicksCategoryOneBelow) {
    std::vector<TSlang> words;
    for (std::uint8_t category = 0; category <= 7; ++category) {
        words.push_back(Entry(category, {"term"}));
    }
    const SearchIndex index(words);
    EXPECT_EQ(SearchHits(index, "", 0).size(), 8u);
    for (int item = 1; item <= 8; ++item) {
        EXPECT_EQ(SearchHits(index, "", item), (Hits{Hit(item - 1, "term")})) << item;
    }
    EXPECT_EQ(SearchHits(index, "", 7), (Hits{Hit(6, "term")})); // "Сленг" is category 6
    for (const int item : {-1, 9, 256, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(SearchHits(index, "", item).empty()) << item;
        EXPECT_FALSE(AnyHit(index, "", item)) << item;
    }
}

TEST(SearchCategory, FilterAppliesBeforeTheQuery) {
    const std::vector<TSlang> words = {Entry(6, {"gank"}), Entry(1, {"Gankster"}),
                                       Entry(6, {"Ganker"})};
    EXPECT_EQ(Find(words, "gan", 7), (Hits{Hit(0, "gank"), Hit(2, "Ganker")}));
    EXPECT_EQ(Find(words, "gan", 2), (Hits{Hit(1, "Gankster")}));
    EXPECT_TRUE(Find(words, "gan", 3).empty());
}

TEST(SearchOrder, BytesCompareUnsignedAndPrefixesComeFirst) {
    const std::vector<TSlang> words = {Entry(0, {"Я"}),  Entry(0, {"abc"}), Entry(0, {"z"}),
                                       Entry(0, {"ab"}), Entry(0, {"А"}),   Entry(0, {"Ё"})};
    EXPECT_EQ(Find(words, ""), (Hits{Hit(3, "ab"), Hit(1, "abc"), Hit(2, "z"), Hit(5, "Ё"),
                                     Hit(4, "А"), Hit(0, "Я")}));
}

TEST(SearchOrder, CaseOnlyTiesFollowTheExchanges) {
    // Step 0 exchanges "Ganker" with "gank", which puts "GANKER" first of the
    // two equal terms: not the order they were collected in.
    const std::vector<TSlang> words = {Entry(0, {"Ganker"}), Entry(0, {"GANKER"}),
                                       Entry(0, {"gank"})};
    EXPECT_EQ(Find(words, "g"), (Hits{Hit(2, "gank"), Hit(1, "GANKER"), Hit(0, "Ganker")}));
    EXPECT_EQ(CollectHits(SearchIndex(words), "g", 0),
              (Hits{Hit(0, "Ganker"), Hit(1, "GANKER"), Hit(2, "gank")}));
}

TEST(SearchIndexValue, OutlivesTheTableItWasBuiltFrom) {
    SearchIndex index;
    {
        const std::vector<TSlang> words = {Entry(3, {"Кентавр"})};
        index = SearchIndex(words);
    }
    EXPECT_EQ(SearchHits(index, W("кен"), 4), (Hits{Hit(0, "Кентавр")}));
}

} // namespace
} // namespace zephyr
