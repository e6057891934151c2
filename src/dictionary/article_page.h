#pragma once

#include "data/slang.h"

#include <span>
#include <string>

namespace zephyr {

// The article page of one dictionary entry (Windows-1251): its terms in
// case-folded selection-sort order, upper-case Latin ones first, then
// upper-case Cyrillic ones (terms starting with anything else are not
// shown), the definition and the links in stored order. Entry -1, and any
// other number outside the table, gives the empty page: head and closing only.
std::string ArticlePage(std::span<const TSlang> words, int entry);

} // namespace zephyr
