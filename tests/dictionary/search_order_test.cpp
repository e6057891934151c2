// The fast order against the literal selection sort, on inputs full of
// terms that fold equal.
#include "dictionary_words.h"

#include "dictionary/plain_selection_sort.h"
#include "dictionary/search_hits.h"
#include "dictionary/selection_order.h"
#include "dictionary/term_ranks.h"

#include <gtest/gtest.h>

#include <random>

namespace zephyr {
namespace {

// A tiny alphabet, so that most terms fold equal to several others.
const std::vector<std::string>& TinyTerms() {
    static const std::vector<std::string> terms = {
        "",     "a",    "A",     "ab",    "AB",   "aB",   "Ab",    "b",
        W("б"), W("Б"), W("бa"), W("Бa"), W("ё"), W("Ё"), "a b",   "\x01",
        "\xFF", "\xDF", W("бБ"), W("Бб"), "abc",  "ABC",  W("аБ"), W("Аб"),
    };
    return terms;
}

std::vector<TSlang> RandomWords(std::mt19937& random) {
    const auto& terms = TinyTerms();
    std::uniform_int_distribution<std::size_t> term(0, terms.size() - 1);
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<int> category(0, 7);
    std::vector<TSlang> words(std::uniform_int_distribution<std::size_t>(0, 60)(random));
    for (TSlang& entry : words) {
        entry.Category = static_cast<std::uint8_t>(category(random));
        for (int k = count(random); k > 0; --k) {
            entry.Terms.push_back(terms[term(random)]);
        }
    }
    return words;
}

TEST(FastOrder, MatchesThePlainSelectionSortOnRandomDictionaries) {
    std::mt19937 random(20240611);
    const std::vector<std::string> queries = {"", "a", "A", " b", W("б"), "ab", W("Ё"), "AB "};
    for (int round = 0; round < 400; ++round) {
        const std::vector<TSlang> words = RandomWords(random);
        const SearchIndex index(words);
        for (const std::string& query : queries) {
            for (int item = 0; item <= 8; item += 1 + round % 3) {
                std::vector<TSearchHit> expected = CollectHits(index, query, item);
                PlainSelectionSort(expected);
                ASSERT_EQ(SearchHits(index, query, item), expected)
                    << "round " << round << " query '" << query << "' item " << item;
            }
        }
    }
}

// The selection sort on bare ranks, positions carried along.
std::vector<std::size_t> NaiveSelectionOrder(const std::vector<std::uint32_t>& ranks) {
    std::vector<std::size_t> at(ranks.size());
    for (std::size_t k = 0; k < at.size(); ++k) {
        at[k] = k;
    }
    for (std::size_t p = 0; p < at.size(); ++p) {
        std::size_t m = p;
        for (std::size_t q = p + 1; q < at.size(); ++q) {
            if (ranks[at[m]] > ranks[at[q]]) {
                m = q;
            }
        }
        std::swap(at[p], at[m]);
    }
    return at;
}

TEST(FastOrder, SelectionSortOrderReplaysEveryExchange) {
    std::mt19937 random(99);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = std::uniform_int_distribution<std::size_t>(0, 130)(random);
        const auto top = std::uniform_int_distribution<std::uint32_t>(0, 5)(random);
        std::uniform_int_distribution<std::uint32_t> rank(0, top);
        std::vector<std::uint32_t> ranks(n);
        for (auto& r : ranks) {
            r = rank(random);
        }
        ASSERT_EQ(SelectionSortOrder(ranks), NaiveSelectionOrder(ranks)) << "round " << round;
    }
}

TEST(FastOrder, SmallAndDegenerateInputs) {
    EXPECT_TRUE(SelectionSortOrder({}).empty());
    EXPECT_EQ(SelectionSortOrder(std::vector<std::uint32_t>{4}), (std::vector<std::size_t>{0}));
    // [B, B, A]: the first B goes to the end, behind the second.
    EXPECT_EQ(SelectionSortOrder(std::vector<std::uint32_t>{1, 1, 0}),
              (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_EQ(SelectionSortOrder(std::vector<std::uint32_t>(5, 3)),
              (std::vector<std::size_t>{0, 1, 2, 3, 4}));
}

TEST(TermRanks, OrderEqualsByteOrder) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> length(0, 3);
    const std::string bytes = std::string("\x00\x01 AZaz\x7F\x80\xA8\xB8\xC0\xDF\xFF", 15);
    std::uniform_int_distribution<std::size_t> byte(0, bytes.size() - 1);
    std::vector<std::string> terms(200);
    for (std::string& term : terms) {
        for (int k = length(random); k > 0; --k) {
            term += bytes[byte(random)];
        }
    }
    const std::vector<std::uint32_t> ranks = RankTerms(terms);
    for (std::size_t a = 0; a < terms.size(); ++a) {
        for (std::size_t b = 0; b < terms.size(); ++b) {
            // Unsigned bytes compared lexicographically, a proper prefix first.
            std::vector<unsigned char> ux(terms[a].begin(), terms[a].end());
            std::vector<unsigned char> uy(terms[b].begin(), terms[b].end());
            ASSERT_EQ(ranks[a] < ranks[b], ux < uy) << a << " " << b;
            ASSERT_EQ(ranks[a] == ranks[b], ux == uy) << a << " " << b;
        }
    }
}

TEST(TermRanks, DenseFromZero) {
    EXPECT_EQ(RankTerms(std::vector<std::string>{"b", "a", "b", "", "\xE0"}),
              (std::vector<std::uint32_t>{2, 1, 2, 0, 3}));
    EXPECT_TRUE(RankTerms({}).empty());
}

} // namespace
} // namespace zephyr
