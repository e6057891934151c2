#include "fuzz_pack.h"

#include "temp_folder.h"

#include "data/data_error.h"
#include "data/load_all.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>

namespace zephyr::fuzz {
namespace {

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "fuzz: %s\n", message.c_str());
    std::abort();
}

template <class File, class Read> File ReadSample(const std::filesystem::path& path, Read read) {
    try {
        std::optional<File> file = read(path);
        if (!file) {
            Fail("cannot open " + path.string() + " (build the sample_data target first)");
        }
        return std::move(*file);
    } catch (const DataError& error) {
        Fail(error.what());
    }
}

template <class Keep> std::vector<HeroFileEntry> PickHeroes(const TavernsFile& file, Keep keep) {
    for (const TavernFileEntry& tavern : file.Taverns) {
        for (const HeroFileEntry& hero : tavern.Heroes) {
            if (keep(hero.Hero)) {
                return {hero};
            }
        }
    }
    return {};
}

bool HasAbility(const THero& hero, bool (*test)(const TAbility&)) {
    for (const TAbility& ability : hero.Abilities) {
        if (test(ability)) {
            return true;
        }
    }
    return false;
}

TavernsFile SmallTaverns(const TavernsFile& sample) {
    TavernsFile small;
    TavernFileEntry tavern{sample.Taverns.empty() ? "Tavern" : sample.Taverns[0].Name, {}};
    const auto add = [&](std::vector<HeroFileEntry> found) {
        for (HeroFileEntry& hero : found) {
            for (const HeroFileEntry& kept : tavern.Heroes) {
                if (kept.Hero.Name == hero.Hero.Name) {
                    return;
                }
            }
            tavern.Heroes.push_back(std::move(hero));
        }
    };
    add(PickHeroes(sample, [](const THero& hero) { return !hero.Ranged; }));
    add(PickHeroes(sample, [](const THero& hero) { return hero.Ranged; }));
    add(PickHeroes(sample, [](const THero& hero) {
        return HasAbility(hero,
                          [](const TAbility& a) { return a.LinkItem != 0 || a.OrbCode != 0; });
    }));
    small.Taverns.push_back(std::move(tavern));
    return small;
}

ShopsFile SmallShops(const ShopsFile& sample) {
    ShopsFile small;
    if (sample.Shops.empty()) {
        return small;
    }
    ShopFileEntry shop{sample.Shops[0].Name, sample.Shops[0].PicturePath, {}};
    std::vector<const ItemFileEntry*> all;
    for (const ShopFileEntry& from : sample.Shops) {
        for (const ItemFileEntry& item : from.Items) {
            all.push_back(&item);
        }
    }
    const auto add = [&](bool (*keep)(const ItemFileEntry&)) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (!keep(*all[i])) {
                continue;
            }
            for (const ItemFileEntry& kept : shop.Items) {
                if (kept.Text == all[i]->Text) {
                    return;
                }
            }
            shop.Items.push_back(*all[i]);
            // A variant comes with the next one of its group, so the group
            // has two entries.
            const std::size_t marker = all[i]->Text.find(">>");
            if (marker != std::string::npos && i + 1 < all.size() &&
                all[i + 1]->Text.compare(0, marker + 2, all[i]->Text, 0, marker + 2) == 0) {
                shop.Items.push_back(*all[i + 1]);
            }
            return;
        }
    };
    add([](const ItemFileEntry&) { return true; });
    add([](const ItemFileEntry& e) { return e.Text.find(">>") != std::string::npos; });
    add([](const ItemFileEntry& e) { return e.Item.Activatable && !e.Item.ActiveAuras.empty(); });
    add([](const ItemFileEntry& e) { return e.Item.OrbCode != 0; });
    add([](const ItemFileEntry& e) { return !e.Item.PassiveAuras.empty(); });
    add([](const ItemFileEntry& e) { return !e.Item.UniqueEffects.empty(); });
    add([](const ItemFileEntry& e) { return e.Item.OnePerHero; });
    small.Shops.push_back(std::move(shop));
    return small;
}

AursFile SmallAurs(const AursFile& sample) {
    AursFile small;
    small.HeaderTexts = sample.HeaderTexts;
    for (std::size_t i = 0; i < sample.Auras.size() && i < 5; ++i) {
        small.Auras.push_back(sample.Auras[i]);
    }
    return small;
}

DictionaryFile SmallDictionary(const DictionaryFile& sample) {
    DictionaryFile small;
    for (const TSlang& entry : sample.Entries) {
        // Every category once, and an entry with links.
        bool seen = false;
        for (const TSlang& kept : small.Entries) {
            seen = seen || kept.Category == entry.Category;
        }
        if (!seen || (!entry.Links.empty() && small.Entries.size() < 9)) {
            small.Entries.push_back(entry);
        }
        if (small.Entries.size() >= 10) {
            break;
        }
    }
    return small;
}

class SmallPack {
public:
    SmallPack() : location_(testing::PackBuilder::LocationOf(folder_.Path())) {
        SmallSamplePack(SampleDataFolder()).WriteTo(folder_.Path());
    }

    const DataLocation& Location() const { return location_; }

private:
    testing::TempFolder folder_;
    DataLocation location_;
};

// The tables a loader fills from the file alone: the same with and without
// pictures.
bool SameRecords(const Catalogue& a, const Catalogue& b) {
    return a.Heroes == b.Heroes && a.Items == b.Items && a.Auras == b.Auras &&
           a.OrbCategories == b.OrbCategories && a.AbilityOrbs == b.AbilityOrbs &&
           a.ItemOrbs == b.ItemOrbs && a.MeleeOrbTable == b.MeleeOrbTable &&
           a.RangedOrbTable == b.RangedOrbTable && a.AbilityOrbTable == b.AbilityOrbTable &&
           a.SlangWords == b.SlangWords;
}

// The icon indexes the screens use must name icons of their lists.
void CheckIcons(const Catalogue& c) {
    if (c.Heroes64.Count() != static_cast<int>(c.Heroes.size()) ||
        c.Heroes32.Count() != static_cast<int>(c.Heroes.size())) {
        Fail("hero icon lists do not match the hero table");
    }
    for (const TavernMenuEntry& tavern : c.HeroMenu) {
        for (const HeroMenuEntry& hero : tavern.Heroes) {
            if (hero.IconIndex < 0 || hero.IconIndex >= c.Heroes32.Count()) {
                Fail("hero menu icon out of range");
            }
        }
    }
    const auto checkItem = [&](int icon) {
        if (icon < 0 || icon >= c.Shops.Count()) {
            Fail("item icon out of range");
        }
    };
    for (const TItem& item : c.Items) {
        checkItem(item.ImageIndex);
    }
    for (const ShopMenuEntry& shop : c.ItemMenu) {
        checkItem(shop.IconIndex);
        for (const ItemMenuEntry& entry : shop.Entries) {
            checkItem(entry.IconIndex);
            for (const ItemMenuEntry& variant : entry.Variants) {
                checkItem(variant.IconIndex);
            }
        }
    }
    if (c.Aurs15.Count() != static_cast<int>(c.Auras.size())) {
        Fail("aura icons do not match the aura table");
    }
}

} // namespace

std::filesystem::path SampleDataFolder() {
    if (const char* given = std::getenv("ZEPHYR_FUZZ_DATA"); given != nullptr && *given != 0) {
        return given;
    }
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "Data";
}

testing::PackBuilder SmallSamplePack(const std::filesystem::path& sampleData) {
    testing::PackBuilder pack;
    pack.Taverns =
        SmallTaverns(ReadSample<TavernsFile>(sampleData / "Taverns.dat", ReadTavernsFile));
    pack.Shops = SmallShops(ReadSample<ShopsFile>(sampleData / "Shops.dat", ReadShopsFile));
    pack.Aurs = SmallAurs(ReadSample<AursFile>(sampleData / "Aurs.dat", ReadAursFile));
    // Orbs.dat is small already, and its tables are sized by its lists.
    pack.Orbs = ReadSample<OrbsFile>(sampleData / "Orbs.dat", ReadOrbsFile);
    pack.Dictionary = SmallDictionary(
        ReadSample<DictionaryFile>(sampleData / "Dictionary.dat", ReadDictionaryFile));
    return pack;
}

const DataLocation& SmallPackLocation() {
    static const SmallPack pack;
    return pack.Location();
}

void LoadCatalogueInput(const char* file, const std::uint8_t* data, std::size_t size) {
    const DataLocation& location = SmallPackLocation();
    const CatalogueLoader* loader = nullptr;
    for (const CatalogueLoader& step : CatalogueLoaders()) {
        if (std::strcmp(step.File, file) == 0) {
            loader = &step;
        }
    }
    if (loader == nullptr) {
        Fail(std::string("no loader reads ") + file);
    }
    testing::WriteFile(location.DataFile(file), InputText(data, size));

    const auto load = [&](bool withPictures, Catalogue& catalogue) {
        try {
            if (!loader->Load(LoadOptions{location, withPictures, {}}, catalogue)) {
                Fail(std::string(file) + " was written but does not open");
            }
            return true;
        } catch (const DataError& error) {
            if (std::getenv("ZEPHYR_FUZZ_VERBOSE") != nullptr) {
                std::fprintf(stderr, "%s\n", error.what());
            }
            return false;
        }
    };
    Catalogue records;
    const bool read = load(false, records);
    Catalogue full;
    const bool loaded = load(true, full);
    if (loaded && !read) {
        Fail("the load with pictures took a file that the one without refused");
    }
    if (loaded) {
        if (!SameRecords(records, full)) {
            Fail("records differ between the loads with and without pictures");
        }
        CheckIcons(full);
    }
}

} // namespace zephyr::fuzz
