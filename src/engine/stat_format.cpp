#include "stat_format.h"

#include "float_conversion.h"
#include "number_format.h"
#include "screen_texts.h"
#include "stat_figures.h"

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
            const int column = static_cast<int>(pair * 2 + 1);
            if (const std::optional<Figure> figure = GridFigure(column, static_cast<int>(row))) {
                grid[row][pair * 2 + 1] = FigureText(s, *figure, sep);
            }
        }
    }
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
