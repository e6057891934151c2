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
            if (!step.Load(options, result.Catalogue)) {
                result.Failure = LoadFailure{LoadFailureKind::MissingFile,
                                             options.Location.DataFile(step.File).string() +
                                                 ": cannot open the file"};
                break;
            }
        } catch (const PictureError& error) {
            result.Failure = LoadFailure{LoadFailureKind::BadPicture, error.what()};
            break;
        } catch (const DataError& error) {
            result.Failure = LoadFailure{LoadFailureKind::BadCatalogue, error.what()};
            break;
        }
    }
    return result;
}

} // namespace zephyr
