#include "random_builds.h"

#include "data/load_all.h"

#include <stdexcept>

namespace zephyr::test {

const Catalogue& SampleCatalogue() {
    static const Catalogue catalogue = [] {
        const std::filesystem::path data = ZEPHYR_SAMPLE_DATA;
        LoadOptions options{DataLocation(data.parent_path(), data, data.parent_path()), false, {}};
        LoadAllResult loaded = LoadAll(options);
        if (!loaded.Ok()) {
            throw std::runtime_error(loaded.Failure->Message);
        }
        return std::move(loaded.Catalogue);
    }();
    return catalogue;
}

Gesture RandomGesture(const Catalogue& catalogue, std::mt19937& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto itemName = [&] {
        return catalogue
            .Items[static_cast<std::size_t>(pick(0, static_cast<int>(catalogue.Items.size()) - 1))]
            .Name;
    };
    const int roll = pick(0, 99);
    if (roll < 36) {
        return {GestureKind::LevelUp, pick(1, 5), 0, {}};
    }
    if (roll < 54) {
        return {GestureKind::Place, pick(1, 6), 0, itemName()};
    }
    if (roll < 59) {
        return {GestureKind::Remove, pick(1, 6), 0, {}};
    }
    if (roll < 63) {
        return {GestureKind::LevelDown, 0, 0, {}};
    }
    if (roll < 68) {
        return {GestureKind::MoveLine, pick(0, 12), pick(0, 12), {}};
    }
    if (roll < 75) {
        return {GestureKind::ToggleAbility, pick(1, 4), 0, {}};
    }
    if (roll < 82) {
        return {GestureKind::OpenParams, pick(1, 4), 0, {}};
    }
    if (roll < 86) {
        return {GestureKind::ToggleSlot, pick(1, 6), 0, {}};
    }
    if (roll < 91) {
        return {GestureKind::ParamText, pick(1, 3), 0, std::to_string(pick(-5, 120))};
    }
    if (roll < 98) {
        return {GestureKind::ParamArrow, pick(1, 3), pick(0, 1), {}};
    }
    if (roll < 99) {
        return {GestureKind::Reset, 0, 0, {}};
    }
    const auto& heroes = catalogue.Heroes;
    return {GestureKind::ChooseHero, 0, 0,
            heroes[static_cast<std::size_t>(pick(0, static_cast<int>(heroes.size()) - 1))].Name};
}

Calculator RandomBuild(const Catalogue& catalogue, std::mt19937& random, int gestures) {
    Calculator calc(catalogue);
    const auto& heroes = catalogue.Heroes;
    calc.ChooseHero(std::uniform_int_distribution<int>(1, static_cast<int>(heroes.size()))(random));
    for (int n = 0; n < gestures; ++n) {
        ApplyGesture(calc, RandomGesture(catalogue, random));
    }
    return calc;
}

} // namespace zephyr::test
