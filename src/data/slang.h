#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zephyr {

struct TSlangLink {
    std::string Caption; // at most 255 bytes
    std::string Target;  // at most 255 bytes

    friend bool operator==(const TSlangLink&, const TSlangLink&) = default;
};

struct TSlang {
    // 0 terms, 1 heroes, 2 items, 3 creeps and summons, 4 buildings, 5 abilities, 6 slang
    std::uint8_t Category = 0;
    std::vector<std::string> Terms; // each at most 50 bytes
    std::string Definition;         // an HTML fragment
    std::vector<TSlangLink> Links;

    friend bool operator==(const TSlang&, const TSlang&) = default;
};

} // namespace zephyr
