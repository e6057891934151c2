#pragma once

#include <cstdint>
#include <string>

namespace zephyr {

struct TAura {
    std::string Name;     // at most 50 bytes
    std::int32_t V0 = 0;  // group: auras of one group never stack
    std::int32_t V1 = 0;  // flat damage, melee
    std::int32_t V2 = 0;  // flat damage, ranged
    std::int32_t V3 = 0;  // damage percent, melee
    std::int32_t V4 = 0;  // damage percent, ranged
    std::int32_t V5 = 0;  // armor, hundredths
    std::int32_t V6 = 0;  // hit-point regeneration
    std::int32_t V7 = 0;  // mana regeneration, hundredths
    std::int32_t V8 = 0;  // attack speed, percent points
    std::int32_t V9 = 0;  // life steal percent, melee
    std::int32_t V10 = 0; // life steal percent, ranged

    friend bool operator==(const TAura&, const TAura&) = default;
};

} // namespace zephyr
