#pragma once

#include <cstdint>

namespace zephyr {

// The engine's results, overwritten by every ComputeStats. Unbounded effective
// hit points are -1; absent chances are 0.
struct HeroStats {
    bool IsRanged = false;
    std::int32_t StrengthBase = 0;
    std::int32_t AgilityBase = 0;
    std::int32_t IntelligenceBase = 0;
    std::int32_t StrengthBonus = 0;
    std::int32_t AgilityBonus = 0;
    std::int32_t IntelligenceBonus = 0;
    std::int32_t StrengthTotal = 0;
    std::int32_t AgilityTotal = 0;
    std::int32_t IntelligenceTotal = 0;
    double StrengthGainShown = 0;
    double AgilityGainShown = 0;
    double IntelligenceGainShown = 0;
    std::int32_t HitPoints = 0;
    std::int32_t Mana = 0;
    double HpRegen = 0;
    double ManaRegen = 0;
    std::int32_t DamageLow = 0;
    std::int32_t DamageHigh = 0;
    std::int32_t DamageBonus = 0;
    std::int32_t MagicDamage = 0;
    double ArmorBase = 0;
    double ArmorBonus = 0;
    double ArmorTotal = 0;
    std::int32_t AttackSpeed = 0;
    double AttackCooldown = 0;
    std::int32_t AttackRange = 0;
    double PhysicalReduction = 0;    // fraction
    double BaseMagicalReduction = 0; // percent, abilities only
    double MagicalReduction = 0;     // percent
    double Evasion = 0;
    double TriggeredEvasion = 0;
    double Miss = 0;
    double Dodge = 0;
    double BashChance = 0;
    double CritChance = 0;
    std::int32_t LifeSteal = 0; // percent
    std::int32_t PhysicalEhp = 0;
    std::int32_t MagicalEhp = 0;
    double BaseDps = 0;
    double MagicBaseDps = 0;
    double BashDps = 0;
    double CritDps = 0;
    double PhysicalDps = 0;
    double MagicalDps = 0;
    double MoveSpeed = 0;
    std::int32_t RespawnTime = 0;
    std::int32_t GoldLoss = 0;
    std::int32_t TotalPrice = 0;
    bool OrbShown = false;
    std::int32_t OrbPicture1 = 0; // -1: the orb slot shows that no orb works
    std::int32_t OrbPicture2 = 0;

    friend bool operator==(const HeroStats&, const HeroStats&) = default;
};

} // namespace zephyr
