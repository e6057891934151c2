#include "catalogue_access.h"

#include "data/load_all.h"

#include <ostream>

namespace zephyr::cli {

DataLocation TakeDataLocation(CliContext& ctx) {
    std::optional<std::filesystem::path> dataFolder;
    if (auto value = TakeOption(ctx.Args, "data")) {
        if (value->empty()) {
            throw UsageError{"--data needs a folder"};
        }
        dataFolder = std::filesystem::path(*value);
    }
    return DataLocation::ForExecutable(ctx.Executable, dataFolder);
}

std::optional<Catalogue> LoadRecords(const CliContext& ctx, const DataLocation& location) {
    LoadAllResult result = LoadAll(LoadOptions{location, false, {}});
    if (!result.Ok()) {
        ctx.Err << "zephyrdex-cli: " << result.Failure->Message << '\n';
        return std::nullopt;
    }
    return std::move(result.Catalogue);
}

std::optional<std::vector<TSlang>> LoadDictionary(const CliContext& ctx,
                                                  const DataLocation& location) {
    Catalogue catalogue;
    if (!LoadSlang(LoadOptions{location, false, {}}, catalogue)) {
        ctx.Err << "zephyrdex-cli: " << location.DataFile("Dictionary.dat").string()
                << ": cannot open the file\n";
        return std::nullopt;
    }
    return std::move(catalogue.SlangWords);
}

} // namespace zephyr::cli
