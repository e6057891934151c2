#include "catalogue_writer.h"
#include "dictionary_file.h"

namespace zephyr {

std::string WriteDictionaryFile(const DictionaryFile& file) {
    CatalogueWriter out("Dictionary.dat");
    out.Count(file.Entries.size(), 0xFFFF, "dictionary entries");
    for (const TSlang& entry : file.Entries) {
        const std::string name = entry.Terms.empty() ? std::string("(no term)") : entry.Terms[0];
        out.Byte(entry.Category);
        out.Count(entry.Terms.size(), 0xFF, "terms of " + name);
        for (const std::string& term : entry.Terms) {
            out.CountedText(term, "term");
        }
        if (entry.Definition.size() > 0xFFFF) {
            out.Fail("definition of " + name, "longer than 65535 bytes");
        }
        out.Word(static_cast<std::uint16_t>(entry.Definition.size()));
        out.FixedText(entry.Definition, entry.Definition.size(), "definition of " + name);
        out.Count(entry.Links.size(), 0xFF, "links of " + name);
        for (const TSlangLink& link : entry.Links) {
            out.CountedText(link.Caption, "link caption");
            out.CountedText(link.Target, "link target");
        }
    }
    return out.Bytes();
}

} // namespace zephyr
