#include "load_all.h"

#include "data_error.h"

namespace zephyr {

LoadAllResult LoadAll(const LoadOptions& options) {
    struct Step {
        bool (*load)(const LoadOptions&, Catalogue&);
        const char* file;
    };
    static constexpr Step kSteps[] = {
        {LoadOrbs, "Orbs.dat"},   {LoadHeroes, "Taverns.dat"},   {LoadAuras, "Aurs.dat"},
        {LoadItems, "Shops.dat"}, {LoadSlang, "Dictionary.dat"},
    };
    LoadAllResult result;
    for (const Step& step : kSteps) {
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
