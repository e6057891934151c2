#include "catalogue_access.h"
#include "commands.h"

#include "data/number_text.h"
#include "find/find_data.h"
#include "find/find_index.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace zephyr::cli {
namespace {

FindOptions TakeFindOptions(CliContext& ctx) {
    FindOptions options;
    if (const std::optional<std::string> kind = TakeOption(ctx.Args, "kind")) {
        options.Kind = FindKindNamed(*kind);
        if (!options.Kind) {
            throw UsageError{
                "--kind takes hero, ability, item, aura, orb, term or document, not '" + *kind +
                "'"};
        }
    }
    if (const std::optional<std::string> limit = TakeOption(ctx.Args, "limit")) {
        const std::optional<int> value = ParseWhole<int>(*limit);
        if (!value || *value < 1) {
            throw UsageError{"--limit takes a number of results from 1, not '" + *limit + "'"};
        }
        options.Limit = static_cast<std::size_t>(*value);
    }
    return options;
}

} // namespace

int RunFind(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    const FindOptions options = TakeFindOptions(ctx);
    if (ctx.Args.size() != 1) {
        throw UsageError{"find needs exactly one QUERY"};
    }
    const std::optional<Catalogue> catalogue = LoadRecords(ctx, location);
    if (!catalogue) {
        return kExitProblems;
    }
    std::vector<std::string> problems;
    const FindIndex index(FindEntriesOf(*catalogue, location, problems));
    for (const std::string& problem : problems) {
        ctx.Err << "zephyrdex-cli: " << problem << '\n';
    }
    const FindAnswer answer = index.Find(ctx.Args[0], options);
    if (!answer.Retyped.empty()) {
        ctx.Err << "zephyrdex-cli: found as typed on the other keyboard layout: " << answer.Retyped
                << '\n';
    } else if (answer.NearMisses) {
        ctx.Err << "zephyrdex-cli: nothing found; names close to the query follow\n";
    }
    nlohmann::json list = nlohmann::json::array();
    for (const FindResult& result : answer.Results) {
        list.push_back({{"kind", FindKindName(result.Entry->Kind)},
                        {"title", result.Entry->Title},
                        {"target", TargetText(result.Entry->Target)},
                        {"snippet", result.Excerpt.Text}});
    }
    ctx.Out << list.dump(2) << '\n';
    return kExitOk;
}

} // namespace zephyr::cli
