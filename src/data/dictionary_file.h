#pragma once

#include "slang.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// Dictionary.dat as stored. Terms are kept as read (up to 255 bytes); the
// loader cuts them to 50. Definitions are read at their full stored length
// (a word, so up to 65535 bytes).
struct DictionaryFile {
    std::vector<TSlang> Entries;

    friend bool operator==(const DictionaryFile&, const DictionaryFile&) = default;
};

std::optional<DictionaryFile> ReadDictionaryFile(const std::filesystem::path& path);
std::string WriteDictionaryFile(const DictionaryFile& file);

} // namespace zephyr
