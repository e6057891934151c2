// The source reader: a small complete game reads into catalogue records, and
// every mistake is reported with its file and line.
#include "pack_sources.h"
#include "sample_sources.h"
#include "source_error.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace zephyr::pack {
namespace {

using zephyr::testing::TempFolder;

class PackSourcesTest : public ::testing::Test {
protected:
    void SetUp() override { testing::WriteSampleSources(folder_.Path() / "datapack"); }

    std::filesystem::path Root() const { return folder_.Path() / "datapack"; }

    // Replaces `from` with `to` in one source file and returns the error.
    std::string ErrorAfter(const char* file, const std::string& from, const std::string& to) {
        testing::ReplaceInFile(Root() / file, from, to);
        try {
            ReadPackSources(Root());
        } catch (const SourceError& error) {
            return error.what();
        }
        return "accepted";
    }

    TempFolder folder_;
};

TEST_F(PackSourcesTest, ReadsTheSampleGame) {
    const PackSources pack = ReadPackSources(Root());
    ASSERT_EQ(pack.Taverns.Taverns.size(), 1u);
    const THero& hero = pack.Taverns.Taverns[0].Heroes.at(0).Hero;
    EXPECT_EQ(hero.Name, "Ashen Warden");
    EXPECT_DOUBLE_EQ(hero.StrengthGain, 2.7);
    EXPECT_EQ(hero.Abilities[0].LearnAura, 1);
    EXPECT_EQ(hero.Abilities[1].LinkItem, 2); // "Ring - Small"
    EXPECT_EQ(hero.Abilities[1].LevelOrbCodes[0], 1);
    EXPECT_FALSE(hero.Abilities[2].HasData);
    ASSERT_EQ(pack.Shops.Shops.size(), 1u);
    EXPECT_EQ(pack.Shops.Shops[0].PicturePath, "Data\\images\\shops\\armory.gif");
    EXPECT_EQ(pack.Shops.Shops[0].Items[1].Text, "Ring>>Small");
    EXPECT_EQ(pack.Shops.Shops[0].Items[0].Item.PassiveAuras, (std::vector<std::uint8_t>{1, 2}));
    // "Venom, Frost = 1" is stored as (Frost, Venom) = 2 in melee; ranged keeps the
    // larger category first.
    EXPECT_EQ(pack.Orbs.MeleeResults, (std::vector<std::uint8_t>{1, 2, 5}));
    EXPECT_EQ(pack.Orbs.RangedResults, (std::vector<std::uint8_t>{1, 2, 2}));
    EXPECT_EQ(pack.Aurs.Auras[0].Aura.V5, 250);
    EXPECT_EQ(pack.Dictionary.Entries[0].Terms[1], "\xE3\xE0\xED\xEA"); // ганк
    EXPECT_EQ(pack.TickerLines.size(), 2u);
}

TEST_F(PackSourcesTest, MistakesNameFileAndLine) {
    EXPECT_EQ(ErrorAfter("heroes/01-lodge.zds", "AttackSpeed(15)", "AttackSpeed(15, 2)"),
              "datapack/heroes/01-lodge.zds:23: AttackSpeed takes 1 argument, found 2");
    SetUp();
    EXPECT_EQ(ErrorAfter("heroes/01-lodge.zds", "learn aura: Command", "learn aura: Comand"),
              "datapack/heroes/01-lodge.zds:19: there is no aura named \"Comand\"");
    SetUp();
    EXPECT_EQ(ErrorAfter("items/01-armory.zds", "cost: 900", "cost: lots"),
              "datapack/items/01-armory.zds:6: \"lots\" is not a whole number");
    SetUp();
    EXPECT_EQ(ErrorAfter("orbs.zds", "ranged: Frost, Venom = 1\n", ""),
              "datapack/orbs.zds:0: the ranged table is incomplete: every pair needs a line");
    SetUp();
    EXPECT_EQ(ErrorAfter("dictionary/01-slang.zds", "calc_AshenWarden", "calc_Nobody"),
              "datapack/dictionary/01-slang.zds:5: \"calc_Nobody\" names no hero (calc_ + a "
              "hero's name without spaces)");
    SetUp();
    EXPECT_EQ(ErrorAfter("auras.zds", "armor: 2.5", "armor: 2.555"),
              "datapack/auras.zds:4: \"2.555\" needs more than two decimals or is too large");
    SetUp();
    EXPECT_EQ(ErrorAfter("heroes/01-lodge.zds", "primary: strength", "primary strength"),
              "datapack/heroes/01-lodge.zds:5: expected \"key: value\" or an effect such as "
              "Damage(10), found \"primary strength\"");
}

TEST_F(PackSourcesTest, HeroesNeedFourAbilities) {
    EXPECT_NE(ErrorAfter("heroes/01-lodge.zds", "ability: Quiet", "# ability: Quiet")
                  .find("has 3 abilities, it needs four"),
              std::string::npos);
}

TEST_F(PackSourcesTest, TextsMustFitWindows1251) {
    EXPECT_NE(ErrorAfter("dictionary/01-slang.zds", "ганк", "ганк日").find("Windows-1251"),
              std::string::npos);
}

} // namespace
} // namespace zephyr::pack
