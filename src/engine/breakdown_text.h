#pragma once

#include "build_state.h"
#include "hero_stats.h"
#include "stat_record.h"

#include "data/catalogue.h"

#include <string>

namespace zephyr {

// The words and numbers of a breakdown popup (Windows-1251).
class BreakdownText {
public:
    BreakdownText(const Catalogue& catalogue, const BuildState& state, const HeroStats& stats,
                  char decimalSeparator)
        : catalogue_(catalogue), state_(state), stats_(stats), separator_(decimalSeparator) {}

    const HeroStats& Stats() const { return stats_; }
    char Separator() const { return separator_; }

    // Who made a contribution: "Слот 2: Boots", "Аура «…»", the ability and
    // its level, and so on.
    std::string Source(const Contribution& c) const;
    // A contribution's amount: signed unless it is the first of its figure.
    std::string Amount(double amount, bool whole, bool first) const;
    // A number with at most two decimals and the user's separator.
    std::string Number(double value) const;
    // A percentage given as a fraction (0.235 -> "23,50%").
    std::string Percent(double fraction) const;
    // The bonus of the hero's primary attribute, 0 for a hero without one.
    std::int32_t PrimaryAttributeBonus() const;

private:
    std::string AbilityName(int ability) const;

    const Catalogue& catalogue_;
    const BuildState& state_;
    const HeroStats& stats_;
    char separator_;
};

} // namespace zephyr
