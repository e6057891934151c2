#pragma once

#include "engine/build_recipe.h"
#include "engine/calculator.h"

#include "data/catalogue.h"

#include <random>

namespace zephyr::test {

// The sample game's catalogue (compiled from datapack/), loaded once
// without pictures.
const Catalogue& SampleCatalogue();

// A gesture the panel could be asked for on a build of `catalogue`: mostly
// level-ups and items, now and then anything else, out-of-range numbers
// included.
Gesture RandomGesture(const Catalogue& catalogue, std::mt19937& random);

// A calculator on a random hero after `gestures` random gestures.
Calculator RandomBuild(const Catalogue& catalogue, std::mt19937& random, int gestures);

} // namespace zephyr::test
