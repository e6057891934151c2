#pragma once

#include "data/slang.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zephyr {

// One term of the dictionary, folded and ranked once at load time.
struct IndexedTerm {
    std::int32_t Entry = 0;    // 0-based position in SlangWords
    std::uint8_t Category = 0; // the entry's
    std::uint32_t Rank = 0;    // order of Folded among all terms (see RankTerms)
    std::string Folded;        // UpperCaseCyr of the term
    std::string Term;          // as stored
};

// Every term of SlangWords in entry order, then term order. A value of its
// own: it holds copies, so it outlives the table it was built from.
class SearchIndex {
public:
    SearchIndex() = default;
    explicit SearchIndex(std::span<const TSlang> words);

    std::span<const IndexedTerm> Terms() const { return terms_; }

private:
    std::vector<IndexedTerm> terms_;
};

} // namespace zephyr
