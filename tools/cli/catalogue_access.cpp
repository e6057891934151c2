#include "catalogue_access.h"

#include "data/load_all.h"

#include <ostream>

namespace zephyr::cli {

DataLocation TakeDataLocation(CliContext& ctx) {
    std::optional<std::filesystem::path> dataFolder;
    if (auto value = TakeOption(ctx.args, "data")) {
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

} // namespace zephyr::cli
