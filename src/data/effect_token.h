#pragma once

#include <cstdint>
#include <vector>

namespace zephyr {

// One token of an effect program: either an effect/operator code or a literal
// (literals are stored as value x 100).
struct TEffectToken {
    bool IsCode = false;
    std::int32_t Value = 0;

    friend bool operator==(const TEffectToken&, const TEffectToken&) = default;
};

using TEffectList = std::vector<TEffectToken>;

} // namespace zephyr
