#include "catalogue_reader.h"
#include "dictionary_file.h"

namespace zephyr {

std::optional<DictionaryFile> ReadDictionaryFile(const std::filesystem::path& path) {
    CatalogueReader in;
    if (!in.Open(path)) {
        return std::nullopt;
    }
    DictionaryFile file;
    const std::uint16_t count = in.Word("entry count");
    // Every entry takes at least five bytes; a larger count is a truncation
    // that shows at the first missing entry, without reserving for all.
    for (int i = 0; i < count; ++i) {
        TSlang entry;
        entry.Category = in.Byte("entry category");
        entry.Terms.resize(in.Byte("term count"));
        for (std::string& term : entry.Terms) {
            term = in.CountedText("term");
        }
        const std::uint16_t length = in.Word("definition length");
        entry.Definition = in.FixedText(length, "definition");
        entry.Links.resize(in.Byte("link count"));
        for (TSlangLink& link : entry.Links) {
            link.Caption = in.CountedText("link caption");
            link.Target = in.CountedText("link target");
        }
        file.Entries.push_back(std::move(entry));
    }
    return file;
}

} // namespace zephyr
