#include "../engine/catalogue_builder.h"

#include "stats_script.h"

#include "data/cp1251.h"

#include <gtest/gtest.h>

namespace zephyr::cli {
namespace {

using nlohmann::json;
using namespace zephyr::test;

class StatsScriptTest : public ::testing::Test {
protected:
    StatsScriptTest() {
        b.AddHero(PlainHero("Tester"));
        THero second = PlainHero(Cp1251FromUtf8("Лучница"));
        second.Ranged = true;
        second.Abilities[1].Name = Cp1251FromUtf8("Стрелы");
        second.Abilities[1].HasData = true;
        second.Abilities[1].NeedsActive = true;
        second.Abilities[1].ParamCaptions[0] = Cp1251FromUtf8("Заряды");
        second.Abilities[1].LevelEffects[0] =
            Join({LevelEffect(1004, {{Lit(0)}, {Lit(5)}, {Lit(2)}}),
                  LevelEffect(1008, {{Var(10004), Times(), Lit(10)}})});
        b.AddHero(second);
        const int aura = b.AddAura(Cp1251FromUtf8("Аура"), 1);
        b.Aura(aura).V1 = 7;
        b.AddItem("Ring", 150);
        b.Item(1).PassiveAuras = {static_cast<std::uint8_t>(aura)};
        b.AddItem("Boots - Speed", 500);
        b.AddItem("Boots - Travel", 900);
        b.Item(2).OnePerHero = true;
        b.Item(3).OnePerHero = true;
    }

    json Run(const std::string& text, char separator = '.') {
        return RunStatsScript(b.catalogue, json::parse(text), separator);
    }

    CatalogueBuilder b;
};

TEST_F(StatsScriptTest, ReplaysGesturesAndListsRefusedOnes) {
    const json out = Run(R"({"hero": "Tester", "actions": [
        {"levelUp": 1}, {"levelUp": 1}, {"place": {"slot": 2, "item": "Ring"}},
        {"place": {"slot": 2, "item": 3}}, {"place": {"slot": 3, "item": "Boots - Speed"}},
        {"place": {"slot": 4, "item": "Boots - Travel"}}, {"moveLine": {"from": 0, "to": 1}},
        {"moveLine": {"from": 1, "to": 0}}, {"toggleAbility": 1}, {"remove": 5},
        {"levelDown": true}, {"levelDown": true}, {"paramArrow": {"editor": 1, "dir": "left"}}
    ]})");
    EXPECT_EQ(out["refused"], json({1, 3, 5, 6, 8, 9, 11, 12}));
    EXPECT_EQ(out["HeroLevel"], 0);
    EXPECT_EQ(out["BuildOrder"], json({"> Ring <", "> Boots - Speed <"}));
    EXPECT_EQ(out["BuildOrderCodes"].size(), 31u);
    EXPECT_EQ(out["BuildOrderCodes"][0], 7);
    EXPECT_EQ(out["ItemSlots"][1]["ItemNumber"], 1);
    EXPECT_EQ(out["HeroStats"]["TotalPrice"], 650);
    EXPECT_EQ(out["HeroStats"]["DamageBonus"], 7);
    EXPECT_EQ(out["AuraSlots"][0]["Sources"], json({1}));
    EXPECT_EQ(out["AuraSlots"][0]["Hint"], "Аура");
    EXPECT_EQ(out["AuraSlots"][1]["Hint"], "");
    EXPECT_EQ(out["Labels"]["Label2"], "- 1 lvl -");
    EXPECT_EQ(out["Labels"]["Label3"], "Tester");
    EXPECT_EQ(out["Labels"]["Label23"], " + 7");
    EXPECT_TRUE(out["Labels"]["Label25"].is_null());
    EXPECT_EQ(out["CanLevel"], json({true, true, true, false, true}));
}

TEST_F(StatsScriptTest, OutputShapeAndTextsInUtf8) {
    const json out = Run(R"({"hero": 2, "actions": [{"levelUp": 2}, {"toggleAbility": 2},
        {"paramText": {"editor": 1, "text": "4"}}, {"openParams": 2}]})",
                         ',');
    EXPECT_EQ(out["refused"], json::array());
    for (const char* key :
         {"HeroStats", "Grid", "Labels", "BuildOrder", "BuildOrderCodes", "HeroLevel", "SkillPicks",
          "CanLevel", "AbilityActive", "SlotActive", "ItemSlots", "AbilityItemLinks", "AuraSlots",
          "AbilityParams", "ParamAbility", "Editors", "OrbPicture", "refused"}) {
        EXPECT_TRUE(out.contains(key)) << key;
    }
    EXPECT_EQ(out["Grid"].size(), 8u);
    EXPECT_EQ(out["Grid"][0].size(), 6u);
    EXPECT_EQ(out["Grid"][0][0], "Тип");
    EXPECT_EQ(out["Grid"][0][1], "Range");
    EXPECT_EQ(out["Grid"][1][3], "25%");
    EXPECT_EQ(out["Labels"]["Label3"], "Лучница");
    EXPECT_EQ(out["BuildOrder"], json({"Стрелы"}));
    EXPECT_EQ(out["Editors"][0]["Label"], "Заряды");
    EXPECT_EQ(out["Editors"][0]["Text"], "4 из 5");
    EXPECT_EQ(out["Editors"][0]["Enabled"], true);
    EXPECT_EQ(out["Editors"][1]["Enabled"], false);
    EXPECT_EQ(out["ParamAbility"], 2);
    EXPECT_EQ(out["AbilityParams"].size(), 4u);
    EXPECT_EQ(out["AbilityParams"][1][0]["Value"], 4);
    EXPECT_EQ(out["HeroStats"]["DamageBonus"], 40);
    EXPECT_EQ(out["AbilityActive"], json({false, true, false, false}));
    EXPECT_EQ(out["SkillPicks"].size(), 25u);
    EXPECT_EQ(out["OrbPicture"], json({0, 0}));
    EXPECT_EQ(out["HeroStats"].size(), 52u);
}

TEST_F(StatsScriptTest, BadScriptsNameTheProblem) {
    EXPECT_THROW(Run(R"({"hero": "Nobody"})"), StatsScriptError);
    EXPECT_THROW(Run(R"({"hero": 3})"), StatsScriptError);
    EXPECT_THROW(Run(R"({"actions": []})"), StatsScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"jump": 1}]})"), StatsScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"place": {"slot": 1, "item": "Sword"}}]})"),
                 StatsScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"levelUp": "one"}]})"), StatsScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"levelUp": 1, "levelDown": true}]})"),
                 StatsScriptError);
    try {
        Run(R"({"hero": 1, "actions": [{"levelUp": 1}, {"fly": true}]})");
        FAIL();
    } catch (const StatsScriptError& error) {
        EXPECT_NE(std::string(error.what()).find("action 1"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("fly"), std::string::npos);
    }
}

TEST_F(StatsScriptTest, OutOfRangeNumbersAreRefusedNotErrors) {
    const json out = Run(R"({"hero": 1, "actions": [{"levelUp": 9}, {"remove": 99999999999},
        {"toggleSlot": 0}, {"paramArrow": {"editor": 2, "dir": "right"}}]})");
    EXPECT_EQ(out["refused"], json({0, 1, 2, 3}));
}

} // namespace
} // namespace zephyr::cli
