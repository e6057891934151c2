#pragma once

#include "hero_stats.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// Every figure the panel shows as a value: the grid's value cells, then the
// labels of the hero block (a value with its bonus beside it is one figure,
// the regenerations in the hit point and mana labels are figures of their
// own).
enum class Figure : std::uint8_t {
    AttackType,
    AttackRange,
    AttackDelay,
    CritChance,
    BashChance,
    LifeSteal,
    PhysicalDps,
    MagicalDps,
    PhysicalReduction,
    MagicalReduction,
    Evasion,
    TriggeredEvasion,
    Miss,
    Dodge,
    PhysicalEhp,
    MagicalEhp,
    MoveSpeed,
    RespawnTime,
    GoldLoss,
    TotalPrice,
    Damage,
    Armor,
    Strength,
    Agility,
    Intelligence,
    HitPoints,
    Mana,
    HpRegen,
    ManaRegen,
};
inline constexpr int kFigureCount = static_cast<int>(Figure::ManaRegen) + 1;

// The order a what-if preview lists the figures in: every figure the panel
// shows, the damage and survival first, then the hero block, then the grid.
inline constexpr std::array kPreviewFigures = {
    Figure::PhysicalDps,
    Figure::MagicalDps,
    Figure::PhysicalEhp,
    Figure::MagicalEhp,
    Figure::Damage,
    Figure::Armor,
    Figure::Strength,
    Figure::Agility,
    Figure::Intelligence,
    Figure::HitPoints,
    Figure::HpRegen,
    Figure::Mana,
    Figure::ManaRegen,
    Figure::AttackType,
    Figure::AttackRange,
    Figure::AttackDelay,
    Figure::CritChance,
    Figure::BashChance,
    Figure::LifeSteal,
    Figure::PhysicalReduction,
    Figure::MagicalReduction,
    Figure::Evasion,
    Figure::TriggeredEvasion,
    Figure::Miss,
    Figure::Dodge,
    Figure::MoveSpeed,
    Figure::RespawnTime,
    Figure::GoldLoss,
    Figure::TotalPrice,
};
static_assert(kPreviewFigures.size() == kFigureCount);

// The figure of a grid value cell (columns 1, 3, 5), nothing for captions
// and empty cells.
std::optional<Figure> GridFigure(int column, int row);

// Its name for tooltips and popups (Windows-1251).
const std::string& FigureCaption(Figure figure);

// The figure as a number: percentages for chances and reductions, seconds
// for the attack delay, the average hit for damage; unbounded EHP is +inf;
// the attack type is 1 for ranged.
double FigureValue(const HeroStats& stats, Figure figure);

// Whether a smaller value is the better one (the attack delay and the costs
// of dying and buying).
bool LowerIsBetter(Figure figure);

// The figure as the panel writes it (a hero block value with its bonus
// label, "20 + 4"); FigureValue is then the total.
std::string FigureText(const HeroStats& stats, Figure figure, char decimalSeparator);

// One figure that differs between two builds.
struct FigureChange {
    Figure Id = Figure::PhysicalDps;
    std::string Before; // as FigureText writes it
    std::string After;
    std::string Delta; // "+1,50" or "-3"; empty when either side is unbounded
    bool Better = false;
};

// The change of one figure, nothing when it shows the same.
std::optional<FigureChange> CompareFigure(const HeroStats& before, const HeroStats& after,
                                          Figure figure, char decimalSeparator);

// The changes of the preview figures, in their order.
std::vector<FigureChange> PreviewChanges(const HeroStats& before, const HeroStats& after,
                                         char decimalSeparator);

} // namespace zephyr
