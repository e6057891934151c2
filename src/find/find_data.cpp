#include "find_data.h"

#include "data/data_error.h"
#include "data/document_addresses.h"
#include "find_documents.h"
#include "find_entries.h"

namespace zephyr {

std::vector<FindEntry> FindEntriesOf(const Catalogue& catalogue, const DataLocation& location,
                                     std::vector<std::string>& problems) {
    DocumentAddresses addresses;
    try {
        addresses = ReadDocumentAddresses(location).value_or(DocumentAddresses{});
    } catch (const DataError& failure) {
        problems.push_back(failure.what());
    }
    return CollectFindEntries(catalogue, ReadFindDocuments(location, problems), addresses);
}

} // namespace zephyr
