#pragma once

#include <filesystem>
#include <string>

namespace zephyr::testing {

// Writes a small but complete data-pack source folder: one tavern with one
// hero, one shop with an item and a group of two variants, two auras, two orb
// categories with complete tables, a dictionary, tips and every document.
void WriteSampleSources(const std::filesystem::path& folder);

// Replaces the first occurrence of `from` in a text file.
void ReplaceInFile(const std::filesystem::path& path, const std::string& from,
                   const std::string& to);

} // namespace zephyr::testing
