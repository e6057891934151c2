#include "pack_check.h"

#include "data/byte_helpers.h"
#include "data/cp1251.h"
#include "data/data_error.h"
#include "data/document_addresses.h"
#include "data/interface_pictures.h"
#include "data/load_all.h"
#include "data/stored_picture.h"
#include "data/ticker_lines.h"

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
                if (!step.load(options, catalogue_)) {
                    Problem(location_.DataFile(step.file).string() + ": cannot open the file");
                }
            } catch (const DataError& error) {
                Problem(error.what());
            }
        }
        const Catalogue& c = catalogue_;
        report_.heroes = static_cast<int>(c.Heroes.size());
        report_.items = static_cast<int>(c.Items.size());
        report_.auras = static_cast<int>(c.Auras.size());
        report_.orbCategories = static_cast<int>(c.OrbCategories.size());
        report_.abilityOrbs = static_cast<int>(c.AbilityOrbs.size());
        report_.itemOrbs = static_cast<int>(c.ItemOrbs.size());
        report_.dictionaryEntries = static_cast<int>(c.SlangWords.size());
        report_.pictures += c.Heroes64.Count() + c.Heroes32.Count() + c.Shops.Count() +
                            c.Aurs15.Count() + c.Orbs30.Count();
    }

    void CheckNumbers() {
        const Catalogue& c = catalogue_;
        for (const THero& hero : c.Heroes) {
            const std::string who = "hero " + Utf8FromCp1251(hero.Name);
            InRange(hero.PrimaryAttribute, 1, 3, who, "primary attribute");
            for (const TAbility& ability : hero.Abilities) {
                const std::string what = who + ", ability " + Utf8FromCp1251(ability.Name);
                InRange(ability.LearnAura, 0, c.Auras.size(), what, "learn aura");
                InRange(ability.ActiveAura, 0, c.Auras.size(), what, "active aura");
                InRange(ability.LinkItem, 0, c.Items.size(), what, "linked item");
                InRange(ability.OrbCode, 0, c.AbilityOrbs.size(), what, "orb");
                InRange(ability.AttackTypeChange, 0, 2, what, "attack type change");
                for (const std::uint8_t orb : ability.LevelOrbCodes) {
                    InRange(orb, 0, c.AbilityOrbs.size(), what, "level orb");
                }
            }
        }
        for (const TItem& item : c.Items) {
            const std::string who = "item " + Utf8FromCp1251(item.Name);
            InRange(item.OrbCode, 0, c.ItemOrbs.size(), who, "orb");
            for (const std::uint8_t aura : item.PassiveAuras) {
                InRange(aura, 1, c.Auras.size(), who, "passive aura");
            }
            for (const std::uint8_t aura : item.ActiveAuras) {
                InRange(aura, 1, c.Auras.size(), who, "active aura");
            }
        }
        for (const TOrb& orb : c.ItemOrbs) {
            InRange(orb.Category, 1, c.OrbCategories.size(), "item orb " + Utf8FromCp1251(orb.Name),
                    "category");
        }
        for (const auto* table : {&c.MeleeOrbTable, &c.RangedOrbTable, &c.AbilityOrbTable}) {
            for (const TOrbPair& pair : *table) {
                InRange(pair.Result, 0, 6, "orb table entry", "result");
            }
        }
        for (std::size_t i = 0; i < c.SlangWords.size(); ++i) {
            InRange(c.SlangWords[i].Category, 0, 6, "dictionary entry " + std::to_string(i),
                    "category");
        }
    }

    void CheckTextFiles() {
        try {
            if (const auto lines = ReadTickerLines(location_)) {
                report_.tickerLines = static_cast<int>(lines->size());
            } else {
                Problem(location_.Resolve("Data\\Str.dat").string() + ": the file does not exist");
            }
            const auto addresses = ReadDocumentAddresses(location_);
            if (!addresses) {
                Problem(location_.DataFile("Address.dat").string() + ": the file does not exist");
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
                const std::string extension = UpperCaseCyr(stored.substr(stored.rfind('.')));
                const PictureFormat format = extension == ".BMP"   ? PictureFormat::Bmp
                                             : extension == ".GIF" ? PictureFormat::Gif
                                                                   : PictureFormat::Jpeg;
                try {
                    LoadStoredPicture(location_, stored, format);
                    ++report_.pictures;
                } catch (const DataError& error) {
                    Problem(error.what());
                }
            }
        }
    }

private:
    void Problem(std::string text) { report_.problems.push_back(std::move(text)); }

    // Zero means "none" everywhere and is always allowed.
    void InRange(long long value, long long low, std::size_t high, const std::string& who,
                 const char* what) {
        if (value != 0 && (value < low || value > static_cast<long long>(high))) {
            Problem(who + ": " + what + " " + std::to_string(value) + " is outside " +
                    std::to_string(low) + ".." + std::to_string(high));
        }
    }

    void CheckDocument(const std::string& key, const std::string& value) {
        if (value.empty()) {
            Problem("Address.dat: no document for \"" + key + "\"");
            return;
        }
        // Documents may carry a query or an anchor after the file name.
        const std::string file = value.substr(0, value.find_first_of("?#"));
        if (location_.Find(file)) {
            ++report_.documents;
        } else {
            Problem("Address.dat: \"" + key + "\" names " + location_.Resolve(file).string() +
                    ", which does not exist");
        }
    }

    const DataLocation& location_;
    PackCheckReport& report_;
    Catalogue catalogue_;
};

} // namespace

std::string PackCheckReport::Summary() const {
    return std::to_string(heroes) + " heroes, " + std::to_string(items) + " items, " +
           std::to_string(auras) + " auras, " + std::to_string(orbCategories) +
           " orb categories, " + std::to_string(abilityOrbs) + " ability orbs, " +
           std::to_string(itemOrbs) + " item orbs, " + std::to_string(dictionaryEntries) +
           " dictionary entries, " + std::to_string(tickerLines) + " ticker lines, " +
           std::to_string(documents) + " documents, " + std::to_string(pictures) + " pictures; " +
           std::to_string(problems.size()) + " problems";
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
