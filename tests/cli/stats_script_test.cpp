#include "catalogue_builder.h"

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
        b.AddHero(MakeHero("Tester"));
        THero second = MakeHero(Cp1251FromUtf8("Лучница"));
        second.Ranged = true;
        second.Abilities[1].Name = Cp1251FromUtf8("Стрелы");
        second.Abilities[1].HasData = true;
        second.Abilities[1].NeedsActive = true;
        second.Abilities[1].ParamCaptions[0] = Cp1251FromUtf8("Заряды");
        second.Abilities[1].LevelEffects[0] = Join(
            {LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(5)}, {Lit(2)}}),
             LevelEffect(EffectCode::Damage, {{Var(FormulaVariable::Param1), Times(), Lit(10)}})});
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
        return RunStatsScript(b.Catalogue, json::parse(text), separator);
    }

    // The message a script fails with, or "replayed".
    std::string Problem(const std::string& text) {
        try {
            RunStatsScript(b.Catalogue, ParseBuildScript(text), '.');
        } catch (const BuildScriptError& error) {
            return error.what();
        }
        return "replayed";
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
    EXPECT_THROW(Run(R"({"hero": "Nobody"})"), BuildScriptError);
    EXPECT_THROW(Run(R"({"hero": 3})"), BuildScriptError);
    EXPECT_THROW(Run(R"({"actions": []})"), BuildScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"jump": 1}]})"), BuildScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"place": {"slot": 1, "item": "Sword"}}]})"),
                 BuildScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"levelUp": "one"}]})"), BuildScriptError);
    EXPECT_THROW(Run(R"({"hero": 1, "actions": [{"levelUp": 1, "levelDown": true}]})"),
                 BuildScriptError);
    try {
        Run(R"({"hero": 1, "actions": [{"levelUp": 1}, {"fly": true}]})");
        FAIL();
    } catch (const BuildScriptError& error) {
        EXPECT_NE(std::string(error.what()).find("action 1"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("fly"), std::string::npos);
    }
}

TEST_F(StatsScriptTest, ProblemsNameTheActionAndQuoteTheValueBriefly) {
    EXPECT_EQ(Problem(R"({"hero": 4294967297})"), "unknown hero 4294967297");
    EXPECT_EQ(Problem(R"({"hero": 1.5})"), "hero must be a name or a whole number, not 1.5");
    EXPECT_EQ(Problem(R"({"hero": ")" + std::string(100000, 'x') + "\"}"),
              "unknown hero \"" + std::string(39, 'x') + "\u2026");
    EXPECT_EQ(Problem(R"({"hero": [1, 2]})"), "hero must be a name or a whole number, not [1,2]");

    const auto atIndex3 = [this](const std::string& action) {
        return Problem(R"({"hero": 1, "actions": [{"levelUp": 1}, {"levelDown": true},
            {"reset": true}, )" +
                       action + "]}");
    };
    EXPECT_EQ(atIndex3(R"({"levelUp": "one"})"),
              "action 3: levelUp must be an integer, not \"one\"");
    EXPECT_EQ(atIndex3(R"({"levelUp": 2.5})"), "action 3: levelUp must be an integer, not 2.5");
    EXPECT_EQ(atIndex3(R"({"place": {"slot": 1, "item": "Sword"}})"),
              "action 3: unknown item \"Sword\"");
    EXPECT_EQ(atIndex3(R"({"chooseHero": 0.5})"),
              "action 3: hero must be a name or a whole number, not 0.5");
    EXPECT_EQ(atIndex3(R"({"place": {"item": 1}})"),
              "action 3: place needs \"slot\" in {\"item\":1}");
    EXPECT_EQ(atIndex3(R"({"paramText": {"editor": 1, "text": 5}})"),
              "action 3: text must be a string, not 5");
    EXPECT_EQ(atIndex3(R"({"paramArrow": {"editor": 1, "dir": "up"}})"),
              "action 3: dir must be \"left\" or \"right\", not \"up\"");
    EXPECT_EQ(atIndex3("{\"" + std::string(5000, 'j') + "\": 1}"),
              "action 3: unknown action \"" + std::string(39, 'j') + "\u2026");
    // Cut by characters, not bytes: a Cyrillic name is not split inside a letter.
    EXPECT_EQ(atIndex3(R"({"chooseHero": ")" + std::string(30, 'x') + "Лучница Лучница\"}"),
              "action 3: unknown hero \"" + std::string(30, 'x') + "Лучница Л\u2026");
    std::string sevens = "[7";
    for (int n = 0; n < 500; ++n) {
        sevens += ",7";
    }
    EXPECT_EQ(atIndex3(sevens + "]"), "action 3: an action is an object with one key, not " +
                                          sevens.substr(0, 40) + "\u2026");
}

TEST_F(StatsScriptTest, OutOfRangeNumbersAreRefusedNotErrors) {
    const json out = Run(R"({"hero": 1, "actions": [{"levelUp": 9}, {"remove": 99999999999},
        {"toggleSlot": 0}, {"paramArrow": {"editor": 2, "dir": "right"}}]})");
    EXPECT_EQ(out["refused"], json({0, 1, 2, 3}));
}

std::string Nested(const std::string& before, int levels, const std::string& after) {
    return before + std::string(static_cast<std::size_t>(levels), '[') +
           std::string(static_cast<std::size_t>(levels), ']') + after;
}

std::string ParseProblem(const std::string& text) {
    try {
        ParseBuildScript(text);
    } catch (const BuildScriptError& error) {
        return error.what();
    }
    return "parsed";
}

TEST(ParseBuildScript, NestingIsLimitedWhileReading) {
    // The script object is the first level.
    EXPECT_EQ(ParseProblem(Nested(R"({"hero": 1, "x": )", kMaxScriptDepth - 1, "}")), "parsed");
    EXPECT_EQ(ParseProblem(Nested(R"({"hero": 1, "x": )", kMaxScriptDepth, "}")),
              "nested deeper than 64 levels");
    // Deep enough to overflow the stack when copied or printed.
    EXPECT_EQ(ParseProblem(Nested(R"({"hero": )", 100000, "}")), "nested deeper than 64 levels");
    EXPECT_EQ(ParseProblem(Nested(R"({"hero": 1, "actions": )", 100000, "}")),
              "nested deeper than 64 levels");
    std::string objects;
    for (int level = 0; level < 100000; ++level) {
        objects += R"({"levelUp": )";
    }
    EXPECT_EQ(ParseProblem(objects), "nested deeper than 64 levels");
}

TEST(ParseBuildScript, JsonProblemsAreShortAndUntagged) {
    EXPECT_EQ(ParseProblem(R"({"hero": 1e999})"), "number overflow parsing '1e999'");
    EXPECT_EQ(ParseProblem(R"({"hero": 1)" + std::string(400, '0') + "}"),
              "number overflow parsing '1" + std::string(39, '0') + "\u2026");
    EXPECT_EQ(ParseProblem(R"({"hero": tru})"),
              "not valid JSON: parse error at line 1, column 13: syntax error while parsing value "
              "- invalid literal; last read: '\"hero\": tru}'");
    const std::string unterminated = ParseProblem(R"({"hero": ")" + std::string(100000, 'x'));
    EXPECT_EQ(unterminated.substr(0, 16), "not valid JSON: ") << unterminated;
    EXPECT_LT(unterminated.size(), 200u) << unterminated;
    EXPECT_EQ(unterminated.substr(unterminated.size() - 3), "\u2026");
}

} // namespace
} // namespace zephyr::cli
