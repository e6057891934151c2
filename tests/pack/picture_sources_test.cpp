// What the sources say about pictures: the icon each record names (or its
// kind's default), the place of a variant in its group, what an ability
// does, and icon names checked against the set.
#include "icon_set.h"
#include "pack_sources.h"
#include "sample_sources.h"
#include "source_error.h"
#include "temp_folder.h"

#include "art_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zephyr::pack {
namespace {

using zephyr::testing::ReplaceInFile;
using zephyr::testing::TempFolder;

class PictureSourcesTest : public ::testing::Test {
protected:
    void SetUp() override { zephyr::testing::WriteSampleSources(Root()); }

    std::filesystem::path Root() const { return folder_.Path() / "datapack"; }

    // Adds a line after the first occurrence of `after` in a source file.
    void AddAfter(const char* file, const std::string& after, const std::string& line) {
        ReplaceInFile(Root() / file, after, after + "\n" + line);
    }

    // The picture job of a record, by kind and name.
    static const PictureJob& Job(const PackSources& pack, PictureKind kind,
                                 const std::string& label) {
        for (const PictureJob& job : pack.Pictures) {
            if (job.Kind == kind && job.Label == label) {
                return job;
            }
        }
        throw std::runtime_error("no picture for " + label);
    }

    std::string ErrorWith(const IconSet* icons) {
        try {
            ReadPackSources(Root(), icons);
        } catch (const SourceError& error) {
            return error.what();
        }
        return "accepted";
    }

    TempFolder folder_;
};

TEST_F(PictureSourcesTest, EveryKindOfRecordNamesItsIcon) {
    AddAfter("heroes/01-lodge.zds", "hero: Ashen Warden", "  icon: visored-helm");
    AddAfter("heroes/01-lodge.zds", "ability: Ember Cleave", "    icon: fire-dash");
    AddAfter("items/01-armory.zds", "shop: Armory", "  icon: anvil");
    AddAfter("items/01-armory.zds", "item: Cinder Blade", "  icon: broadsword");
    AddAfter("items/01-armory.zds", "item: Ring >> Small", "  icon: ring");
    AddAfter("items/01-armory.zds", "item: Ring >> Large", "  icon: diamond-ring");
    AddAfter("auras.zds", "aura: Haste", "  icon: windy-stripes");
    AddAfter("orbs.zds", "category: Frost", "  icon: snowflake-2\n  colour: #8fd4f5");
    AddAfter("orbs.zds", "ability orb: Cinder Darts", "  icon: fire-ray");
    const PackSources pack = ReadPackSources(Root());
    EXPECT_EQ(Job(pack, PictureKind::HeroPortrait, "Ashen Warden").Icon, "visored-helm");
    EXPECT_EQ(Job(pack, PictureKind::Ability, "Ember Cleave").Icon, "fire-dash");
    EXPECT_EQ(Job(pack, PictureKind::Shop, "Armory").Icon, "anvil");
    EXPECT_EQ(Job(pack, PictureKind::Item, "Cinder Blade").Icon, "broadsword");
    EXPECT_EQ(Job(pack, PictureKind::Item, "Ring - Small").Icon, "ring");
    EXPECT_EQ(Job(pack, PictureKind::Item, "Ring - Large").Icon, "diamond-ring");
    EXPECT_EQ(Job(pack, PictureKind::Aura, "Haste").Icon, "windy-stripes");
    EXPECT_EQ(Job(pack, PictureKind::OrbCategory, "Frost").Icon, "snowflake-2");
    EXPECT_EQ(Job(pack, PictureKind::OrbCategory, "Frost").Colour, 0x8fd4f5u);
    EXPECT_EQ(Job(pack, PictureKind::AbilityOrb, "Cinder Darts").Icon, "fire-ray");
    // An icon line is no calculator data of the ability.
    EXPECT_TRUE(pack.Taverns.Taverns[0].Heroes[0].Hero.Abilities[0].HasData);
}

TEST_F(PictureSourcesTest, RecordsWithoutAnIconGetTheirKindsDefault) {
    const PackSources pack = ReadPackSources(Root());
    ASSERT_FALSE(pack.Pictures.empty());
    for (const PictureJob& job : pack.Pictures) {
        EXPECT_EQ(job.Icon, DefaultIcon(job.Kind)) << job.Label;
    }
    // Every kind has a default of its own.
    const PictureKind kinds[] = {PictureKind::HeroPortrait, PictureKind::Ability,
                                 PictureKind::Item,         PictureKind::Shop,
                                 PictureKind::Aura,         PictureKind::OrbCategory,
                                 PictureKind::AbilityOrb};
    for (const PictureKind a : kinds) {
        EXPECT_TRUE(IsIconName(DefaultIcon(a)));
        for (const PictureKind b : kinds) {
            if (a != b) {
                EXPECT_NE(DefaultIcon(a), DefaultIcon(b));
            }
        }
    }
}

TEST_F(PictureSourcesTest, PicturesKnowTheirPlaceAndWhatAbilitiesDo) {
    const PackSources pack = ReadPackSources(Root());
    EXPECT_EQ(Job(pack, PictureKind::Item, "Cinder Blade").Variant, 0);
    EXPECT_EQ(Job(pack, PictureKind::Item, "Ring - Small").Variant, 1);
    EXPECT_EQ(Job(pack, PictureKind::Item, "Ring - Large").Variant, 2);
    EXPECT_EQ(Job(pack, PictureKind::Aura, "Command").Variant, 1);
    EXPECT_EQ(Job(pack, PictureKind::Aura, "Haste").Variant, 2);
    EXPECT_EQ(Job(pack, PictureKind::HeroPortrait, "Ashen Warden").Variant, 1); // strength
    // Auras make aura abilities; otherwise the kind of most effects wins.
    EXPECT_EQ(Job(pack, PictureKind::Ability, "Ember Cleave").Effect, PictureEffect::Aura);
    EXPECT_EQ(Job(pack, PictureKind::Ability, "Blazing Banner").Effect, PictureEffect::Aura);
    EXPECT_EQ(Job(pack, PictureKind::Ability, "Quiet").Effect, PictureEffect::None);
    EXPECT_EQ(Job(pack, PictureKind::Ability, "Inferno").Effect, PictureEffect::Defence);
    EXPECT_EQ(Job(pack, PictureKind::Ability, "Inferno").Variant, 14); // strength, ultimate

    ReplaceInFile(Root() / "heroes/01-lodge.zds", "learn aura: Command\n", "");
    const PackSources without = ReadPackSources(Root());
    // NumberParam is no effect of a kind; Damage and Bash beat AttackSpeed.
    EXPECT_EQ(Job(without, PictureKind::Ability, "Ember Cleave").Effect, PictureEffect::Attack);
}

TEST_F(PictureSourcesTest, AnIconTheSetLacksIsAnErrorWithFileAndLine) {
    const IconSet icons = IconSet::FromJson(testing::SmallIconSetJson(), "icons.json");
    AddAfter("items/01-armory.zds", "item: Ring >> Large", "  icon: winged-boots");
    EXPECT_EQ(ErrorWith(&icons),
              "datapack/items/01-armory.zds:19: the icon set has no icon named \"winged-boots\"");
    // Without the set the name cannot be checked, and the pack is read.
    EXPECT_EQ(ErrorWith(nullptr), "accepted");

    SetUp();
    AddAfter("heroes/01-lodge.zds", "ability: Quiet", "    icon: nothing-here");
    EXPECT_EQ(ErrorWith(&icons),
              "datapack/heroes/01-lodge.zds:34: the icon set has no icon named \"nothing-here\"");
    SetUp();
    AddAfter("orbs.zds", "category: Venom", "  icon: nothing-here");
    EXPECT_EQ(ErrorWith(&icons),
              "datapack/orbs.zds:3: the icon set has no icon named \"nothing-here\"");
    SetUp();
    AddAfter("auras.zds", "aura: Command", "  icon: dot");
    EXPECT_EQ(ErrorWith(&icons), "accepted");
}

TEST_F(PictureSourcesTest, IconNamesAreWrittenAsTheSetWritesThem) {
    AddAfter("auras.zds", "aura: Haste", "  icon: Windy Stripes");
    EXPECT_EQ(ErrorWith(nullptr),
              "datapack/auras.zds:6: an icon is named as the Game Icons set names it, in lower "
              "case with hyphens (leather-boot), found \"Windy Stripes\"");
    SetUp();
    // Item orbs have no picture.
    AddAfter("orbs.zds", "item orb: Chill", "  icon: dot");
    EXPECT_EQ(ErrorWith(nullptr), "datapack/orbs.zds:13: unknown item orb field \"icon\"");
}

TEST(SampleGame, NamesOnlyIconsOfTheSet) {
    const std::filesystem::path file = ZEPHYR_ICON_SET;
    if (!std::filesystem::exists(file)) {
        GTEST_SKIP() << "the Game Icons set is not installed (scripts/install-deps.sh)";
    }
    const IconSet icons = IconSet::FromFile(file);
    const PackSources pack = ReadPackSources(ZEPHYR_SAMPLE_SOURCES, &icons);
    for (const PictureJob& job : pack.Pictures) {
        EXPECT_TRUE(icons.Has(job.Icon)) << job.Label;
        EXPECT_TRUE(icons.Has(DefaultIcon(job.Kind)));
        // The sample game names a fitting icon for every record.
        EXPECT_NE(job.Icon, DefaultIcon(job.Kind)) << job.Label;
    }
}

} // namespace
} // namespace zephyr::pack
