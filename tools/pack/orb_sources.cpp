#include "source_readers.h"

namespace zephyr::pack {
namespace {

enum class Table { Melee, Ranged, Ability };

struct PairLine {
    SourceLine line;
    Table table;
    std::string first;
    std::string second;
    int result;
};

PairLine ParsePair(const SourceLine& line, Table table) {
    const std::size_t equals = line.value.find('=');
    const auto names = SplitList(line.value.substr(0, equals), ',');
    if (equals == std::string::npos || names.size() != 2) {
        line.Fail("a pair is written \"First, Second = result\"");
    }
    const std::string result = SplitList(line.value.substr(equals + 1), ',').at(0);
    return {line, table, names[0], names[1], static_cast<int>(Integer(line, result, 0, 6))};
}

int SwapOneTwo(int result) {
    return result == 1 ? 2 : result == 2 ? 1 : result;
}

// Puts every pair line into its place of the stored tables; each place must
// be given exactly once.
void FillTables(const std::string& file, const std::vector<PairLine>& pairs, OrbsFile& orbs,
                const SourceNames& names) {
    const int a = names.categories.Count();
    const int b = names.abilityOrbs.Count();
    std::vector<int> melee(static_cast<std::size_t>(a * (a + 1) / 2), -1);
    std::vector<int> ranged(melee.size(), -1);
    std::vector<int> ability(static_cast<std::size_t>(a * b), -1);
    for (const PairLine& pair : pairs) {
        std::vector<int>* table = nullptr;
        std::size_t index = 0;
        int result = pair.result;
        if (pair.table == Table::Ability) {
            const int orb = names.abilityOrbs.Find(pair.line, pair.first);
            const int category = names.categories.Find(pair.line, pair.second);
            if (orb == 0 || category == 0) {
                pair.line.Fail("an ability pair names an ability orb, then a category");
            }
            table = &ability;
            index = static_cast<std::size_t>((category - 1) * b + (orb - 1));
        } else {
            int first = names.categories.Find(pair.line, pair.first);
            int second = names.categories.Find(pair.line, pair.second);
            if (first == 0 || second == 0) {
                pair.line.Fail("a pair names two categories");
            }
            // Melee stores (j, i) with j <= i, ranged with j >= i; the other
            // orientation is the same entry with results 1 and 2 exchanged.
            const bool stored = pair.table == Table::Melee ? first <= second : first >= second;
            if (!stored) {
                std::swap(first, second);
                result = SwapOneTwo(result);
            }
            if (pair.table == Table::Melee) {
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
            pair.line.Fail("this pair was already given");
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
    for (const SourceLine& line : ReadSourceFile(path, file)) {
        const bool orbField = line.key == "category" || line.key == "chance" ||
                              line.key == "damage" || line.key == "life steal";
        if (line.isEffect) {
            line.Fail("effects belong to heroes and items");
        } else if (orb != nullptr && orbField) {
            // Inside an item orb; categories are all declared before the item orbs.
            if (line.key == "category") {
                orb->Category = static_cast<std::uint8_t>(names.categories.Find(line, line.value));
            } else if (line.key == "chance") {
                orb->ProcChance = static_cast<std::int32_t>(Integer(line, line.value, 0, 100));
            } else if (line.key == "damage") {
                orb->ProcDamage =
                    static_cast<std::int32_t>(Integer(line, line.value, -100000, 100000));
            } else {
                orb->LifeSteal = static_cast<std::int32_t>(Integer(line, line.value, 0, 100));
            }
        } else if (line.key == "category" || line.key == "ability orb") {
            const bool category = line.key == "category";
            (category ? names.categories : names.abilityOrbs).Add(line, line.value);
            const std::string stored = std::string("Data\\images\\orbs\\") +
                                       (category ? "category_" : "ability_") + Slug(line.value) +
                                       ".jpg";
            (category ? pack.orbs.Categories : pack.orbs.AbilityOrbs)
                .push_back({CpText(line, line.value, 50), stored});
            pack.pictures.push_back(
                {category ? PictureJob::Kind::OrbCategory : PictureJob::Kind::AbilityOrb, stored,
                 line.value, 0, category ? names.categories.Count() : names.abilityOrbs.Count()});
            orb = nullptr;
        } else if (line.key == "melee" || line.key == "ranged" || line.key == "ability") {
            pairs.push_back(ParsePair(line, line.key == "melee"    ? Table::Melee
                                            : line.key == "ranged" ? Table::Ranged
                                                                   : Table::Ability));
            orb = nullptr;
        } else if (line.key == "item orb") {
            names.itemOrbs.Add(line, line.value);
            pack.orbs.ItemOrbs.push_back(TOrb{CpText(line, line.value, 50), 0, 0, 0, 0});
            orb = &pack.orbs.ItemOrbs.back();
        } else if (orb == nullptr) {
            line.Fail("\"" + line.key + "\" belongs inside an item orb");
        } else {
            line.Fail("unknown item orb field \"" + line.key + "\"");
        }
    }
    FillTables(file, pairs, pack.orbs, names);
}

} // namespace zephyr::pack
