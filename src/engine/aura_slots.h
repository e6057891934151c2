#pragma once

#include "build_state.h"

#include "data/catalogue.h"

namespace zephyr {

// Puts aura a into force: joins the slot of its group, or takes the first free
// slot. Ignored when all ten slots hold other groups, or when a is not an aura.
void AddAura(const Catalogue& catalogue, BuildState& state, int aura);

// Removes one source equal to aura a from the slot of its group; a slot left
// without sources is freed and the later slots move up.
void WithdrawAura(const Catalogue& catalogue, BuildState& state, int aura);

// Re-establishes AuraNumber = largest source in every slot, then the hints.
void RecomputeAuraSlots(const Catalogue& catalogue, BuildState& state);

// Hint of each aura picture: the name of the aura in force, empty when free.
void RefreshAuraHints(const Catalogue& catalogue, BuildState& state);

// Frees all ten slots (sources too) and empties the hints.
void ClearAuraSlots(BuildState& state);

} // namespace zephyr
