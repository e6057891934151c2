// zephyrdex-cli's whole output over the sample pack, byte for byte against the
// files in this folder. UPDATE_GOLDEN=1 in the environment rewrites the files
// from the current output instead. Either way each case first checks that its
// output still shows what the case is there for, so a rewrite cannot quietly
// lose the point of a script.
#include "cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zephyr {
namespace {

using nlohmann::json;
using testing::CliRun;
using testing::RunCli;

std::filesystem::path GoldenFolder() {
    return ZEPHYR_GOLDEN_DIR;
}

// Single quotes keep the shell off spaces and apostrophes in paths.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

bool Updating() {
    const char* value = std::getenv("UPDATE_GOLDEN");
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every '\n' ends a line and the rest after the last one is a line too, so two
// texts are equal exactly when their line lists are.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> want = Lines(expected);
    const std::vector<std::string> got = Lines(actual);
    std::size_t n = 0;
    while (n < want.size() && n < got.size() && want[n] == got[n]) {
        ++n;
    }
    const auto line = [n](const std::vector<std::string>& lines) {
        return n < lines.size() ? "\"" + lines[n] + "\"" : std::string("(end of text)");
    };
    return "first difference at line " + std::to_string(n + 1) + "\n  expected: " + line(want) +
           "\n  actual:   " + line(got);
}

TEST(FirstDifference, NamesTheLineAndBothTexts) {
    EXPECT_EQ(FirstDifference("a\nb\nc\n", "a\nx\nc\n"),
              "first difference at line 2\n  expected: \"b\"\n  actual:   \"x\"");
    EXPECT_EQ(FirstDifference("a\n", "a"),
              "first difference at line 2\n  expected: \"\"\n  actual:   (end of text)");
    EXPECT_EQ(FirstDifference("a", "a\nb"),
              "first difference at line 2\n  expected: (end of text)\n  actual:   \"b\"");
}

// --- what each output must show ---------------------------------------------
// The outputs come by value: a missing key reads as null and fails the
// comparison instead of tripping the library's assertion.

void Replayed(json& out) {
    // A refused gesture means the script no longer builds what it says.
    EXPECT_EQ(out["refused"], json::array());
}

void HeroesAsText(json out) {
    EXPECT_EQ(out["heroes"].size(), 24u);
    // Banner Call's first level, as written in datapack/heroes/01-dawnward-hall.zds.
    EXPECT_EQ(
        out["heroes"][0]["Abilities"][2]["LevelEffects"][0],
        json({"NumberParam(0, 4, 2)", "YesNoParam(0)", "Damage(P1 * 2 + 4)", "Armor(P2 * 1)"}));
}

void ItemsAsText(json out) {
    EXPECT_EQ(out["items"].size(), 82u);
    EXPECT_EQ(out["items"][21]["Name"], "Ironbrow Maul");
    EXPECT_EQ(out["items"][21]["StackingEffects"],
              json({"Strength(6)", "Damage(10)", "AttackTypeBash(25, 10, 40, 0)"}));
    EXPECT_EQ(out["items"][22]["UniqueEffects"], json({"LateDamage(14)"}));
}

void LevelledHeroWithSixItems(json out) {
    Replayed(out);
    EXPECT_EQ(out["HeroLevel"], 10);
    for (json& slot : out["ItemSlots"]) {
        EXPECT_NE(slot["ItemNumber"], 0);
    }
    // The costs in datapack/items: 1350 + 2900 + 2600 + 1400 + 450 + 1650.
    EXPECT_EQ(out["HeroStats"]["TotalPrice"], 10350);
    EXPECT_EQ(out["Grid"][3][5], "10350");
    // Duelist Blade 25, Reaver's Cleaver 18 and its late 14, and the
    // warhorn's Forefront Standard 8 for a melee hero.
    EXPECT_EQ(out["HeroStats"]["DamageBonus"], 65);
    EXPECT_EQ(out["AuraSlots"][0]["Hint"], "Forefront Standard");
}

void ActivatedAbilityParameters(json out) {
    Replayed(out);
    EXPECT_EQ(out["AbilityActive"], json({false, false, true, false}));
    EXPECT_EQ(out["ParamAbility"], 3);
    EXPECT_EQ(out["Editors"][0],
              json({{"Enabled", true}, {"Label", "Союзников рядом"}, {"Text", "4 из 4"}}));
    EXPECT_EQ(out["Editors"][1],
              json({{"Enabled", true}, {"Label", "Знамя поставлено"}, {"Text", "Да"}}));
    EXPECT_EQ(out["AbilityParams"][2][0]["Value"], 4);
    EXPECT_EQ(out["AbilityParams"][2][1]["Value"], 1);
    // Banner Call level 3 with P1 = 4 (the default is 2): 4 * 4 + 8, plus
    // its active aura Forefront Standard's 8.
    EXPECT_EQ(out["HeroStats"]["DamageBonus"], 32);
    // P2 * 3 with P2 = 1, Bulwark Oath 1, Stoneward Aura 2.
    EXPECT_EQ(out["HeroStats"]["ArmorBonus"], 6.0);
}

void AbilityAndItemOrb(json out) {
    Replayed(out);
    EXPECT_EQ(out["HeroStats"]["OrbShown"], true);
    // Orb pictures: the six categories, then the ability orbs. Glacial
    // Shafts against a Leech orb: both work.
    EXPECT_EQ(out["OrbPicture"], json({7, 3}));
    // Crimson Thirst's life steal counts only when the item orb works.
    EXPECT_EQ(out["HeroStats"]["LifeSteal"], 12);
    EXPECT_EQ(out["Grid"][5][1], "12%");
}

void RangedProcs(json out) {
    Replayed(out);
    json& stats = out["HeroStats"];
    EXPECT_EQ(stats["IsRanged"], true);
    EXPECT_NEAR(stats["CritChance"].get<double>(), 1 - 0.80 * 0.85, 1e-9);
    // A ranged hero's shot carries one proc, the latest pick tried first:
    // Kris crit 15, Sling bash 16 (its ranged chance), Verdict crit 20,
    // Pinning Shot bash 12. The Sling's share alone is 0.85 * 0.16; with the
    // melee chance (8) it could not reach that. Taking turns must keep the
    // total below what independent bashes would give. The exact value is
    // the golden file's business.
    const double bash = stats["BashChance"].get<double>();
    EXPECT_GT(bash, 0.85 * 0.16);
    EXPECT_LT(bash, 1 - 0.84 * 0.88);
    EXPECT_GT(stats["BashDps"].get<double>(), 0.0);
    EXPECT_GT(stats["CritDps"].get<double>(), 0.0);
    EXPECT_EQ(out["Grid"][3][1], "32.00%");
    EXPECT_NE(out["Grid"][4][1], "none");
}

// The search over the sample pack: what each list must show, best first.
json At(json& out, std::size_t k) {
    return k < out.size() ? out[k] : json();
}

void FindsStunInEveryForm(json out) {
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(At(out, 0)["title"], "Bash"); // "оглушает" in its article
    for (json& result : out) {
        EXPECT_NE(result["kind"], "document");
    }
    EXPECT_EQ(At(out, 1), json({{"kind", "ability"},
                                {"snippet", At(out, 1)["snippet"]},
                                {"target", "calc_BrannocIronvow#ability1"},
                                {"title", "Oathbound Strike"}}));
}

void FindsTheExactNameFirst(json out) {
    EXPECT_EQ(At(out, 0)["kind"], "ability");
    EXPECT_EQ(At(out, 0)["title"], "Oathbound Strike");
    EXPECT_EQ(At(out, 1)["kind"], "term");
    EXPECT_EQ(At(out, 1)["title"], "Oathbound Strike");
    EXPECT_TRUE(At(out, 1)["target"].get<std::string>().starts_with("dictionary#"));
}

void FindsItemsInTheirGuide(json out) {
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(At(out, 0)["title"], "Stormglass Rod - Charged");
    EXPECT_EQ(At(out, 0)["target"], "Data/documents/guide_items.html#item_stormglass_rod_charged");
    EXPECT_TRUE(At(out, 0)["snippet"].get<std::string>().starts_with(
        "Лавка: Starfall Emporium. Цена: 2400."));
}

void FindsTheHeroAndItsSection(json out) {
    EXPECT_EQ(At(out, 0), json({{"kind", "hero"},
                                {"snippet", At(out, 0)["snippet"]},
                                {"target", "calc_BrannocIronvow"},
                                {"title", "Brannoc Ironvow"}}));
    bool section = false;
    for (json& result : out) {
        section = section || result["target"] ==
                                 "Data/documents/Main.html?pageid=heroes&heroid=BrannocIronvow";
    }
    EXPECT_TRUE(section) << out.dump(1);
}

void FindsAurasByWhatGivesThem(json out) {
    ASSERT_FALSE(out.empty());
    for (json& result : out) {
        EXPECT_EQ(result["kind"], "aura");
        EXPECT_TRUE(result["snippet"].get<std::string>().starts_with("Даёт: ")) << result;
    }
}

// --- the cases --------------------------------------------------------------

struct GoldenCase {
    std::string Name; // test name and golden file stem
    std::string Command;
    std::string Arguments;
    void (*Check)(json);
};

std::ostream& operator<<(std::ostream& out, const GoldenCase& c) {
    return out << c.Name;
}

GoldenCase StatsCase(const std::string& script, void (*check)(json)) {
    const auto path = GoldenFolder() / "scripts" / (script + ".json");
    return {"stats_" + script, "stats", Quoted(path.string()), check};
}

class GoldenOutput : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenOutput, MatchesTheCommittedFile) {
    const GoldenCase& c = GetParam();
    const CliRun run =
        RunCli(c.Command + " --data " + Quoted(ZEPHYR_SAMPLE_DATA) + " " + c.Arguments);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    json out = json::parse(run.Out, nullptr, false);
    ASSERT_FALSE(out.is_discarded()) << "not JSON:\n" << run.Out;
    c.Check(std::move(out));

    const auto golden = GoldenFolder() / (c.Name + ".json");
    if (Updating()) {
        // An output that lost its point is no golden file.
        if (HasFailure()) {
            return;
        }
        std::ofstream file(golden, std::ios::binary);
        file << run.Out;
        file.flush();
        ASSERT_TRUE(file.good()) << "cannot write " << golden;
        return;
    }
    const std::optional<std::string> expected = ReadBytes(golden);
    ASSERT_TRUE(expected) << golden << " is missing; UPDATE_GOLDEN=1 writes it";
    if (*expected != run.Out) {
        FAIL() << golden.string() << ": " << FirstDifference(*expected, run.Out);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SamplePack, GoldenOutput,
    ::testing::Values(
        GoldenCase{"dump_heroes", "dump", "--effects-text heroes", HeroesAsText},
        GoldenCase{"dump_items", "dump", "--effects-text items", ItemsAsText},
        StatsCase("levelled_six_items", LevelledHeroWithSixItems),
        StatsCase("ability_params", ActivatedAbilityParameters),
        StatsCase("both_orbs", AbilityAndItemOrb), StatsCase("ranged_procs", RangedProcs),
        GoldenCase{"find_stun_forms", "find", "--limit 5 оглушением", FindsStunInEveryForm},
        GoldenCase{"find_exact_name", "find", "--limit 5 'Oathbound Strike'",
                   FindsTheExactNameFirst},
        GoldenCase{"find_items", "find", "--kind item stormglass", FindsItemsInTheirGuide},
        GoldenCase{"find_hero_prefix", "find", "--limit 8 brann", FindsTheHeroAndItsSection},
        GoldenCase{"find_auras", "find", "--kind aura --limit 5 aura", FindsAurasByWhatGivesThem}),
    [](const ::testing::TestParamInfo<GoldenCase>& run) { return run.param.Name; });

// The search's command line: nothing found is no error, a bad option is a
// usage error, and a query found only on the other layout says so.
TEST(FindCommand, EmptyAnswersUsageErrorsAndTheOtherLayout) {
    const std::string data = " --data " + Quoted(ZEPHYR_SAMPLE_DATA) + " ";
    CliRun run = RunCli("find" + data + "qqqqzzzzxx");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(json::parse(run.Out), json::array());
    for (const char* bad : {"--kind hat x", "--limit 0 x", "--limit many x", "", "a b"}) {
        run = RunCli("find" + data + bad);
        EXPECT_EQ(run.ExitCode, 2) << bad;
        EXPECT_NE(run.Err.find("usage"), std::string::npos) << bad;
    }
    run = RunCli("find" + data + "--limit 1 ифыр");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(json::parse(run.Out).at(0).at("title"), "Bash");
    EXPECT_NE(run.Err.find("other keyboard layout: bash"), std::string::npos) << run.Err;
    run = RunCli("find --data " + Quoted(std::string(ZEPHYR_SAMPLE_DATA) + "/nowhere") + " x");
    EXPECT_EQ(run.ExitCode, 1);
}

// A build code made from each golden script replays to the very same output:
// the code keeps every gesture, refused ones included. The codes stay short.
TEST(BuildCodes, RoundTripTheGoldenScripts) {
    const std::string data = " --data " + Quoted(ZEPHYR_SAMPLE_DATA) + " ";
    for (const char* script :
         {"levelled_six_items", "ability_params", "both_orbs", "ranged_procs"}) {
        const std::string path = Quoted((GoldenFolder() / "scripts" / script).string() + ".json");
        const CliRun code = RunCli("code" + data + path);
        ASSERT_EQ(code.ExitCode, 0) << script << ": " << code.Err;
        ASSERT_TRUE(code.Out.starts_with("ZX")) << code.Out;
        const std::string line = code.Out.substr(0, code.Out.find('\n'));
        EXPECT_LT(line.size(), 300u) << script;
        EXPECT_EQ(line.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                         "0123456789-_"),
                  std::string::npos)
            << line;
        const CliRun fromScript = RunCli("stats" + data + path);
        const CliRun fromCode = RunCli("stats" + data + "--code " + line);
        ASSERT_EQ(fromCode.ExitCode, 0) << script << ": " << fromCode.Err;
        EXPECT_EQ(fromCode.Out, fromScript.Out) << script;
    }
}

TEST(BuildCodes, ForeignOrDamagedCodesAreRefusedWithAReason) {
    const std::string data = " --data " + Quoted(ZEPHYR_SAMPLE_DATA) + " ";
    const CliRun foreign = RunCli("stats" + data + "--code https://example.org/build");
    EXPECT_EQ(foreign.ExitCode, 1);
    EXPECT_NE(foreign.Err.find("not a Zephyrdex build code"), std::string::npos) << foreign.Err;
    EXPECT_EQ(foreign.Out, "");

    const std::string path =
        Quoted((GoldenFolder() / "scripts" / "levelled_six_items.json").string());
    std::string code = RunCli("code" + data + path).Out;
    code = code.substr(0, code.find('\n'));
    code[code.size() / 2] = code[code.size() / 2] == 'A' ? 'B' : 'A';
    const CliRun damaged = RunCli("stats" + data + "--code " + code);
    EXPECT_EQ(damaged.ExitCode, 1);
    EXPECT_NE(damaged.Err.find("damaged"), std::string::npos) << damaged.Err;
}

} // namespace
} // namespace zephyr
