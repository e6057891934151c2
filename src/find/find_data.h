#pragma once

#include "data/catalogue.h"
#include "data/data_location.h"
#include "find_entry.h"

#include <string>
#include <vector>

namespace zephyr {

// Everything to find in a data folder: the loaded catalogues, and the
// documents and Address.dat read from the folder. What cannot be read is left
// out and named in `problems` (UTF-8).
std::vector<FindEntry> FindEntriesOf(const Catalogue& catalogue, const DataLocation& location,
                                     std::vector<std::string>& problems);

} // namespace zephyr
