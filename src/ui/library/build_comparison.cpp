#include "ui/library/build_comparison.h"

#include "ui/widgets/texts.h"

#include "engine/build_history.h"
#include "engine/build_recipe.h"
#include "engine/calculator.h"

#include <algorithm>
#include <cmath>

namespace zephyr::ui {
namespace {

// A difference the engine leaves unwritten because one side is unbounded.
QString UnboundedDifference(double current, double other) {
    if (current == other || (!std::isinf(current) && !std::isinf(other))) {
        return {};
    }
    return other > current ? QStringLiteral("+∞") : QStringLiteral("-∞");
}

} // namespace

ComparedBuild ReplayBuild(const Catalogue& catalogue, const BuildRecipe& recipe) {
    Calculator calc(catalogue);
    Replay(calc, recipe);
    const BuildState& state = calc.State();
    ComparedBuild build;
    build.Stats = calc.Stats();
    const THero* hero = catalogue.Hero(state.CurrentHero);
    if (hero == nullptr) {
        return build;
    }
    build.Hero = state.CurrentHero;
    build.HeroName = FromCp1251(hero->Name);
    build.Level = std::max(state.HeroLevel, 1);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (const TItem* item = calc.ItemInSlot(slot)) {
            ComparedItem& shown = build.Items[static_cast<std::size_t>(slot - 1)];
            shown.Name = FromCp1251(item->Name);
            shown.Icon = state.ItemSlots[static_cast<std::size_t>(slot - 1)].IconIndex;
        }
    }
    for (int k = 1; k <= kComparedAbilities; ++k) {
        ComparedAbility& ability = build.Abilities[static_cast<std::size_t>(k - 1)];
        ability.Name = k <= kAbilityCount
                           ? FromCp1251(hero->Abilities[static_cast<std::size_t>(k - 1)].Name)
                           : QStringLiteral("Бонус характеристик");
        ability.Level = AbilityLevel(state, k);
    }
    return build;
}

std::vector<FigureComparison> CompareFigures(const HeroStats& current, const HeroStats& other,
                                             char decimalSeparator) {
    std::vector<FigureComparison> lines;
    lines.reserve(kPreviewFigures.size());
    for (Figure figure : kPreviewFigures) {
        FigureComparison line;
        line.Id = figure;
        line.Caption = FromCp1251(FigureCaption(figure));
        line.Current = FromCp1251(FigureText(current, figure, decimalSeparator));
        line.Other = FromCp1251(FigureText(other, figure, decimalSeparator));
        // Melee against ranged is a kind of attack, neither better nor worse.
        const std::optional<FigureChange> change =
            figure == Figure::AttackType ? std::nullopt
                                         : CompareFigure(current, other, figure, decimalSeparator);
        if (change) {
            // A value written another way ("20 + 4" against "22 + 2") is the
            // same value.
            line.Difference =
                !change->Delta.empty()
                    ? FromCp1251(change->Delta)
                    : UnboundedDifference(FigureValue(current, figure), FigureValue(other, figure));
            if (!line.Difference.isEmpty()) {
                line.Verdict = change->Better ? FigureVerdict::Better : FigureVerdict::Worse;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace zephyr::ui
