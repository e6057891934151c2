#pragma once

#include "build_state.h"
#include "hero_stats.h"
#include "proc_rules.h"
#include "stat_record.h"

#include "data/catalogue.h"

#include <algorithm>
#include <cstdint>

namespace zephyr {

// Everything one ComputeStats pass works on: the inputs, the results being
// built and the accumulators that only live for the pass.
struct StatRun {
    StatRun(const zephyr::Catalogue& catalogue, BuildState& state, const THero& hero,
            HeroStats& stats)
        : Catalogue(catalogue), State(state), Hero(hero), Stats(stats) {}

    const zephyr::Catalogue& Catalogue;
    BuildState& State;
    const THero& Hero;
    HeroStats& Stats;
    int Level = 1;                // hero level used by the formulas, never below 1
    StatRecord* Record = nullptr; // where the contributions go, when asked for

    std::int32_t DamagePercent = 0;
    double HpRegenBase = 0;
    double ManaRegenBase = 0;
    double HpRegenFlat = 0;
    double ManaRegenFlat = 0;
    std::int32_t ManaRegenPercent = 0;
    std::int32_t SpeedFlat = 0;
    std::int32_t SpeedPercent = 0;
    std::int32_t RangeBonus = 0;
    std::int32_t ItemLifeSteal = 0;
    std::int32_t PhysEhpBonus = 0;
    std::int32_t MagicEhpBonus = 0;
    std::int32_t PhysDpsFlat = 0;
    std::int32_t MagicDpsFlat = 0;
    std::int32_t ItemMagicResist = 0;
    std::int32_t AbilityMagicResist = 0;
    std::int32_t EvasionPercent = 0;
    std::int32_t MissPercent = 0;
    std::int32_t TriggeredEvasionPercent = 0;
    std::int32_t PhysProcDamage = 0;
    std::int32_t MagicProcDamage = 0;
    double HpDrain = 0;
    double ManaDrain = 0;
    std::int32_t DamageBonusLate = 0;
    std::int32_t MagicDamageLate = 0;
    std::int32_t Shield = 0;
    double BashNone = 1.0;
    double CritNone = 1.0;

    std::int32_t FirstOrb = 0;
    std::int32_t SecondOrb = 0;
    bool AbilityOrbFound = false;
    double OrbChance = 0;
    double OrbDamage = 0;

    ProcTable Procs{};

    // Movement speed with the flat and percentage bonuses so far, capped: the
    // final statistic and the formulas' SPEED variable are the same value.
    double CappedMoveSpeed() const {
        return std::min(522.0, (SpeedFlat + Stats.MoveSpeed) * (1.0 + SpeedPercent / 100.0));
    }
};

} // namespace zephyr
