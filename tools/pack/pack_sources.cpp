#include "pack_sources.h"

#include "icon_set.h"
#include "source_readers.h"

namespace zephyr::pack {

std::string_view DefaultIcon(PictureKind kind) {
    switch (kind) {
    case PictureJob::Kind::HeroPortrait:
        return "character";
    case PictureJob::Kind::Ability:
        return "sparkles";
    case PictureJob::Kind::Item:
        return "swap-bag";
    case PictureJob::Kind::Shop:
        return "shop";
    case PictureJob::Kind::Aura:
        return "aura";
    case PictureJob::Kind::OrbCategory:
        return "concentration-orb";
    case PictureJob::Kind::AbilityOrb:
        return "double-ringed-orb";
    }
    return "sparkles";
}

std::string IconValue(const SourceLine& line, const SourceNames& names) {
    if (!IsIconName(line.Value)) {
        line.Fail("an icon is named as the Game Icons set names it, in lower case with "
                  "hyphens (leather-boot), found \"" +
                  line.Value + "\"");
    }
    if (names.Icons != nullptr && !names.Icons->Has(line.Value)) {
        line.Fail("the icon set has no icon named \"" + line.Value + "\"");
    }
    return line.Value;
}

PackSources ReadPackSources(const std::filesystem::path& folder, const IconSet* icons) {
    PackSources pack;
    SourceNames names;
    names.Icons = icons;
    // The generated page that sources may link to besides the written ones.
    names.Documents.insert("Main.html");
    ReadOrbSources(folder, pack, names);
    ReadAuraSources(folder, pack, names);
    ReadItemSources(folder, pack, names);
    ReadHeroSources(folder, pack, names);
    ReadBuildSources(folder, pack);
    ReadDocumentSources(folder, pack, names);
    ReadDictionarySources(folder, pack, names);
    ReadTickerSource(folder, pack);
    return pack;
}

} // namespace zephyr::pack
