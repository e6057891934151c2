// Every catalogue writer produces bytes its reader takes back unchanged, and
// every truncation point of a file is reported with the file and offset.
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/data_error.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using testing::SampleHero;
using testing::SampleItem;
using testing::TempFolder;
using testing::WriteFile;

TavernsFile SampleTaverns() {
    TavernsFile file;
    file.Taverns.push_back({"Sunrise", {SampleHero("Ash", 1), SampleHero("Birch", 2)}});
    file.Taverns.push_back({"Empty", {}});
    file.Taverns.push_back({"Dusk", {SampleHero("Cedar", 3)}});
    return file;
}

ShopsFile SampleShops() {
    ShopsFile file;
    file.Shops.push_back({"Armory",
                          "Data\\images\\shops\\armory.gif",
                          {SampleItem("Blade", 1), SampleItem("Ring>>Small", 2)}});
    file.Shops.push_back({"Empty", "Data\\images\\shops\\none.bmp", {}});
    return file;
}

AursFile SampleAurs() {
    AursFile file;
    file.HeaderTexts = {"header one", ""};
    TAura aura{"Command", 3, 1, 2, -3, 4, 150, 6, 75, 8, 9, INT32_MIN};
    file.Auras.push_back({aura, "Data\\images\\auras\\command.jpg"});
    file.Auras.push_back({TAura{"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, INT32_MAX}, ""});
    return file;
}

OrbsFile SampleOrbs() {
    OrbsFile file;
    file.Categories = {{"Frost", "Data\\images\\orbs\\frost.jpg"},
                       {"Poison", "Data\\images\\orbs\\poison.jpg"},
                       {"Fire", ""}};
    file.AbilityOrbs = {{"Cinder", "a.jpg"}, {"Leech", "b.jpg"}};
    file.MeleeResults = {1, 2, 3, 4, 5, 6};
    file.RangedResults = {6, 5, 4, 3, 2, 1};
    file.AbilityResults = {0, 1, 2, 0, 1, 2};
    file.ItemOrbs = {TOrb{"Chill", 1, 25, -40, 0}, TOrb{"Drain", 3, 0, 0, 15}};
    return file;
}

DictionaryFile SampleDictionary() {
    DictionaryFile file;
    file.Entries.push_back(
        {6, {"gank", "\xE3\xE0\xED\xEA"}, "<b>Ambush</b>", {{"Guide", "docs/g.html"}}});
    file.Entries.push_back({0, {}, std::string(700, 'd'), {}});
    return file;
}

class CatalogueFiles : public ::testing::Test {
protected:
    template <class File, class Write, class Read>
    void ExpectRoundTrip(const File& file, Write write, Read read) {
        const std::string bytes = write(file);
        const auto path = folder_.Path() / "catalogue.dat";
        WriteFile(path, bytes);
        const std::optional<File> back = read(path);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, file);
        EXPECT_EQ(write(*back), bytes);
    }

    // Every proper prefix of the file must fail with this file's name and an
    // offset inside the prefix.
    template <class Read> void ExpectEveryTruncationReported(const std::string& bytes, Read read) {
        const auto path = folder_.Path() / "cut.dat";
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            WriteFile(path, std::string_view(bytes).substr(0, length));
            try {
                read(path);
                ADD_FAILURE() << "a file cut to " << length << " bytes was accepted";
            } catch (const DataError& error) {
                EXPECT_EQ(error.File(), path.string());
                ASSERT_TRUE(error.Offset().has_value());
                EXPECT_LE(*error.Offset(), length);
                EXPECT_NE(std::string(error.what()).find("file ends inside"), std::string::npos);
            }
        }
    }

    TempFolder folder_;
};

TEST_F(CatalogueFiles, TavernsRoundTripAndTruncations) {
    ExpectRoundTrip(SampleTaverns(), WriteTavernsFile, ReadTavernsFile);
    ExpectEveryTruncationReported(WriteTavernsFile(SampleTaverns()), ReadTavernsFile);
}

TEST_F(CatalogueFiles, ShopsRoundTripAndTruncations) {
    ExpectRoundTrip(SampleShops(), WriteShopsFile, ReadShopsFile);
    ExpectEveryTruncationReported(WriteShopsFile(SampleShops()), ReadShopsFile);
}

TEST_F(CatalogueFiles, AursRoundTripAndTruncations) {
    ExpectRoundTrip(SampleAurs(), WriteAursFile, ReadAursFile);
    ExpectEveryTruncationReported(WriteAursFile(SampleAurs()), ReadAursFile);
}

TEST_F(CatalogueFiles, OrbsRoundTripAndTruncations) {
    ExpectRoundTrip(SampleOrbs(), WriteOrbsFile, ReadOrbsFile);
    ExpectEveryTruncationReported(WriteOrbsFile(SampleOrbs()), ReadOrbsFile);
}

TEST_F(CatalogueFiles, DictionaryRoundTripAndTruncations) {
    ExpectRoundTrip(SampleDictionary(), WriteDictionaryFile, ReadDictionaryFile);
    ExpectEveryTruncationReported(WriteDictionaryFile(SampleDictionary()), ReadDictionaryFile);
}

TEST_F(CatalogueFiles, MissingFileIsNotAnError) {
    EXPECT_FALSE(ReadTavernsFile(folder_.Path() / "none.dat").has_value());
    EXPECT_FALSE(ReadDictionaryFile(folder_.Path() / "none.dat").has_value());
}

TEST_F(CatalogueFiles, AurasFileSizeMatchesItsLayout) {
    // 1 + 50h + 1 + n(50 + 255 + 44)
    EXPECT_EQ(WriteAursFile(SampleAurs()).size(), 1u + 100u + 1u + 2u * 349u);
}

TEST_F(CatalogueFiles, HeroWithoutDataTakesOnlyNamePathAndFlag) {
    TavernsFile file;
    HeroFileEntry hero = SampleHero("Plain", 4);
    for (TAbility& ability : hero.Hero.Abilities) {
        ability = TAbility{};
        ability.Name = "N";
        ability.ImagePath = "P";
    }
    file.Taverns.push_back({"T", {hero}});
    // count, tavern text, hero count, hero name/path, fixed fields, 4 x (1+1+1+1+1)
    const std::size_t fixed = 1 + 2 * 3 + 1 + 2 * 3 + 2 * 2 + 2 * 4 + 2 * 2;
    EXPECT_EQ(WriteTavernsFile(file).size(),
              1u + 2 + 1 + (1 + 5) + (1 + hero.PicturePath.size()) + fixed + 4 * 5);
    ExpectRoundTrip(file, WriteTavernsFile, ReadTavernsFile);
}

TEST_F(CatalogueFiles, PaddedTextsAreTrimmedOnRead) {
    // A tavern count of 1, the name "  Inn\0" with spaces and a zero byte, no heroes.
    WriteFile(folder_.Path() / "t.dat", std::string("\x01\x06  Inn\x00\x00", 9));
    const auto file = ReadTavernsFile(folder_.Path() / "t.dat");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Taverns.at(0).Name, "Inn");
}

TEST_F(CatalogueFiles, LongDefinitionsAreReadAtTheirFullLength) {
    const std::string bytes = WriteDictionaryFile(SampleDictionary());
    WriteFile(folder_.Path() / "d.dat", bytes);
    EXPECT_EQ(ReadDictionaryFile(folder_.Path() / "d.dat")->Entries.at(1).Definition.size(), 700u);
}

TEST_F(CatalogueFiles, WritersRefuseWhatCannotBeReadBack) {
    AursFile aurs;
    aurs.Auras.push_back({TAura{std::string(51, 'x')}, ""});
    EXPECT_THROW(WriteAursFile(aurs), DataError); // longer than its field

    TavernsFile taverns;
    taverns.Taverns.push_back({" Inn", {}});
    EXPECT_THROW(WriteTavernsFile(taverns), DataError); // the space would be trimmed

    taverns.Taverns = {{"Inn", {SampleHero("H", 1)}}};
    taverns.Taverns[0].Heroes[0].Hero.StrengthGain = 655.36;
    EXPECT_THROW(WriteTavernsFile(taverns), DataError); // beyond a word of hundredths

    OrbsFile orbs = SampleOrbs();
    orbs.MeleeResults.pop_back();
    EXPECT_THROW(WriteOrbsFile(orbs), DataError); // table size must follow the categories

    ShopsFile shops;
    shops.Shops.push_back({"S", "", std::vector<ItemFileEntry>(256, SampleItem("x", 1))});
    EXPECT_THROW(WriteShopsFile(shops), DataError); // more than a count byte holds
}

TEST_F(CatalogueFiles, HundredthsKeepTheirDecimalValue) {
    TavernsFile file;
    file.Taverns.push_back({"T", {SampleHero("H", 1)}});
    THero& hero = file.Taverns[0].Heroes[0].Hero;
    hero.StrengthGain = 0;
    hero.AgilityGain = 655.35;
    hero.IntelligenceGain = 1.25;
    WriteFile(folder_.Path() / "h.dat", WriteTavernsFile(file));
    const THero back = ReadTavernsFile(folder_.Path() / "h.dat")->Taverns[0].Heroes[0].Hero;
    EXPECT_EQ(back.StrengthGain, 0.0);
    EXPECT_DOUBLE_EQ(back.AgilityGain, 655.35);
    EXPECT_DOUBLE_EQ(back.IntelligenceGain, 1.25);
}

} // namespace
} // namespace zephyr
