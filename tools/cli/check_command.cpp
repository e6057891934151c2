#include "catalogue_access.h"
#include "commands.h"
#include "pack_check.h"

#include "data/message_text.h"

#include <filesystem>
#include <ostream>

namespace zephyr::cli {

int RunCheck(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    if (!ctx.Args.empty()) {
        throw UsageError{"check takes no argument besides --data DIR"};
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(location.DataFolder(), ec)) {
        ctx.Out << MessageText(location.DataFolder().string()) << ": no such folder\n";
        return kExitProblems;
    }
    const PackCheckReport report = CheckPack(location);
    ctx.Out << MessageText(location.DataFolder().string()) << ": " << report.Summary() << '\n';
    for (const std::string& problem : report.Problems) {
        ctx.Out << problem << '\n';
    }
    return report.Problems.empty() ? kExitOk : kExitProblems;
}

} // namespace zephyr::cli
