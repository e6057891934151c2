#include "catalogue_access.h"
#include "commands.h"
#include "stats_script.h"

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace zephyr::cli {

int RunStats(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    char separator = '.';
    if (auto value = TakeOption(ctx.args, "decimal-separator")) {
        if (value->size() != 1) {
            throw UsageError{"--decimal-separator takes one character"};
        }
        separator = (*value)[0];
    }
    if (ctx.args.size() > 1) {
        throw UsageError{"stats takes at most one script file"};
    }
    const std::string source = ctx.args.empty() ? "-" : ctx.args[0];

    std::string text;
    if (source == "-") {
        text.assign(std::istreambuf_iterator<char>(ctx.in), std::istreambuf_iterator<char>());
    } else {
        std::ifstream file(source, std::ios::binary);
        if (!file) {
            ctx.err << "zephyrdex-cli: " << source << ": cannot open the script\n";
            return kExitProblems;
        }
        std::ostringstream buffer;
        buffer << file.rdbuf();
        text = buffer.str();
    }
    nlohmann::json script;
    try {
        script = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& error) {
        ctx.err << "zephyrdex-cli: " << (source == "-" ? "standard input" : source)
                << ": not valid JSON: " << error.what() << '\n';
        return kExitProblems;
    }

    const std::optional<Catalogue> catalogue = LoadRecords(ctx, location);
    if (!catalogue) {
        return kExitProblems;
    }
    try {
        ctx.out << RunStatsScript(*catalogue, script, separator).dump(2) << '\n';
    } catch (const StatsScriptError& error) {
        ctx.err << "zephyrdex-cli: stats: " << error.what() << '\n';
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace zephyr::cli
