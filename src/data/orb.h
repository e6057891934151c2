#pragma once

#include <cstdint>
#include <string>

namespace zephyr {

struct TOrb {
    std::string Name; // at most 50 bytes
    std::uint8_t Category = 0;
    std::int32_t ProcChance = 0;
    std::int32_t ProcDamage = 0;
    std::int32_t LifeSteal = 0;

    friend bool operator==(const TOrb&, const TOrb&) = default;
};

struct TOrbPair {
    std::uint8_t First = 0;
    std::uint8_t Second = 0;
    std::uint8_t Result = 0;

    friend bool operator==(const TOrbPair&, const TOrbPair&) = default;
};

} // namespace zephyr
