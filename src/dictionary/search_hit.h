#pragma once

#include <cstdint>
#include <string>

namespace zephyr {

// One line of the result list.
struct TSearchHit {
    std::int32_t Entry = 0; // 0-based position in SlangWords
    std::string Term;       // the matching term as stored

    friend bool operator==(const TSearchHit&, const TSearchHit&) = default;
};

} // namespace zephyr
