#pragma once

#include "pack_sources.h"

#include "data/picture.h"

namespace zephyr::pack {

class IconSet;

// Draws the picture of a hero, ability, item, shop, aura or orb at the size
// its icon list uses: the record's icon from the set on a background of its
// kind, or without a set a plain shape in its place.
Picture DrawCatalogueArt(const PictureJob& job, const IconSet* icons = nullptr);

} // namespace zephyr::pack
