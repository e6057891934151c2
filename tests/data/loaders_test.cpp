// The catalogue loaders over packs written with the writers: numbering, menu
// trees, icon lists and the file-order rules of each catalogue.
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/load_all.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using testing::PackBuilder;
using testing::SampleHero;
using testing::SampleItem;
using testing::SolidPicture;
using testing::TempFolder;

class Loaders : public ::testing::Test {
protected:
    LoadOptions Options(bool withPictures = true) {
        pack_.WriteTo(folder_.Path());
        return LoadOptions{PackBuilder::LocationOf(folder_.Path()), withPictures,
                           [this](const std::string& text) { statuses_.push_back(text); }};
    }

    TempFolder folder_;
    PackBuilder pack_;
    std::vector<std::string> statuses_;
};

TEST_F(Loaders, HeroesContinueNumberingAcrossTaverns) {
    pack_.Taverns->Taverns = {
        {"First", {SampleHero("A", 1), SampleHero("B", 2), SampleHero("C", 3)}},
        {"Empty", {}},
        {"Second", {SampleHero("D", 4), SampleHero("E", 5)}}};
    Catalogue catalogue;
    ASSERT_TRUE(LoadHeroes(Options(), catalogue));
    ASSERT_EQ(catalogue.Heroes.size(), 5u);
    ASSERT_EQ(catalogue.HeroMenu.size(), 3u);
    EXPECT_TRUE(catalogue.HeroMenu[1].Heroes.empty());
    const HeroMenuEntry& d = catalogue.HeroMenu[2].Heroes[0];
    EXPECT_EQ(d.Caption, "D");
    EXPECT_EQ(d.HeroNumber, 4);
    EXPECT_EQ(d.IconIndex, 3);
    EXPECT_EQ(catalogue.Hero(4)->Name, "D");
    EXPECT_EQ(catalogue.Heroes64.Count(), 5);
    EXPECT_EQ(catalogue.Heroes32.Count(), 5);
}

TEST_F(Loaders, HeroPicturesAreFittedToBothLists) {
    pack_.Taverns->Taverns = {{"T", {SampleHero("Square", 1), SampleHero("Odd", 2)}}};
    pack_.Pictures["Data\\images\\heroes\\Square.jpg"] = SolidPicture(64, 64, 1);
    pack_.Pictures["Data\\images\\heroes\\Odd.jpg"] = SolidPicture(60, 70, 2);
    Catalogue catalogue;
    ASSERT_TRUE(LoadHeroes(Options(), catalogue));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(catalogue.Heroes64.Images[i].Width, 64);
        EXPECT_EQ(catalogue.Heroes64.Images[i].Height, 64);
        EXPECT_EQ(catalogue.Heroes32.Images[i].Width, 32);
        EXPECT_EQ(catalogue.Heroes32.Images[i].Height, 32);
    }
}

TEST_F(Loaders, UltimateLevelFourKeepsOneToken) {
    HeroFileEntry longList = SampleHero("Long", 1);
    longList.Hero.Abilities[3].LevelEffects[3] = {
        {true, 1}, {false, 2}, {true, 3}, {false, 4}, {true, 5}};
    longList.Hero.Abilities[0].LevelEffects[3] = {{true, 1}, {false, 2}, {true, 3}};
    HeroFileEntry emptyList = SampleHero("Empty", 2);
    emptyList.Hero.Abilities[3].LevelEffects[3] = {};
    pack_.Taverns->Taverns = {{"T", {longList, emptyList}}};
    Catalogue catalogue;
    ASSERT_TRUE(LoadHeroes(Options(false), catalogue));
    EXPECT_EQ(catalogue.Heroes[0].Abilities[3].LevelEffects[3], (TEffectList{{true, 1}}));
    EXPECT_EQ(catalogue.Heroes[0].Abilities[0].LevelEffects[3].size(), 3u);
    EXPECT_EQ(catalogue.Heroes[1].Abilities[3].LevelEffects[3], (TEffectList{{false, 0}}));
}

TEST_F(Loaders, EmptyCataloguesLoad) {
    Catalogue catalogue;
    const LoadOptions options = Options();
    EXPECT_TRUE(LoadHeroes(options, catalogue));
    EXPECT_TRUE(LoadItems(options, catalogue));
    EXPECT_TRUE(LoadSlang(options, catalogue));
    EXPECT_TRUE(catalogue.Heroes.empty());
    EXPECT_TRUE(catalogue.HeroMenu.empty());
    EXPECT_TRUE(catalogue.SlangWords.empty());
}

class ItemLoader : public Loaders {
protected:
    Catalogue Load(bool withPictures = false) {
        Catalogue catalogue;
        EXPECT_TRUE(LoadItems(Options(withPictures), catalogue));
        return catalogue;
    }
};

TEST_F(ItemLoader, VariantsGatherUnderTheirGroup) {
    pack_.Shops->Shops = {{"Jewels",
                           "Data\\images\\shops\\j.jpg",
                           {SampleItem("Ring>>Small", 1), SampleItem("Ring  >>  Large", 2)}}};
    const Catalogue catalogue = Load();
    ASSERT_EQ(catalogue.Items.size(), 2u);
    EXPECT_EQ(catalogue.Items[0].Name, "Ring - Small");
    EXPECT_EQ(catalogue.Items[1].Name, "Ring - Large");
    const auto& entries = catalogue.ItemMenu.at(0).Entries;
    ASSERT_EQ(entries.size(), 1u);
    const ItemMenuEntry& group = entries[0];
    EXPECT_TRUE(group.IsGroup());
    EXPECT_EQ(group.Caption, "Ring");
    ASSERT_EQ(group.Variants.size(), 2u);
    EXPECT_EQ(group.Variants[0].Caption, "Small");
    EXPECT_EQ(group.Variants[1].Caption, "Large");
    EXPECT_EQ(group.Variants[1].ItemNumber, 2);
    // Shop icon 0; the group and the first variant share icon 1; the second has 2.
    EXPECT_EQ(group.IconIndex, 1);
    EXPECT_EQ(group.Variants[0].IconIndex, 1);
    EXPECT_EQ(catalogue.Items[0].ImageIndex, 1);
    EXPECT_EQ(catalogue.Items[1].ImageIndex, 2);
}

TEST_F(ItemLoader, PlainItemsDoNotBreakAGroupButLetterCaseDoes) {
    pack_.Shops->Shops = {{"S",
                           "s.jpg",
                           {SampleItem("Ring>>Small", 1), SampleItem("Blade", 2),
                            SampleItem("Ring>>Large", 3), SampleItem("ring>>Tiny", 4)}}};
    const Catalogue catalogue = Load();
    const auto& entries = catalogue.ItemMenu.at(0).Entries;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Variants.size(), 2u);
    EXPECT_EQ(entries[1].Caption, "Blade");
    EXPECT_EQ(entries[1].ItemNumber, 2);
    EXPECT_EQ(entries[2].Caption, "ring");
    EXPECT_EQ(entries[2].Variants.at(0).ItemNumber, 4);
}

TEST_F(ItemLoader, TheLastGroupReachesAcrossShops) {
    pack_.Shops->Shops = {{"First",
                           "a.jpg",
                           {SampleItem("A", 1), SampleItem("B", 2), SampleItem("C", 3),
                            SampleItem("Ring>>Small", 4)}},
                          {"Second",
                           "b.jpg",
                           {SampleItem("Ring>>Large", 5), SampleItem("E", 6), SampleItem("F", 7)}}};
    const Catalogue catalogue = Load();
    EXPECT_EQ(catalogue.Items.size(), 7u);
    EXPECT_EQ(catalogue.ItemMenu[0].Entries[3].Variants.size(), 2u);
    EXPECT_EQ(catalogue.ItemMenu[1].Entries.size(), 2u);
    EXPECT_EQ(catalogue.ItemMenu[1].Entries[0].ItemNumber, 6);
}

TEST_F(ItemLoader, NamesAreCutTo50BytesButCaptionsKeepAll) {
    const std::string longName(60, 'n');
    pack_.Shops->Shops = {{"S", "s.jpg", {SampleItem(longName, 1)}}};
    const Catalogue catalogue = Load();
    EXPECT_EQ(catalogue.Items[0].Name, std::string(50, 'n'));
    EXPECT_EQ(catalogue.ItemMenu[0].Entries[0].Caption, longName);
}

TEST_F(ItemLoader, ShopPictureExtensionChoosesTheDecoder) {
    pack_.Shops->Shops = {{"Gif", "Data\\images\\shops\\one.gif", {SampleItem("A", 1)}},
                          {"Jpeg", "Data\\images\\shops\\two.Jpeg", {}},
                          {"Bitmap", "Data\\images\\shops\\three.bmp", {}}};
    pack_.Pictures["Data\\images\\shops\\one.gif"] = SolidPicture(20, 20, 7);
    pack_.Pictures["Data\\images\\items\\item1.jpg"] = SolidPicture(36, 36, 3);
    pack_.MissingPictures.insert("Data\\images\\shops\\three.bmp");
    const Catalogue catalogue = Load(true);
    ASSERT_EQ(catalogue.Shops.Count(), 4);
    EXPECT_EQ(catalogue.ItemMenu[0].IconIndex, 0);
    EXPECT_EQ(catalogue.Shops.Images[0], SolidPicture(36, 36, 7)); // GIF is exact
    EXPECT_EQ(catalogue.ItemMenu[1].IconIndex, 2);
    // ".bmp" loads nothing: the shop shows the picture loaded last (the JPEG shop's).
    EXPECT_EQ(catalogue.ItemMenu[2].IconIndex, 3);
    EXPECT_EQ(catalogue.Shops.Images[3], catalogue.Shops.Images[2]);
    for (const Picture& icon : catalogue.Shops.Images) {
        EXPECT_EQ(icon.Width, 36);
        EXPECT_EQ(icon.Height, 36);
    }
}

TEST_F(ItemLoader, NumbersContinueAcrossShopsAndEmptyShopsKeepTheirEntry) {
    pack_.Shops->Shops = {
        {"Four",
         "a.jpg",
         {SampleItem("A", 1), SampleItem("B", 2), SampleItem("C", 3), SampleItem("D", 4)}},
        {"None", "b.jpg", {}},
        {"Three", "c.jpg", {SampleItem("E", 5), SampleItem("F", 6), SampleItem("G", 7)}}};
    const Catalogue catalogue = Load();
    EXPECT_EQ(catalogue.ItemMenu.size(), 3u);
    EXPECT_EQ(catalogue.ItemMenu[1].IconIndex, 5);
    EXPECT_EQ(catalogue.ItemMenu[2].Entries[0].ItemNumber, 5);
    EXPECT_EQ(catalogue.Item(5)->Name, "E");
}

TEST_F(Loaders, OrbTablesFollowTheirLoopOrders) {
    pack_.Orbs->Categories = {{"A", "Data\\images\\orbs\\a.jpg"},
                              {"B", "Data\\images\\orbs\\b.jpg"},
                              {"C", "Data\\images\\orbs\\c.jpg"}};
    pack_.Orbs->AbilityOrbs = {{"X", "Data\\images\\orbs\\x.jpg"},
                               {"Y", "Data\\images\\orbs\\y.jpg"}};
    pack_.Orbs->MeleeResults = {1, 2, 3, 4, 5, 6};
    pack_.Orbs->RangedResults = {1, 2, 3, 4, 5, 6};
    pack_.Orbs->AbilityResults = {1, 2, 3, 4, 5, 6};
    pack_.MissingPictures.insert("Data\\images\\orbs\\a.jpg");
    Catalogue catalogue;
    ASSERT_TRUE(LoadOrbs(Options(), catalogue));
    const auto pairs = [](const std::vector<TOrbPair>& table) {
        std::vector<std::pair<int, int>> out;
        for (const TOrbPair& p : table) {
            out.emplace_back(p.First, p.Second);
        }
        return out;
    };
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(pairs(catalogue.MeleeOrbTable), (P{{1, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(pairs(catalogue.RangedOrbTable), (P{{1, 1}, {2, 1}, {3, 1}, {2, 2}, {3, 2}, {3, 3}}));
    EXPECT_EQ(pairs(catalogue.AbilityOrbTable),
              (P{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}}));
    EXPECT_EQ(catalogue.MeleeOrbTable[4].Result, 5);
    // The missing picture of category A moves every later icon up one place.
    EXPECT_EQ(catalogue.Orbs30.Count(), 4);
    EXPECT_EQ(catalogue.OrbCategories, (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(Loaders, NoOrbCategoriesMeansEmptyTables) {
    pack_.Orbs->AbilityOrbs = {{"X", "x.jpg"}};
    pack_.Orbs->ItemOrbs = {TOrb{"Chill", 0, 10, 20, 30}};
    Catalogue catalogue;
    ASSERT_TRUE(LoadOrbs(Options(false), catalogue));
    EXPECT_TRUE(catalogue.MeleeOrbTable.empty());
    EXPECT_TRUE(catalogue.AbilityOrbTable.empty());
    ASSERT_EQ(catalogue.ItemOrbs.size(), 1u);
    EXPECT_EQ(catalogue.ItemOrbs[0].LifeSteal, 30);
}

TEST_F(Loaders, AurasSkipHeadersAndFitIcons) {
    pack_.Aurs->HeaderTexts = {"one", "two"};
    pack_.Aurs->Auras = {{TAura{"", 1, 2}, "Data\\images\\auras\\blank.jpg"},
                         {TAura{"Exact", 4}, "Data\\images\\auras\\exact.jpg"}};
    pack_.Pictures["Data\\images\\auras\\blank.jpg"] = SolidPicture(40, 10, 1);
    Catalogue catalogue;
    ASSERT_TRUE(LoadAuras(Options(), catalogue));
    ASSERT_EQ(catalogue.Auras.size(), 2u);
    EXPECT_EQ(catalogue.Auras[0].Name, "");
    EXPECT_EQ(catalogue.Auras[0].V1, 2);
    EXPECT_EQ(catalogue.Aura(2)->V0, 4);
    EXPECT_EQ(catalogue.Aurs15.Images[0].Width, 15);
    EXPECT_EQ(catalogue.Aurs15.Images[0].Height, 15);
}

TEST_F(Loaders, SlangTermsAreCutTo50Bytes) {
    pack_.Dictionary->Entries = {{6, {std::string(60, 't'), "short"}, "def", {}},
                                 {2, {}, "", {{"c", "t"}}}};
    Catalogue catalogue;
    ASSERT_TRUE(LoadSlang(Options(), catalogue));
    EXPECT_EQ(catalogue.SlangWords[0].Terms[0], std::string(50, 't'));
    EXPECT_TRUE(catalogue.SlangWords[0].Links.empty());
    EXPECT_TRUE(catalogue.SlangWords[1].Terms.empty());
}

TEST_F(Loaders, LoadAllReportsTheSplashTextsInOrder) {
    const LoadAllResult result = LoadAll(Options(false));
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(statuses_,
              (std::vector<std::string>{
                  "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0 \xEE\xF0\xE1\xEE\xE2...",
                  "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0 \xE3\xE5\xF0\xEE\xE5\xE2...",
                  "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0 \xEF\xF0\xE5\xE4\xEC\xE5\xF2\xEE\xE2...",
                  "\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0 \xF1\xEB\xE5\xED\xE3\xE0..."}));
}

TEST_F(Loaders, MissingOrbsStopsBeforeAnythingElse) {
    pack_.Orbs.reset();
    pack_.Taverns->Taverns = {{"T", {SampleHero("A", 1)}}};
    const LoadAllResult result = LoadAll(Options(false));
    ASSERT_FALSE(result.Ok());
    EXPECT_EQ(result.Failure->Kind, LoadFailureKind::MissingFile);
    EXPECT_NE(result.Failure->Message.find("Orbs.dat"), std::string::npos);
    EXPECT_TRUE(result.Catalogue.Heroes.empty());
    EXPECT_EQ(statuses_.size(), 1u);
}

TEST_F(Loaders, MissingDictionaryKeepsTheOtherCatalogues) {
    pack_.Dictionary.reset();
    pack_.Taverns->Taverns = {{"T", {SampleHero("A", 1)}}};
    pack_.Shops->Shops = {{"S", "s.jpg", {SampleItem("I", 1)}}};
    const LoadAllResult result = LoadAll(Options(false));
    ASSERT_FALSE(result.Ok());
    EXPECT_EQ(result.Catalogue.Heroes.size(), 1u);
    EXPECT_EQ(result.Catalogue.Items.size(), 1u);
    EXPECT_TRUE(result.Catalogue.SlangWords.empty());
}

TEST_F(Loaders, TruncatedCatalogueIsRefusedWhole) {
    pack_.Taverns->Taverns = {{"T", {SampleHero("A", 1), SampleHero("B", 2)}}};
    const LoadOptions options = Options(false);
    const auto path = folder_.Path() / "Data" / "Taverns.dat";
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 3);
    const LoadAllResult result = LoadAll(options);
    ASSERT_FALSE(result.Ok());
    EXPECT_EQ(result.Failure->Kind, LoadFailureKind::BadCatalogue);
    EXPECT_NE(result.Failure->Message.find("Taverns.dat (offset "), std::string::npos);
    EXPECT_TRUE(result.Catalogue.Heroes.empty());
    EXPECT_TRUE(result.Catalogue.HeroMenu.empty());
}

TEST_F(Loaders, CorruptOrMissingPictureNamesItsPath) {
    pack_.Taverns->Taverns = {{"T", {SampleHero("A", 1)}}};
    pack_.MissingPictures.insert("Data\\images\\heroes\\A.jpg");
    LoadAllResult result = LoadAll(Options());
    ASSERT_FALSE(result.Ok());
    EXPECT_EQ(result.Failure->Kind, LoadFailureKind::BadPicture);
    EXPECT_NE(result.Failure->Message.find("A.jpg"), std::string::npos);

    testing::WriteFile(folder_.Path() / "Data/images/heroes/A.jpg", "\xFF\xD8 not really");
    result = LoadAll(Options());
    ASSERT_FALSE(result.Ok());
    EXPECT_EQ(result.Failure->Kind, LoadFailureKind::BadPicture);
    EXPECT_TRUE(result.Catalogue.Heroes.empty());
}

} // namespace
} // namespace zephyr
