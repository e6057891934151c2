// Build files: every gesture kind survives the round trip through the text,
// and every file that cannot be used is refused with what is wrong.
#include "catalogue_builder.h"

#include "builds/build_file.h"
#include "builds/build_script.h"
#include "data/cp1251.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using nlohmann::json;
using namespace zephyr::test;

class BuildFileTest : public ::testing::Test {
protected:
    BuildFileTest() {
        b.AddHero(MakeHero("Tester"));
        b.AddHero(MakeHero(Cp1251FromUtf8("Лучница")));
        b.AddItem("Ring", 150);
        b.AddItem(Cp1251FromUtf8("Сапоги"), 500);
    }

    // Every gesture kind, Cyrillic names and a typed text included.
    static BuildFile EveryGesture() {
        BuildFile build;
        build.Name = "Кольцо и сапоги";
        build.Notes = "Для линии.\nВторая строка, \"кавычки\".";
        build.Created = "2026-12-10T13:45:00Z";
        build.Modified = "2026-12-10T14:05:30Z";
        build.HeroLevel = 3;
        build.DataId = "5f0c2a9d";
        build.Recipe.Hero = "Tester";
        build.Recipe.Gestures = {
            {GestureKind::ChooseHero, 0, 0, Cp1251FromUtf8("Лучница")},
            {GestureKind::LevelUp, 1, 0, {}},
            {GestureKind::LevelDown, 0, 0, {}},
            {GestureKind::Reset, 0, 0, {}},
            {GestureKind::Place, 2, 0, Cp1251FromUtf8("Сапоги")},
            {GestureKind::Remove, 2, 0, {}},
            {GestureKind::MoveLine, 0, 1, {}},
            {GestureKind::ToggleAbility, 2, 0, {}},
            {GestureKind::OpenParams, 2, 0, {}},
            {GestureKind::ToggleSlot, 1, 0, {}},
            {GestureKind::ParamText, 1, 0, "-12"},
            {GestureKind::ParamArrow, 3, 1, {}},
            {GestureKind::ParamArrow, 3, 0, {}},
        };
        return build;
    }

    std::string Refusal(const std::string& text) {
        try {
            ReadBuildFile(text, b.Catalogue);
        } catch (const BuildScriptError& error) {
            return error.what();
        }
        return "read";
    }

    std::pair<BuildScriptError::Fault, std::string> FaultOf(const std::string& text) {
        try {
            ReadBuildFile(text, b.Catalogue);
        } catch (const BuildScriptError& error) {
            return {error.Kind, error.Name};
        }
        ADD_FAILURE() << "read: " << text;
        return {};
    }

    CatalogueBuilder b;
};

TEST_F(BuildFileTest, EveryGestureKindSurvivesTheRoundTrip) {
    const BuildFile build = EveryGesture();
    ASSERT_EQ(build.Recipe.Gestures.back().Kind, static_cast<GestureKind>(kLastGestureKind));
    const std::string text = BuildFileText(build);
    const BuildFile read = ReadBuildFile(text, b.Catalogue);
    EXPECT_EQ(read.Name, build.Name);
    EXPECT_EQ(read.Notes, build.Notes);
    EXPECT_EQ(read.Created, build.Created);
    EXPECT_EQ(read.Modified, build.Modified);
    EXPECT_EQ(read.HeroLevel, build.HeroLevel);
    EXPECT_EQ(read.DataId, build.DataId);
    EXPECT_EQ(read.Recipe, build.Recipe);
    // Written again, the text is the same: a file saved unchanged stays so.
    EXPECT_EQ(BuildFileText(read), text);
    // UTF-8 names, readable in an editor, one text line per field.
    EXPECT_NE(text.find("\"Лучница\""), std::string::npos);
    EXPECT_NE(text.find("\"format\": \"zephyrdex-build\""), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(BuildFileTest, AFileIsTheScriptTheCommandLineReplays) {
    const json file = ParseBuildScript(BuildFileText(EveryGesture()));
    EXPECT_NO_THROW(CheckBuildFileHeader(file));
    EXPECT_EQ(RecipeFromScript(b.Catalogue, file), EveryGesture().Recipe);
    // A plain script has no header to check, and no data it was made on.
    EXPECT_NO_THROW(CheckBuildFileHeader(json::parse(R"({"hero": "Tester"})")));
    EXPECT_FALSE(MadeOnOtherData(json::parse(R"({"hero": "Tester"})"), "5f0c2a9d"));
    EXPECT_FALSE(MadeOnOtherData(file, "5f0c2a9d"));
    EXPECT_TRUE(MadeOnOtherData(file, "0123456789abcdef"));
    EXPECT_FALSE(MadeOnOtherData(json::parse(R"({"hero": "Tester", "data": ""})"), "x"));
}

TEST_F(BuildFileTest, FilesThatCannotBeUsedAreRefusedWithTheReason) {
    EXPECT_EQ(Refusal("{\"format\": \"zephyrdex-build\", \"version\": 1, \"hero\""),
              "not valid JSON: parse error at line 1, column 51: syntax error while parsing "
              "object separator - unexpected end of input; expected ':'");
    EXPECT_EQ(Refusal(R"({"hero": "Tester", "actions": []})"),
              "not a Zephyrdex build file (it has no \"format\")");
    EXPECT_EQ(Refusal(R"({"format": "other", "version": 1, "hero": "Tester"})"),
              "not a Zephyrdex build file (\"format\" is \"other\")");
    EXPECT_EQ(Refusal(R"({"format": "zephyrdex-build", "version": 2, "hero": "Tester"})"),
              "the build file was written by a newer Zephyrdex (format version 2; this program "
              "reads version 1)");
    EXPECT_EQ(Refusal(R"({"format": "zephyrdex-build", "version": "1", "hero": "Tester"})"),
              "the build file is damaged: \"version\" must be a whole number from 1");
    EXPECT_EQ(Refusal(R"({"format": "zephyrdex-build", "version": 1, "hero": "Tester",
                          "level": "three"})"),
              "\"level\" must be a whole number, not \"three\"");
    EXPECT_EQ(Refusal(R"({"format": "zephyrdex-build", "version": 1, "hero": "Nobody"})"),
              "unknown hero \"Nobody\"");
    EXPECT_EQ(Refusal(R"({"format": "zephyrdex-build", "version": 1, "hero": "Tester",
                          "actions": [{"levelUp": 1}, {"place": {"slot": 1, "item": "Gone"}}]})"),
              "action 1: unknown item \"Gone\"");
    // Only a whole, usable file is read.
    EXPECT_EQ(Refusal(BuildFileText(EveryGesture())), "read");
}

TEST_F(BuildFileTest, RefusalsSayWhatKindOfFaultForTheWindowToWordThem) {
    using Fault = BuildScriptError::Fault;
    EXPECT_EQ(FaultOf("{\"format\": ").first, Fault::Damaged);
    EXPECT_EQ(FaultOf(R"({"format": "zephyrdex-build", "version": 1, "level": []})").first,
              Fault::Damaged);
    EXPECT_EQ(FaultOf(R"([1, 2])").first, Fault::NotBuildFile);
    EXPECT_EQ(FaultOf(R"({"format": "other", "version": 1})").first, Fault::NotBuildFile);
    EXPECT_EQ(FaultOf(R"({"format": "zephyrdex-build", "version": 7})").first, Fault::Newer);
    EXPECT_EQ(FaultOf(R"({"format": "zephyrdex-build", "version": 1, "hero": "Никто"})"),
              std::make_pair(Fault::Missing, std::string("Никто")));
    EXPECT_EQ(FaultOf(R"({"format": "zephyrdex-build", "version": 1, "hero": "Tester",
                          "actions": [{"place": {"slot": 1, "item": "Gone"}}]})"),
              std::make_pair(Fault::Missing, std::string("Gone")));
    // A hero by a number out of range names nothing to look for.
    EXPECT_EQ(FaultOf(R"({"format": "zephyrdex-build", "version": 1, "hero": 99})").first,
              Fault::Damaged);
}

TEST_F(BuildFileTest, TheHeaderReadsWithoutTheCatalogue) {
    const BuildFileHeader header = ReadBuildFileHeader(BuildFileText(EveryGesture()));
    EXPECT_EQ(header.Name, "Кольцо и сапоги");
    EXPECT_EQ(header.Hero, "Tester");
    EXPECT_EQ(header.HeroLevel, 3);
    // Heroes and items the data lacks do not matter to the header.
    EXPECT_EQ(ReadBuildFileHeader(R"({"format": "zephyrdex-build", "version": 1,
                                      "hero": "Nobody", "name": "N"})")
                  .Hero,
              "Nobody");
    EXPECT_THROW(ReadBuildFileHeader(R"({"format": "zephyrdex-build", "version": 9})"),
                 BuildScriptError);
}

} // namespace
} // namespace zephyr
