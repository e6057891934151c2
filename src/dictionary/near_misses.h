#pragma once

#include "search_index.h"

#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// The distance of a near miss, on folded bytes (FoldQuery, UpperCaseCyr):
// the smaller of the edit distance (Levenshtein: insertions, deletions and
// substitutions of single bytes, each costing 1) between the query and the
// whole term, and between the query and the term's first |query| bytes (the
// whole term when it is shorter), since people type the start of a word.
// Distances above `bound` are reported as bound + 1; rows stop as soon as
// every cell exceeds the bound.
std::size_t NearMissDistance(std::string_view foldedQuery, std::string_view foldedTerm,
                             std::size_t bound);

// When the query finds nothing under the category selector item: up to three
// terms of that category within distance 2, closest first, then in
// alphabetical order of their folded form. Terms that fold equal count once,
// with the spelling of the first of them in entry order. Empty when the query
// has hits.
std::vector<std::string> NearMisses(const SearchIndex& index, std::string_view query,
                                    int categoryItem);

} // namespace zephyr
