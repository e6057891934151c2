#pragma once

#include "build_state.h"
#include "hero_stats.h"

#include "data/catalogue.h"

namespace zephyr {

// Turns the build into the hero's statistics. Writes back only the parameter
// records that the abilities' level programs define. Without a valid chosen
// hero the result is all zeros.
HeroStats ComputeStats(const Catalogue& catalogue, BuildState& state);

} // namespace zephyr
