#pragma once

#include "build_state.h"

#include <array>
#include <cstdint>

namespace zephyr {

enum ProcKindCode : std::uint8_t { kProcNone = 0, kProcBash = 1, kProcCrit = 2 };

// One chance effect on attacks. Entries 1-4 belong to abilities 1-4, entries
// 5-10 to item slots 1-6 (stored at index entry - 1).
struct ProcEntry {
    std::uint8_t ProcKind = kProcNone;
    double Chance = 0;    // percent
    double Effective = 0; // probability that this proc is the one that fires
    double Amount = 0;    // bash: damage; crit: multiplier
    std::int32_t Source = 0;
    bool NotCounted = false;
};

using ProcTable = std::array<ProcEntry, 10>;
using BuildOrderCodes = std::array<std::uint8_t, kBuildOrderLength>;

// Procs whose source stands in the build order come first, most recently
// acquired first; an ability counts at the position of its first level.
void OrderProcs(ProcTable& procs, const BuildOrderCodes& order);

// Expected bash damage per attack. For a ranged hero the procs fire in build
// order, and bashChance becomes the sum of the counted effective chances; for a
// melee hero bashChance is left alone.
double BashExtraDamage(ProcTable& procs, const BuildOrderCodes& order, bool ranged,
                       double& bashChance);

// Expected extra damage per attack from critical strikes on averageDamage.
double CritExtraDamage(ProcTable& procs, const BuildOrderCodes& order, double averageDamage);

// Ranged heroes: the orb's chance in percent once the procs ahead of it fired.
double AdjustOrbChance(const ProcTable& procs, double orbChance);

} // namespace zephyr
