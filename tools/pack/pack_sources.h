#pragma once

#include "data/aurs_file.h"
#include "data/dictionary_file.h"
#include "data/orbs_file.h"
#include "data/shops_file.h"
#include "data/taverns_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr::pack {

class IconSet;

// A picture the compiler draws, at the stored path the catalogues name.
struct PictureJob {
    enum class Kind { HeroPortrait, Ability, Item, Shop, Aura, OrbCategory, AbilityOrb };
    // What an ability mostly does, for the colour of its picture.
    enum class Effect { None, Attack, Magic, Defence, Swiftness, Sustain, Aura };
    PictureJob::Kind Kind;
    std::string StoredPath;   // Windows-1251, backslashes
    std::string Label;        // UTF-8: the name drawn from
    std::uint32_t Colour = 0; // 0xRRGGBB theme colour (shops, items, orbs)
    // Heroes: the primary attribute (1-3); abilities: attribute * 10 + the
    // ability's number (4: the ultimate); items: the variant's place in its
    // group (1, 2, ...; 0 for an item of its own); auras, orb categories and
    // ability orbs: their 1-based number.
    int Variant = 0;
    std::string Icon; // a Game Icons name; empty: the kind's default
    PictureJob::Effect Effect = PictureJob::Effect::None; // abilities
};

// The types of a job's Kind and Effect (the members hide their names).
using PictureKind = enum PictureJob::Kind;
using PictureEffect = enum PictureJob::Effect;

// The icon a record of this kind gets when its source names none.
std::string_view DefaultIcon(PictureKind kind);

// A written document: its body (UTF-8 HTML fragment) and title.
struct DocumentSource {
    std::string FileName; // inside Data/documents, e.g. "articles/laning.html"
    std::string Title;
    std::string Body;
};

// A recommended build: a build file of builds/, compiled to its build code
// for the links of the documents.
struct BuildSource {
    std::string Id;    // the file's name without ".zdxbuild": documents name it so
    std::string Name;  // UTF-8
    std::string Notes; // UTF-8
    std::string Hero;  // Windows-1251, as the catalogue names the hero
    int Level = 0;     // the hero level the file states; 0 when it does not
    std::string Code;  // what a "build_" link carries
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
    std::vector<BuildSource> Builds; // in file-name order
    std::vector<PictureJob> Pictures;
};

// Reads and checks the sources folder; SourceError on the first mistake.
// With an icon set, every icon the sources name must be in it.
PackSources ReadPackSources(const std::filesystem::path& folder, const IconSet* icons = nullptr);

} // namespace zephyr::pack
