#pragma once

#include "stat_run.h"

#include "data/effect_code.h"
#include "data/effect_token.h"

#include <span>

namespace zephyr {

// Runs an item's StackingEffects (unique false) or UniqueEffects (unique true)
// for the item in slot (1 to 6). Every argument is one literal.
void RunEffectList(StatRun& run, std::span<const TEffectToken> list, int slot, bool unique);

// Runs the level program of ability (1 to 4); its arguments are formulas.
void RunLevelProgram(StatRun& run, std::span<const TEffectToken> list, int ability);

} // namespace zephyr
