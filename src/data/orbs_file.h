#pragma once

#include "orb.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// Orbs.dat as stored. The pair tables hold only their Result bytes in file
// order; the (First, Second) of each position follows from the loop orders
// (see the *OrbPairs functions below).
struct OrbPictureEntry {
    std::string Name;
    std::string PicturePath;

    friend bool operator==(const OrbPictureEntry&, const OrbPictureEntry&) = default;
};

struct OrbsFile {
    std::vector<OrbPictureEntry> Categories;
    std::vector<OrbPictureEntry> AbilityOrbs;
    std::vector<std::uint8_t> MeleeResults;   // a(a+1)/2 entries
    std::vector<std::uint8_t> RangedResults;  // a(a+1)/2 entries
    std::vector<std::uint8_t> AbilityResults; // a*b entries
    std::vector<TOrb> ItemOrbs;

    friend bool operator==(const OrbsFile&, const OrbsFile&) = default;
};

std::optional<OrbsFile> ReadOrbsFile(const std::filesystem::path& path);
std::string WriteOrbsFile(const OrbsFile& file);

// The pair tables in file order, from the Result bytes: melee is the lower
// triangle (j, i) for i = 1..a, j = 1..i; ranged the upper (j, i) for
// i = 1..a, j = i..a; ability (orb j, category i) for i = 1..a, j = 1..Builder.
std::vector<TOrbPair> MeleeOrbPairs(int categories, const std::vector<std::uint8_t>& results);
std::vector<TOrbPair> RangedOrbPairs(int categories, const std::vector<std::uint8_t>& results);
std::vector<TOrbPair> AbilityOrbPairs(int categories, int abilityOrbs,
                                      const std::vector<std::uint8_t>& results);

} // namespace zephyr
