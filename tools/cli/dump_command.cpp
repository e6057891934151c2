#include "catalogue_access.h"
#include "commands.h"
#include "record_json.h"

#include "data/document_addresses.h"
#include "data/ticker_lines.h"

#include <functional>
#include <ostream>

namespace zephyr::cli {
namespace {

using nlohmann::json;

std::optional<json> DumpTextFile(const CliContext& ctx, const DataLocation& location,
                                 const std::string& what) {
    if (what == "addresses") {
        const auto addresses = ReadDocumentAddresses(location);
        if (!addresses) {
            ctx.Err << "zephyrdex-cli: " << location.DataFile("Address.dat").string()
                    << ": the file does not exist\n";
            return std::nullopt;
        }
        return AddressesJson(*addresses);
    }
    const auto lines = ReadTickerLines(location);
    if (!lines) {
        ctx.Err << "zephyrdex-cli: " << location.Resolve("Data\\Str.dat").string()
                << ": the file does not exist\n";
        return std::nullopt;
    }
    json texts = json::array();
    for (const std::string& line : *lines) {
        texts.push_back(Text(line));
    }
    return json{{"lines", texts}};
}

} // namespace

int RunDump(CliContext& ctx) {
    const DataLocation location = TakeDataLocation(ctx);
    const EffectStyle style =
        TakeFlag(ctx.Args, "effects-text") ? EffectStyle::Text : EffectStyle::Tokens;
    if (ctx.Args.size() != 1) {
        throw UsageError{"dump needs exactly one of heroes, items, auras, orbs, dictionary, "
                         "addresses, ticker"};
    }
    const std::string what = ctx.Args[0];
    using Dumper = std::function<json(const Catalogue&)>;
    const std::pair<const char*, Dumper> catalogueDumps[] = {
        {"heroes", [style](const Catalogue& c) { return HeroesJson(c, style); }},
        {"items", [style](const Catalogue& c) { return ItemsJson(c, style); }},
        {"auras", AurasJson},
        {"orbs", OrbsJson},
        {"dictionary", DictionaryJson},
    };
    std::optional<json> document;
    if (what == "addresses" || what == "ticker") {
        document = DumpTextFile(ctx, location, what);
    } else {
        const auto found = std::find_if(std::begin(catalogueDumps), std::end(catalogueDumps),
                                        [&](const auto& entry) { return what == entry.first; });
        if (found == std::end(catalogueDumps)) {
            throw UsageError{"unknown catalogue '" + what + "'"};
        }
        const std::optional<Catalogue> catalogue = LoadRecords(ctx, location);
        if (catalogue) {
            document = found->second(*catalogue);
        }
    }
    if (!document) {
        return kExitProblems;
    }
    ctx.Out << document->dump(2) << '\n';
    return kExitOk;
}

} // namespace zephyr::cli
