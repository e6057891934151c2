#pragma once

#include "pack_sources.h"

#include <map>
#include <string>

namespace zephyr::pack {

// Every document of Data/documents by its file name, as finished pages in
// Windows-1251: the written pages in the common frame, the guides with their
// generated lists, and Main.html with one page per hero.
std::map<std::string, std::string> BuildDocuments(const PackSources& pack);

// The address table (Address.dat lines, UTF-8) naming the pages above.
std::string AddressTable();

} // namespace zephyr::pack
