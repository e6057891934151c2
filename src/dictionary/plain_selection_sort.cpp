#include "plain_selection_sort.h"

#include "data/byte_helpers.h"

#include <string>
#include <utility>

namespace zephyr {

void PlainSelectionSort(std::vector<TSearchHit>& hits) {
    // Folding is pure, so each term is folded once and its key travels with it.
    std::vector<std::string> keys;
    keys.reserve(hits.size());
    for (const TSearchHit& hit : hits) {
        keys.push_back(UpperCaseCyr(hit.Term));
    }
    for (std::size_t p = 0; p < hits.size(); ++p) {
        std::size_t m = p;
        for (std::size_t q = p + 1; q < hits.size(); ++q) {
            if (keys[m] > keys[q]) {
                m = q;
            }
        }
        // Whole records change places; std::swap stands in for a byte swap,
        // which a record holding a std::string cannot take.
        std::swap(hits[p], hits[m]);
        std::swap(keys[p], keys[m]);
    }
}

} // namespace zephyr
