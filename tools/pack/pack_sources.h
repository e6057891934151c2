#pragma once

#include "data/aurs_file.h"
#include "data/dictionary_file.h"
#include "data/orbs_file.h"
#include "data/shops_file.h"
#include "data/taverns_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zephyr::pack {

// A picture the compiler draws, at the stored path the catalogues name.
struct PictureJob {
    enum class Kind { HeroPortrait, Ability, Item, Shop, Aura, OrbCategory, AbilityOrb };
    Kind kind;
    std::string storedPath;   // Windows-1251, backslashes
    std::string label;        // UTF-8: the name drawn from
    std::uint32_t colour = 0; // 0xRRGGBB theme colour
    int variant = 0;          // attribute, ability number, group...
};

// A written document: its body (UTF-8 HTML fragment) and title.
struct DocumentSource {
    std::string fileName; // inside Data/documents, e.g. "articles/laning.html"
    std::string title;
    std::string body;
};

// Everything the sources describe, resolved to catalogue numbers and texts
// in Windows-1251, ready for the writers.
struct PackSources {
    TavernsFile taverns;
    ShopsFile shops;
    AursFile aurs;
    OrbsFile orbs;
    DictionaryFile dictionary;
    std::vector<std::string> tickerLines; // Windows-1251
    std::vector<DocumentSource> documents;
    std::vector<PictureJob> pictures;
};

// Reads and checks the sources folder; SourceError on the first mistake.
PackSources ReadPackSources(const std::filesystem::path& folder);

} // namespace zephyr::pack
