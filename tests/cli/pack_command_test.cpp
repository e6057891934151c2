// zephyrdex-cli pack, end to end: sources compile into a pack that check
// accepts and that dumps back as the sources say.
#include "cli_run.h"
#include "sample_sources.h"
#include "temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>

namespace zephyr {
namespace {

using nlohmann::json;
using testing::RunCli;
using testing::TempFolder;

class PackCommand : public ::testing::Test {
protected:
    PackCommand() { testing::WriteSampleSources(Sources()); }

    std::filesystem::path Sources() const { return folder_.Path() / "datapack"; }
    std::string Data() const { return (folder_.Path() / "out" / "Data").string(); }

    TempFolder folder_;
};

TEST_F(PackCommand, CompiledPackPassesCheckAndReadsBack) {
    const auto packed = RunCli("pack " + Sources().string() + " " + Data());
    ASSERT_EQ(packed.ExitCode, 0) << packed.Err;
    const auto checked = RunCli("check --data " + Data());
    EXPECT_EQ(checked.ExitCode, 0) << checked.Out;

    const auto heroes = RunCli("dump --effects-text --data " + Data() + " heroes");
    ASSERT_EQ(heroes.ExitCode, 0) << heroes.Err;
    const json ability = json::parse(heroes.Out)["heroes"][0]["Abilities"][0];
    EXPECT_EQ(ability["LevelEffects"][0],
              json({"NumberParam(0, 5, 3)", "Damage(P1 * 10 + STR / 4)", "AttackSpeed(15)"}));
    EXPECT_EQ(ability["LevelEffects"][1], json({"Bash(10, 40, 0)"}));

    const auto items = RunCli("dump --effects-text --data " + Data() + " items");
    const json blade = json::parse(items.Out)["items"][0];
    EXPECT_EQ(blade["StackingEffects"], json({"Damage(18)"}));
    EXPECT_EQ(blade["UniqueEffects"], json({"LateDamage(10)"}));

    const auto ticker = RunCli("dump --data " + Data() + " ticker");
    EXPECT_EQ(json::parse(ticker.Out)["lines"], json({"Первый совет", "Второй совет"}));
}

TEST_F(PackCommand, DocumentsAreWindows1251WithTheirCharset) {
    ASSERT_EQ(RunCli("pack " + Sources().string() + " " + Data()).ExitCode, 0);
    std::ifstream in(std::filesystem::path(Data()) / "documents" / "Main.html", std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(page.find("charset=windows-1251"), std::string::npos);
    EXPECT_NE(page.find("href=\"calc_AshenWarden\""), std::string::npos);
    EXPECT_NE(page.find("\xC3\xEB\xE0\xE2\xED\xE0\xFF"), std::string::npos); // "Главная"
}

TEST_F(PackCommand, SourceErrorsNameFileAndLine) {
    testing::ReplaceInFile(Sources() / "items/01-armory.zds", "Damage(18)", "Damage(18, 4)");
    const auto run = RunCli("pack " + Sources().string() + " " + Data());
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "datapack/items/01-armory.zds:9: Damage takes 1 argument, found 2\n");
}

TEST_F(PackCommand, BrokenDocumentLinksAreSourceErrors) {
    testing::ReplaceInFile(Sources() / "documents/articles/ambush.html", "<p>",
                           "<p><a href=\"guide_items.html\">x</a>");
    const auto run = RunCli("pack " + Sources().string() + " " + Data());
    EXPECT_EQ(run.ExitCode, 1);
    // From articles/ the guide is one folder up.
    EXPECT_EQ(run.Err, "documents/articles/ambush.html:0: the link \"guide_items.html\" reaches "
                       "no document\n");
}

TEST_F(PackCommand, SyntheticPackIsComplete) {
    ASSERT_EQ(RunCli("pack --synthetic 1 " + Data()).ExitCode, 0);
    const auto checked = RunCli("check --data " + Data());
    EXPECT_EQ(checked.ExitCode, 0) << checked.Out;
    EXPECT_NE(checked.Out.find("120 heroes, 200 items, 60 auras"), std::string::npos);
}

TEST_F(PackCommand, AppIconIsWrittenAsAnIconTheme) {
    const std::filesystem::path theme = folder_.Path() / "hicolor";
    const auto run = RunCli("pack --app-icon " + theme.string());
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(std::filesystem::is_regular_file(theme / "scalable/apps/zephyrdex.svg"));
    EXPECT_TRUE(std::filesystem::is_regular_file(theme / "16x16/apps/zephyrdex.png"));
    EXPECT_TRUE(std::filesystem::is_regular_file(theme / "256x256/apps/zephyrdex.png"));
    EXPECT_EQ(RunCli("pack --app-icon").ExitCode, 2);
}

} // namespace
} // namespace zephyr
