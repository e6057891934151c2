#pragma once

#include "catalogue_builder.h"

#include "engine/build_state.h"
#include "engine/hero_stats.h"
#include "engine/stat_computation.h"

#include <initializer_list>

namespace zephyr::test {

// A catalogue under construction plus a build on its first hero, for tests
// that drive ComputeStats directly.
struct BuildFixture {
    CatalogueBuilder b;
    BuildState state;

    BuildFixture() {
        b.AddHero(MakeHero("Tester"));
        state.CurrentHero = 1;
        state.HeroLevel = 0;
    }

    THero& hero() { return b.Hero(1); }
    TAbility& ability(int m) { return b.Hero(1).Abilities[m - 1]; }

    // Takes the given picks as hero levels 1, 2, ... and records them in
    // the build order in the same order.
    void Learn(std::initializer_list<int> picks) {
        for (int pick : picks) {
            state.SkillPicks[state.HeroLevel] = static_cast<std::uint8_t>(pick);
            state.BuildOrder[state.BuildOrderCount++] = static_cast<std::uint8_t>(pick);
            ++state.HeroLevel;
        }
    }

    void Carry(int slot, int item) {
        state.ItemSlots[slot - 1].ItemNumber = item;
        state.ItemSlots[slot - 1].IconIndex = b.Item(item).ImageIndex;
        state.BuildOrder[state.BuildOrderCount++] = static_cast<std::uint8_t>(slot + 5);
    }

    HeroStats Compute() { return ComputeStats(b.Catalogue, state); }
};

} // namespace zephyr::test
