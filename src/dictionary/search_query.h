#pragma once

#include "search_index.h"

#include <string>
#include <string_view>

namespace zephyr {

// The query as the search compares it: the edit box text (Windows-1251)
// without leading and trailing bytes 0x00-0x20, in UpperCaseCyr.
std::string FoldQuery(std::string_view editText);

// Category selector item 0 ("Везде") takes every entry; item k takes the
// entries of Category k - 1. An item that no category answers takes nothing.
bool CategorySelected(int categoryItem, std::uint8_t category);

// Case-folded prefix match: a term shorter than the query never matches, an
// empty query matches every term.
bool StartsWithQuery(const IndexedTerm& term, std::string_view foldedQuery);

} // namespace zephyr
