#include "pack_builder.h"

#include "temp_folder.h"

#include "data/byte_helpers.h"
#include "data/document_addresses.h"
#include "data/hero_figures.h"
#include "data/interface_pictures.h"
#include "data/picture_codecs.h"
#include "data/stored_picture.h"

#include <algorithm>

namespace zephyr::testing {
namespace {

std::filesystem::path Below(const std::filesystem::path& folder, std::string stored) {
    std::replace(stored.begin(), stored.end(), '\\', '/');
    return folder / stored;
}

class PictureWriter {
public:
    PictureWriter(const PackBuilder& pack, const std::filesystem::path& folder)
        : pack_(pack), folder_(folder) {}

    void Write(const std::string& stored, int size, int seed) {
        if (stored.empty() || pack_.MissingPictures.count(stored) != 0) {
            return;
        }
        const auto given = pack_.Pictures.find(stored);
        const Picture picture =
            given != pack_.Pictures.end() ? given->second : SolidPicture(size, size, seed);
        WriteFile(Below(folder_, stored), PictureFormatOf(stored) == PictureFormat::Gif
                                              ? EncodeGif(picture)
                                              : EncodeJpeg(picture, 95));
    }

private:
    const PackBuilder& pack_;
    std::filesystem::path folder_;
};

} // namespace

Picture SolidPicture(int width, int height, int seed) {
    const auto channel = [seed](int shift) {
        return static_cast<std::uint32_t>((seed * 53 + shift * 97) % 200 + 40);
    };
    return Picture(width, height, 0xFF000000u | channel(0) << 16 | channel(1) << 8 | channel(2));
}

void PackBuilder::WriteTo(const std::filesystem::path& programFolder) const {
    const std::filesystem::path data = programFolder / "Data";
    std::filesystem::create_directories(data);
    PictureWriter pictureWriter(*this, programFolder);
    int seed = 0;
    if (Taverns) {
        WriteFile(data / "Taverns.dat", WriteTavernsFile(*Taverns));
        for (const auto& tavern : Taverns->Taverns) {
            for (const auto& hero : tavern.Heroes) {
                pictureWriter.Write(hero.PicturePath, 64, ++seed);
            }
        }
    }
    if (Shops) {
        WriteFile(data / "Shops.dat", WriteShopsFile(*Shops));
        for (const auto& shop : Shops->Shops) {
            pictureWriter.Write(shop.PicturePath, 36, ++seed);
            for (const auto& item : shop.Items) {
                pictureWriter.Write(item.PicturePath, 36, ++seed);
            }
        }
    }
    if (Aurs) {
        WriteFile(data / "Aurs.dat", WriteAursFile(*Aurs));
        for (const auto& aura : Aurs->Auras) {
            pictureWriter.Write(aura.PicturePath, 15, ++seed);
        }
    }
    if (Orbs) {
        WriteFile(data / "Orbs.dat", WriteOrbsFile(*Orbs));
        for (const auto* list : {&Orbs->Categories, &Orbs->AbilityOrbs}) {
            for (const auto& orb : *list) {
                pictureWriter.Write(orb.PicturePath, 30, ++seed);
            }
        }
    }
    if (Dictionary) {
        WriteFile(data / "Dictionary.dat", WriteDictionaryFile(*Dictionary));
    }
}

void PackBuilder::WriteInterfaceAndTexts(const std::filesystem::path& programFolder) {
    int seed = 100;
    for (const auto list : {RequiredDesignPictures(), OtherInterfacePictures()}) {
        for (const std::string_view stored : list) {
            const Picture picture = SolidPicture(20, 20, ++seed);
            const std::optional<PictureFormat> format = PictureFormatOf(stored);
            WriteFile(Below(programFolder, std::string(stored)),
                      format == PictureFormat::Bmp   ? EncodeBmp(picture)
                      : format == PictureFormat::Gif ? EncodeGif(picture)
                                                     : EncodeJpeg(picture, 90));
        }
    }
    const std::filesystem::path data = programFolder / "Data";
    WriteFile(data / "Str.dat", "First tip\r\nSecond tip\r\n");
    std::string addresses;
    int page = 0;
    for (const std::string& key : DocumentKeyNames()) {
        const std::string file = "page" + std::to_string(++page) + ".html";
        addresses += key + "=Data\\documents\\" + file + "\r\n";
        WriteFile(data / "documents" / file, "<html></html>");
    }
    addresses += "Default=Data\\documents\\Main.html?pageid=start\r\n";
    WriteFile(data / "documents" / "Main.html", "<html></html>");
    WriteFile(data / "Address.dat", addresses);
}

DataLocation PackBuilder::LocationOf(const std::filesystem::path& programFolder) {
    return DataLocation(programFolder, programFolder / "Data", programFolder);
}

HeroFileEntry SampleHero(const std::string& name, int seed) {
    HeroFileEntry entry;
    entry.PicturePath = "Data\\images\\heroes\\" + name + ".jpg";
    const bool ranged = seed % 2 == 1;
    entry.Hero = MakeHero(name, {.Ranged = ranged,
                                 .PrimaryAttribute = static_cast<std::uint8_t>(1 + seed % 3),
                                 .Strength = static_cast<std::uint16_t>(15 + seed % 10),
                                 .Agility = static_cast<std::uint16_t>(14 + seed % 7),
                                 .Intelligence = static_cast<std::uint16_t>(13 + seed % 5),
                                 .StrengthGain = 2.5,
                                 .AgilityGain = 1.75,
                                 .IntelligenceGain = 8.2,
                                 .DamageMin = static_cast<std::uint16_t>(20 + seed),
                                 .DamageMax = static_cast<std::uint16_t>(30 + seed),
                                 .Armor = 1.25,
                                 .HpRegen = 0.25,
                                 .ManaRegen = 0.01,
                                 .AttackRange = static_cast<std::uint16_t>(ranged ? 600 : 128)});
    THero& hero = entry.Hero;
    for (int a = 0; a < 4; ++a) {
        TAbility& ability = hero.Abilities[a];
        ability.Name = name + " ability " + std::to_string(a + 1);
        ability.ImagePath = "Data\\images\\skills\\" + name + std::to_string(a + 1) + ".jpg";
        ability.HasData = a != 2;
        if (!ability.HasData) {
            continue;
        }
        ability.NeedsActive = a == 1;
        ability.AttackTypeChange = static_cast<std::uint8_t>(a == 3 ? 2 : 0);
        ability.LearnAura = static_cast<std::uint8_t>(a == 0 ? 1 : 0);
        ability.ActiveAura = static_cast<std::uint8_t>(a == 1 ? 2 : 0);
        ability.OrbCode = static_cast<std::uint8_t>(a == 3 ? 1 : 0);
        ability.LinkItem = static_cast<std::uint8_t>(a == 1 ? 1 : 0);
        ability.ParamCaptions = {"Stacks", "", "Targets", "", ""};
        for (int level = 0; level < 4; ++level) {
            ability.LevelOrbCodes[level] = static_cast<std::uint8_t>(level % 2);
            ability.LevelEffects[level] = {
                {true, 1000 + a}, {false, (level + 1) * 500}, {true, 1010}, {false, -250}};
        }
    }
    return entry;
}

ItemFileEntry SampleItem(const std::string& text, int seed) {
    ItemFileEntry entry;
    entry.Text = text;
    entry.PicturePath = "Data\\images\\items\\item" + std::to_string(seed) + ".jpg";
    TItem& item = entry.Item;
    item.Cost = static_cast<std::uint16_t>(100 * seed + 25);
    item.OrbCode = static_cast<std::uint8_t>(seed % 3);
    item.OnePerHero = seed % 4 == 0;
    item.Activatable = seed % 2 == 0;
    item.PassiveAuras = {static_cast<std::uint8_t>(seed % 5)};
    item.ActiveAuras =
        item.Activatable ? std::vector<std::uint8_t>{2, 3} : std::vector<std::uint8_t>{};
    item.StackingEffects = {{true, 1001}, {false, 100 * seed}};
    item.UniqueEffects = {{true, 1020}, {false, 1500}, {false, -7}};
    return entry;
}

} // namespace zephyr::testing
