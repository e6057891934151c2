// zephyrdex-cli dump and check, run as a user runs them, over written packs.
#include "cli_run.h"
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/cp1251.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zephyr {
namespace {

using nlohmann::json;
using testing::PackBuilder;
using testing::RunCli;
using testing::SampleHero;
using testing::SampleItem;
using testing::TempFolder;

class CliCommands : public ::testing::Test {
protected:
    CliCommands() {
        HeroFileEntry hero = SampleHero("Ash", 1);
        hero.Hero.Name = Cp1251FromUtf8("Ясень");
        pack_.Taverns->Taverns = {{Cp1251FromUtf8("Таверна"), {hero, SampleHero("Birch", 2)}}};
        pack_.Shops->Shops = {
            {"Armory",
             "Data\\images\\shops\\armory.gif",
             {SampleItem("Blade", 1), SampleItem("Ring>>Small", 2), SampleItem("Ring>>Large", 3)}}};
        pack_.Aurs->Auras = {{TAura{"Command", 1, 10}, "Data\\images\\auras\\a.jpg"},
                             {TAura{"Frost", 2}, "Data\\images\\auras\\b.jpg"},
                             {TAura{"Haste", 3}, "Data\\images\\auras\\c.jpg"},
                             {TAura{"Guard", 4}, "Data\\images\\auras\\d.jpg"}};
        pack_.Orbs->Categories = {{"Frost", "Data\\images\\orbs\\f.jpg"}};
        pack_.Orbs->AbilityOrbs = {{"Cinder", "Data\\images\\orbs\\s.jpg"}};
        pack_.Orbs->MeleeResults = {1};
        pack_.Orbs->RangedResults = {2};
        pack_.Orbs->AbilityResults = {6};
        pack_.Orbs->ItemOrbs = {TOrb{"Chill", 1, 25, 10, 0}, TOrb{"Leech", 1, 0, 0, 15}};
        pack_.Dictionary->Entries = {
            {6, {Cp1251FromUtf8("ганк"), "gank"}, "<b>x</b>", {{"A", "b.html"}}}};
    }

    std::string Data() {
        pack_.WriteTo(folder_.Path());
        PackBuilder::WriteInterfaceAndTexts(folder_.Path());
        return "--data " + (folder_.Path() / "Data").string();
    }

    json Dump(const std::string& what) {
        const auto run = RunCli("dump " + Data() + " " + what);
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        return json::parse(run.Out);
    }

    TempFolder folder_;
    PackBuilder pack_;
};

TEST_F(CliCommands, DumpHeroes) {
    const json heroes = Dump("heroes");
    EXPECT_EQ(heroes["taverns"][0]["name"], "Таверна");
    EXPECT_EQ(heroes["taverns"][0]["heroes"], json({1, 2}));
    const json& ash = heroes["heroes"][0];
    EXPECT_EQ(ash["Name"], "Ясень");
    EXPECT_DOUBLE_EQ(ash["IntelligenceGain"].get<double>(), 8.2);
    EXPECT_EQ(ash["Abilities"].size(), 4u);
    EXPECT_EQ(ash["Abilities"][0]["ParamCaptions"].size(), 5u);
    EXPECT_EQ(ash["Abilities"][0]["LevelEffects"][1][0], json({true, 1000}));
    EXPECT_EQ(ash["Abilities"][3]["LevelEffects"][3].size(), 1u);
}

TEST_F(CliCommands, DumpItemsShowsGroups) {
    const json items = Dump("items");
    EXPECT_EQ(items["shops"][0]["entries"],
              json::parse(R"([{"item": 1}, {"group": "Ring", "items": [2, 3]}])"));
    EXPECT_EQ(items["items"][2]["Name"], "Ring - Large");
    EXPECT_EQ(items["items"][2]["ImageIndex"], 3);
}

TEST_F(CliCommands, DumpOrbsAurasDictionary) {
    const json orbs = Dump("orbs");
    EXPECT_EQ(orbs["MeleeOrbTable"], json::parse("[[1, 1, 1]]"));
    EXPECT_EQ(orbs["AbilityOrbTable"], json::parse("[[1, 1, 6]]"));
    EXPECT_EQ(orbs["ItemOrbs"][1]["LifeSteal"], 15);
    EXPECT_EQ(Dump("auras")["auras"][0]["V1"], 10);
    const json dictionary = Dump("dictionary");
    EXPECT_EQ(dictionary["SlangWords"][0]["Terms"], json({"ганк", "gank"}));
    EXPECT_EQ(dictionary["SlangWords"][0]["Links"][0]["Target"], "b.html");
}

TEST_F(CliCommands, DumpTextFiles) {
    const json addresses = Dump("addresses");
    EXPECT_EQ(addresses["Руководство.Герои"], "Data\\documents\\page1.html");
    EXPECT_EQ(addresses["Default"], "Data\\documents\\Main.html?pageid=start");
    EXPECT_EQ(addresses["О проекте.Сайт"], "");
    EXPECT_EQ(addresses.size(), 9u);
    EXPECT_EQ(Dump("ticker")["lines"], json({"First tip", "Second tip"}));
}

TEST_F(CliCommands, DumpOfATruncatedCatalogueFails) {
    const std::string data = Data();
    const auto path = folder_.Path() / "Data" / "Shops.dat";
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 1);
    const auto run = RunCli("dump " + data + " items");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("Shops.dat (offset "), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out, "");
}

TEST_F(CliCommands, UsageErrors) {
    EXPECT_EQ(RunCli("").ExitCode, 2);
    EXPECT_EQ(RunCli("frobnicate").ExitCode, 2);
    EXPECT_EQ(RunCli("dump " + Data() + " weapons").ExitCode, 2);
    EXPECT_EQ(RunCli("dump " + Data()).ExitCode, 2);
    EXPECT_EQ(RunCli("check " + Data() + " extra").ExitCode, 2);
    EXPECT_EQ(RunCli("check --data").ExitCode, 2);
    const auto help = RunCli("--help");
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("zephyrdex-cli search"), std::string::npos) << help.Out;
}

TEST_F(CliCommands, CheckPassesACompletePack) {
    const auto run = RunCli("check " + Data());
    EXPECT_EQ(run.ExitCode, 0) << run.Out;
    EXPECT_NE(run.Out.find("2 heroes, 3 items, 4 auras"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("8 documents"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("; 0 problems"), std::string::npos) << run.Out;
}

TEST_F(CliCommands, CheckReportsEveryProblemOnItsOwnLine) {
    pack_.Taverns->Taverns[0].Heroes[0].Hero.Abilities[0].LearnAura = 9;
    pack_.Shops->Shops[0].Items[0].Item.OrbCode = 7;
    const std::string data = Data();
    std::filesystem::remove(folder_.Path() / "Data/Images/design/FormBottom.bmp");
    std::filesystem::remove(folder_.Path() / "Data/documents/page3.html");
    std::filesystem::remove(folder_.Path() / "Data/Dictionary.dat");
    const auto run = RunCli("check " + data);
    EXPECT_EQ(run.ExitCode, 1);
    for (const char* expected : {"FormBottom.bmp", "page3.html", "Dictionary.dat: cannot open",
                                 "learn aura 9 is outside 0..4", "item Blade: orb 7 is outside"}) {
        EXPECT_NE(run.Out.find(expected), std::string::npos) << expected << "\n" << run.Out;
    }
    EXPECT_NE(run.Out.find("; 5 problems"), std::string::npos) << run.Out;
}

TEST_F(CliCommands, CheckNamesACorruptPicture) {
    const std::string data = Data();
    testing::WriteFile(folder_.Path() / "Data/images/auras/b.jpg", "\xFF\xD8\xFF\xE0 broken");
    const auto run = RunCli("check " + data);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Out.find("b.jpg"), std::string::npos) << run.Out;
}

TEST_F(CliCommands, AFailedCatalogueIsReportedOnceNotThroughItsReferences) {
    pack_.Taverns->Taverns[0].Heroes[0].Hero.Abilities[0].LinkItem = 2;
    pack_.Taverns->Taverns[0].Heroes[1].Hero.Abilities[1].LinkItem = 3;
    const std::string data = Data();
    // One broken shop picture: the whole item catalogue is refused.
    testing::WriteFile(folder_.Path() / "Data/images/shops/armory.gif", "GIF89a broken");
    const auto run = RunCli("check " + data);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Out.find("armory.gif"), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("linked item"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("; 1 problems"), std::string::npos) << run.Out;
}

TEST_F(CliCommands, EachTextFileIsCheckedOnItsOwn) {
    const std::string data = Data();
    std::filesystem::remove(folder_.Path() / "Data/Str.dat");
    std::filesystem::create_directory(folder_.Path() / "Data/Str.dat"); // unreadable
    std::filesystem::remove(folder_.Path() / "Data/documents/page3.html");
    const auto run = RunCli("check " + data);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Out.find("Str.dat"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("page3.html"), std::string::npos) << run.Out;
}

TEST_F(CliCommands, OrbTableProblemsNameTheTableTheEntryAndTheFile) {
    pack_.Orbs->RangedResults = {32};
    const auto run = RunCli("check " + Data());
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Out.find("Orbs.dat: ranged orb table, entry 1 (1 with 1): result 32 is "
                           "outside 0..6"),
              std::string::npos)
        << run.Out;
}

TEST_F(CliCommands, NamesWithControlBytesStayOnOneLine) {
    pack_.Shops->Shops[0].Items[0].Text = "Bad\nName";
    pack_.Shops->Shops[0].Items[0].Item.OrbCode = 7;
    const auto run = RunCli("check " + Data());
    EXPECT_NE(run.Out.find("item Bad\\nName: orb 7"), std::string::npos) << run.Out;
}

TEST_F(CliCommands, CheckOnAMissingFolderSaysSoInOneLine) {
    const auto run = RunCli("check --data " + (folder_.Path() / "nowhere" / "Data").string());
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Out.find("nowhere/Data: no such folder\n"), std::string::npos) << run.Out;
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 1) << run.Out;
    EXPECT_EQ(RunCli("check --data ''").ExitCode, 2);
    EXPECT_EQ(RunCli("dump --data= heroes").ExitCode, 2);
}

} // namespace
} // namespace zephyr
