#pragma once

#include "pack_sources.h"

#include "data/picture.h"

namespace zephyr::pack {

// Draws the picture of a hero, ability, item, shop, aura or orb at the size
// its icon list uses.
Picture DrawCatalogueArt(const PictureJob& job);

} // namespace zephyr::pack
