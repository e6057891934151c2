#include "catalogue_access.h"
#include "commands.h"
#include "stats_script.h"

#include "builds/build_file.h"
#include "builds/data_identity.h"

#include "data/message_text.h"
#include "engine/build_code.h"

#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <sstream>

namespace zephyr::cli {
namespace {

// Reads the script named by the one argument left (or standard input), then
// hands it with the catalogue to `use`. Every message about the script
// starts with its name.
int WithScript(CliContext& ctx, const DataLocation& location, const char* command,
               const std::function<void(const Catalogue&, const nlohmann::json&)>& use) {
    if (ctx.Args.size() > 1) {
        throw UsageError{std::string(command) + " takes at most one script file"};
    }
    const std::string source = ctx.Args.empty() ? "-" : ctx.Args[0];
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
        script = ParseBuildScript(text);
        // A build file is a script under a header; its format is checked.
        CheckBuildFileHeader(script);
    } catch (const BuildScriptError& error) {
        return problem(error.what());
    }
    const std::optional<Catalogue> catalogue = LoadRecords(ctx, location);
    if (!catalogue) {
        return kExitProblems;
    }
    try {
        use(*catalogue, script);
    } catch (const BuildScriptError& error) {
        return problem(error.what());
    } catch (const BuildCodeError& error) {
        return problem(error.what());
    }
    // A build file made on other data replays all the same, with a note.
    if (MadeOnOtherData(script, DataIdentity(location))) {
        ctx.Err << "zephyrdex-cli: " << name << ": note: the build was made on other data\n";
    }
    return kExitOk;
}

char TakeDecimalSeparator(CliContext& ctx) {
    const std::optional<std::string> value = TakeOption(ctx.Args, "decimal-separator");
    if (!value) {
        return '.';
    }
    if (value->size() != 1) {
        throw UsageError{"--decimal-separator takes one character"};
    }
    return (*value)[0];
}

// stats --code CODE: the build a code holds, replayed.
int RunCode(CliContext& ctx, const DataLocation& location, const std::string& code,
            char separator) {
    if (!ctx.Args.empty()) {
        throw UsageError{"stats --code CODE takes no script file"};
    }
    const auto problem = [&](const std::string& message) {
        ctx.Err << "zephyrdex-cli: build code: " << message << '\n';
        return kExitProblems;
    };
    BuildRecipe recipe;
    try {
        recipe = DecodeBuildCode(code);
    } catch (const BuildCodeError& error) {
        return problem(error.what());
    }
    const std::optional<Catalogue> catalogue = LoadRecords(ctx, location);
    if (!catalogue) {
        return kExitProblems;
    }
    try {
        ctx.Out << RunRecipe(*catalogue, recipe, separator).dump(2) << '\n';
    } catch (const BuildScriptError& error) {
        return problem(error.what());
    }
    return kExitOk;
}

} // namespace

int RunStats(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    const char separator = TakeDecimalSeparator(ctx);
    if (const std::optional<std::string> code = TakeOption(ctx.Args, "code")) {
        return RunCode(ctx, location, *code, separator);
    }
    return WithScript(ctx, location, "stats",
                      [&](const Catalogue& catalogue, const nlohmann::json& script) {
                          ctx.Out << RunStatsScript(catalogue, script, separator).dump(2) << '\n';
                      });
}

int RunCodeCommand(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    return WithScript(ctx, location, "code",
                      [&](const Catalogue& catalogue, const nlohmann::json& script) {
                          ctx.Out << EncodeBuildCode(RecipeFromScript(catalogue, script)) << '\n';
                      });
}

} // namespace zephyr::cli
