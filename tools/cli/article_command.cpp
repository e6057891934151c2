#include "catalogue_access.h"
#include "commands.h"

#include "data/number_text.h"
#include "dictionary/article_page.h"

#include <ostream>

namespace zephyr::cli {

int RunArticle(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    if (ctx.Args.size() != 1) {
        throw UsageError{"article needs exactly one entry number (-1 for the empty page)"};
    }
    const std::optional<int> entry = ParseWhole<int>(ctx.Args[0]);
    if (!entry) {
        throw UsageError{"'" + ctx.Args[0] + "' is not an entry number"};
    }
    const std::optional<std::vector<TSlang>> words = LoadDictionary(ctx, location);
    if (!words) {
        return kExitProblems;
    }
    const bool inside = *entry >= 0 && static_cast<std::size_t>(*entry) < words->size();
    if (*entry != -1 && !inside) {
        ctx.Err << "zephyrdex-cli: article: there is no entry " << *entry << "; ";
        if (words->empty()) {
            ctx.Err << "the dictionary is empty\n";
        } else {
            ctx.Err << "the dictionary has entries 0 to " << words->size() - 1 << '\n';
        }
        return kExitUsage;
    }
    ctx.Out << ArticlePage(*words, *entry);
    return kExitOk;
}

} // namespace zephyr::cli
