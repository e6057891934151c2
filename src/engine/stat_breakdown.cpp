#include "stat_breakdown.h"

#include "breakdown_formulas.h"
#include "breakdown_text.h"

#include "data/cp1251.h"

#include <array>

namespace zephyr {
namespace {

constexpr std::array kStrength = {Quantity::Strength};
constexpr std::array kAgility = {Quantity::Agility};
constexpr std::array kIntelligence = {Quantity::Intelligence};
constexpr std::array kHitPoints = {Quantity::HitPoints};
constexpr std::array kMana = {Quantity::Mana};
constexpr std::array kDamage = {Quantity::Damage};
constexpr std::array kArmor = {Quantity::Armor};
constexpr std::array kRange = {Quantity::AttackRange};
constexpr std::array kLifeSteal = {Quantity::LifeSteal};
constexpr std::array kPrice = {Quantity::TotalPrice};
constexpr std::array kPhysicalDps = {Quantity::PhysicalDpsFlat, Quantity::PhysicalDps};
constexpr std::array kMagicalDps = {Quantity::MagicalDpsFlat, Quantity::MagicalDps};

} // namespace

std::span<const Quantity> SummedQuantities(Figure figure) {
    switch (figure) {
    case Figure::Strength:
        return kStrength;
    case Figure::Agility:
        return kAgility;
    case Figure::Intelligence:
        return kIntelligence;
    case Figure::HitPoints:
        return kHitPoints;
    case Figure::Mana:
        return kMana;
    case Figure::Damage:
        return kDamage;
    case Figure::Armor:
        return kArmor;
    case Figure::AttackRange:
        return kRange;
    case Figure::LifeSteal:
        return kLifeSteal;
    case Figure::TotalPrice:
        return kPrice;
    case Figure::PhysicalDps:
        return kPhysicalDps;
    case Figure::MagicalDps:
        return kMagicalDps;
    default:
        return {};
    }
}

FigureBreakdown BreakDown(const Catalogue& catalogue, const BuildState& state,
                          const HeroStats& stats, const StatRecord& record, Figure figure,
                          char separator) {
    FigureBreakdown breakdown;
    breakdown.Caption = FigureCaption(figure);
    breakdown.Value = FigureText(stats, figure, separator);
    const BreakdownText text(catalogue, state, stats, separator);
    const std::span<const Quantity> summed = SummedQuantities(figure);
    if (!summed.empty()) {
        const bool whole = figure != Figure::Damage && figure != Figure::Armor &&
                           figure != Figure::PhysicalDps && figure != Figure::MagicalDps;
        for (Quantity what : summed) {
            for (const Contribution& c : record.Of(what)) {
                breakdown.Lines.push_back(
                    {text.Source(c), text.Amount(c.Amount(), whole, breakdown.Lines.empty())});
            }
        }
    }
    WriteFormula(breakdown, text, record, figure);
    return breakdown;
}

} // namespace zephyr
