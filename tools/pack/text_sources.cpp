#include "source_error.h"
#include "source_readers.h"

#include <algorithm>

namespace zephyr::pack {
namespace {

constexpr const char* kCategories[] = {"terms",     "heroes",    "items", "creeps",
                                       "buildings", "abilities", "slang"};

void CheckLinkTarget(const SourceLine& line, const std::string& target, const SourceNames& names) {
    if (target.rfind("calc", 0) == 0) {
        // calc + one separator + a hero's name without spaces
        const std::string wanted = target.size() > 5 ? target.substr(5) : std::string();
        if (names.HeroCalcNames.count(wanted) == 0) {
            line.Fail("\"" + target + "\" names no hero (calc_ + a hero's name without spaces)");
        }
        return;
    }
    const std::string file = target.substr(0, target.find_first_of("?#"));
    if (names.Documents.count(file) == 0) {
        line.Fail("\"" + target + "\" is not one of the documents");
    }
}

} // namespace

std::string Shown(const std::filesystem::path& root, const std::filesystem::path& file) {
    return file.lexically_relative(root.parent_path()).generic_string();
}

void ReadDocumentSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    for (const char* folder : {"documents", "documents/articles"}) {
        for (const auto& path : SourceFilesIn(root / folder, ".html")) {
            const std::string shown = Shown(root, path);
            std::string text = ReadSourceText(path, shown);
            const std::string prefix = "<!-- title:";
            const std::size_t end = text.find("-->");
            if (text.rfind(prefix, 0) != 0 || end == std::string::npos) {
                throw SourceError(shown, 1, "a document starts with <!-- title: ... -->");
            }
            std::string title = text.substr(prefix.size(), end - prefix.size());
            title = title.substr(title.find_first_not_of(' '));
            title = title.substr(0, title.find_last_not_of(' ') + 1);
            const std::string name = path.lexically_relative(root / "documents").generic_string();
            pack.Documents.push_back({name, title, text.substr(end + 3)});
            names.Documents.insert(name);
        }
    }
}

void ReadDictionarySources(const std::filesystem::path& root, PackSources& pack,
                           const SourceNames& names) {
    for (const auto& path : SourceFilesIn(root / "dictionary", ".zds")) {
        TSlang* entry = nullptr;
        for (const SourceLine& line : ReadSourceFile(path, Shown(root, path))) {
            if (line.IsEffect) {
                line.Fail("a dictionary line is \"key: value\"");
            }
            if (line.Key == "entry") {
                pack.Dictionary.Entries.emplace_back();
                entry = &pack.Dictionary.Entries.back();
                continue;
            }
            if (entry == nullptr) {
                line.Fail("\"" + line.Key + "\" belongs inside an entry");
            }
            if (line.Key == "category") {
                const auto found =
                    std::find(std::begin(kCategories), std::end(kCategories), line.Value);
                if (found == std::end(kCategories)) {
                    line.Fail("category is one of terms, heroes, items, creeps, buildings, "
                              "abilities, slang");
                }
                entry->Category = static_cast<std::uint8_t>(found - std::begin(kCategories));
            } else if (line.Key == "terms") {
                for (const std::string& term : SplitList(line.Value, '|')) {
                    if (term.empty()) {
                        line.Fail("an empty term");
                    }
                    entry->Terms.push_back(CpText(line, term, 50));
                }
            } else if (line.Key == "definition") {
                entry->Definition = CpText(line, line.Value, 65535);
            } else if (line.Key == "link") {
                const std::size_t arrow = line.Value.find("->");
                if (arrow == std::string::npos) {
                    line.Fail("a link is written \"Caption -> target\"");
                }
                const std::string caption = SplitList(line.Value.substr(0, arrow), '\n').at(0);
                const std::string target = SplitList(line.Value.substr(arrow + 2), '\n').at(0);
                CheckLinkTarget(line, target, names);
                entry->Links.push_back({CpText(line, caption), CpText(line, target)});
            } else {
                line.Fail("unknown entry field \"" + line.Key + "\"");
            }
        }
    }
    if (pack.Dictionary.Entries.size() > 65535) {
        throw SourceError("dictionary", 0, "more than 65535 entries");
    }
}

void ReadTickerSource(const std::filesystem::path& root, PackSources& pack) {
    const auto path = root / "ticker.txt";
    const std::string shown = Shown(root, path);
    const std::string text = ReadSourceText(path, shown);
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        ++number;
        start = end + 1;
        pack.TickerLines.push_back(CpText(SourceLine{shown, number, false, {}, {}}, line, 100000));
    }
}

} // namespace zephyr::pack
