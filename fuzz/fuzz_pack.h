#pragma once

#include "pack_builder.h"

#include "data/data_location.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace zephyr::fuzz {

// The sample Data folder that the build compiles beside the harnesses, or
// $ZEPHYR_FUZZ_DATA when that is set.
std::filesystem::path SampleDataFolder();

// The sample pack cut down to a handful of records per catalogue, chosen to
// cover the features the loaders treat apart (melee and ranged heroes, item
// groups, orbs, auras, links). Small, so that seeds stay a few KiB.
testing::PackBuilder SmallSamplePack(const std::filesystem::path& sampleData);

// The small pack written once per process into a temporary folder, with a
// generated picture at every path it names.
const DataLocation& SmallPackLocation();

// Writes the input as `file` of the small pack (the other catalogues stay
// valid) and runs that file's loader from CatalogueLoaders(), with pictures
// and without. A DataError is the expected answer to a bad file; any other
// exception, or loads that disagree, abort.
void LoadCatalogueInput(const char* file, const std::uint8_t* data, std::size_t size);

// The input bytes as text.
inline std::string InputText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace zephyr::fuzz
