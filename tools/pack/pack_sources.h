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
    PictureJob::Kind Kind;
    std::string StoredPath;   // Windows-1251, backslashes
    std::string Label;        // UTF-8: the name drawn from
    std::uint32_t Colour = 0; // 0xRRGGBB theme colour
    int Variant = 0;          // attribute, ability number, group...
};

// A written document: its body (UTF-8 HTML fragment) and title.
struct DocumentSource {
    std::string FileName; // inside Data/documents, e.g. "articles/laning.html"
    std::string Title;
    std::string Body;
};

// Everything the sources describe, resolved to catalogue numbers and texts
// in Windows-1251, ready for the writers.
struct PackSources {
    TavernsFile Taverns;
    ShopsFile Shops;
    AursFile Aurs;
    OrbsFile Orbs;
    DictionaryFile Dictionary;
    std::vector<std::string> TickerLines; // Windows-1251
    std::vector<DocumentSource> Documents;
    std::vector<PictureJob> Pictures;
};

// Reads and checks the sources folder; SourceError on the first mistake.
PackSources ReadPackSources(const std::filesystem::path& folder);

} // namespace zephyr::pack
