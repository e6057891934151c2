#include "term_ranks.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace zephyr {

std::vector<std::uint32_t> RankTerms(std::span<const std::string> folded) {
    std::vector<std::size_t> byTerm(folded.size());
    std::iota(byTerm.begin(), byTerm.end(), std::size_t{0});
    // std::string_view compares through char_traits<char>, which orders bytes
    // as unsigned char: 0xC0 (А) sorts after 0x5A (Z).
    std::sort(byTerm.begin(), byTerm.end(), [&](std::size_t a, std::size_t b) {
        return std::string_view(folded[a]) < std::string_view(folded[b]);
    });
    std::vector<std::uint32_t> ranks(folded.size());
    std::uint32_t rank = 0;
    for (std::size_t k = 0; k < byTerm.size(); ++k) {
        if (k > 0 && folded[byTerm[k]] != folded[byTerm[k - 1]]) {
            ++rank;
        }
        ranks[byTerm[k]] = rank;
    }
    return ranks;
}

} // namespace zephyr
