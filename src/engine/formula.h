#pragma once

#include "stat_run.h"

#include "data/effect_token.h"

#include <span>

namespace zephyr {

// Value of one formula argument of ability (1 to 4)'s level program: literals
// and variables, + - x / with two precedence levels and no parentheses, read
// left to right. A missing operand counts as 0.
double EvaluateFormula(const StatRun& run, std::span<const TEffectToken> tokens, int ability);

} // namespace zephyr
