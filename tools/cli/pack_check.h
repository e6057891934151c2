#pragma once

#include "data/data_location.h"

#include <string>
#include <vector>

namespace zephyr::cli {

// Everything the program loads at start-up, loaded and cross-checked: every
// catalogue with its pictures, the two text files, the interface pictures,
// the documents the address table names, and every catalogue number.
struct PackCheckReport {
    int Heroes = 0;
    int Items = 0;
    int Auras = 0;
    int OrbCategories = 0;
    int AbilityOrbs = 0;
    int ItemOrbs = 0;
    int DictionaryEntries = 0;
    int TickerLines = 0;
    int Documents = 0;
    int Pictures = 0;
    std::vector<std::string> Problems; // UTF-8, one per line

    std::string Summary() const;
};

PackCheckReport CheckPack(const DataLocation& location);

} // namespace zephyr::cli
