#pragma once

#include "hero.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// Taverns.dat as stored: taverns in file order, each with its heroes and the
// heroes' picture paths (which the hero table does not keep).
struct HeroFileEntry {
    THero Hero;
    std::string PicturePath;

    friend bool operator==(const HeroFileEntry&, const HeroFileEntry&) = default;
};

struct TavernFileEntry {
    std::string Name;
    std::vector<HeroFileEntry> Heroes;

    friend bool operator==(const TavernFileEntry&, const TavernFileEntry&) = default;
};

struct TavernsFile {
    std::vector<TavernFileEntry> Taverns;

    friend bool operator==(const TavernsFile&, const TavernsFile&) = default;
};

// Nothing when the file cannot be opened; DataError when it is malformed.
std::optional<TavernsFile> ReadTavernsFile(const std::filesystem::path& path);
// The exact bytes ReadTavernsFile reads back; DataError for unstorable values.
std::string WriteTavernsFile(const TavernsFile& file);

} // namespace zephyr
