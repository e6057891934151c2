#include "data/data_error.h"
#include "data/picture_codecs.h"
#include "data/stored_picture.h"
#include "pixel_distance.h"
#include "temp_folder.h"

// Fixtures that the codecs cannot produce themselves (grayscale and CMYK
// JPEGs, offset and interlaced GIF frames) are written with the libraries
// directly.
#include "picture_writers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zephyr {
namespace {

using Decoder = std::function<Picture(std::string_view, const std::string&)>;
using testing::ChannelDistance;
using testing::GifFrame;

// Opaque, smooth: what JPEG keeps well.
Picture Gradient(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 255 / width) << 16 |
                               static_cast<std::uint32_t>(y * 255 / height) << 8 | 0x60u;
        }
    }
    return picture;
}

// Opaque, every pixel unrelated to its neighbours.
Picture Noise(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Picture picture(width, height);
    for (std::uint32_t& pixel : picture.Pixels) {
        pixel = 0xFF000000u | (random() & 0xFFFFFFu);
    }
    return picture;
}

// Runs the decoder and returns the error's reason; fails the test unless a
// DataError naming `name` is thrown.
std::string ErrorOf(const Decoder& decode, std::string_view bytes, const std::string& name) {
    try {
        decode(bytes, name);
    } catch (const DataError& error) {
        EXPECT_EQ(error.File(), name);
        return error.Reason();
    }
    ADD_FAILURE() << name << " decoded without an error";
    return {};
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// ---- BMP fixtures ----------------------------------------------------------

std::string InfoHeader(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                       std::uint32_t headerSize = 40,
                       const std::vector<std::uint32_t>& inHeaderMasks = {},
                       std::uint32_t coloursUsed = 0) {
    return testing::BmpInfoHeader(
        {width, height, bits, compression, 0, coloursUsed, headerSize, inHeaderMasks});
}

// File header + info header + whatever sits between it and the pixels.
std::string BmpFile(const std::string& header, const std::string& middle,
                    const std::string& pixels) {
    return testing::BmpFile(header + middle, pixels);
}

// ---- GIF fixtures ----------------------------------------------------------

// One frame on a screen with a global colour map.
std::string WriteGif(int screenWidth, int screenHeight, std::vector<GifColorType> globalMap,
                     GifFrame frame) {
    testing::GifLayout layout;
    layout.Width = screenWidth;
    layout.Height = screenHeight;
    layout.GlobalMap = std::move(globalMap);
    layout.Frames.push_back(std::move(frame));
    return testing::WriteGif(layout);
}

// A 1x1 GIF built byte by byte, for layouts giflib refuses to write. The LZW
// stream is clear, `index`, end with 3-bit codes.
std::string TinyGif(bool globalMap, int index) {
    std::string gif = "GIF89a";
    gif += std::string("\x01\x00\x01\x00", 4);
    gif += globalMap ? '\x80' : '\x00'; // two-entry global map, or none
    gif += std::string("\x00\x00", 2);
    if (globalMap) {
        gif += std::string("\x00\x00\x00\xFF\xFF\xFF", 6); // black, white
    }
    gif += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    const auto codes = static_cast<unsigned>(4 | index << 3 | 5 << 6);
    gif += '\x02';
    gif += '\x02';
    gif += static_cast<char>(codes & 0xFF);
    gif += static_cast<char>(codes >> 8);
    gif += std::string("\x00\x3B", 2);
    return gif;
}

// ---- JPEG fixtures ---------------------------------------------------------

// A solid-colour JPEG in the given colour space, written directly with
// libjpeg.
std::string RawJpeg(J_COLOR_SPACE space, const std::vector<JSAMPLE>& colour, bool adobeMarker) {
    testing::JpegSettings settings;
    settings.Width = 16;
    settings.Height = 16;
    settings.Components = static_cast<int>(colour.size());
    settings.Input = space;
    settings.AdobeMarker = adobeMarker;
    settings.Quality = 95;
    return testing::WriteJpeg(settings, [&](int, std::span<JSAMPLE> row) {
        for (std::size_t x = 0; x < row.size(); x += colour.size()) {
            std::copy(colour.begin(), colour.end(), row.begin() + static_cast<std::ptrdiff_t>(x));
        }
    });
}

// ---- BMP -------------------------------------------------------------------

TEST(BmpCodec, EncodesBottomUp24BitWithPaddedRows) {
    Picture picture(2, 2);
    picture.At(0, 0) = 0xFF112233u;
    picture.At(0, 1) = 0xFF445566u;
    const std::string bmp = EncodeBmp(picture);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp[10], 54);
    EXPECT_EQ(bmp[28], 24);
    // The first stored row is the bottom one, blue first.
    EXPECT_EQ(bmp.substr(54, 3), "\x66\x55\x44");
    EXPECT_EQ(bmp.substr(62, 3), "\x33\x22\x11");
}

TEST(BmpCodec, RoundTripIsExact) {
    const std::pair<int, int> sizes[] = {{1, 1}, {3, 2}, {5, 7}, {33, 17}};
    for (const auto& [width, height] : sizes) {
        const Picture picture = Noise(width, height, static_cast<unsigned>(width));
        EXPECT_EQ(DecodeBmp(EncodeBmp(picture), "round.bmp"), picture) << width << "x" << height;
    }
}

TEST(BmpCodec, DecodesPaletteAndTopDownLayouts) {
    const std::string palette("\x00\x00\xFF\x00"
                              "\x00\xFF\x00\x00"
                              "\xFF\x00\x00\x00",
                              12); // red, green, blue as BGRX
    // 8-bit, bottom-up, 3 wide (one padding byte); index 7 is past the palette.
    const std::string eight = BmpFile(InfoHeader(3, 2, 8, 0, 40, {}, 3), palette,
                                      std::string("\x02\x01\x00\x00"
                                                  "\x00\x07\x02\x00",
                                                  8));
    Picture expected(3, 2);
    expected.Pixels = {0xFFFF0000u, 0xFF000000u, 0xFF0000FFu,
                       0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u};
    EXPECT_EQ(DecodeBmp(eight, "eight.bmp"), expected);

    // 4-bit and 1-bit: high nibble / high bit first.
    const std::string four =
        BmpFile(InfoHeader(3, 1, 4, 0, 40, {}, 3), palette, std::string("\x12\x00\x00\x00", 4));
    Picture fourExpected(3, 1);
    fourExpected.Pixels = {0xFF00FF00u, 0xFF0000FFu, 0xFFFF0000u};
    EXPECT_EQ(DecodeBmp(four, "four.bmp"), fourExpected);
    const std::string one = BmpFile(InfoHeader(3, 1, 1, 0, 40, {}, 2), palette.substr(0, 8),
                                    std::string("\xA0\x00\x00\x00", 4));
    Picture oneExpected(3, 1);
    oneExpected.Pixels = {0xFF00FF00u, 0xFFFF0000u, 0xFF00FF00u};
    EXPECT_EQ(DecodeBmp(one, "one.bmp"), oneExpected);

    // 32-bit BI_RGB, top-down: the unused top byte does not make it transparent.
    const std::string topDown = BmpFile(InfoHeader(2, -2, 32, 0), "",
                                        std::string("\x01\x02\x03\x00\x04\x05\x06\x00"
                                                    "\x07\x08\x09\x00\x0A\x0B\x0C\x00",
                                                    16));
    Picture topDownExpected(2, 2);
    topDownExpected.Pixels = {0xFF030201u, 0xFF060504u, 0xFF090807u, 0xFF0C0B0Au};
    EXPECT_EQ(DecodeBmp(topDown, "top.bmp"), topDownExpected);

    // The old 12-byte core header, 24-bit.
    const Picture corePicture =
        DecodeBmp(BmpFile(testing::BmpCoreHeader(1, 1, 24), "", std::string("\x10\x20\x30\x00", 4)),
                  "core.bmp");
    EXPECT_EQ(corePicture.Pixels, std::vector<std::uint32_t>{0xFF302010u});
}

TEST(BmpCodec, DecodesBitFields) {
    // 16-bit 5-6-5, masks after a plain info header: white, pure red.
    std::string masks;
    testing::PutU32(masks, 0xF800);
    testing::PutU32(masks, 0x07E0);
    testing::PutU32(masks, 0x001F);
    const std::string rgb565 =
        BmpFile(InfoHeader(2, 1, 16, 3), masks, std::string("\xFF\xFF\x00\xF8", 4));
    EXPECT_EQ(DecodeBmp(rgb565, "565.bmp").Pixels,
              (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFFFF0000u}));

    // V5 header with an alpha mask inside it.
    const std::string v5 =
        BmpFile(InfoHeader(1, 1, 32, 3, 124, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}), "",
                std::string("\x30\x20\x10\x80", 4));
    EXPECT_EQ(DecodeBmp(v5, "v5.bmp").Pixels, std::vector<std::uint32_t>{0x80102030u});
}

TEST(BmpCodec, RefusesHostileOrUnsupportedHeaders) {
    const Decoder decode = DecodeBmp;
    const std::string row4("\0\0\0\0", 4);
    // A JPEG wrapped in a BMP header.
    EXPECT_TRUE(Contains(ErrorOf(decode, BmpFile(InfoHeader(4, 1, 24, 4), "", row4), "wrapped.bmp"),
                         "compressed BMP not supported"));
    EXPECT_TRUE(
        Contains(ErrorOf(decode, BmpFile(InfoHeader(100000, 100000, 24, 0), "", row4), "huge.bmp"),
                 "100000 x 100000 pixels is too large"));
    // Sizes that only the data length can refute.
    ErrorOf(decode, BmpFile(InfoHeader(4000, 4000, 24, 0), "", row4), "short.bmp");
    ErrorOf(decode, BmpFile(InfoHeader(0, 1, 24, 0), "", row4), "empty.bmp");
    ErrorOf(decode, BmpFile(InfoHeader(-1, 1, 24, 0), "", row4), "negative.bmp");
    ErrorOf(decode, BmpFile(InfoHeader(1, 1, 7, 0), "", row4), "bits.bmp");
    std::string hugeHeader = BmpFile(InfoHeader(1, 1, 24, 0), "", row4);
    hugeHeader.replace(14, 4, "\xF0\xFF\xFF\xFF");
    ErrorOf(decode, hugeHeader, "header.bmp");
    // Pixel offset past the end of the data.
    std::string farOffset = BmpFile(InfoHeader(1, 1, 24, 0), "", row4);
    farOffset[12] = '\x7F';
    ErrorOf(decode, farOffset, "offset.bmp");
    // An absurd colour count is clamped to what the bit depth allows.
    const std::string manyColours =
        BmpFile(InfoHeader(1, 1, 1, 0, 40, {}, 0xFFFFFFFFu), std::string(8, '\x40'), row4);
    EXPECT_EQ(DecodeBmp(manyColours, "colours.bmp").Pixels,
              std::vector<std::uint32_t>{0xFF404040u});
    ErrorOf(decode, "PK\x03\x04", "zip.bmp");
}

// ---- GIF -------------------------------------------------------------------

TEST(GifCodec, RoundTripIsExactUpTo255ColoursWithTransparency) {
    Picture picture(20, 15);
    for (int i = 0; i < 300; ++i) {
        // 200 distinct opaque colours and a transparent pixel every 7th.
        picture.Pixels[static_cast<std::size_t>(i)] =
            i % 7 == 0 ? 0u : 0xFF000000u | static_cast<std::uint32_t>(i % 200) * 0x010307u;
    }
    picture.At(1, 1) = 0x7FFF0000u; // below half alpha: transparent
    picture.At(2, 1) = 0x80FF0000u; // from half alpha on: opaque
    Picture expected = picture;
    expected.At(1, 1) = 0u;
    expected.At(2, 1) = 0xFFFF0000u;
    EXPECT_EQ(DecodeGif(EncodeGif(picture), "round.gif"), expected);

    EXPECT_EQ(DecodeGif(EncodeGif(Picture(1, 1, 0u)), "clear.gif"), Picture(1, 1, 0u));
    const Picture noise = Noise(15, 17, 1); // 255 pixels: no reduction needed
    EXPECT_EQ(DecodeGif(EncodeGif(noise), "noise.gif"), noise);
}

TEST(GifCodec, ReducesManyColoursToNearbyOnes) {
    // 4096 colours, more than a palette holds, and a few transparent pixels.
    Picture picture(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            picture.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 4) << 16 |
                               static_cast<std::uint32_t>(y * 4) << 8 |
                               static_cast<std::uint32_t>((x + y) % 3);
        }
    }
    picture.At(0, 0) = 0u;
    picture.At(5, 9) = 0x7F123456u; // below half alpha: transparent
    picture.At(6, 9) = 0x80123456u; // from half alpha on: opaque
    const Picture decoded = DecodeGif(EncodeGif(picture), "many.gif");
    ASSERT_EQ(decoded.Width, 64);
    ASSERT_EQ(decoded.Height, 64);
    std::set<std::uint32_t> used;
    int worst = 0;
    int total = 0;
    int opaque = 0;
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
        if (picture.Pixels[i] >> 24 < 128) {
            EXPECT_EQ(decoded.Pixels[i], 0u) << "pixel " << i;
            continue;
        }
        used.insert(decoded.Pixels[i]);
        const int distance = ChannelDistance(decoded.Pixels[i], 0xFF000000u | picture.Pixels[i]);
        worst = std::max(worst, distance);
        total += distance;
        ++opaque;
    }
    EXPECT_LE(used.size(), 255u);
    EXPECT_GT(used.size(), 128u);
    // giflib's median cut works on five bits a channel, in boxes several of
    // those wide: a colour may move by a few steps of eight, but no further.
    EXPECT_LE(worst, 40);
    EXPECT_LE(total / opaque, 14);

    // 512 colours that differ only in their three lowest bits a channel are
    // one colour to giflib's five bits: a palette smaller than asked for, and
    // every pixel within those three bits of its source.
    Picture dark(32, 16);
    for (std::size_t i = 0; i < dark.Pixels.size(); ++i) {
        const auto v = static_cast<std::uint32_t>(i);
        dark.Pixels[i] = 0xFF000000u | (v & 7) << 16 | (v >> 3 & 7) << 8 | (v >> 6 & 7);
    }
    const Picture darkDecoded = DecodeGif(EncodeGif(dark), "dark.gif");
    ASSERT_EQ(darkDecoded.Pixels.size(), dark.Pixels.size());
    for (std::size_t i = 0; i < dark.Pixels.size(); ++i) {
        EXPECT_LE(ChannelDistance(darkDecoded.Pixels[i], dark.Pixels[i]), 7) << "pixel " << i;
    }
}

TEST(GifCodec, PlacesOffsetFrameOnTransparentScreenWithLocalMap) {
    GifFrame frame{3, 2, 4, 3, false, {{10, 20, 30}, {40, 50, 60}}, {}};
    frame.Rows = {{0, 1, 0, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}};
    const Picture picture =
        DecodeGif(WriteGif(10, 8, {{255, 0, 0}, {0, 255, 0}}, frame), "offset.gif");
    ASSERT_EQ(picture.Width, 10);
    ASSERT_EQ(picture.Height, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 5;
            std::uint32_t expected = 0;
            if (inside) {
                expected =
                    frame.Rows[static_cast<std::size_t>(y - 2)][static_cast<std::size_t>(x - 3)] ==
                            0
                        ? 0xFF0A141Eu
                        : 0xFF28323Cu;
            }
            EXPECT_EQ(picture.At(x, y), expected) << x << "," << y;
        }
    }

    // A frame hanging over the screen's corner is cut off there.
    GifFrame over{8, 6, 4, 4, false, {}, std::vector<std::vector<GifPixelType>>(4, {1, 1, 1, 1})};
    const Picture clipped = DecodeGif(WriteGif(10, 8, {{0, 0, 0}, {9, 9, 9}}, over), "over.gif");
    EXPECT_EQ(clipped.At(9, 7), 0xFF090909u);
    EXPECT_EQ(clipped.At(7, 7), 0u);
}

TEST(GifCodec, InterlacedFrameComesOutInRowOrder) {
    GifFrame frame{0, 0, 2, 13, true, {}, {}};
    std::vector<GifColorType> map(16);
    for (int y = 0; y < 13; ++y) {
        map[static_cast<std::size_t>(y)] = {static_cast<GifByteType>(y * 10), 0, 0};
        frame.Rows.push_back({static_cast<GifPixelType>(y), static_cast<GifPixelType>(y)});
    }
    const Picture picture = DecodeGif(WriteGif(2, 13, map, frame), "interlaced.gif");
    ASSERT_EQ(picture.Height, 13);
    for (int y = 0; y < 13; ++y) {
        EXPECT_EQ(picture.At(1, y), 0xFF000000u | static_cast<std::uint32_t>(y * 10) << 16) << y;
    }
}

TEST(GifCodec, HandBuiltEdgeCases) {
    const Decoder decode = DecodeGif;
    EXPECT_EQ(DecodeGif(TinyGif(true, 1), "white.gif").Pixels,
              std::vector<std::uint32_t>{0xFFFFFFFFu});
    // Index 3 with a two-entry map: nothing to show.
    EXPECT_EQ(DecodeGif(TinyGif(true, 3), "beyond.gif").Pixels, std::vector<std::uint32_t>{0u});
    EXPECT_TRUE(Contains(ErrorOf(decode, TinyGif(false, 1), "nomap.gif"), "colour map"));

    std::string huge = TinyGif(true, 1);
    huge.replace(6, 4, "\xFF\xFF\xFF\xFF");
    EXPECT_TRUE(Contains(ErrorOf(decode, huge, "huge.gif"), "65535 x 65535 pixels is too large"));
    std::string empty = TinyGif(true, 1);
    empty.replace(6, 2, std::string("\0\0", 2));
    ErrorOf(decode, empty, "empty.gif");
    EXPECT_EQ(ErrorOf(decode, "BM....", "bmp.gif"), "not a GIF file");
}

// ---- JPEG ------------------------------------------------------------------

TEST(JpegCodec, RoundTripKeepsSizeAndColoursClose) {
    const Picture picture = Gradient(40, 30);
    const Picture decoded = DecodeJpeg(EncodeJpeg(picture, 95), "round.jpg");
    ASSERT_EQ(decoded.Width, 40);
    ASSERT_EQ(decoded.Height, 30);
    long long total = 0;
    for (std::size_t i = 0; i < picture.Pixels.size(); ++i) {
        EXPECT_EQ(decoded.Pixels[i] >> 24, 0xFFu);
        total += ChannelDistance(decoded.Pixels[i], picture.Pixels[i]);
    }
    EXPECT_LT(total / static_cast<long long>(picture.Pixels.size()), 4);

    const std::pair<int, int> sizes[] = {{1, 1}, {17, 9}};
    for (const auto& [width, height] : sizes) {
        const Picture odd = DecodeJpeg(EncodeJpeg(Gradient(width, height)), "odd.jpg");
        EXPECT_EQ(odd.Width, width);
        EXPECT_EQ(odd.Height, height);
    }

    // Alpha is composited on black.
    Picture faded(8, 8, 0x00FFFFFFu);
    faded.At(0, 0) = 0x80FFFFFFu;
    const Picture flat = DecodeJpeg(EncodeJpeg(faded), "faded.jpg");
    EXPECT_LE(ChannelDistance(flat.At(7, 7), 0xFF000000u), 4);
    EXPECT_GT(flat.At(0, 0) & 0xFF, 0x20u);
}

TEST(JpegCodec, GrayscaleAndCmykComeOutAsRgb) {
    const Picture gray = DecodeJpeg(RawJpeg(JCS_GRAYSCALE, {100}, false), "gray.jpg");
    EXPECT_LE(ChannelDistance(gray.At(5, 5), 0xFF646464u), 2);
    // Adobe's convention stores CMYK inverted; without its marker it is not.
    const Picture adobe = DecodeJpeg(RawJpeg(JCS_CMYK, {255, 0, 0, 255}, true), "adobe.jpg");
    EXPECT_LE(ChannelDistance(adobe.At(5, 5), 0xFFFF0000u), 4);
    const Picture plain = DecodeJpeg(RawJpeg(JCS_CMYK, {255, 0, 255, 0}, false), "plain.jpg");
    EXPECT_LE(ChannelDistance(plain.At(5, 5), 0xFF00FF00u), 4);
}

TEST(JpegCodec, RefusesHugeAndForeignData) {
    const Decoder decode = DecodeJpeg;
    std::string huge = EncodeJpeg(Gradient(8, 8));
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\xFD\xE8\xFD\xE8"); // 65000 x 65000
    EXPECT_TRUE(Contains(ErrorOf(decode, huge, "huge.jpg"), "65000 x 65000 pixels is too large"));
    EXPECT_EQ(ErrorOf(decode, "GIF89a", "gif.jpg"), "not a JPEG file");
}

TEST(JpegCodec, HeaderClaimingAHugePictureIsRefusedBeforeDecoding) {
    // A few hundred bytes that announce 8192 x 8192: decoding them would take
    // 256 MiB of pixels before the missing data showed.
    std::string claimed = EncodeJpeg(Gradient(8, 8));
    const std::size_t frame = claimed.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    claimed.replace(frame + 5, 4, std::string("\x20\x00\x20\x00", 4));
    EXPECT_EQ(ErrorOf(DecodeJpeg, claimed, "claimed.jpg"),
              "picture of 8192 x 8192 pixels is too large (at most 4096 x 4096)");
}

// ---- Size limit ------------------------------------------------------------

TEST(PictureCodecs, SidesUpToTheLimitDecodeLongerOnesAreRefused) {
    using Encoder = std::function<std::string(const Picture&)>;
    const std::pair<Decoder, Encoder> formats[] = {
        {DecodeJpeg, [](const Picture& p) { return EncodeJpeg(p); }},
        {DecodeGif, EncodeGif},
        {DecodeBmp, EncodeBmp},
    };
    const int limit = static_cast<int>(kMaxPictureSide);
    for (const auto& [decode, encode] : formats) {
        const Picture wide = decode(encode(Gradient(limit, 2)), "wide");
        EXPECT_EQ(wide.Width, limit);
        EXPECT_EQ(decode(encode(Gradient(2, limit)), "tall").Height, limit);
        EXPECT_TRUE(Contains(ErrorOf(decode, encode(Gradient(limit + 1, 2)), "wider"),
                             "4097 x 2 pixels is too large"));
        EXPECT_TRUE(Contains(ErrorOf(decode, encode(Gradient(2, limit + 1)), "taller"),
                             "2 x 4097 pixels is too large"));
    }
}

TEST(PictureCodecs, TheWholeLimitIsAllowed) {
    // A GIF screen of 4096 x 4096 with one tiny frame: the full picture is
    // allocated without decoding 16 M pixels.
    std::string full = TinyGif(true, 1);
    full.replace(6, 4, std::string("\x00\x10\x00\x10", 4));
    const Picture picture = DecodeGif(full, "full.gif");
    EXPECT_EQ(picture.Width, 4096);
    EXPECT_EQ(picture.Height, 4096);
    EXPECT_EQ(picture.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(picture.At(4095, 4095), 0u);

    // A frame wider than the limit is refused even on a small screen.
    std::string wideFrame = TinyGif(true, 1);
    wideFrame.replace(24, 2, "\x01\x10"); // frame width 4097
    EXPECT_TRUE(Contains(ErrorOf(DecodeGif, wideFrame, "frame.gif"), "4097 x 1 pixels"));
}

// ---- All formats -----------------------------------------------------------

struct Format {
    const char* Name;
    Decoder Decode;
    std::string Sample;
};

std::vector<Format> Formats() {
    Picture withHole = Gradient(9, 7);
    withHole.At(4, 3) = 0u;
    return {{"sample.jpg", DecodeJpeg, EncodeJpeg(Gradient(16, 16))},
            {"sample.gif", DecodeGif, EncodeGif(withHole)},
            {"sample.bmp", DecodeBmp, EncodeBmp(Gradient(5, 3))}};
}

TEST(PictureCodecs, EveryTruncationIsAnError) {
    for (const Format& format : Formats()) {
        ASSERT_NO_THROW(format.Decode(format.Sample, format.Name));
        for (std::size_t length = 0; length < format.Sample.size(); ++length) {
            SCOPED_TRACE(std::string(format.Name) + " cut to " + std::to_string(length));
            ErrorOf(format.Decode, std::string_view(format.Sample).substr(0, length), format.Name);
        }
    }
}

TEST(PictureCodecs, CorruptBytesNeverCrash) {
    for (const Format& format : Formats()) {
        for (unsigned seed = 0; seed < 400; ++seed) {
            std::mt19937 random(seed);
            std::string bytes = format.Sample;
            const unsigned flips = 1 + random() % 8;
            for (unsigned i = 0; i < flips; ++i) {
                bytes[random() % bytes.size()] = static_cast<char>(random());
            }
            try {
                const Picture picture = format.Decode(bytes, format.Name);
                EXPECT_EQ(picture.Pixels.size(), static_cast<std::size_t>(picture.Width) *
                                                     static_cast<std::size_t>(picture.Height));
            } catch (const DataError& error) {
                EXPECT_EQ(error.File(), format.Name) << "seed " << seed;
            }
        }
    }
}

TEST(PictureCodecs, FilesDecodeAndMissingFilesNameThePath) {
    const testing::TempFolder folder;
    const Picture picture = Gradient(6, 4);
    testing::WriteFile(folder.Path() / "a.bmp", EncodeBmp(picture));
    testing::WriteFile(folder.Path() / "a.gif", EncodeGif(picture));
    testing::WriteFile(folder.Path() / "a.jpg", EncodeJpeg(picture));
    EXPECT_EQ(DecodeBmpFile(folder.Path() / "a.bmp"), picture);
    EXPECT_EQ(DecodeGifFile(folder.Path() / "a.gif"), picture);
    EXPECT_EQ(DecodeJpegFile(folder.Path() / "a.jpg").Width, 6);

    const std::vector<std::function<Picture(const std::filesystem::path&)>> readers = {
        DecodeBmpFile, DecodeGifFile, DecodeJpegFile};
    const std::filesystem::path missing = folder.Path() / "missing.pic";
    for (const auto& read : readers) {
        try {
            read(missing);
            ADD_FAILURE() << "missing file decoded";
        } catch (const DataError& error) {
            EXPECT_EQ(error.File(), missing.string());
            EXPECT_EQ(error.Reason(), "cannot open");
        }
    }
    try {
        DecodeBmpFile(folder.Path()); // a folder opens but cannot be read
        ADD_FAILURE() << "folder decoded";
    } catch (const DataError& error) {
        EXPECT_EQ(error.Reason(), "cannot read");
    }
}

TEST(PictureFormatOf, TheExtensionNamesTheFormat) {
    EXPECT_EQ(PictureFormatOf("Data\\images\\a.JPG"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf("a.jpeg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf("a.Gif"), PictureFormat::Gif);
    EXPECT_EQ(PictureFormatOf("Data/x.bmp"), PictureFormat::Bmp);
    EXPECT_EQ(PictureFormatOf("a.png"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("Data\\a.gif\\noextension"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("GIF"), std::nullopt);
}

} // namespace
} // namespace zephyr
