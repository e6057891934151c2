#pragma once

#include <filesystem>

namespace zephyr::bench {

// The generated pack (120 heroes, 200 items, 20 000 dictionary terms) and the
// sample pack compiled from datapack/, each written once per run into a
// temporary folder that is removed when the program ends. The sample folder
// is empty when its sources do not compile.
const std::filesystem::path& SyntheticFolder();
const std::filesystem::path& SampleFolder();

} // namespace zephyr::bench
