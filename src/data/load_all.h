#pragma once

#include "catalogue.h"
#include "data_location.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace zephyr {

// Receives the splash status texts (Windows-1251) in the order loading shows them.
using StatusCallback = std::function<void(const std::string& text)>;

struct LoadOptions {
    DataLocation Location;
    bool WithPictures = true; // false: records, menus and icon indexes only
    StatusCallback Status;
};

enum class LoadFailureKind {
    MissingFile,  // a catalogue could not be opened
    BadCatalogue, // a catalogue is truncated or malformed
    BadPicture,   // a picture is missing, unreadable or corrupt
};

struct LoadFailure {
    LoadFailureKind Kind;
    std::string Message; // UTF-8, names the file (and offset)
};

struct LoadAllResult {
    zephyr::Catalogue Catalogue; // every catalogue that loaded before the failure
    std::optional<LoadFailure> Failure;

    bool Ok() const { return !Failure; }
};

// The catalogue loaders. Each returns false when its file cannot be opened
// (nothing added), throws DataError on a malformed file or a bad picture
// (nothing added), and otherwise fills its part of the catalogue.
bool LoadOrbs(const LoadOptions& options, Catalogue& catalogue);
bool LoadHeroes(const LoadOptions& options, Catalogue& catalogue);
bool LoadAuras(const LoadOptions& options, Catalogue& catalogue);
bool LoadItems(const LoadOptions& options, Catalogue& catalogue);
bool LoadSlang(const LoadOptions& options, Catalogue& catalogue);

// The loaders in their fixed order, each with the file it reads.
struct CatalogueLoader {
    bool (*Load)(const LoadOptions&, Catalogue&);
    const char* File;
};
std::span<const CatalogueLoader> CatalogueLoaders();

// Orbs, heroes, auras, items, slang, in this order, stopping at the first failure.
LoadAllResult LoadAll(const LoadOptions& options);

} // namespace zephyr
