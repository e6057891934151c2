#include "catalogue_access.h"
#include "commands.h"
#include "stats_script.h"

#include "data/message_text.h"

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace zephyr::cli {

int RunStats(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    char separator = '.';
    if (auto value = TakeOption(ctx.Args, "decimal-separator")) {
        if (value->size() != 1) {
            throw UsageError{"--decimal-separator takes one character"};
        }
        separator = (*value)[0];
    }
    if (ctx.Args.size() > 1) {
        throw UsageError{"stats takes at most one script file"};
    }
    const std::string source = ctx.Args.empty() ? "-" : ctx.Args[0];
    // Every message about the script starts with its name.
    const std::string name = source == "-" ? "standard input" : MessageText(source);
    const auto problem = [&](const std::string& message) {
        ctx.Err << "zephyrdex-cli: " << name << ": " << message << '\n';
        return kExitProblems;
    };

    std::string text;
    if (source == "-") {
        text.assign(std::istreambuf_iterator<char>(ctx.In), std::istreambuf_iterator<char>());
    } else {
        std::ifstream file(source, std::ios::binary);
        if (!file) {
            return problem("cannot open the script");
        }
        std::ostringstream buffer;
        buffer << file.rdbuf();
        text = buffer.str();
    }
    nlohmann::json script;
    try {
        script = ParseStatsScript(text);
    } catch (const StatsScriptError& error) {
        return problem(error.what());
    }

    const std::optional<Catalogue> catalogue = LoadRecords(ctx, location);
    if (!catalogue) {
        return kExitProblems;
    }
    try {
        ctx.Out << RunStatsScript(*catalogue, script, separator).dump(2) << '\n';
    } catch (const StatsScriptError& error) {
        return problem(error.what());
    }
    return kExitOk;
}

} // namespace zephyr::cli
