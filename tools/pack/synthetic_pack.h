#pragma once

#include "pack_sources.h"

namespace zephyr::pack {

// A large generated game for benchmarks. Scale 1: 120 heroes in 8 taverns,
// 200 items in 10 shops, 60 auras, 8 orb categories, 20 000 dictionary terms.
PackSources SyntheticPack(int scale);

} // namespace zephyr::pack
