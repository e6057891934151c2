#include "search_hits.h"

#include "search_query.h"
#include "selection_order.h"

#include <algorithm>

namespace zephyr {
namespace {

std::vector<const IndexedTerm*> Matches(const SearchIndex& index, std::string_view query,
                                        int categoryItem) {
    const std::string folded = FoldQuery(query);
    std::vector<const IndexedTerm*> matches;
    for (const IndexedTerm& term : index.Terms()) {
        if (CategorySelected(categoryItem, term.Category) && StartsWithQuery(term, folded)) {
            matches.push_back(&term);
        }
    }
    return matches;
}

} // namespace

std::vector<TSearchHit> CollectHits(const SearchIndex& index, std::string_view query,
                                    int categoryItem) {
    std::vector<TSearchHit> hits;
    for (const IndexedTerm* term : Matches(index, query, categoryItem)) {
        hits.push_back({term->Entry, term->Term});
    }
    return hits;
}

std::vector<TSearchHit> SearchHits(const SearchIndex& index, std::string_view query,
                                   int categoryItem) {
    const std::vector<const IndexedTerm*> matches = Matches(index, query, categoryItem);
    std::vector<std::uint32_t> ranks;
    ranks.reserve(matches.size());
    for (const IndexedTerm* term : matches) {
        ranks.push_back(term->Rank);
    }
    std::vector<TSearchHit> hits;
    hits.reserve(matches.size());
    for (const std::size_t k : SelectionSortOrder(ranks)) {
        hits.push_back({matches[k]->Entry, matches[k]->Term});
    }
    return hits;
}

bool AnyHit(const SearchIndex& index, std::string_view query, int categoryItem) {
    const std::string folded = FoldQuery(query);
    const auto terms = index.Terms();
    return std::any_of(terms.begin(), terms.end(), [&](const IndexedTerm& term) {
        return CategorySelected(categoryItem, term.Category) && StartsWithQuery(term, folded);
    });
}

} // namespace zephyr
