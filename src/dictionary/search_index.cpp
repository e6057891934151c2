#include "search_index.h"

#include "term_ranks.h"

#include "data/byte_helpers.h"

#include <algorithm>
#include <limits>

namespace zephyr {

SearchIndex::SearchIndex(std::span<const TSlang> words) {
    // Hits name entries by a signed 32-bit number; a table beyond that range
    // cannot come from Dictionary.dat (its count is a word).
    const std::size_t entries =
        std::min(words.size(), static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()));
    for (std::size_t entry = 0; entry < entries; ++entry) {
        for (const std::string& term : words[entry].Terms) {
            terms_.push_back({static_cast<std::int32_t>(entry), words[entry].Category, 0,
                              UpperCaseCyr(term), term});
        }
    }
    std::vector<std::string> folded;
    folded.reserve(terms_.size());
    for (const IndexedTerm& term : terms_) {
        folded.push_back(term.Folded);
    }
    const std::vector<std::uint32_t> ranks = RankTerms(folded);
    for (std::size_t k = 0; k < terms_.size(); ++k) {
        terms_[k].Rank = ranks[k];
    }
}

} // namespace zephyr
