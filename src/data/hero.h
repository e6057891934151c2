#pragma once

#include "effect_token.h"

#include <array>
#include <cstdint>
#include <string>

namespace zephyr {

struct TAbility {
    std::string Name;
    std::string ImagePath;
    bool HasData = false;
    bool NeedsActive = false;
    std::uint8_t AttackTypeChange = 0; // 0 none, 1 melee, 2 ranged
    std::uint8_t LearnAura = 0;
    std::uint8_t ActiveAura = 0;
    std::uint8_t LinkItem = 0;
    std::array<std::string, 5> ParamCaptions;
    std::uint8_t OrbCode = 0;
    std::array<std::uint8_t, 4> LevelOrbCodes{};
    std::array<TEffectList, 4> LevelEffects;

    friend bool operator==(const TAbility&, const TAbility&) = default;
};

struct THero {
    std::string Name;
    bool Ranged = false;
    std::uint16_t BaseStrength = 0;
    std::uint16_t BaseAgility = 0;
    std::uint16_t BaseIntelligence = 0;
    std::uint8_t PrimaryAttribute = 0; // 1 strength, 2 agility, 3 intelligence
    double StrengthGain = 0;
    double AgilityGain = 0;
    double IntelligenceGain = 0;
    std::uint16_t DamageMin = 0;
    std::uint16_t DamageMax = 0;
    double BaseArmor = 0;
    double BaseHpRegen = 0;
    double BaseManaRegen = 0;
    double BaseAttackTime = 0;
    std::uint16_t MoveSpeed = 0;
    std::uint16_t AttackRange = 0;
    std::array<TAbility, 4> Abilities;

    friend bool operator==(const THero&, const THero&) = default;
};

} // namespace zephyr
