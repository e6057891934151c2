#pragma once

#include "build_state.h"
#include "hero_stats.h"
#include "stat_record.h"

#include "data/catalogue.h"

namespace zephyr {

// Turns the build into the hero's statistics. Writes back only the parameter
// records that the abilities' level programs define. Without a valid chosen
// hero the result is all zeros. With a record it also notes where every
// figure came from; without one it notes nothing.
HeroStats ComputeStats(const Catalogue& catalogue, BuildState& state, StatRecord* record = nullptr);

} // namespace zephyr
