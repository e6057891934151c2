#pragma once

#include "build_state.h"
#include "hero_stats.h"

#include "data/catalogue.h"

#include <vector>

namespace zephyr {

// The build's figures at every hero level it has taken: entry k - 1 holds
// hero level k. Level k has the first k picks and every item bought before
// the (k + 1)-th pick in the build order, so items bought after the last pick
// count at the last level and items bought before the first pick from level 1.
//
// Each level is replayed through a calculator of its own, so its aura slots,
// links and parameter ranges are those of a build with only those picks and
// items. The build's switches carry over where that level offers them: an
// ability switched on counts from the level it was learned, an activated item
// from its purchase. Parameter values carry over, clamped to the level's
// ranges. The build itself is left alone. No hero or no level: no entries.
std::vector<HeroStats> LevelProgress(const Catalogue& catalogue, const BuildState& build);

} // namespace zephyr
