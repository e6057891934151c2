#pragma once

#include "data/data_location.h"

#include <string>
#include <vector>

namespace zephyr {

// An HTML document of the data folder, as the search reads it.
struct FindDocument {
    std::string Path;  // from the program folder, '/' separated, as stored
    std::string Bytes; // Windows-1251 HTML
};

// Every .htm and .html file under the data folder, in path order. A file that
// cannot be read, or is larger than any document should be, is left out and
// named in `problems` (UTF-8); nothing else stops the reading.
std::vector<FindDocument> ReadFindDocuments(const DataLocation& location,
                                            std::vector<std::string>& problems);

} // namespace zephyr
