#include "data/picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace zephyr {
namespace {

// Each pixel names its own coordinates, so a stretched pixel tells where it
// was sampled from.
Picture Coordinates(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.At(x, y) =
                0xFF000000u | static_cast<std::uint32_t>(x) << 8 | static_cast<std::uint32_t>(y);
        }
    }
    return picture;
}

int SourceX(std::uint32_t pixel) {
    return static_cast<int>(pixel >> 8 & 0xFF);
}
int SourceY(std::uint32_t pixel) {
    return static_cast<int>(pixel & 0xFF);
}

Picture Row(std::vector<std::uint32_t> pixels) {
    Picture picture(static_cast<int>(pixels.size()), 1);
    picture.Pixels = std::move(pixels);
    return picture;
}

TEST(StretchBitmap, SamplesThePixelUnderEachCentre) {
    Picture grow = Row({1, 2});
    StretchBitmap(grow, 4, 1);
    EXPECT_EQ(grow, Row({1, 1, 2, 2}));

    Picture shrink = Row({1, 2, 3, 4});
    StretchBitmap(shrink, 2, 1);
    EXPECT_EQ(shrink, Row({2, 4}));

    Picture uneven = Row({1, 2, 3});
    StretchBitmap(uneven, 5, 1);
    EXPECT_EQ(uneven, Row({1, 1, 2, 3, 3}));
}

TEST(StretchBitmap, Picture60x70ToSquares) {
    for (const int size : {64, 32}) {
        SCOPED_TRACE(size);
        Picture picture = Coordinates(60, 70);
        StretchBitmap(picture, size, size);
        ASSERT_EQ(picture.Width, size);
        ASSERT_EQ(picture.Height, size);
        ASSERT_EQ(picture.Pixels.size(), static_cast<std::size_t>(size * size));
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // The destination centre lies inside the sampled source pixel.
                const std::uint32_t pixel = picture.At(x, y);
                const int sx = SourceX(pixel);
                const int sy = SourceY(pixel);
                EXPECT_LE(sx * 2 * size, (2 * x + 1) * 60);
                EXPECT_GT((sx + 1) * 2 * size, (2 * x + 1) * 60);
                EXPECT_LE(sy * 2 * size, (2 * y + 1) * 70);
                EXPECT_GT((sy + 1) * 2 * size, (2 * y + 1) * 70);
            }
        }
        // Corners come from the corners: nothing cropped or shifted.
        EXPECT_LE(SourceX(picture.At(0, 0)) + SourceY(picture.At(0, 0)), 2);
        EXPECT_GE(SourceX(picture.At(size - 1, size - 1)), 58);
        EXPECT_GE(SourceY(picture.At(size - 1, size - 1)), 67);
    }
    // Within a factor of two the exact corner pixels survive.
    Picture grown = Coordinates(60, 70);
    StretchBitmap(grown, 64, 64);
    EXPECT_EQ(grown.At(0, 0), Coordinates(60, 70).At(0, 0));
    EXPECT_EQ(grown.At(63, 63), Coordinates(60, 70).At(59, 69));
}

TEST(StretchBitmap, SameSizeKeepsEverythingIncludingAlpha) {
    Picture picture = Coordinates(64, 64);
    picture.At(5, 9) = 0x00123456u;
    const Picture original = picture;
    StretchBitmap(picture, 64, 64);
    EXPECT_EQ(picture, original);

    StretchBitmap(picture, 128, 128);
    EXPECT_EQ(picture.At(10, 18), 0x00123456u);
    EXPECT_EQ(picture.At(11, 19), 0x00123456u);
}

TEST(StretchBitmap, EmptyCases) {
    for (const auto& [width, height] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 4}}) {
        Picture picture = Coordinates(4, 4);
        StretchBitmap(picture, width, height);
        EXPECT_EQ(picture, Picture());
    }
    Picture empty;
    StretchBitmap(empty, 3, 2);
    EXPECT_EQ(empty, Picture(3, 2, 0xFF000000u));
}

} // namespace
} // namespace zephyr
