#pragma once

#include "data/data_location.h"

#include <string>
#include <vector>

namespace zephyr::cli {

// Everything the program loads at start-up, loaded and cross-checked: every
// catalogue with its pictures, the two text files, the interface pictures,
// the documents the address table names, and every catalogue number.
struct PackCheckReport {
    int heroes = 0;
    int items = 0;
    int auras = 0;
    int orbCategories = 0;
    int abilityOrbs = 0;
    int itemOrbs = 0;
    int dictionaryEntries = 0;
    int tickerLines = 0;
    int documents = 0;
    int pictures = 0;
    std::vector<std::string> problems; // UTF-8, one per line

    std::string Summary() const;
};

PackCheckReport CheckPack(const DataLocation& location);

} // namespace zephyr::cli
