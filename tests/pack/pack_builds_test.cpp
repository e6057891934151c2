// Recommended builds and name links: build files of the sources become build
// codes on the hero pages and wherever a written page names them, [[Name]]
// becomes a link to a hero's page or an item's row, and every such link is
// checked while the pack compiles.
#include "pack_builder.h"
#include "pack_documents.h"
#include "pack_sources.h"
#include "sample_sources.h"
#include "source_error.h"
#include "temp_folder.h"

#include "data/aurs_file.h"
#include "data/cp1251.h"
#include "data/dictionary_file.h"
#include "data/load_all.h"
#include "data/orbs_file.h"
#include "engine/build_code.h"
#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zephyr::pack {
namespace {

using zephyr::testing::TempFolder;
using zephyr::testing::WriteFile;

const char* const kTankBuild = R"({
  "format": "zephyrdex-build",
  "version": 1,
  "name": "Ashen Warden — танк",
  "notes": "Броня & здоровье.",
  "hero": "Ashen Warden",
  "level": 3,
  "actions": [
    {"levelUp": 1},
    {"levelUp": 2},
    {"levelUp": 1},
    {"place": {"slot": 1, "item": "Ring - Small"}}
  ]
})";

class PackBuildsTest : public ::testing::Test {
protected:
    void SetUp() override {
        zephyr::testing::WriteSampleSources(Root());
        WriteFile(Root() / "builds/ashen-warden-tank.zdxbuild", kTankBuild);
    }

    std::filesystem::path Root() const { return folder_.Path() / "datapack"; }

    void Replace(const char* file, const std::string& from, const std::string& to) {
        zephyr::testing::ReplaceInFile(Root() / file, from, to);
    }

    // The compiler's message, or "accepted".
    std::string Error() {
        try {
            BuildDocuments(ReadPackSources(Root()));
        } catch (const SourceError& error) {
            return error.what();
        }
        return "accepted";
    }

    std::map<std::string, std::string> Pages() {
        std::map<std::string, std::string> pages = BuildDocuments(ReadPackSources(Root()));
        for (auto& [name, page] : pages) {
            page = Utf8FromCp1251(page);
        }
        return pages;
    }

    TempFolder folder_;
};

TEST_F(PackBuildsTest, ABuildFileBecomesTheCodeOfItsGestures) {
    const PackSources pack = ReadPackSources(Root());
    ASSERT_EQ(pack.Builds.size(), 1u);
    const BuildSource& build = pack.Builds[0];
    EXPECT_EQ(build.Id, "ashen-warden-tank");
    EXPECT_EQ(build.Name, "Ashen Warden — танк");
    EXPECT_EQ(build.Hero, "Ashen Warden");
    EXPECT_EQ(build.Level, 3);
    const BuildRecipe recipe = DecodeBuildCode(build.Code);
    EXPECT_EQ(recipe.Hero, "Ashen Warden");
    ASSERT_EQ(recipe.Gestures.size(), 4u);
    EXPECT_EQ(recipe.Gestures[1].Kind, GestureKind::LevelUp);
    EXPECT_EQ(recipe.Gestures[1].A, 2);
    EXPECT_EQ(recipe.Gestures[3].Kind, GestureKind::Place);
    EXPECT_EQ(recipe.Gestures[3].Name, "Ring - Small");
}

TEST_F(PackBuildsTest, TheHeroPageAndAMarkedPageLinkTheBuild) {
    Replace("documents/articles/ambush.html", "<p>Текст статьи.</p>",
            "<p>Сборка: <!-- build: ashen-warden-tank -->.</p>");
    const std::string code = ReadPackSources(Root()).Builds.at(0).Code;
    const auto pages = Pages();
    const std::string link = "<a href=\"build_" + code + "\">";
    EXPECT_NE(pages.at("Main.html")
                  .find("<h2>Рекомендуемые сборки</h2><ul><li>" + link +
                        "Открыть сборку в калькуляторе: Ashen Warden — танк</a>"
                        " (уровень 3). Броня &amp; здоровье.</li></ul>"),
              std::string::npos);
    EXPECT_NE(pages.at("articles/ambush.html").find("Сборка: " + link + "Ashen Warden — танк</a>."),
              std::string::npos);
}

TEST_F(PackBuildsTest, MistakenBuildFilesNameTheFile) {
    const std::string file = "datapack/builds/ashen-warden-tank.zdxbuild:0: ";
    Replace("builds/ashen-warden-tank.zdxbuild", "Ring - Small", "Ring - Huge");
    EXPECT_EQ(Error(), file + "action 3: unknown item \"Ring - Huge\"");
    SetUp();
    Replace("builds/ashen-warden-tank.zdxbuild", "\"hero\": \"Ashen Warden\"",
            "\"hero\": \"Nobody\"");
    EXPECT_EQ(Error(), file + "unknown hero \"Nobody\"");
    SetUp();
    Replace("builds/ashen-warden-tank.zdxbuild", "\"format\": \"zephyrdex-build\",", "");
    EXPECT_EQ(Error(), file + "not a Zephyrdex build file (it has no \"format\")");
    SetUp();
    Replace("builds/ashen-warden-tank.zdxbuild", "\"name\": \"Ashen Warden — танк\",", "");
    EXPECT_EQ(Error(), file + "a recommended build needs a \"name\": the text of its links");
    SetUp();
    WriteFile(Root() / "builds/ashen-warden-tank.zdxbuild",
              R"({"format": "zephyrdex-build", "version": 1, "name": "Пусто",
                  "hero": "Ashen Warden", "actions": []})");
    EXPECT_EQ(Error(), file + "a recommended build makes at least one gesture");
    SetUp();
    Replace("builds/ashen-warden-tank.zdxbuild", "\"level\": 3", "\"level\": 26");
    EXPECT_EQ(Error(), file + "\"level\" is the hero level the build reaches, 0 to 25");
    SetUp();
    Replace("builds/ashen-warden-tank.zdxbuild", "Броня", "Броня ★");
    EXPECT_NE(Error().find(file), std::string::npos);
    SetUp();
    WriteFile(Root() / "builds/Tank Build.zdxbuild", kTankBuild);
    EXPECT_EQ(Error(), "datapack/builds/Tank Build.zdxbuild:0: a build file is named in "
                       "lower-case Latin letters, digits and hyphens");
}

TEST_F(PackBuildsTest, MarkersAndNameLinksThatReachNothingAreMistakes) {
    Replace("documents/articles/ambush.html", "<p>Текст статьи.</p>",
            "<p>Первая строка.</p>\n<p><!-- build: ashen-warden-dps --></p>");
    EXPECT_EQ(Error(), "documents/articles/ambush.html:3: there is no build file "
                       "builds/ashen-warden-dps.zdxbuild");
    SetUp();
    Replace("documents/articles/ambush.html", "<p>Текст статьи.</p>",
            "<p>[[Ashen Warden]]</p>\n<p>[[Ashen Warden]] и [[Ashen Wardn]]</p>");
    EXPECT_EQ(Error(), "documents/articles/ambush.html:3: \"Ashen Wardn\" in [[...]] "
                       "names no hero or item");
    SetUp();
    Replace("documents/articles/ambush.html", "<p>Текст статьи.</p>", "<p>[[Ring\n]]</p>");
    EXPECT_EQ(Error(), "documents/articles/ambush.html:2: a [[name]] link is closed by ]] "
                       "on its line");
}

TEST_F(PackBuildsTest, NamesLinkToTheHeroPageAndTheItemRow) {
    Replace("documents/articles/ambush.html", "<p>Текст статьи.</p>",
            "<p>[[Ashen Warden]] берёт [[Ring]], потом [[Ring - Large|Ring (Large)]] и "
            "[[Cinder Blade | клинок]].</p>");
    const auto pages = Pages();
    EXPECT_NE(
        pages.at("articles/ambush.html")
            .find("<p><a href=\"../Main.html?pageid=heroes&amp;heroid=AshenWarden\">Ashen "
                  "Warden</a> берёт <a href=\"../guide_items.html#item_ring_small\">Ring</a>, "
                  "потом <a href=\"../guide_items.html#item_ring_large\">Ring (Large)</a> и "
                  "<a href=\"../guide_items.html#item_cinder_blade\">клинок</a>.</p>"),
        std::string::npos);
    // The rows they reach.
    const std::string& items = pages.at("guide_items.html");
    for (const char* id : {"item_cinder_blade", "item_ring_small", "item_ring_large"}) {
        EXPECT_NE(items.find("<tr id=\"" + std::string(id) + "\"><td>"), std::string::npos) << id;
    }
}

TEST_F(PackBuildsTest, HandWrittenLinksAreCheckedToo) {
    const std::string code = ReadPackSources(Root()).Builds.at(0).Code;
    const auto errorWith = [&](const std::string& link) {
        SetUp();
        Replace("documents/articles/ambush.html", "<p>Текст статьи.</p>",
                "<p><a href=\"" + link + "\">ссылка</a></p>");
        return Error();
    };
    EXPECT_EQ(errorWith("build_" + code), "accepted");
    EXPECT_EQ(errorWith("../guide_items.html#item_ring_small"), "accepted");
    EXPECT_EQ(errorWith("../Main.html?pageid=heroes&amp;heroid=AshenWarden"), "accepted");
    EXPECT_EQ(errorWith("calc_AshenWarden"), "accepted");
    // One character changed: the checksum no longer matches.
    std::string damaged = code;
    damaged[damaged.size() / 2] = damaged[damaged.size() / 2] == 'A' ? 'B' : 'A';
    EXPECT_EQ(errorWith("build_" + damaged)
                  .rfind("documents/articles/ambush.html:0: the "
                         "link \"build_" +
                             damaged + "\" holds no build of the pack: ",
                         0),
              0u);
    EXPECT_NE(errorWith("build_" + code.substr(0, code.size() - 3)).find("holds no build"),
              std::string::npos);
    // A whole code of a hero the pack lacks.
    BuildRecipe stranger = DecodeBuildCode(code);
    stranger.Hero = "Stranger";
    EXPECT_NE(errorWith("build_" + EncodeBuildCode(stranger)).find("it names no hero of the pack"),
              std::string::npos);
    BuildRecipe foreignItem = DecodeBuildCode(code);
    foreignItem.Gestures.back().Name = "Anvil";
    EXPECT_NE(errorWith("build_" + EncodeBuildCode(foreignItem))
                  .find("it names \"Anvil\", which the pack lacks"),
              std::string::npos);
    EXPECT_NE(errorWith("calc_AshenWardn").find("names no hero"), std::string::npos);
    EXPECT_NE(errorWith("../guide_items.html#item_anvil").find("reaches no anchor"),
              std::string::npos);
    EXPECT_NE(errorWith("../Main.html?pageid=heroes&amp;heroid=Nobody").find("names no hero page"),
              std::string::npos);
}

// The sample game: every hero has a recommended build, and every build
// replays in the calculator without a refused gesture to the level its file
// states.
TEST(SampleBuilds, EveryHeroHasOneThatReplaysWhole) {
    const PackSources pack = ReadPackSources(ZEPHYR_SAMPLE_SOURCES);
    TempFolder folder;
    const std::filesystem::path data = folder.Path() / "Data";
    std::filesystem::create_directories(data);
    WriteFile(data / "Taverns.dat", WriteTavernsFile(pack.Taverns));
    WriteFile(data / "Shops.dat", WriteShopsFile(pack.Shops));
    WriteFile(data / "Aurs.dat", WriteAursFile(pack.Aurs));
    WriteFile(data / "Orbs.dat", WriteOrbsFile(pack.Orbs));
    WriteFile(data / "Dictionary.dat", WriteDictionaryFile(pack.Dictionary));
    const LoadAllResult loaded =
        LoadAll(LoadOptions{zephyr::testing::PackBuilder::LocationOf(folder.Path()), false, {}});
    ASSERT_TRUE(loaded.Ok()) << loaded.Failure->Message;

    std::set<std::string> heroes;
    for (const BuildSource& build : pack.Builds) {
        SCOPED_TRACE(build.Id);
        const BuildRecipe recipe = DecodeBuildCode(build.Code);
        Calculator calc(loaded.Catalogue);
        ASSERT_TRUE(ApplyGesture(calc, Gesture{GestureKind::ChooseHero, 0, 0, recipe.Hero}));
        for (std::size_t k = 0; k < recipe.Gestures.size(); ++k) {
            EXPECT_TRUE(ApplyGesture(calc, recipe.Gestures[k])) << "gesture " << k << " refused";
        }
        EXPECT_GT(build.Level, 0);
        EXPECT_EQ(calc.State().HeroLevel, build.Level);
        EXPECT_GT(calc.Stats().TotalPrice, 0);
        heroes.insert(recipe.Hero);
    }
    for (const THero& hero : loaded.Catalogue.Heroes) {
        EXPECT_EQ(heroes.count(hero.Name), 1u) << Utf8FromCp1251(hero.Name) << " has no build";
    }
}

} // namespace
} // namespace zephyr::pack
