#pragma once

#include "cli_context.h"

namespace zephyr::cli {

// One function per subcommand; each returns the process exit code.
int RunDump(CliContext& ctx);
int RunCheck(CliContext& ctx);
int RunStats(CliContext& ctx);
int RunCodeCommand(CliContext& ctx);
int RunPack(CliContext& ctx);
int RunSearch(CliContext& ctx);
int RunFind(CliContext& ctx);
int RunArticle(CliContext& ctx);

} // namespace zephyr::cli
