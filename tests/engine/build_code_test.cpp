#include "build_fixture.h"

#include "engine/build_code.h"
#include "engine/calculator.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace zephyr::test {
namespace {

BuildRecipe RandomRecipe(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(1, kLastGestureKind);
    std::uniform_int_distribution<std::int32_t> small(-3, 40);
    std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto name = [&] {
        std::string text(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : text) {
            c = static_cast<char>(byte(random));
        }
        return text;
    };
    BuildRecipe recipe;
    recipe.Hero = name();
    const int count = std::uniform_int_distribution<int>(0, 60)(random);
    for (int n = 0; n < count; ++n) {
        Gesture g;
        g.Kind = static_cast<GestureKind>(kind(random));
        // Only the fields a gesture of that kind carries.
        switch (g.Kind) {
        case GestureKind::ChooseHero:
            g.Name = name();
            break;
        case GestureKind::LevelDown:
        case GestureKind::Reset:
            break;
        case GestureKind::MoveLine:
        case GestureKind::ParamArrow:
            g.A = small(random);
            g.B = n % 7 == 0 ? any(random) : small(random);
            break;
        case GestureKind::Place:
        case GestureKind::ParamText:
            g.A = small(random);
            g.Name = name();
            break;
        default:
            g.A = n % 5 == 0 ? any(random) : small(random);
            break;
        }
        recipe.Gestures.push_back(g);
    }
    return recipe;
}

TEST(BuildCode, RandomRecipesRoundTrip) {
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        const BuildRecipe recipe = RandomRecipe(random);
        const std::string code = EncodeBuildCode(recipe);
        ASSERT_TRUE(code.starts_with("ZX"));
        ASSERT_EQ(code.find_first_not_of(
                      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
                  std::string::npos);
        EXPECT_EQ(DecodeBuildCode(code), recipe) << "round " << round;
    }
}

// A checksum over every byte: any changed character, any cut and any
// addition is refused, never read as another build.
TEST(BuildCode, EveryDamageIsRefused) {
    BuildRecipe recipe{"Tester",
                       {{GestureKind::LevelUp, 1, 0, {}},
                        {GestureKind::Place, 2, 0, "Boots - Speed"},
                        {GestureKind::ParamText, 1, 0, "4"}}};
    const std::string code = EncodeBuildCode(recipe);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    for (std::size_t at = 2; at < code.size(); ++at) {
        for (const char c : {'A', 'z', '0', '_'}) {
            if (code[at] == c) {
                continue;
            }
            std::string changed = code;
            changed[at] = c;
            EXPECT_THROW(DecodeBuildCode(changed), BuildCodeError) << changed;
        }
    }
    for (std::size_t size = 0; size < code.size(); ++size) {
        EXPECT_THROW(DecodeBuildCode(code.substr(0, size)), BuildCodeError) << size;
    }
    for (const char c : alphabet) {
        EXPECT_THROW(DecodeBuildCode(code + c), BuildCodeError);
    }
    EXPECT_THROW(DecodeBuildCode("zx" + code.substr(2)), BuildCodeError);
    EXPECT_THROW(DecodeBuildCode(code + "="), BuildCodeError);
    EXPECT_THROW(DecodeBuildCode(" " + code), BuildCodeError);
}

// What a refused code is refused for, with the command line's English
// words unchanged.
TEST(BuildCode, ARefusalNamesItsFault) {
    const auto refusal = [](const std::string& code) {
        try {
            DecodeBuildCode(code);
        } catch (const BuildCodeError& error) {
            return std::pair{error.Fault, std::string(error.what())};
        }
        ADD_FAILURE() << code << " was read";
        return std::pair{BuildCodeFault::Damaged, std::string()};
    };
    const std::string code = EncodeBuildCode({"Tester", {{GestureKind::LevelUp, 1, 0, {}}}});
    EXPECT_EQ(refusal("https://example.org/x"),
              std::pair(BuildCodeFault::Foreign,
                        std::string("this is not a Zephyrdex build code (it starts with \"ZX\")")));
    EXPECT_EQ(refusal(code + "=").first, BuildCodeFault::BadCharacter);
    EXPECT_EQ(refusal("ZXAB").first, BuildCodeFault::CutOff);
    std::string changed = code;
    changed[4] = changed[4] == 'A' ? 'B' : 'A';
    EXPECT_EQ(refusal(changed),
              std::pair(BuildCodeFault::Checksum,
                        std::string("the build code is damaged: its checksum does not match")));
    try {
        EncodeBuildCode({"Tester", std::vector<Gesture>(kMaxCodeGestures + 1)});
        ADD_FAILURE() << "a code beyond its size was written";
    } catch (const BuildCodeError& error) {
        EXPECT_EQ(error.Fault, BuildCodeFault::TooManyGestures);
    }
}

TEST(BuildCode, TooMuchIsRefusedWhenWriting) {
    BuildRecipe longName{std::string(256, 'x'), {}};
    EXPECT_THROW(EncodeBuildCode(longName), BuildCodeError);
    BuildRecipe many{"Tester", std::vector<Gesture>(kMaxCodeGestures + 1)};
    EXPECT_THROW(EncodeBuildCode(many), BuildCodeError);
}

// The gestures a code holds rebuild the build exactly, through the same
// calculator operations the panel uses.
TEST(BuildCode, ReplayedGesturesRebuildTheState) {
    BuildFixture f;
    f.b.AddHero(MakeHero("Other"));
    f.b.AddItem("Ring", 150);
    f.b.AddItem("Boots - Speed", 500);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> kind(1, kLastGestureKind);
    std::uniform_int_distribution<int> small(0, 7);
    for (int round = 0; round < 100; ++round) {
        BuildRecipe recipe{round % 2 == 0 ? "Tester" : "Other", {}};
        Calculator direct(f.b.Catalogue);
        ApplyGesture(direct, {GestureKind::ChooseHero, 0, 0, recipe.Hero});
        for (int n = 0; n < 40; ++n) {
            Gesture g{static_cast<GestureKind>(kind(random)), small(random), small(random), {}};
            if (g.Kind == GestureKind::ChooseHero) {
                g = {GestureKind::ChooseHero, 0, 0, n % 2 == 0 ? "Tester" : "Other"};
            } else if (g.Kind == GestureKind::Place) {
                g = {GestureKind::Place, g.A, 0, n % 2 == 0 ? "Ring" : "Boots - Speed"};
            } else if (g.Kind == GestureKind::ParamText) {
                g = {GestureKind::ParamText, g.A, 0, std::to_string(g.B)};
            } else if (g.Kind == GestureKind::LevelDown || g.Kind == GestureKind::Reset) {
                g = {g.Kind, 0, 0, {}};
            } else if (g.Kind != GestureKind::MoveLine && g.Kind != GestureKind::ParamArrow) {
                g.B = 0;
            }
            ApplyGesture(direct, g);
            recipe.Gestures.push_back(g);
        }
        const BuildRecipe decoded = DecodeBuildCode(EncodeBuildCode(recipe));
        ASSERT_EQ(MissingName(f.b.Catalogue, decoded), std::nullopt);
        Calculator replayed(f.b.Catalogue);
        ApplyGesture(replayed, {GestureKind::ChooseHero, 0, 0, decoded.Hero});
        for (const Gesture& g : decoded.Gestures) {
            ApplyGesture(replayed, g);
        }
        EXPECT_EQ(replayed.State(), direct.State()) << "round " << round;
    }
    EXPECT_EQ(MissingName(f.b.Catalogue, {"Nobody", {}}), std::string("hero \"Nobody\""));
    const std::optional<MissingRecord> item =
        FindMissingRecord(f.b.Catalogue, {"Tester", {{GestureKind::Place, 1, 0, "Sword"}}});
    ASSERT_TRUE(item);
    EXPECT_FALSE(item->IsHero);
    EXPECT_EQ(item->Name, "Sword");
    EXPECT_EQ(MissingName(f.b.Catalogue, {"Tester", {{GestureKind::Place, 1, 0, "Sword"}}}),
              std::string("item \"Sword\""));
}

} // namespace
} // namespace zephyr::test
