#include "pack_sources.h"

#include "source_readers.h"

namespace zephyr::pack {

PackSources ReadPackSources(const std::filesystem::path& folder) {
    PackSources pack;
    SourceNames names;
    // The generated page that sources may link to besides the written ones.
    names.Documents.insert("Main.html");
    ReadOrbSources(folder, pack, names);
    ReadAuraSources(folder, pack, names);
    ReadItemSources(folder, pack, names);
    ReadHeroSources(folder, pack, names);
    ReadDocumentSources(folder, pack, names);
    ReadDictionarySources(folder, pack, names);
    ReadTickerSource(folder, pack);
    return pack;
}

} // namespace zephyr::pack
