#pragma once

#include "data/aurs_file.h"
#include "data/data_location.h"
#include "data/dictionary_file.h"
#include "data/orbs_file.h"
#include "data/picture.h"
#include "data/shops_file.h"
#include "data/taverns_file.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace zephyr::testing {

// A Data folder described in memory and written with the catalogue writers.
// Every picture path named by the catalogues gets a generated picture of the
// size its list expects (JPEG, or GIF for a .gif path), unless the path is in
// `pictures` (written as given) or in `missingPictures`.
struct PackBuilder {
    std::optional<TavernsFile> Taverns = TavernsFile{};
    std::optional<ShopsFile> Shops = ShopsFile{};
    std::optional<AursFile> Aurs = AursFile{};
    std::optional<OrbsFile> Orbs = OrbsFile{};
    std::optional<DictionaryFile> Dictionary = DictionaryFile{};
    std::map<std::string, Picture> Pictures; // stored path -> picture
    std::set<std::string> MissingPictures;   // stored paths left out

    // Writes the catalogues into `programFolder`/Data and the pictures at
    // their stored paths below `programFolder`.
    void WriteTo(const std::filesystem::path& programFolder) const;

    // Writes what a complete pack holds besides the catalogues: every
    // interface picture, Str.dat, Address.dat with every key and the
    // documents it names.
    static void WriteInterfaceAndTexts(const std::filesystem::path& programFolder);

    // A location whose program folder and current directory are `programFolder`.
    static DataLocation LocationOf(const std::filesystem::path& programFolder);
};

// A solid picture whose colour is derived from `seed`.
Picture SolidPicture(int width, int height, int seed);

// A hero with every field set from `seed`, abilities with data and programs.
HeroFileEntry SampleHero(const std::string& name, int seed);
// A plain item (or "group>>variant" text) with a program and auras.
ItemFileEntry SampleItem(const std::string& text, int seed);

} // namespace zephyr::testing
