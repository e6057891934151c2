#pragma once

#include "stat_run.h"

#include "data/effect_token.h"

#include <span>

namespace zephyr {

// Token codes of the effect-program grammar.
inline constexpr std::int32_t kEndToken = 0;
inline constexpr std::int32_t kSeparatorToken = 8;
inline constexpr std::int32_t kFirstEffectCode = 1000;

// Number of arguments of an effect code, 0 for codes that do not exist.
int EffectArgumentCount(std::int32_t code);

// Runs an item's StackingEffects (unique false) or UniqueEffects (unique true)
// for the item in slot (1 to 6). Every argument is one literal.
void RunEffectList(StatRun& run, std::span<const TEffectToken> list, int slot, bool unique);

// Runs the level program of ability (1 to 4); its arguments are formulas.
void RunLevelProgram(StatRun& run, std::span<const TEffectToken> list, int ability);

} // namespace zephyr
