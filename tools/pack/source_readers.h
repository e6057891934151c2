#pragma once

#include "pack_sources.h"
#include "source_error.h"
#include "source_values.h"

#include <filesystem>
#include <set>

namespace zephyr::pack {

// What the readers of later sources look up by name.
struct SourceNames {
    NameTable Categories{"orb category"};
    NameTable AbilityOrbs{"ability orb"};
    NameTable ItemOrbs{"item orb"};
    NameTable Auras{"aura"};
    NameTable Items{"item"};
    NameTable Heroes{"hero"};
    std::set<std::string> HeroCalcNames; // hero names without spaces, as calc links name them
    std::set<std::string> Documents;     // file names inside Data/documents
    const IconSet* Icons = nullptr;      // when given, icon names must be in it
};

// The value of an "icon:" line: a Game Icons name, in the set when there is one.
std::string IconValue(const SourceLine& line, const SourceNames& names);

// Each reads its sources into `pack` (in this order: later ones refer to
// earlier ones by name). `root` is the sources folder, for messages.
void ReadOrbSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadAuraSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadItemSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadHeroSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadDocumentSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadDictionarySources(const std::filesystem::path& root, PackSources& pack,
                           const SourceNames& names);
// After the heroes and items: the build files, each replayed into its code.
void ReadBuildSources(const std::filesystem::path& root, PackSources& pack);
void ReadTickerSource(const std::filesystem::path& root, PackSources& pack);

// The path of a source file as messages show it.
std::string Shown(const std::filesystem::path& root, const std::filesystem::path& file);

} // namespace zephyr::pack
