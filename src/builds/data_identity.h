#pragma once

#include "data/data_location.h"

#include <string>

namespace zephyr {

// The identity of the data a build is made on: a hash of the catalogues the
// calculator reads (heroes, items, auras, orbs), as 16 hexadecimal digits.
// Two packs with the same catalogues have the same identity whatever else
// differs; a missing catalogue counts as empty.
std::string DataIdentity(const DataLocation& location);

} // namespace zephyr
