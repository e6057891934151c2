#include "stat_format.h"

#include "float_conversion.h"
#include "number_format.h"
#include "screen_texts.h"

#include <cmath>

namespace zephyr {
namespace {

std::string Integer(std::int64_t value) {
    return std::to_string(value);
}

std::string Truncated(double value) {
    return Integer(TruncToInt32(value));
}

std::optional<std::string> Bonus(std::int32_t bonus) {
    if (bonus == 0) {
        return std::nullopt;
    }
    return " + " + Integer(bonus);
}

} // namespace

std::string FormatCooldown(double seconds, char decimalSeparator) {
    // Rounded half to even, as the screen always showed it.
    return FormatGeneral(std::nearbyint(seconds * 100.0) / 100.0, decimalSeparator);
}

std::string FormatChance(double fraction, char decimalSeparator) {
    if (fraction == 0) {
        return Texts().None;
    }
    return FormatFixed2(fraction * 100.0, decimalSeparator) + "%";
}

std::string FormatPhysicalReduction(double fraction) {
    return Truncated(fraction * 100.0) + "%";
}

std::string FormatMagicalReduction(double percent, char decimalSeparator) {
    return FormatGeneral(TruncTowardZero(percent * 100.0) / 100.0, decimalSeparator) + "%";
}

std::string FormatEhp(std::int32_t ehp) {
    return ehp == -1 ? Texts().Infinity : Integer(ehp);
}

StatsGrid FormatStatsGrid(const HeroStats& s, char sep) {
    const ScreenTexts& texts = Texts();
    StatsGrid grid;
    for (std::size_t row = 0; row < grid.size(); ++row) {
        for (std::size_t pair = 0; pair < 3; ++pair) {
            grid[row][pair * 2] = texts.GridCaptions[row][pair];
        }
    }
    grid[0][1] = s.IsRanged ? texts.Ranged : texts.Melee;
    grid[1][1] = Integer(s.AttackRange);
    grid[2][1] = FormatCooldown(s.AttackCooldown, sep);
    grid[3][1] = FormatChance(s.CritChance, sep);
    grid[4][1] = FormatChance(s.BashChance, sep);
    grid[5][1] = s.LifeSteal != 0 ? Integer(s.LifeSteal) + "%" : texts.None;
    grid[6][1] = FormatFixed2(s.PhysicalDps, sep);
    grid[7][1] = s.MagicalDps != 0 ? FormatFixed2(s.MagicalDps, sep) : texts.None;

    grid[0][3] = FormatPhysicalReduction(s.PhysicalReduction);
    grid[1][3] = FormatMagicalReduction(s.MagicalReduction, sep);
    grid[2][3] = FormatChance(s.Evasion, sep);
    grid[3][3] = FormatChance(s.TriggeredEvasion, sep);
    grid[4][3] = FormatChance(s.Miss, sep);
    grid[5][3] = FormatChance(s.Dodge, sep);
    grid[6][3] = FormatEhp(s.PhysicalEhp);
    grid[7][3] = FormatEhp(s.MagicalEhp);

    grid[0][5] = Truncated(s.MoveSpeed);
    grid[1][5] = Integer(s.RespawnTime);
    grid[2][5] = Integer(s.GoldLoss);
    grid[3][5] = Integer(s.TotalPrice);
    return grid;
}

HeroBlockLabels FormatHeroBlock(const HeroStats& s, char sep) {
    HeroBlockLabels labels;
    labels.Label7 = Integer(s.DamageLow) + " - " + Integer(s.DamageHigh);
    labels.Label9 = FormatFixed2(s.ArmorBase, sep);
    labels.Label11 = Integer(s.StrengthBase);
    labels.Label13 = Integer(s.AgilityBase);
    labels.Label15 = Integer(s.IntelligenceBase);
    labels.Label16 = Integer(s.HitPoints) + " (" + FormatFixed2(s.HpRegen, sep) + ")";
    labels.Label17 = Integer(s.Mana) + " (" + FormatFixed2(s.ManaRegen, sep) + ")";
    labels.Label23 = Bonus(s.DamageBonus);
    if (s.ArmorBonus != 0) {
        labels.Label24 = " + " + FormatFixed2(s.ArmorBonus, sep);
    }
    labels.Label25 = Bonus(s.StrengthBonus);
    labels.Label26 = Bonus(s.AgilityBonus);
    labels.Label27 = Bonus(s.IntelligenceBonus);
    return labels;
}

} // namespace zephyr
