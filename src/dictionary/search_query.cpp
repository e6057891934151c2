#include "search_query.h"

#include "data/byte_helpers.h"

namespace zephyr {

std::string FoldQuery(std::string_view editText) {
    return UpperCaseCyr(TrimControl(editText));
}

bool CategorySelected(int categoryItem, std::uint8_t category) {
    return categoryItem == 0 || categoryItem == category + 1;
}

bool StartsWithQuery(const IndexedTerm& term, std::string_view foldedQuery) {
    return std::string_view(term.Folded).starts_with(foldedQuery);
}

} // namespace zephyr
