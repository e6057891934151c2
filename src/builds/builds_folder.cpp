#include "builds/builds_folder.h"

#include "builds/build_file.h"

namespace zephyr {
namespace {

// Long enough for any name a person types, short of every file system's limit.
constexpr std::size_t kMaxStemBytes = 120;

std::string StemFor(std::string_view name) {
    std::string stem;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unsafe = byte < 0x20 || byte == 0x7f ||
                            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        stem += unsafe ? '_' : c;
    }
    // No hidden files, no "." or "..", no trailing spaces or dots.
    const std::size_t first = stem.find_first_not_of(" .");
    stem = first == std::string::npos ? std::string() : stem.substr(first);
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) {
        stem.pop_back();
    }
    if (stem.size() > kMaxStemBytes) {
        std::size_t cut = kMaxStemBytes;
        // Back to the start of a UTF-8 character.
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        stem.resize(cut);
    }
    return stem.empty() ? std::string("Сборка") : stem;
}

} // namespace

std::filesystem::path DefaultBuildsFolder(const char* xdgDataHome, const char* home) {
    std::filesystem::path base;
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) {
        base = xdgDataHome;
    } else if (home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return base / "zephyrdex" / "builds";
}

std::string BuildFileNameFor(std::string_view name) {
    return StemFor(name) + std::string(kBuildFileExtension);
}

std::filesystem::path FreeBuildPath(const std::filesystem::path& folder, std::string_view name) {
    const std::string stem = StemFor(name);
    std::filesystem::path path = folder / (stem + std::string(kBuildFileExtension));
    std::error_code error;
    for (int n = 2; std::filesystem::exists(path, error); ++n) {
        path = folder / (stem + " (" + std::to_string(n) + ")" + std::string(kBuildFileExtension));
    }
    return path;
}

} // namespace zephyr
