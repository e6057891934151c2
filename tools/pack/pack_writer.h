#pragma once

#include "pack_sources.h"

#include <filesystem>

namespace zephyr::pack {

class IconSet;

// Writes a complete Data folder: catalogues, Str.dat and Address.dat (CR LF,
// Windows-1251), every catalogue and interface picture, every document.
// The pictures use the icon set when there is one. Needs a QGuiApplication
// for drawing. Throws std::runtime_error (DataError for values the
// catalogues cannot hold) naming what failed.
void WritePack(const PackSources& pack, const std::filesystem::path& dataFolder,
               const IconSet* icons = nullptr);

} // namespace zephyr::pack
