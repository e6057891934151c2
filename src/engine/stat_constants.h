#pragma once

namespace zephyr {

// The game's fixed rules for turning attributes into statistics, shared by the
// statistics pass and the formula variables that read the same figures.
inline constexpr int kHitPointsPerStrength = 19;
inline constexpr int kBaseHitPoints = 150;
inline constexpr int kManaPerIntelligence = 13;
inline constexpr double kHpRegenPerStrength = 0.03;
inline constexpr double kManaRegenPerIntelligence = 0.04;
inline constexpr double kAgilityPerArmor = 7.0;
inline constexpr double kArmorFactor = 0.06;
inline constexpr double kBaseMagicFactor = 0.75;
inline constexpr int kAttributesPerBonusLevel = 2;
inline constexpr int kRespawnPerLevel = 4;
inline constexpr int kGoldLossPerLevel = 30;
inline constexpr int kMaxAbilityLevel = 4;

} // namespace zephyr
