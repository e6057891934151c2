#pragma once

#include "stat_run.h"

namespace zephyr {

// Decides the orb in force from FirstOrb / SecondOrb: sets OrbShown and the
// two orb pictures, may set OrbChance and OrbDamage and add to LifeSteal.
void ResolveOrbs(StatRun& run);

} // namespace zephyr
