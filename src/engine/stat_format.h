#pragma once

#include "hero_stats.h"

#include <array>
#include <optional>
#include <string>

namespace zephyr {

// The statistics table as shown: 8 rows x 6 columns, captions in the even
// columns, values in the odd ones (Windows-1251).
using StatsGrid = std::array<std::array<std::string, 6>, 8>;

StatsGrid FormatStatsGrid(const HeroStats& stats, char decimalSeparator);

// Single cells, for the screen and the tests.
std::string FormatCooldown(double seconds, char decimalSeparator);
std::string FormatChance(double fraction, char decimalSeparator); // "none" for exactly 0
std::string FormatPhysicalReduction(double fraction);
std::string FormatMagicalReduction(double percent, char decimalSeparator);
std::string FormatEhp(std::int32_t ehp); // "infinity" for -1

// The labels beside the portrait. A bonus label is nullopt while hidden.
struct HeroBlockLabels {
    std::string Label7;                 // damage
    std::string Label9;                 // armour
    std::string Label11;                // strength
    std::string Label13;                // agility
    std::string Label15;                // intelligence
    std::string Label16;                // hit points (regeneration)
    std::string Label17;                // mana (regeneration)
    std::optional<std::string> Label23; // damage bonus
    std::optional<std::string> Label24; // armour bonus
    std::optional<std::string> Label25; // strength bonus
    std::optional<std::string> Label26; // agility bonus
    std::optional<std::string> Label27; // intelligence bonus
};

HeroBlockLabels FormatHeroBlock(const HeroStats& stats, char decimalSeparator);

} // namespace zephyr
