#pragma once

#include "build_recipe.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zephyr {

// A build recipe as one short line of text: "ZX" and the URL-safe base64 of
// a version byte, the gestures (small numbers as varints, names with their
// lengths) and a CRC-32 of all that. Names are stored, not catalogue
// numbers, so a code survives a catalogue that orders its records anew.
std::string EncodeBuildCode(const BuildRecipe& recipe);

// The version of the codes this program writes and reads.
inline constexpr int kBuildCodeVersion = 1;

// What is wrong with a code.
enum class BuildCodeFault : std::uint8_t {
    Foreign,         // it does not start with "ZX"
    BadCharacter,    // a character outside the code's alphabet
    CutOff,          // too short, or cut off in the middle of a character
    Damaged,         // what it holds cannot be read
    Checksum,        // the checksum does not match
    OtherVersion,    // written by another version (Version)
    TooManyGestures, // writing a build longer than a code holds
    NameTooLong,     // writing a name longer than a code holds
};

// Why a text is no build code of ours. what() says it in English for the
// command line; the window words Fault in its own language.
struct BuildCodeError : std::runtime_error {
    BuildCodeError(BuildCodeFault fault, const std::string& message, int version = 0)
        : std::runtime_error(message), Fault(fault), Version(version) {}

    BuildCodeFault Fault;
    int Version; // of an OtherVersion code
};

// The recipe a code holds; BuildCodeError when the text is not a whole,
// undamaged code of this version.
BuildRecipe DecodeBuildCode(std::string_view code);

// Most gestures and longest name a code may hold: far beyond any real build,
// small enough that a hostile code costs nothing.
inline constexpr std::size_t kMaxCodeGestures = 4096;
inline constexpr std::size_t kMaxCodeName = 255;

} // namespace zephyr
