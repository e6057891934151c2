// Suggestions when a query finds nothing.
#include "dictionary_words.h"

#include "dictionary/near_misses.h"

#include "data/byte_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <tuple>

namespace zephyr {
namespace {

using Misses = std::vector<std::string>;

TEST(NearMissDistance, WholeTermOrItsStart) {
    EXPECT_EQ(NearMissDistance("GANK", "GANK", 2), 0u);
    EXPECT_EQ(NearMissDistance("GNAK", "GANK", 2), 2u);   // two substitutions
    EXPECT_EQ(NearMissDistance("GAK", "GANK", 2), 1u);    // one insertion
    EXPECT_EQ(NearMissDistance("GANKK", "GANK", 2), 1u);  // one deletion
    EXPECT_EQ(NearMissDistance("GANX", "GANKER", 2), 1u); // start "GANK", whole term 3
    EXPECT_EQ(NearMissDistance("", "GANK", 2), 0u);       // empty start
    EXPECT_EQ(NearMissDistance("GA", "", 2), 2u);
    EXPECT_EQ(NearMissDistance("", "", 2), 0u);
}

TEST(NearMissDistance, CappedAtTheBound) {
    EXPECT_EQ(NearMissDistance("ABCDEF", "UVWXYZ", 2), 3u);
    EXPECT_EQ(NearMissDistance("ABC", "ABCDEFGH", 2), 0u); // the start matches
    EXPECT_EQ(NearMissDistance("ABCDEFGH", "ABC", 2), 3u);
    EXPECT_EQ(NearMissDistance("XBCDEFGH", "ABCDEFGH", 0), 1u);
    EXPECT_EQ(NearMissDistance("KITTEN", "SITTING", 5), 2u); // start "SITTIN": 2; whole 3
    EXPECT_EQ(NearMissDistance("KITTEN", "SITTING", SIZE_MAX), 2u);
    EXPECT_EQ(NearMissDistance("AB", "XYZW", SIZE_MAX), 2u); // start "XY"
}

TEST(NearMisses, ClosestFirstThenAlphabetical) {
    const std::vector<TSlang> words = {Entry(6, {"Ganker"}), Entry(6, {"gang"}), Entry(6, {"Bank"}),
                                       Entry(6, {"tank"}), Entry(6, {"Ганк"})};
    // Ganker 1 (its start "GANK"), then Bank, gang and tank at 2.
    EXPECT_EQ(NearMisses(SearchIndex(words), "gamk", 0), (Misses{"Ganker", "Bank", "gang"}));
}

TEST(NearMisses, FoldedDuplicatesCountOnceWithTheFirstSpelling) {
    const std::vector<TSlang> words = {Entry(6, {"Gank", "GANK"}), Entry(6, {"gank"}),
                                       Entry(6, {"gang"})};
    EXPECT_EQ(NearMisses(SearchIndex(words), "gunk", 0), (Misses{"Gank", "gang"}));
}

TEST(NearMisses, AtMostThreeAndOnlyWithinTwo) {
    const std::vector<TSlang> words = {Entry(6, {"abcd", "abce", "abcf", "abcg", "zzzz"})};
    EXPECT_EQ(NearMisses(SearchIndex(words), "abxx", 0), (Misses{"abcd", "abce", "abcf"}));
    EXPECT_TRUE(NearMisses(SearchIndex(words), "qqqq", 0).empty());
}

TEST(NearMisses, OnlyTheChosenCategory) {
    const std::vector<TSlang> words = {Entry(6, {"gank"}), Entry(1, {"gang"})};
    EXPECT_EQ(NearMisses(SearchIndex(words), "gunk", 2), (Misses{"gang"}));
    EXPECT_EQ(NearMisses(SearchIndex(words), "gunk", 7), (Misses{"gank"}));
    EXPECT_TRUE(NearMisses(SearchIndex(words), "gunk", 4).empty());
}

TEST(NearMisses, NothingWhenTheQueryHasHits) {
    const std::vector<TSlang> words = {Entry(6, {"gank"}), Entry(6, {"gang"})};
    EXPECT_TRUE(NearMisses(SearchIndex(words), "gan", 0).empty());
    EXPECT_TRUE(NearMisses(SearchIndex(), "gan", 0).empty());
}

// Every distance computed in full, no bound, no early exit.
std::size_t FullDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                d[i][j] = i + j;
            } else {
                d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                    d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            }
        }
    }
    return d[a.size()][b.size()];
}

Misses PlainNearMisses(const std::vector<TSlang>& words, const std::string& query, int item) {
    const std::string q = UpperCaseCyr(query);
    std::vector<std::tuple<std::size_t, std::string, std::string>> found; // distance, folded, term
    std::set<std::string> seen;
    for (const TSlang& entry : words) {
        if (item != 0 && item != entry.Category + 1) {
            continue;
        }
        for (const std::string& term : entry.Terms) {
            const std::string t = UpperCaseCyr(term);
            const std::size_t d = std::min(
                FullDistance(q, t), FullDistance(q, std::string_view(t).substr(0, q.size())));
            if (d <= 2 && seen.insert(t).second) {
                found.emplace_back(d, t, term);
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    Misses misses;
    for (std::size_t k = 0; k < found.size() && k < 3; ++k) {
        misses.push_back(std::get<2>(found[k]));
    }
    return misses;
}

TEST(NearMisses, AgreeWithFullDistancesOnTwentyThousandTerms) {
    std::vector<TSlang> words;
    for (int w = 0; w < 10000; ++w) {
        words.push_back(Entry(static_cast<std::uint8_t>(w % 7), {}));
        words.back().Terms = {"term" + std::to_string(w), W("термин") + std::to_string(w)};
    }
    const SearchIndex index(words);
    EXPECT_EQ(NearMisses(index, "terx12", 0), (Misses{"term12", "term120", "term1200"}));
    for (const std::string& query : {std::string("terx12"), std::string("trem5"), W("тирмин9995"),
                                     W("ТЕРМИНН"), std::string("xerm99999"), std::string("tx")}) {
        for (const int item : {0, 7}) {
            EXPECT_EQ(NearMisses(index, query, item), PlainNearMisses(words, query, item))
                << Utf8FromCp1251(query) << " " << item;
        }
    }
}

} // namespace
} // namespace zephyr
