#pragma once

#include "build_recipe.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zephyr {

// A build recipe as one short line of text: "ZX" and the URL-safe base64 of
// a version byte, the gestures (small numbers as varints, names with their
// lengths) and a CRC-32 of all that. Names are stored, not catalogue
// numbers, so a code survives a catalogue that orders its records anew.
std::string EncodeBuildCode(const BuildRecipe& recipe);

// Why a text is no build code of ours: foreign, damaged or from a newer
// version. The message is meant for the user.
struct BuildCodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The recipe a code holds; BuildCodeError when the text is not a whole,
// undamaged code of this version.
BuildRecipe DecodeBuildCode(std::string_view code);

// Most gestures and longest name a code may hold: far beyond any real build,
// small enough that a hostile code costs nothing.
inline constexpr std::size_t kMaxCodeGestures = 4096;
inline constexpr std::size_t kMaxCodeName = 255;

} // namespace zephyr
