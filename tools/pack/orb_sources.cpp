#include "source_readers.h"

#include <limits>

namespace zephyr::pack {
namespace {

enum class Table { Melee, Ranged, Ability };

struct PairLine {
    SourceLine Line;
    pack::Table Table;
    std::string First;
    std::string Second;
    int Result;
};

PairLine ParsePair(const SourceLine& line, Table table) {
    const std::size_t equals = line.Value.find('=');
    const auto names = SplitList(line.Value.substr(0, equals), ',');
    if (equals == std::string::npos || names.size() != 2) {
        line.Fail("a pair is written \"First, Second = result\"");
    }
    const std::string result = SplitList(line.Value.substr(equals + 1), ',').at(0);
    return {line, table, names[0], names[1], static_cast<int>(Integer(line, result, 0, 6))};
}

int SwapOneTwo(int result) {
    return result == 1 ? 2 : result == 2 ? 1 : result;
}

// Puts every pair line into its place of the stored tables; each place must
// be given exactly once.
void FillTables(const std::string& file, const std::vector<PairLine>& pairs, OrbsFile& orbs,
                const SourceNames& names) {
    const int a = names.Categories.Count();
    const int b = names.AbilityOrbs.Count();
    std::vector<int> melee(static_cast<std::size_t>(a * (a + 1) / 2), -1);
    std::vector<int> ranged(melee.size(), -1);
    std::vector<int> ability(static_cast<std::size_t>(a * b), -1);
    for (const PairLine& pair : pairs) {
        std::vector<int>* table = nullptr;
        std::size_t index = 0;
        int result = pair.Result;
        if (pair.Table == Table::Ability) {
            const int orb = names.AbilityOrbs.Find(pair.Line, pair.First);
            const int category = names.Categories.Find(pair.Line, pair.Second);
            if (orb == 0 || category == 0) {
                pair.Line.Fail("an ability pair names an ability orb, then a category");
            }
            table = &ability;
            index = static_cast<std::size_t>((category - 1) * b + (orb - 1));
        } else {
            int first = names.Categories.Find(pair.Line, pair.First);
            int second = names.Categories.Find(pair.Line, pair.Second);
            if (first == 0 || second == 0) {
                pair.Line.Fail("a pair names two categories");
            }
            // Melee stores (j, i) with j <= i, ranged with j >= i; the other
            // orientation is the same entry with results 1 and 2 exchanged.
            const bool stored = pair.Table == Table::Melee ? first <= second : first >= second;
            if (!stored) {
                std::swap(first, second);
                result = SwapOneTwo(result);
            }
            if (pair.Table == Table::Melee) {
                table = &melee;
                index = static_cast<std::size_t>(second * (second - 1) / 2 + (first - 1));
            } else {
                table = &ranged;
                int start = 0;
                for (int k = 1; k < second; ++k) {
                    start += a - k + 1;
                }
                index = static_cast<std::size_t>(start + (first - second));
            }
        }
        if ((*table)[index] != -1) {
            pair.Line.Fail("this pair was already given");
        }
        (*table)[index] = result;
    }
    const auto copy = [&](const std::vector<int>& from, std::vector<std::uint8_t>& to,
                          const char* what) {
        for (const int value : from) {
            if (value < 0) {
                throw SourceError(file, 0,
                                  std::string("the ") + what +
                                      " table is incomplete: every pair needs a line");
            }
            to.push_back(static_cast<std::uint8_t>(value));
        }
    };
    copy(melee, orbs.MeleeResults, "melee");
    copy(ranged, orbs.RangedResults, "ranged");
    copy(ability, orbs.AbilityResults, "ability");
}

} // namespace

void ReadOrbSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    const auto path = root / "orbs.zds";
    const std::string file = Shown(root, path);
    std::vector<PairLine> pairs;
    TOrb* orb = nullptr;
    // The picture of the category or ability orb read last, for its "icon:"
    // and "colour:" lines; kNoJob outside one. (An index rather than an
    // optional, whose payload GCC's optimiser takes for uninitialised.)
    constexpr std::size_t kNoJob = std::numeric_limits<std::size_t>::max();
    std::size_t orbJob = kNoJob;
    for (const SourceLine& line : ReadSourceFile(path, file)) {
        const bool orbField = line.Key == "category" || line.Key == "chance" ||
                              line.Key == "damage" || line.Key == "life steal";
        if (line.IsEffect) {
            line.Fail("effects belong to heroes and items");
        } else if (orbJob != kNoJob && (line.Key == "icon" || line.Key == "colour")) {
            PictureJob& job = pack.Pictures[orbJob];
            if (line.Key == "icon") {
                job.Icon = IconValue(line, names);
            } else {
                job.Colour = Colour(line);
            }
        } else if (orb != nullptr && orbField) {
            // Inside an item orb; categories are all declared before the item orbs.
            if (line.Key == "category") {
                orb->Category = static_cast<std::uint8_t>(names.Categories.Find(line, line.Value));
            } else if (line.Key == "chance") {
                orb->ProcChance = static_cast<std::int32_t>(Integer(line, line.Value, 0, 100));
            } else if (line.Key == "damage") {
                orb->ProcDamage =
                    static_cast<std::int32_t>(Integer(line, line.Value, -100000, 100000));
            } else {
                orb->LifeSteal = static_cast<std::int32_t>(Integer(line, line.Value, 0, 100));
            }
        } else if (line.Key == "category" || line.Key == "ability orb") {
            const bool category = line.Key == "category";
            (category ? names.Categories : names.AbilityOrbs).Add(line, line.Value);
            const std::string stored = std::string("Data\\images\\orbs\\") +
                                       (category ? "category_" : "ability_") + Slug(line.Value) +
                                       ".jpg";
            (category ? pack.Orbs.Categories : pack.Orbs.AbilityOrbs)
                .push_back({CpText(line, line.Value, 50), stored});
            const auto kind =
                category ? PictureJob::Kind::OrbCategory : PictureJob::Kind::AbilityOrb;
            orbJob = pack.Pictures.size();
            pack.Pictures.push_back(
                {kind, stored, line.Value, 0,
                 category ? names.Categories.Count() : names.AbilityOrbs.Count(),
                 std::string(DefaultIcon(kind)), PictureEffect::None});
            orb = nullptr;
        } else if (line.Key == "melee" || line.Key == "ranged" || line.Key == "ability") {
            pairs.push_back(ParsePair(line, line.Key == "melee"    ? Table::Melee
                                            : line.Key == "ranged" ? Table::Ranged
                                                                   : Table::Ability));
            orb = nullptr;
            orbJob = kNoJob;
        } else if (line.Key == "item orb") {
            names.ItemOrbs.Add(line, line.Value);
            pack.Orbs.ItemOrbs.push_back(TOrb{CpText(line, line.Value, 50), 0, 0, 0, 0});
            orb = &pack.Orbs.ItemOrbs.back();
            orbJob = kNoJob;
        } else if (orb == nullptr) {
            line.Fail("\"" + line.Key + "\" belongs inside an item orb");
        } else {
            line.Fail("unknown item orb field \"" + line.Key + "\"");
        }
    }
    FillTables(file, pairs, pack.Orbs, names);
}

} // namespace zephyr::pack
