#include "pack_check.h"

#include "data/byte_helpers.h"
#include "data/cp1251.h"
#include "data/data_error.h"
#include "data/document_addresses.h"
#include "data/interface_pictures.h"
#include "data/load_all.h"
#include "data/message_text.h"
#include "data/stored_picture.h"
#include "data/ticker_lines.h"

#include <set>

namespace zephyr::cli {
namespace {

class Checker {
public:
    Checker(const DataLocation& location, PackCheckReport& report)
        : location_(location), report_(report) {}

    void LoadCatalogues() {
        const LoadOptions options{location_, true, {}};
        // Each catalogue on its own, so that one problem does not hide the next.
        for (const CatalogueLoader& step : CatalogueLoaders()) {
            try {
                if (!step.Load(options, catalogue_)) {
                    Problem(MessageText(location_.DataFile(step.File).string()) +
                            ": cannot open the file");
                    failed_.insert(step.File);
                }
            } catch (const DataError& error) {
                Problem(error.what());
                failed_.insert(step.File);
            }
        }
        const Catalogue& c = catalogue_;
        report_.Heroes = static_cast<int>(c.Heroes.size());
        report_.Items = static_cast<int>(c.Items.size());
        report_.Auras = static_cast<int>(c.Auras.size());
        report_.OrbCategories = static_cast<int>(c.OrbCategories.size());
        report_.AbilityOrbs = static_cast<int>(c.AbilityOrbs.size());
        report_.ItemOrbs = static_cast<int>(c.ItemOrbs.size());
        report_.DictionaryEntries = static_cast<int>(c.SlangWords.size());
        report_.Pictures += c.Heroes64.Count() + c.Heroes32.Count() + c.Shops.Count() +
                            c.Aurs15.Count() + c.Orbs30.Count();
    }

    // A catalogue that failed was reported once; numbers pointing into it are
    // not checked against its (empty) table.
    void CheckNumbers() {
        const Catalogue& c = catalogue_;
        const Range auras{kAurs, c.Auras.size()};
        const Range items{kShops, c.Items.size()};
        const Range abilityOrbs{kOrbs, c.AbilityOrbs.size()};
        const Range itemOrbs{kOrbs, c.ItemOrbs.size()};
        const Range categories{kOrbs, c.OrbCategories.size()};
        for (const THero& hero : c.Heroes) {
            const std::string who = "Taverns.dat: hero " + Name(hero.Name);
            InRange(hero.PrimaryAttribute, 1, {nullptr, 3}, who, "primary attribute");
            for (const TAbility& ability : hero.Abilities) {
                const std::string what = who + ", ability " + Name(ability.Name);
                InRange(ability.LearnAura, 0, auras, what, "learn aura");
                InRange(ability.ActiveAura, 0, auras, what, "active aura");
                InRange(ability.LinkItem, 0, items, what, "linked item");
                InRange(ability.OrbCode, 0, abilityOrbs, what, "orb");
                InRange(ability.AttackTypeChange, 0, {nullptr, 2}, what, "attack type change");
                for (const std::uint8_t orb : ability.LevelOrbCodes) {
                    InRange(orb, 0, abilityOrbs, what, "level orb");
                }
            }
        }
        for (const TItem& item : c.Items) {
            const std::string who = "Shops.dat: item " + Name(item.Name);
            InRange(item.OrbCode, 0, itemOrbs, who, "orb");
            for (const std::uint8_t aura : item.PassiveAuras) {
                InRange(aura, 1, auras, who, "passive aura");
            }
            for (const std::uint8_t aura : item.ActiveAuras) {
                InRange(aura, 1, auras, who, "active aura");
            }
        }
        for (const TOrb& orb : c.ItemOrbs) {
            InRange(orb.Category, 1, categories, "Orbs.dat: item orb " + Name(orb.Name),
                    "category");
        }
        const std::pair<const std::vector<TOrbPair>*, const char*> tables[] = {
            {&c.MeleeOrbTable, "melee"},
            {&c.RangedOrbTable, "ranged"},
            {&c.AbilityOrbTable, "ability"}};
        for (const auto& [table, kind] : tables) {
            for (std::size_t i = 0; i < table->size(); ++i) {
                const TOrbPair& pair = (*table)[i];
                InRange(pair.Result, 0, {nullptr, 6},
                        std::string("Orbs.dat: ") + kind + " orb table, entry " +
                            std::to_string(i + 1) + " (" + std::to_string(pair.First) + " with " +
                            std::to_string(pair.Second) + ")",
                        "result");
            }
        }
        for (std::size_t i = 0; i < c.SlangWords.size(); ++i) {
            InRange(c.SlangWords[i].Category, 0, {nullptr, 6},
                    "Dictionary.dat: entry " + std::to_string(i), "category");
        }
    }

    // Each file on its own: an unreadable Str.dat does not hide Address.dat.
    void CheckTextFiles() {
        try {
            if (const auto lines = ReadTickerLines(location_)) {
                report_.TickerLines = static_cast<int>(lines->size());
            } else {
                Problem(MessageText(location_.Resolve("Data\\Str.dat").string()) +
                        ": the file does not exist");
            }
        } catch (const DataError& error) {
            Problem(error.what());
        }
        try {
            const auto addresses = ReadDocumentAddresses(location_);
            if (!addresses) {
                Problem(MessageText(location_.DataFile("Address.dat").string()) +
                        ": the file does not exist");
                return;
            }
            const auto& names = DocumentKeyNames();
            for (std::size_t k = 0; k < names.size(); ++k) {
                CheckDocument(Utf8FromCp1251(names[k]), addresses->Values[k]);
            }
            CheckDocument("Default", addresses->DefaultPage);
        } catch (const DataError& error) {
            Problem(error.what());
        }
    }

    void CheckInterfacePictures() {
        for (const auto list : {RequiredDesignPictures(), OtherInterfacePictures()}) {
            for (const std::string_view stored : list) {
                const PictureFormat format = PictureFormatOf(stored).value_or(PictureFormat::Jpeg);
                try {
                    LoadStoredPicture(location_, stored, format);
                    ++report_.Pictures;
                } catch (const DataError& error) {
                    Problem(error.what());
                }
            }
        }
    }

private:
    void Problem(std::string text) { report_.Problems.push_back(std::move(text)); }

    // The highest number a field may hold, and the catalogue that decides it
    // (none for fixed ranges).
    struct Range {
        const char* File;
        std::size_t High;
    };

    static std::string Name(const std::string& cp1251) {
        return MessageText(Utf8FromCp1251(cp1251));
    }

    // Zero means "none" everywhere and is always allowed.
    void InRange(long long value, long long low, Range range, const std::string& who,
                 const char* what) {
        if (range.File != nullptr && failed_.count(range.File) != 0) {
            return;
        }
        if (value != 0 && (value < low || value > static_cast<long long>(range.High))) {
            Problem(who + ": " + what + " " + std::to_string(value) + " is outside " +
                    std::to_string(low) + ".." + std::to_string(range.High));
        }
    }

    void CheckDocument(const std::string& key, const std::string& value) {
        if (value.empty()) {
            Problem("Address.dat: no document for \"" + MessageText(key) + "\"");
            return;
        }
        // Documents may carry a query or an anchor after the file name.
        const std::string file = value.substr(0, value.find_first_of("?#"));
        if (location_.Find(file)) {
            ++report_.Documents;
        } else {
            Problem("Address.dat: \"" + MessageText(key) + "\" names " +
                    MessageText(location_.Resolve(file).string()) + ", which does not exist");
        }
    }

    static constexpr const char* kAurs = "Aurs.dat";
    static constexpr const char* kShops = "Shops.dat";
    static constexpr const char* kOrbs = "Orbs.dat";

    const DataLocation& location_;
    PackCheckReport& report_;
    Catalogue catalogue_;
    std::set<std::string> failed_; // catalogue files that did not load
};

} // namespace

std::string PackCheckReport::Summary() const {
    return std::to_string(Heroes) + " heroes, " + std::to_string(Items) + " items, " +
           std::to_string(Auras) + " auras, " + std::to_string(OrbCategories) +
           " orb categories, " + std::to_string(AbilityOrbs) + " ability orbs, " +
           std::to_string(ItemOrbs) + " item orbs, " + std::to_string(DictionaryEntries) +
           " dictionary entries, " + std::to_string(TickerLines) + " ticker lines, " +
           std::to_string(Documents) + " documents, " + std::to_string(Pictures) + " pictures; " +
           std::to_string(Problems.size()) + " problems";
}

PackCheckReport CheckPack(const DataLocation& location) {
    PackCheckReport report;
    Checker checker(location, report);
    checker.LoadCatalogues();
    checker.CheckNumbers();
    checker.CheckTextFiles();
    checker.CheckInterfacePictures();
    return report;
}

} // namespace zephyr::cli
