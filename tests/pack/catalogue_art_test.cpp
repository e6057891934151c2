// The generated pictures: icons on backgrounds that tell kinds apart, every
// variant and every aura its own picture, orbs on black, the corner of the
// level badge kept clear, and plain pictures without the icon set.
#include "catalogue_art.h"
#include "icon_set.h"
#include "interface_art.h"
#include "pack_sources.h"
#include "pack_writer.h"
#include "temp_folder.h"

#include "art_test_support.h"

#include <gtest/gtest.h>

#include <array>

namespace zephyr::pack {
namespace {

using testing::Channels;
using testing::MeanDifference;
using testing::Rgb;

class CatalogueArtTest : public ::testing::Test {
protected:
    void SetUp() override { testing::EnsureGuiApplication(); }

    Picture Draw(PictureKind kind, const std::string& icon, int variant = 0,
                 std::uint32_t colour = 0x7a7f87,
                 PictureEffect effect = PictureEffect::None) const {
        const PictureJob job{kind, "Data\\images\\x.jpg", "Name", colour, variant, icon, effect};
        return DrawCatalogueArt(job, &icons_);
    }

    const IconSet icons_ = IconSet::FromJson(testing::SmallIconSetJson(), "icons.json");
};

bool Lit(std::uint32_t argb) {
    const Rgb c = Channels(argb);
    return std::max({c.R, c.G, c.B}) > 60;
}

// Whether the lit pixels of two pictures differ in colour: their mean
// colours are far apart in one channel at least.
bool ColourDiffers(const Picture& a, const Picture& b) {
    const auto mean = [](const Picture& picture) {
        double sum[3] = {0, 0, 0};
        int count = 0;
        for (const std::uint32_t pixel : picture.Pixels) {
            if (Lit(pixel)) {
                const Rgb c = Channels(pixel);
                sum[0] += c.R;
                sum[1] += c.G;
                sum[2] += c.B;
                ++count;
            }
        }
        return std::array<double, 3>{sum[0] / count, sum[1] / count, sum[2] / count};
    };
    const auto p = mean(a);
    const auto q = mean(b);
    return std::abs(p[0] - q[0]) > 40 || std::abs(p[1] - q[1]) > 40 || std::abs(p[2] - q[2]) > 40;
}

// The share of the lit area (the shape) that two pictures do not have in common.
double ShapeDifference(const Picture& a, const Picture& b) {
    int either = 0, one = 0;
    for (std::size_t i = 0; i < a.Pixels.size(); ++i) {
        const bool p = Lit(a.Pixels[i]);
        const bool q = Lit(b.Pixels[i]);
        either += p || q;
        one += p != q;
    }
    return either == 0 ? 0 : static_cast<double>(one) / either;
}

double RegionDifference(const Picture& a, const Picture& b, int left, int top, int size) {
    double sum = 0;
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            const Rgb p = Channels(a.At(x, y));
            const Rgb q = Channels(b.At(x, y));
            sum += std::max({std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)});
        }
    }
    return sum / (size * size);
}

TEST_F(CatalogueArtTest, PicturesHaveTheSizesOfTheirLists) {
    const std::pair<PictureKind, int> sizes[] = {
        {PictureKind::HeroPortrait, 64}, {PictureKind::Ability, 64}, {PictureKind::Item, 36},
        {PictureKind::Shop, 36},         {PictureKind::Aura, 15},    {PictureKind::OrbCategory, 30},
        {PictureKind::AbilityOrb, 30}};
    for (const auto& [kind, size] : sizes) {
        const Picture picture = Draw(kind, "dot");
        EXPECT_EQ(picture.Width, size);
        EXPECT_EQ(picture.Height, size);
    }
}

TEST_F(CatalogueArtTest, TheIconIsDrawn) {
    // The same record with another icon is another picture.
    EXPECT_GT(MeanDifference(Draw(PictureKind::HeroPortrait, "dot", 1),
                             Draw(PictureKind::HeroPortrait, "triangle", 1)),
              20);
    EXPECT_GT(MeanDifference(Draw(PictureKind::Item, "dot"), Draw(PictureKind::Item, "ring")), 20);
    // A name the set lacks falls back to the kind's default (the set here has
    // none of them, so a plain shape): still a whole picture.
    EXPECT_GT(MeanDifference(Draw(PictureKind::Item, "dot"), Draw(PictureKind::Item, "nope")), 5);
}

TEST_F(CatalogueArtTest, VariantsOfOneGroupEachGetTheirOwnPicture) {
    // Even with one icon for the whole group, every variant looks different,
    // and different from an item of its own.
    const Picture alone = Draw(PictureKind::Item, "ring", 0);
    const Picture first = Draw(PictureKind::Item, "ring", 1);
    const Picture second = Draw(PictureKind::Item, "ring", 2);
    const Picture third = Draw(PictureKind::Item, "ring", 3);
    EXPECT_GT(MeanDifference(first, second), 12);
    EXPECT_GT(MeanDifference(second, third), 12);
    EXPECT_GT(MeanDifference(first, third), 12);
    EXPECT_GT(MeanDifference(alone, first), 12);
}

TEST_F(CatalogueArtTest, AurasDifferInColourAndShapeAtAGlance) {
    // The worst case: both with the same icon.
    const Picture a = Draw(PictureKind::Aura, "dot", 1);
    const Picture b = Draw(PictureKind::Aura, "dot", 2);
    EXPECT_TRUE(ColourDiffers(a, b));
    EXPECT_GE(ShapeDifference(a, b), 0.15);
    // Neighbours (the auras of one group) differ in both; any two auras of a
    // big pack differ in one at least.
    for (int m = 1; m <= 60; ++m) {
        const Picture one = Draw(PictureKind::Aura, "dot", m);
        for (int n = m + 1; n <= 60; ++n) {
            const Picture other = Draw(PictureKind::Aura, "dot", n);
            const bool colour = ColourDiffers(one, other);
            const bool shape = ShapeDifference(one, other) >= 0.1;
            if (n == m + 1) {
                EXPECT_TRUE(colour && shape) << m << " and " << n;
            } else {
                EXPECT_TRUE(colour || shape)
                    << m << " and " << n << ": " << ShapeDifference(one, other);
            }
        }
    }
}

TEST_F(CatalogueArtTest, OrbsSitOnBlackWithoutATile) {
    for (const PictureKind kind : {PictureKind::OrbCategory, PictureKind::AbilityOrb}) {
        for (const IconSet* icons : {&icons_, static_cast<const IconSet*>(nullptr)}) {
            const Picture orb = DrawCatalogueArt(
                {kind, "Data\\images\\orbs\\x.jpg", "Orb", 0, 3, "dot", PictureEffect::None},
                icons);
            for (int i = 0; i < 30; ++i) {
                for (const auto& [x, y] :
                     {std::pair{i, 0}, std::pair{i, 29}, std::pair{0, i}, std::pair{29, i}}) {
                    const Rgb c = Channels(orb.At(x, y));
                    EXPECT_LE(std::max({c.R, c.G, c.B}), 16) << x << "," << y;
                }
            }
            EXPECT_TRUE(Lit(orb.At(15, 15)));
        }
    }
    // Every orb its own picture.
    EXPECT_GT(MeanDifference(Draw(PictureKind::OrbCategory, "dot", 1, 0),
                             Draw(PictureKind::OrbCategory, "dot", 2, 0)),
              8);
    EXPECT_GT(MeanDifference(Draw(PictureKind::OrbCategory, "dot", 1, 0),
                             Draw(PictureKind::AbilityOrb, "dot", 1, 0)),
              8);
    EXPECT_GT(MeanDifference(Draw(PictureKind::OrbCategory, "dot", 1, 0xe0343c),
                             Draw(PictureKind::OrbCategory, "dot", 1, 0x8fd4f5)),
              8);
}

TEST_F(CatalogueArtTest, TheNoOrbPicturesAreUnmistakable) {
    const Picture none = DrawInterfaceArt("Data\\images\\design\\no_orb.bmp");
    const Picture cancelled = DrawInterfaceArt("Data\\images\\orbs\\noneattack.bmp");
    ASSERT_EQ(none.Width, 30);
    ASSERT_EQ(cancelled.Width, 30);
    const auto red = [](const Picture& picture) {
        int count = 0;
        for (const std::uint32_t pixel : picture.Pixels) {
            const Rgb c = Channels(pixel);
            count += c.R > 170 && c.G < 90 && c.B < 90;
        }
        return count;
    };
    EXPECT_EQ(red(none), 0);
    EXPECT_GE(red(cancelled), 120);
    EXPECT_GT(MeanDifference(none, cancelled), 40);
}

TEST_F(CatalogueArtTest, TheLevelBadgeCornerOfAnAbilityStaysClear) {
    // A bar from corner to corner would cross the badge at (41, 41): it is
    // drawn smaller instead, so the corner looks as it does under a dot.
    const Picture bar = Draw(PictureKind::Ability, "diagonal", 11, 0, PictureEffect::Attack);
    const Picture dot = Draw(PictureKind::Ability, "dot", 11, 0, PictureEffect::Attack);
    EXPECT_LT(RegionDifference(bar, dot, 41, 41, 20), 4);
    // ... and it is still drawn, large.
    EXPECT_GT(RegionDifference(bar, dot, 10, 10, 8), 60);
}

TEST_F(CatalogueArtTest, BackgroundsTellKindsApart) {
    // Heroes by their primary attribute: strength red, agility green,
    // intelligence blue (the top rows, clear of the icon).
    for (int attribute = 1; attribute <= 3; ++attribute) {
        const Picture portrait = Draw(PictureKind::HeroPortrait, "dot", attribute);
        double sum[3] = {0, 0, 0};
        for (int x = 8; x < 56; ++x) {
            const Rgb c = Channels(portrait.At(x, 6));
            sum[0] += c.R;
            sum[1] += c.G;
            sum[2] += c.B;
        }
        const int strongest = static_cast<int>(std::max_element(sum, sum + 3) - sum);
        EXPECT_EQ(strongest, attribute - 1) << attribute;
    }
    // Abilities by what they do.
    const PictureEffect effects[] = {PictureEffect::None,      PictureEffect::Attack,
                                     PictureEffect::Magic,     PictureEffect::Defence,
                                     PictureEffect::Swiftness, PictureEffect::Sustain,
                                     PictureEffect::Aura};
    for (const PictureEffect a : effects) {
        for (const PictureEffect b : effects) {
            if (a < b) {
                EXPECT_GT(MeanDifference(Draw(PictureKind::Ability, "dot", 11, 0, a),
                                         Draw(PictureKind::Ability, "dot", 11, 0, b)),
                          15)
                    << static_cast<int>(a) << " and " << static_cast<int>(b);
            }
        }
    }
    // Items and shops by the shop's colour.
    EXPECT_GT(MeanDifference(Draw(PictureKind::Item, "dot", 0, 0x4f8a3c),
                             Draw(PictureKind::Item, "dot", 0, 0x5a2d6e)),
              20);
    EXPECT_GT(MeanDifference(Draw(PictureKind::Shop, "dot", 0, 0x4f8a3c),
                             Draw(PictureKind::Shop, "dot", 0, 0x5a2d6e)),
              20);
    // The ultimate has its own frame.
    EXPECT_GT(RegionDifference(Draw(PictureKind::Ability, "dot", 13, 0, PictureEffect::Magic),
                               Draw(PictureKind::Ability, "dot", 14, 0, PictureEffect::Magic), 0, 0,
                               8),
              15);
}

TEST_F(CatalogueArtTest, WithoutTheSetEveryPictureIsStillDrawn) {
    const PictureJob auraOne{PictureKind::Aura, "x.jpg", "One", 0, 1, "dot", PictureEffect::None};
    const PictureJob auraTwo{PictureKind::Aura, "x.jpg", "Two", 0, 2, "dot", PictureEffect::None};
    EXPECT_GE(ShapeDifference(DrawCatalogueArt(auraOne), DrawCatalogueArt(auraTwo)), 0.15);
    const PictureJob small{PictureKind::Item,  "x.jpg", "Ring - Small", 0x7a7f87, 1, "ring",
                           PictureEffect::None};
    const PictureJob large{PictureKind::Item,  "x.jpg", "Ring - Large", 0x7a7f87, 2, "ring",
                           PictureEffect::None};
    EXPECT_GT(MeanDifference(DrawCatalogueArt(small), DrawCatalogueArt(large)), 12);

    // The whole sample game packs without the set.
    const PackSources sources = ReadPackSources(ZEPHYR_SAMPLE_SOURCES);
    zephyr::testing::TempFolder folder;
    WritePack(sources, folder.Path() / "Data");
    for (const PictureJob& job : sources.Pictures) {
        std::string path = job.StoredPath.substr(std::string("Data\\").size());
        std::replace(path.begin(), path.end(), '\\', '/');
        EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Data" / path)) << path;
    }
}

} // namespace
} // namespace zephyr::pack
