#include "byte_helpers.h"
#include "dictionary_file.h"
#include "loader_status.h"

namespace zephyr {

bool LoadSlang(const LoadOptions& options, Catalogue& catalogue) {
    ReportStatus(options, "Загрузка сленга...");
    std::optional<DictionaryFile> file =
        ReadDictionaryFile(options.Location.DataFile("Dictionary.dat"));
    if (!file) {
        return false;
    }
    for (TSlang& entry : file->Entries) {
        for (std::string& term : entry.Terms) {
            term = CutBytes(term, 50);
        }
    }
    catalogue.SlangWords = std::move(file->Entries);
    return true;
}

} // namespace zephyr
