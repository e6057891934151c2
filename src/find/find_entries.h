#pragma once

#include "data/catalogue.h"
#include "data/document_addresses.h"
#include "find_documents.h"
#include "find_entry.h"

#include <vector>

namespace zephyr {

// The start of the address that shows one hero's section of the start page.
inline constexpr std::string_view kHeroSectionQuery = "?pageid=heroes&heroid=";

// Everything the search finds, made from the catalogues and the documents:
// heroes, their abilities (with the text the documents show in the hero's
// section), items (with the row of the items guide), auras and orbs (with
// what gives them), dictionary terms, and the documents' passages, a hero's
// section of the start page as one passage.
std::vector<FindEntry> CollectFindEntries(const Catalogue& catalogue,
                                          const std::vector<FindDocument>& documents,
                                          const DocumentAddresses& addresses);

} // namespace zephyr
