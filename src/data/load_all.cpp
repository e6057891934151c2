#include "load_all.h"

#include "data_error.h"

namespace zephyr {

std::span<const CatalogueLoader> CatalogueLoaders() {
    static constexpr CatalogueLoader kLoaders[] = {
        {LoadOrbs, "Orbs.dat"},   {LoadHeroes, "Taverns.dat"},   {LoadAuras, "Aurs.dat"},
        {LoadItems, "Shops.dat"}, {LoadSlang, "Dictionary.dat"},
    };
    return kLoaders;
}

LoadAllResult LoadAll(const LoadOptions& options) {
    LoadAllResult result;
    for (const CatalogueLoader& step : CatalogueLoaders()) {
        try {
            if (!step.load(options, result.catalogue)) {
                result.failure = LoadFailure{LoadFailureKind::MissingFile,
                                             options.location.DataFile(step.file).string() +
                                                 ": cannot open the file"};
                break;
            }
        } catch (const PictureError& error) {
            result.failure = LoadFailure{LoadFailureKind::BadPicture, error.what()};
            break;
        } catch (const DataError& error) {
            result.failure = LoadFailure{LoadFailureKind::BadCatalogue, error.what()};
            break;
        }
    }
    return result;
}

} // namespace zephyr
