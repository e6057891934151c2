#pragma once

#include "builds/build_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// One line of the build library: a folder, or a build file with what its
// header says.
struct LibraryEntry {
    bool IsFolder = false;
    std::filesystem::path Path;
    // The folder it lies in, from the listed one ("" for the listed one
    // itself; "a/b" deeper down), UTF-8.
    std::string Folder;
    // A folder's name is its own; a build without a name is named after its file.
    BuildFileHeader Header;
    // Why the file cannot be read; it is listed all the same, to be deleted.
    std::string Problem;
};

// Files larger than this are not build files and are not read.
inline constexpr std::uintmax_t kMaxBuildFileBytes = 1 << 20;

// The subfolders and build files of `folder` (headers read, nothing else),
// and with `deep` the build files of every folder beneath it as well.
// Nothing when the folder does not exist; unreadable entries are skipped.
std::vector<LibraryEntry> ListLibrary(const std::filesystem::path& folder, bool deep);

enum class LibraryOrder { Name, Hero, Level, Changed };

// The last session first, then folders, then the builds in `order` (names
// without regard to letter case; ties by name).
void SortLibrary(std::vector<LibraryEntry>& entries, LibraryOrder order, bool descending);

// Whether every word of `filter` (UTF-8) is found in the build's name, hero
// or notes, without regard to letter case, Cyrillic included. Folders match
// by name. An empty filter matches everything.
bool MatchesFilter(const LibraryEntry& entry, std::string_view filter);

// The text in lower case: Latin and Cyrillic letters, other bytes as they are.
std::string LowerCase(std::string_view utf8);

} // namespace zephyr
