#pragma once

#include "effect_token.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zephyr {

struct TItem {
    std::string Name; // at most 50 bytes; "Group - Variant" for a variant
    std::int32_t ImageIndex = 0;
    std::uint16_t Cost = 0;
    std::uint8_t OrbCode = 0;
    bool OnePerHero = false;
    std::vector<std::uint8_t> PassiveAuras;
    TEffectList StackingEffects;
    bool Activatable = false;
    std::vector<std::uint8_t> ActiveAuras;
    TEffectList UniqueEffects;

    friend bool operator==(const TItem&, const TItem&) = default;
};

} // namespace zephyr
