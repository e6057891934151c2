#pragma once

#include "pack_sources.h"
#include "source_error.h"
#include "source_values.h"

#include <filesystem>
#include <set>

namespace zephyr::pack {

// What the readers of later sources look up by name.
struct SourceNames {
    NameTable categories{"orb category"};
    NameTable abilityOrbs{"ability orb"};
    NameTable itemOrbs{"item orb"};
    NameTable auras{"aura"};
    NameTable items{"item"};
    NameTable heroes{"hero"};
    std::set<std::string> heroCalcNames; // hero names without spaces, as calc links name them
    std::set<std::string> documents;     // file names inside Data/documents
};

// Each reads its sources into `pack` (in this order: later ones refer to
// earlier ones by name). `root` is the sources folder, for messages.
void ReadOrbSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadAuraSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadItemSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadHeroSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadDocumentSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names);
void ReadDictionarySources(const std::filesystem::path& root, PackSources& pack,
                           const SourceNames& names);
void ReadTickerSource(const std::filesystem::path& root, PackSources& pack);

// The path of a source file as messages show it.
std::string Shown(const std::filesystem::path& root, const std::filesystem::path& file);

} // namespace zephyr::pack
