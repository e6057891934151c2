#pragma once

#include "build_state.h"
#include "hero_stats.h"
#include "stat_figures.h"
#include "stat_record.h"

#include "data/catalogue.h"

#include <span>
#include <string>
#include <vector>

namespace zephyr {

// The quantities whose contributions add up to an additive figure; empty
// for a figure a formula makes.
std::span<const Quantity> SummedQuantities(Figure figure);

// One line of a breakdown: a source and what it gives (Windows-1251).
struct BreakdownLine {
    std::string Source;
    std::string Amount;
};

// Where a figure comes from, for the popup on its value.
struct FigureBreakdown {
    std::string Caption;
    std::string Value; // as the panel shows it
    std::vector<BreakdownLine> Lines;
    std::string Formula; // the final formula with its numbers, empty for a plain sum
};

FigureBreakdown BreakDown(const Catalogue& catalogue, const BuildState& state,
                          const HeroStats& stats, const StatRecord& record, Figure figure,
                          char decimalSeparator);

} // namespace zephyr
