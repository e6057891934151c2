// zephyrdex-cli stats as a user runs it: every failure of a script names it.
#include "cli_run.h"
#include "pack_builder.h"
#include "temp_folder.h"

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

std::string Nested(const std::string& before, int levels, const std::string& after) {
    return before + std::string(static_cast<std::size_t>(levels), '[') +
           std::string(static_cast<std::size_t>(levels), ']') + after;
}

class StatsCommand : public ::testing::Test {
protected:
    StatsCommand() {
        pack_.taverns->Taverns = {{"Tavern", {SampleHero("Ash", 1)}}};
        pack_.shops->Shops = {
            {"Armory", "Data\\images\\shops\\armory.gif", {SampleItem("Blade", 1)}}};
        pack_.WriteTo(folder_.Path());
        PackBuilder::WriteInterfaceAndTexts(folder_.Path());
    }

    std::string Data() const { return "--data " + (folder_.Path() / "Data").string(); }

    std::string Script(const std::string& text) const {
        const auto path = folder_.Path() / "build.json";
        testing::WriteFile(path, text);
        return path.string();
    }

    TempFolder folder_;
    PackBuilder pack_;
};

TEST_F(StatsCommand, ReplaysAScriptFromAFileOrStandardInput) {
    const std::string script = R"({"hero": "Ash", "actions": [{"levelUp": 1}]})";
    const auto fromFile = RunCli("stats " + Data() + " " + Script(script));
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(json::parse(fromFile.out)["HeroLevel"], 1);
    const auto fromInput = RunCli("stats " + Data() + " -", script);
    ASSERT_EQ(fromInput.exitCode, 0) << fromInput.err;
    EXPECT_EQ(fromInput.out, fromFile.out);
}

TEST_F(StatsCommand, DeeplyNestedScriptsFailNamingTheScript) {
    for (const std::string& text :
         {Nested(R"({"hero": )", 100000, "}"), Nested(R"({"hero": 1, "actions": )", 100000, "}")}) {
        const auto fromInput = RunCli("stats " + Data(), text);
        EXPECT_EQ(fromInput.exitCode, 1);
        EXPECT_EQ(fromInput.err, "zephyrdex-cli: standard input: nested deeper than 64 levels\n");
        EXPECT_EQ(fromInput.out, "");
        const std::string path = Script(text);
        const auto fromFile = RunCli("stats " + Data() + " " + path);
        EXPECT_EQ(fromFile.exitCode, 1);
        EXPECT_EQ(fromFile.err, "zephyrdex-cli: " + path + ": nested deeper than 64 levels\n");
    }
}

TEST_F(StatsCommand, NumbersBeyondTheLibraryNameTheScript) {
    const auto run = RunCli("stats " + Data() + " -", R"({"hero": 1e999})");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "zephyrdex-cli: standard input: number overflow parsing '1e999'\n");
}

TEST_F(StatsCommand, ReplayProblemsNameTheScriptAndTheAction) {
    const std::string path = Script(R"({"hero": "Ash", "actions": [{"levelUp": 1},
        {"levelDown": true}, {"reset": true}, {"place": {"slot": 1, "item": "Sword"}}]})");
    const auto bad = RunCli("stats " + Data() + " " + path);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "zephyrdex-cli: " + path + ": action 3: unknown item \"Sword\"\n");
    EXPECT_EQ(bad.out, "");

    const auto fractional = RunCli("stats " + Data(), R"({"hero": 1.5})");
    EXPECT_EQ(fractional.exitCode, 1);
    EXPECT_EQ(fractional.err, "zephyrdex-cli: standard input: hero must be a name or a whole "
                              "number, not 1.5\n");
}

} // namespace
} // namespace zephyr
