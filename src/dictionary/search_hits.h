#pragma once

#include "search_hit.h"
#include "search_index.h"

#include <string_view>
#include <vector>

namespace zephyr {

// The hits of the edit box text (raw Windows-1251) under a category selector
// item, in the order they are collected: entry order, then term order. An
// entry yields one hit for each matching term.
std::vector<TSearchHit> CollectHits(const SearchIndex& index, std::string_view query,
                                    int categoryItem);

// The same hits in the order of the result list: the arrangement the
// selection sort of the folded terms leaves (PlainSelectionSort), computed in
// O(n log n) from the ranks of the index.
std::vector<TSearchHit> SearchHits(const SearchIndex& index, std::string_view query,
                                   int categoryItem);

// Whether the query finds anything; stops at the first hit.
bool AnyHit(const SearchIndex& index, std::string_view query, int categoryItem);

} // namespace zephyr
