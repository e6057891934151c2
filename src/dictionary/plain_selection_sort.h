#pragma once

#include "search_hit.h"

#include <vector>

namespace zephyr {

// The reference order of the result list and of an article's terms: the
// literal exchange-based selection sort on the case-folded terms, O(n^2).
// For each position p, m starts at p and moves to every later q whose folded
// term is smaller than the one at m (a strict test, so m is the first
// minimum); then the hits at p and m are exchanged. The fast order
// (SelectionSortOrder) is tested against this one, and the benchmark keeps it
// as its baseline.
void PlainSelectionSort(std::vector<TSearchHit>& hits);

} // namespace zephyr
