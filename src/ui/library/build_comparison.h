#pragma once

#include "engine/build_state.h"
#include "engine/hero_stats.h"
#include "engine/stat_figures.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace zephyr {
struct BuildRecipe;
struct Catalogue;
} // namespace zephyr

namespace zephyr::ui {

// The four abilities and the attribute bonus.
inline constexpr int kComparedAbilities = kAbilityCount + 1;

struct ComparedItem {
    QString Name;  // empty for an empty slot
    int Icon = -1; // cell of the Shops list, -1 for an empty slot
};

struct ComparedAbility {
    QString Name;
    int Level = 0;
};

// One side of a comparison: what its recipe makes on a calculator of its own.
struct ComparedBuild {
    int Hero = 0; // 1-based; 0 when the catalogue lacks the recipe's hero
    QString HeroName;
    int Level = 1; // as the panel's caption shows it: 1 before the first pick
    std::array<ComparedItem, kSlotCount> Items;
    std::array<ComparedAbility, kComparedAbilities> Abilities;
    HeroStats Stats;
};

ComparedBuild ReplayBuild(const Catalogue& catalogue, const BuildRecipe& recipe);

// How the other build stands against the current one on a figure.
enum class FigureVerdict : std::uint8_t { Same, Better, Worse };

// One line of the figures table.
struct FigureComparison {
    Figure Id = Figure::PhysicalDps;
    QString Caption;
    QString Current;
    QString Other;
    // Other minus current ("+1,50", "-3"), empty when the two are equal.
    QString Difference;
    FigureVerdict Verdict = FigureVerdict::Same;
};

// Every figure the panel shows, in the preview's order.
std::vector<FigureComparison> CompareFigures(const HeroStats& current, const HeroStats& other,
                                             char decimalSeparator);

} // namespace zephyr::ui
