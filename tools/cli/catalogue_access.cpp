#include "catalogue_access.h"

#include "data/load_all.h"

#include <ostream>

namespace zephyr::cli {

DataLocation TakeDataLocation(CliContext& ctx) {
    std::optional<std::filesystem::path> dataFolder;
    if (auto value = TakeOption(ctx.args, "data")) {
        if (value->empty()) {
            throw UsageError{"--data needs a folder"};
        }
        dataFolder = std::filesystem::path(*value);
    }
    return DataLocation::ForExecutable(ctx.executable, dataFolder);
}

std::optional<Catalogue> LoadRecords(const CliContext& ctx, const DataLocation& location) {
    LoadAllResult result = LoadAll(LoadOptions{location, false, {}});
    if (!result.ok()) {
        ctx.err << "zephyrdex-cli: " << result.failure->message << '\n';
        return std::nullopt;
    }
    return std::move(result.catalogue);
}

std::optional<std::vector<TSlang>> LoadDictionary(const CliContext& ctx,
                                                  const DataLocation& location) {
    Catalogue catalogue;
    if (!LoadSlang(LoadOptions{location, false, {}}, catalogue)) {
        ctx.err << "zephyrdex-cli: " << location.DataFile("Dictionary.dat").string()
                << ": cannot open the file\n";
        return std::nullopt;
    }
    return std::move(catalogue.SlangWords);
}

} // namespace zephyr::cli
