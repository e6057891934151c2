#include "catalogue_access.h"
#include "commands.h"
#include "record_json.h"

#include "data/cp1251.h"
#include "data/number_text.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_page.h"

#include <ostream>

namespace zephyr::cli {
namespace {

// The category selector's item: 0 "Везде", 1 to 7 the categories 0 to 6.
int TakeCategoryItem(CliContext& ctx) {
    const std::optional<std::string> value = TakeOption(ctx.Args, "category");
    if (!value) {
        return 0;
    }
    const std::optional<int> item = ParseWhole<int>(*value);
    if (!item || *item < 0 || *item > 7) {
        throw UsageError{"--category takes a selector item from 0 to 7, not '" + *value + "'"};
    }
    return *item;
}

} // namespace

int RunSearch(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    const int categoryItem = TakeCategoryItem(ctx);
    const bool html = TakeFlag(ctx.Args, "html");
    if (ctx.Args.size() != 1) {
        throw UsageError{"search needs exactly one QUERY (\"\" lists every term)"};
    }
    const std::optional<std::string> query = CheckedCp1251FromUtf8(ctx.Args[0]);
    if (!query) {
        throw UsageError{"the query '" + ctx.Args[0] +
                         "' holds a character that Windows-1251 cannot hold"};
    }
    const std::optional<std::vector<TSlang>> words = LoadDictionary(ctx, location);
    if (!words) {
        return kExitProblems;
    }
    const std::vector<TSearchHit> hits = SearchHits(SearchIndex(*words), *query, categoryItem);
    if (html) {
        ctx.Out << SearchListPage(hits);
        return kExitOk;
    }
    nlohmann::json list = nlohmann::json::array();
    for (const TSearchHit& hit : hits) {
        list.push_back({{"Entry", hit.Entry}, {"Term", Text(hit.Term)}});
    }
    ctx.Out << list.dump(2) << '\n';
    return kExitOk;
}

} // namespace zephyr::cli
