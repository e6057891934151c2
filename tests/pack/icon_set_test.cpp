// The icon set: icons.json read into silhouettes, aliases, names, and the
// pack run that goes on without the set.
#include "icon_set.h"

#include "art_test_support.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zephyr::pack {
namespace {

using zephyr::testing::TempFolder;

int AlphaAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y));
}

TEST(IconSet, ReadsIconsAndAliases) {
    const IconSet set = IconSet::FromJson(testing::SmallIconSetJson(), "icons.json");
    EXPECT_EQ(set.Count(), 6u); // five icons and one alias
    EXPECT_TRUE(set.Has("dot"));
    EXPECT_TRUE(set.Has("box"));
    EXPECT_FALSE(set.Has("winged-boots"));
}

TEST(IconSet, DrawsSilhouettesAtTheWantedSize) {
    testing::EnsureGuiApplication();
    const IconSet set = IconSet::FromJson(testing::SmallIconSetJson(), "icons.json");
    const QImage dot = set.Silhouette("dot", 32);
    ASSERT_EQ(dot.size(), QSize(32, 32));
    EXPECT_EQ(AlphaAt(dot, 16, 16), 255);
    EXPECT_EQ(AlphaAt(dot, 1, 1), 0);
    EXPECT_EQ(qRed(dot.pixel(16, 16)), 255); // white, whatever the set's colour
    const QImage box = set.Silhouette("box", 20);
    EXPECT_EQ(AlphaAt(box, 0, 0), 255);
    EXPECT_EQ(AlphaAt(box, 19, 19), 255);
    // The ring's hole stays empty.
    const QImage ring = set.Silhouette("ring", 64);
    EXPECT_EQ(AlphaAt(ring, 32, 32), 0);
    EXPECT_EQ(AlphaAt(ring, 32, 4), 255);
    EXPECT_TRUE(set.Silhouette("winged-boots", 32).isNull());
}

TEST(IconSet, BrokenFilesAreErrors) {
    EXPECT_THROW(IconSet::FromJson("{\"icons\": ", "icons.json"), std::runtime_error);
    EXPECT_THROW(IconSet::FromJson("{\"icons\": {}}", "icons.json"), std::runtime_error);
    TempFolder folder;
    zephyr::testing::WriteFile(folder.Path() / "icons.json", "not json");
    std::string notice;
    EXPECT_THROW(OpenIconSet(folder.Path() / "icons.json", notice), std::runtime_error);
}

TEST(IconSet, WithoutTheSetThePackGoesOnAndSaysSoInOneLine) {
    std::string notice;
    EXPECT_FALSE(OpenIconSet({}, notice).has_value());
    EXPECT_NE(notice.find("--icons"), std::string::npos);
    EXPECT_EQ(notice.find('\n'), std::string::npos);

    TempFolder folder;
    const auto missing = folder.Path() / "icons.json";
    EXPECT_FALSE(OpenIconSet(missing, notice).has_value());
    EXPECT_NE(notice.find(missing.string()), std::string::npos);
    EXPECT_EQ(notice.find('\n'), std::string::npos);

    zephyr::testing::WriteFile(missing, testing::SmallIconSetJson().toStdString());
    const auto set = OpenIconSet(missing, notice);
    ASSERT_TRUE(set.has_value());
    EXPECT_TRUE(notice.empty());
    EXPECT_TRUE(set->Has("triangle"));
}

TEST(IconSet, NamesAreLowerCaseWordsWithHyphens) {
    EXPECT_TRUE(IsIconName("leather-boot"));
    EXPECT_TRUE(IsIconName("rank-3"));
    EXPECT_TRUE(IsIconName("3d-hammer"));
    EXPECT_FALSE(IsIconName(""));
    EXPECT_FALSE(IsIconName("Leather-Boot"));
    EXPECT_FALSE(IsIconName("leather boot"));
    EXPECT_FALSE(IsIconName("leather--boot"));
    EXPECT_FALSE(IsIconName("-boot"));
    EXPECT_FALSE(IsIconName("boot-"));
    EXPECT_FALSE(IsIconName("game-icons:boot"));
}

} // namespace
} // namespace zephyr::pack
