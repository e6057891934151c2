#pragma once

#include "data_location.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zephyr {

// The documents that fixed places of the interface open, from Address.dat.
enum class DocumentKey {
    HeroesGuide,
    ItemsGuide,
    ArticlesIndex,
    CreepsGuide,
    CalculatorFormulas,
    About,
    Help,
};
inline constexpr std::size_t kDocumentKeyCount = 7;

struct DocumentAddresses {
    // Paths relative to the program folder (Windows-1251), empty when unset.
    std::array<std::string, kDocumentKeyCount> Values;
    // The start page: the value of the last non-empty "Default" line, or empty.
    std::string DefaultPage;
    // The project's web site, opened by the link button; empty in older files.
    std::string Site;

    const std::string& Get(DocumentKey key) const { return Values[static_cast<std::size_t>(key)]; }
};

// The stored keys in DocumentKey order, Windows-1251 ("Руководство.Герои", ...).
const std::array<std::string, kDocumentKeyCount>& DocumentKeyNames();
// The key of the start page line.
inline constexpr std::string_view kDefaultDocumentKey = "Default";
// The key of the project's web site ("О проекте.Сайт"), Windows-1251.
const std::string& SiteKeyName();

// Parses the lines of Address.dat: split at the first "=", both sides trimmed
// of spaces and control bytes, keys compared exactly; later lines win.
DocumentAddresses ParseDocumentAddresses(std::string_view text);

// Reads Address.dat from the data folder: nothing when it does not exist,
// DataError when it cannot be read or is refused (see ReadTextFile).
std::optional<DocumentAddresses> ReadDocumentAddresses(const DataLocation& location);

} // namespace zephyr
