#pragma once

#include "aura.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// Aurs.dat as stored: ignored header texts, then the auras with their
// picture paths. Texts are fixed-width fields (50 and 255 bytes).
struct AuraFileEntry {
    TAura Aura;
    std::string PicturePath;

    friend bool operator==(const AuraFileEntry&, const AuraFileEntry&) = default;
};

struct AursFile {
    std::vector<std::string> HeaderTexts;
    std::vector<AuraFileEntry> Auras;

    friend bool operator==(const AursFile&, const AursFile&) = default;
};

std::optional<AursFile> ReadAursFile(const std::filesystem::path& path);
std::string WriteAursFile(const AursFile& file);

} // namespace zephyr
