// zephyrdex-cli stats as a user runs it: every failure of a script names it.
#include "cli_run.h"
#include "pack_builder.h"
#include "temp_folder.h"

#include "builds/build_file.h"
#include "builds/data_identity.h"
#include "engine/build_code.h"

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
        pack_.Taverns->Taverns = {{"Tavern", {SampleHero("Ash", 1)}}};
        pack_.Shops->Shops = {
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
    ASSERT_EQ(fromFile.ExitCode, 0) << fromFile.Err;
    EXPECT_EQ(json::parse(fromFile.Out)["HeroLevel"], 1);
    const auto fromInput = RunCli("stats " + Data() + " -", script);
    ASSERT_EQ(fromInput.ExitCode, 0) << fromInput.Err;
    EXPECT_EQ(fromInput.Out, fromFile.Out);
}

TEST_F(StatsCommand, DeeplyNestedScriptsFailNamingTheScript) {
    for (const std::string& text :
         {Nested(R"({"hero": )", 100000, "}"), Nested(R"({"hero": 1, "actions": )", 100000, "}")}) {
        const auto fromInput = RunCli("stats " + Data(), text);
        EXPECT_EQ(fromInput.ExitCode, 1);
        EXPECT_EQ(fromInput.Err, "zephyrdex-cli: standard input: nested deeper than 64 levels\n");
        EXPECT_EQ(fromInput.Out, "");
        const std::string path = Script(text);
        const auto fromFile = RunCli("stats " + Data() + " " + path);
        EXPECT_EQ(fromFile.ExitCode, 1);
        EXPECT_EQ(fromFile.Err, "zephyrdex-cli: " + path + ": nested deeper than 64 levels\n");
    }
}

TEST_F(StatsCommand, NumbersBeyondTheLibraryNameTheScript) {
    const auto run = RunCli("stats " + Data() + " -", R"({"hero": 1e999})");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "zephyrdex-cli: standard input: number overflow parsing '1e999'\n");
}

TEST_F(StatsCommand, ReplayProblemsNameTheScriptAndTheAction) {
    const std::string path = Script(R"({"hero": "Ash", "actions": [{"levelUp": 1},
        {"levelDown": true}, {"reset": true}, {"place": {"slot": 1, "item": "Sword"}}]})");
    const auto bad = RunCli("stats " + Data() + " " + path);
    EXPECT_EQ(bad.ExitCode, 1);
    EXPECT_EQ(bad.Err, "zephyrdex-cli: " + path + ": action 3: unknown item \"Sword\"\n");
    EXPECT_EQ(bad.Out, "");

    const auto fractional = RunCli("stats " + Data(), R"({"hero": 1.5})");
    EXPECT_EQ(fractional.ExitCode, 1);
    EXPECT_EQ(fractional.Err, "zephyrdex-cli: standard input: hero must be a name or a whole "
                              "number, not 1.5\n");
}

// A build file is read as the script it holds; one the program cannot use
// is refused naming the file, and nothing is printed.
TEST_F(StatsCommand, BuildFilesAreReplayedAndEncodedLikeScripts) {
    BuildFile build;
    build.Name = "Ash at two";
    build.HeroLevel = 2;
    build.Recipe = {"Ash", {{GestureKind::LevelUp, 1, 0, {}}, {GestureKind::LevelUp, 5, 0, {}}}};
    const auto path = folder_.Path() / "Ash.zdxbuild";
    testing::WriteFile(path, BuildFileText(build));
    const auto stats = RunCli("stats " + Data() + " " + path.string());
    ASSERT_EQ(stats.ExitCode, 0) << stats.Err;
    EXPECT_EQ(json::parse(stats.Out)["HeroLevel"], 2);
    const auto code = RunCli("code " + Data() + " " + path.string());
    ASSERT_EQ(code.ExitCode, 0) << code.Err;
    EXPECT_EQ(code.Out, EncodeBuildCode(build.Recipe) + "\n");

    // The data it was made on: a note when it is other data, and the build
    // replays all the same.
    EXPECT_EQ(stats.Err, "");
    build.DataId = "0123456789abcdef";
    testing::WriteFile(path, BuildFileText(build));
    const auto other = RunCli("stats " + Data() + " " + path.string());
    ASSERT_EQ(other.ExitCode, 0) << other.Err;
    EXPECT_EQ(other.Out, stats.Out);
    EXPECT_EQ(other.Err,
              "zephyrdex-cli: " + path.string() + ": note: the build was made on other data\n");
    build.DataId = DataIdentity(PackBuilder::LocationOf(folder_.Path()));
    testing::WriteFile(path, BuildFileText(build));
    EXPECT_EQ(RunCli("stats " + Data() + " " + path.string()).Err, "");

    json newer = json::parse(BuildFileText(build));
    newer["version"] = 9;
    testing::WriteFile(path, newer.dump());
    for (const char* command : {"stats ", "code "}) {
        const auto refused = RunCli(command + Data() + " " + path.string());
        EXPECT_EQ(refused.ExitCode, 1);
        EXPECT_EQ(refused.Err, "zephyrdex-cli: " + path.string() +
                                   ": the build file was written by a newer Zephyrdex (format "
                                   "version 9; this program reads version 1)\n");
        EXPECT_EQ(refused.Out, "");
    }
}

} // namespace
} // namespace zephyr
