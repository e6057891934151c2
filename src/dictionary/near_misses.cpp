#include "near_misses.h"

#include "search_hits.h"
#include "search_query.h"

#include <algorithm>
#include <tuple>

namespace zephyr {
namespace {

constexpr std::size_t kMaxDistance = 2;
constexpr std::size_t kMaxMisses = 3;

} // namespace

std::size_t NearMissDistance(std::string_view foldedQuery, std::string_view foldedTerm,
                             std::size_t bound) {
    const std::size_t m = foldedQuery.size();
    // No distance exceeds the longer text, so a larger bound changes nothing
    // (and bound + 1 cannot overflow).
    bound = std::min(bound, std::max(m, foldedTerm.size()));
    const std::size_t prefixLength = std::min(m, foldedTerm.size());
    // row[j]: distance between the term's first i bytes and the query's first j.
    std::vector<std::size_t> row(m + 1);
    for (std::size_t j = 0; j <= m; ++j) {
        row[j] = j;
    }
    std::size_t best = prefixLength == 0 ? row[m] : bound + 1;
    for (std::size_t i = 1; i <= foldedTerm.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t rowMinimum = row[0];
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t above = row[j];
            const std::size_t substitution =
                diagonal + (foldedTerm[i - 1] == foldedQuery[j - 1] ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
            diagonal = above;
            rowMinimum = std::min(rowMinimum, row[j]);
        }
        if (i == prefixLength) {
            best = std::min(best, row[m]);
        }
        // Cells never shrink from one row to the next, so neither the prefix
        // nor the whole term can come back within the bound.
        if (rowMinimum > bound) {
            return std::min(best, bound + 1);
        }
    }
    return std::min({best, row[m], bound + 1});
}

std::vector<std::string> NearMisses(const SearchIndex& index, std::string_view query,
                                    int categoryItem) {
    if (AnyHit(index, query, categoryItem)) {
        return {};
    }
    const std::string folded = FoldQuery(query);
    // (distance, rank, term); equal folded terms share a rank.
    std::vector<std::tuple<std::size_t, std::uint32_t, const IndexedTerm*>> candidates;
    for (const IndexedTerm& term : index.Terms()) {
        if (!CategorySelected(categoryItem, term.Category)) {
            continue;
        }
        const std::size_t distance = NearMissDistance(folded, term.Folded, kMaxDistance);
        if (distance <= kMaxDistance) {
            candidates.emplace_back(distance, term.Rank, &term);
        }
    }
    // Stable, so the first spelling in entry order leads each rank.
    std::stable_sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    std::vector<std::string> misses;
    std::uint32_t lastRank = 0;
    for (const auto& [distance, rank, term] : candidates) {
        if (misses.size() == kMaxMisses) {
            break;
        }
        if (!misses.empty() && rank == lastRank) {
            continue;
        }
        misses.push_back(term->Term);
        lastRank = rank;
    }
    return misses;
}

} // namespace zephyr
