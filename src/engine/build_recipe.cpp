#include "build_recipe.h"

#include "calculator.h"

#include <vector>

namespace zephyr {
namespace {

// The 1-based number of the first record with this name, 0 when none has it.
template <class Record>
int NumberByName(const std::vector<Record>& table, const std::string& name) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].Name == name) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

} // namespace

bool ApplyGesture(Calculator& calc, const Gesture& gesture) {
    const Catalogue& catalogue = calc.Catalog();
    switch (gesture.Kind) {
    case GestureKind::ChooseHero: {
        const int hero = NumberByName(catalogue.Heroes, gesture.Name);
        return hero != 0 && calc.ChooseHero(hero);
    }
    case GestureKind::LevelUp:
        return calc.LevelUp(gesture.A);
    case GestureKind::LevelDown:
        return calc.LevelDown();
    case GestureKind::Reset:
        return calc.ShowHero();
    case GestureKind::Place: {
        const int item = NumberByName(catalogue.Items, gesture.Name);
        return item != 0 && calc.PlaceItem(gesture.A, item);
    }
    case GestureKind::Remove:
        return calc.RemoveItem(gesture.A);
    case GestureKind::MoveLine:
        return calc.MoveBuildOrderLine(gesture.A, gesture.B);
    case GestureKind::ToggleAbility:
        return calc.ToggleAbility(gesture.A);
    case GestureKind::OpenParams:
        return calc.ConfigureAbility(gesture.A);
    case GestureKind::ToggleSlot:
        return calc.ToggleSlot(gesture.A);
    case GestureKind::ParamText:
        return calc.TypeIntoEditor(gesture.A, gesture.Name);
    case GestureKind::ParamArrow:
        return calc.EditorArrow(gesture.A, gesture.B != 0);
    }
    return false;
}

std::optional<MissingRecord> FindMissingRecord(const Catalogue& catalogue,
                                               const BuildRecipe& recipe) {
    if (NumberByName(catalogue.Heroes, recipe.Hero) == 0) {
        return MissingRecord{true, recipe.Hero};
    }
    for (const Gesture& gesture : recipe.Gestures) {
        if (gesture.Kind == GestureKind::ChooseHero &&
            NumberByName(catalogue.Heroes, gesture.Name) == 0) {
            return MissingRecord{true, gesture.Name};
        }
        if (gesture.Kind == GestureKind::Place &&
            NumberByName(catalogue.Items, gesture.Name) == 0) {
            return MissingRecord{false, gesture.Name};
        }
    }
    return std::nullopt;
}

std::optional<std::string> MissingName(const Catalogue& catalogue, const BuildRecipe& recipe) {
    const std::optional<MissingRecord> missing = FindMissingRecord(catalogue, recipe);
    if (!missing) {
        return std::nullopt;
    }
    return std::string(missing->IsHero ? "hero" : "item") + " \"" + missing->Name + "\"";
}

} // namespace zephyr
