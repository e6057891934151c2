#include "catalogue_access.h"
#include "commands.h"
#include "pack_check.h"

#include <ostream>

namespace zephyr::cli {

int RunCheck(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    if (!ctx.args.empty()) {
        throw UsageError{"check takes no argument besides --data DIR"};
    }
    const PackCheckReport report = CheckPack(location);
    ctx.out << location.DataFolder().string() << ": " << report.Summary() << '\n';
    for (const std::string& problem : report.problems) {
        ctx.out << problem << '\n';
    }
    return report.problems.empty() ? kExitOk : kExitProblems;
}

} // namespace zephyr::cli
