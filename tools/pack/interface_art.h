#pragma once

#include "data/picture.h"

#include <string_view>

namespace zephyr::pack {

// Draws an interface picture (frames, caption, buttons, frames of slots and
// abilities, level marks, statistic icons, splash) by its stored path.
// Returns an empty picture for a path it does not know.
Picture DrawInterfaceArt(std::string_view storedPath);

} // namespace zephyr::pack
