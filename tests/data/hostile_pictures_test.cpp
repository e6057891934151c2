#include "data/data_error.h"
#include "data/picture_codecs.h"

// The pictures are written with libjpeg and giflib directly (and BMPs byte by
// byte), so they take layouts our own encoders never produce.
#include "picture_writers.h"
#include "pixel_distance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zephyr {
namespace {

using Decoder = std::function<Picture(std::string_view, const std::string&)>;
using testing::ChannelDistance;
using testing::GifFrame;

std::uint32_t Opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

// A picture file and what it must decode to. With a tolerance, only the
// pixels listed in `probes` are compared (JPEG is lossy at colour edges).
struct Sample {
    std::string Name;
    Decoder Decode;
    std::string Bytes;
    Picture Expected;
    int Tolerance = 0;
    std::vector<std::pair<int, int>> Probes;
};

void ExpectDecodesAsEncoded(const Sample& sample) {
    SCOPED_TRACE(sample.Name);
    Picture picture;
    ASSERT_NO_THROW(picture = sample.Decode(sample.Bytes, sample.Name));
    ASSERT_EQ(picture.Width, sample.Expected.Width);
    ASSERT_EQ(picture.Height, sample.Expected.Height);
    ASSERT_EQ(picture.Pixels.size(), sample.Expected.Pixels.size());
    if (sample.Tolerance == 0) {
        for (int y = 0; y < picture.Height; ++y) {
            for (int x = 0; x < picture.Width; ++x) {
                ASSERT_EQ(picture.At(x, y), sample.Expected.At(x, y)) << "at " << x << "," << y;
            }
        }
        return;
    }
    for (const auto& [x, y] : sample.Probes) {
        ASSERT_LE(ChannelDistance(picture.At(x, y), sample.Expected.At(x, y)), sample.Tolerance)
            << "at " << x << "," << y << ": " << std::hex << picture.At(x, y) << " for "
            << sample.Expected.At(x, y);
    }
}

// Cut short anywhere, a picture is refused with an error naming it.
void ExpectEveryCutRefused(const Sample& sample) {
    std::vector<std::size_t> cuts;
    for (std::size_t length = 0; length < sample.Bytes.size(); length += 7) {
        cuts.push_back(length);
    }
    cuts.push_back(sample.Bytes.size() - 1);
    for (const std::size_t length : cuts) {
        SCOPED_TRACE(sample.Name + " cut to " + std::to_string(length));
        try {
            sample.Decode(std::string_view(sample.Bytes).substr(0, length), sample.Name);
            ADD_FAILURE() << "decoded";
        } catch (const DataError& error) {
            EXPECT_EQ(error.File(), sample.Name);
            EXPECT_FALSE(error.Reason().empty());
        }
    }
}

// With bits flipped, a picture either decodes to something of a sane size
// or is refused with an error naming it; any other exception fails the test
// (and a stray read fails it under AddressSanitizer).
void ExpectFlipsSurvived(const Sample& sample, unsigned seed) {
    std::mt19937 random(seed);
    int decoded = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = sample.Bytes;
        const auto flips = 1 + random() % 3;
        // Every other round stays in the first bytes, where the headers are.
        const std::size_t span =
            round % 2 == 0 ? bytes.size() : std::min<std::size_t>(bytes.size(), 96);
        for (std::uint32_t i = 0; i < flips; ++i) {
            bytes[random() % span] ^= static_cast<char>(1u << random() % 8);
        }
        SCOPED_TRACE(sample.Name + " round " + std::to_string(round));
        try {
            const Picture picture = sample.Decode(bytes, sample.Name);
            EXPECT_GE(picture.Width, 1);
            EXPECT_GE(picture.Height, 1);
            EXPECT_FALSE(PictureTooLarge(picture.Width, picture.Height));
            EXPECT_EQ(picture.Pixels.size(), static_cast<std::size_t>(picture.Width) *
                                                 static_cast<std::size_t>(picture.Height));
            ++decoded;
        } catch (const DataError& error) {
            EXPECT_EQ(error.File(), sample.Name);
            EXPECT_FALSE(error.Reason().empty());
        }
    }
    // Some copies must survive, or the flips never get past the header checks.
    EXPECT_GT(decoded, 0) << sample.Name;
}

void ExpectHostileCopiesSurvived(const std::vector<Sample>& samples) {
    unsigned seed = 1;
    for (const Sample& sample : samples) {
        ExpectEveryCutRefused(sample);
        ExpectFlipsSurvived(sample, seed++);
    }
}

// ---- JPEG -----------------------------------------------------------------

// Six flat 16 x 16 tiles, three across and two down. The picture is a little
// larger than the tiles so its right and bottom MCUs are partial; the extra
// pixels repeat the last tile.
constexpr int kJpegWidth = 53;
constexpr int kJpegHeight = 37;

struct JpegTile {
    std::vector<JSAMPLE> Samples; // as written, in the input colour space
    std::uint32_t Rgb;            // what it must come back as
};

struct JpegRecipe {
    std::string Name;
    J_COLOR_SPACE Input = JCS_RGB;
    J_COLOR_SPACE Stored = JCS_YCbCr;
    bool AdobeMarker = false; // only applied to CMYK and YCCK files
    bool Progressive = false;
    unsigned RestartInterval = 0; // in MCUs
    int RestartRows = 0;
    int LumaH = 2; // sampling factors of the first component
    int LumaV = 2;
    std::vector<jpeg_scan_info> Script; // progressive scans of its own, if any
    std::vector<JpegTile> Tiles;
};

int TileOf(int x, int y) {
    return std::min(y / 16, 1) * 3 + std::min(x / 16, 2);
}

std::string WriteJpeg(const JpegRecipe& recipe) {
    testing::JpegSettings settings;
    settings.Width = kJpegWidth;
    settings.Height = kJpegHeight;
    const std::size_t components = recipe.Tiles.front().Samples.size();
    settings.Components = static_cast<int>(components);
    settings.Input = recipe.Input;
    settings.Stored = recipe.Stored;
    if (recipe.Stored == JCS_CMYK || recipe.Stored == JCS_YCCK) {
        settings.AdobeMarker = recipe.AdobeMarker;
    }
    settings.Quality = 92;
    settings.LumaH = recipe.LumaH;
    settings.LumaV = recipe.LumaV;
    settings.RestartInterval = recipe.RestartInterval;
    settings.RestartRows = recipe.RestartRows;
    settings.Progressive = recipe.Progressive;
    settings.Script = recipe.Script;
    return testing::WriteJpeg(settings, [&](int y, std::span<JSAMPLE> row) {
        for (int x = 0; x < kJpegWidth; ++x) {
            const auto& samples = recipe.Tiles[static_cast<std::size_t>(TileOf(x, y))].Samples;
            std::copy(samples.begin(), samples.end(),
                      row.begin() +
                          static_cast<std::ptrdiff_t>(static_cast<std::size_t>(x) * components));
        }
    });
}

Sample JpegSample(const JpegRecipe& recipe) {
    Sample sample{recipe.Name, DecodeJpeg, WriteJpeg(recipe), Picture(kJpegWidth, kJpegHeight),
                  10,          {}};
    for (int y = 0; y < kJpegHeight; ++y) {
        for (int x = 0; x < kJpegWidth; ++x) {
            sample.Expected.At(x, y) =
                Opaque(recipe.Tiles[static_cast<std::size_t>(TileOf(x, y))].Rgb);
        }
    }
    // The middle of each tile, away from edges where chroma is blended.
    for (int tile = 0; tile < 6; ++tile) {
        for (int dy = 5; dy < 11; ++dy) {
            for (int dx = 5; dx < 11; ++dx) {
                sample.Probes.emplace_back(tile % 3 * 16 + dx, tile / 3 * 16 + dy);
            }
        }
    }
    return sample;
}

std::vector<JpegTile> RgbTiles() {
    const std::uint32_t colours[] = {0xD02020, 0x20C040, 0x2030D0, 0xF0F0F0, 0xE0D030, 0x404040};
    std::vector<JpegTile> tiles;
    for (const std::uint32_t rgb : colours) {
        tiles.push_back({{static_cast<JSAMPLE>(rgb >> 16), static_cast<JSAMPLE>(rgb >> 8 & 0xFF),
                          static_cast<JSAMPLE>(rgb & 0xFF)},
                         rgb});
    }
    return tiles;
}

// Ink amounts (0 none, 255 full) and the colour they print. With `inverted`
// the samples are stored the way Adobe's writers store them, as 255 - ink.
std::vector<JpegTile> CmykTiles(bool inverted) {
    const std::pair<std::vector<int>, std::uint32_t> inks[] = {
        {{255, 0, 0, 0}, 0x00FFFF},   // cyan
        {{0, 255, 0, 0}, 0xFF00FF},   // magenta
        {{0, 255, 255, 0}, 0xFF0000}, // magenta and yellow: red
        {{0, 0, 0, 0}, 0xFFFFFF},     // bare paper
        {{0, 0, 0, 255}, 0x000000},   // black
        {{0, 0, 0, 102}, 0x999999},   // 40 % black
    };
    std::vector<JpegTile> tiles;
    for (const auto& [ink, rgb] : inks) {
        JpegTile tile{{}, rgb};
        for (const int amount : ink) {
            tile.Samples.push_back(static_cast<JSAMPLE>(inverted ? 255 - amount : amount));
        }
        tiles.push_back(tile);
    }
    return tiles;
}

std::vector<JpegTile> GrayTiles() {
    std::vector<JpegTile> tiles;
    for (const int level : {0, 40, 100, 160, 220, 255}) {
        const auto value = static_cast<std::uint32_t>(level);
        tiles.push_back({{static_cast<JSAMPLE>(level)}, value * 0x010101u});
    }
    return tiles;
}

// A progression of a grayscale picture in the smallest steps there are: the
// DC and then each AC band sent first with 10 low bits dropped and refined
// one bit per scan, 11 scans each. `bands` holds the first coefficient of
// each AC band.
std::vector<jpeg_scan_info> FineProgression(const std::vector<int>& bands) {
    std::vector<jpeg_scan_info> script;
    const auto send = [&](int first, int last) {
        for (int dropped = 10; dropped >= 0; --dropped) {
            script.push_back({1, {0}, first, last, dropped == 10 ? 0 : dropped + 1, dropped});
        }
    };
    send(0, 0);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        send(bands[i], i + 1 < bands.size() ? bands[i + 1] - 1 : 63);
    }
    return script;
}

JpegRecipe GrayRecipe(std::string name) {
    JpegRecipe recipe;
    recipe.Name = std::move(name);
    recipe.Input = JCS_GRAYSCALE;
    recipe.Stored = JCS_GRAYSCALE;
    recipe.LumaH = 1;
    recipe.LumaV = 1;
    recipe.Tiles = GrayTiles();
    return recipe;
}

std::vector<Sample> JpegSamples() {
    std::vector<JpegRecipe> recipes;
    recipes.reserve(32); // `add` hands out references into it
    const auto add = [&](std::string name, std::vector<JpegTile> tiles) -> JpegRecipe& {
        JpegRecipe& recipe = recipes.emplace_back();
        recipe.Name = std::move(name);
        recipe.Tiles = std::move(tiles);
        return recipe;
    };
    add("baseline-420.jpg", RgbTiles());
    JpegRecipe& full = add("baseline-444.jpg", RgbTiles());
    full.LumaH = 1;
    full.LumaV = 1;
    JpegRecipe& wide = add("baseline-422.jpg", RgbTiles());
    wide.LumaV = 1;
    add("progressive-420.jpg", RgbTiles()).Progressive = true;
    JpegRecipe& progressiveFull = add("progressive-444.jpg", RgbTiles());
    progressiveFull.Progressive = true;
    progressiveFull.LumaH = 1;
    progressiveFull.LumaV = 1;
    add("restart-every-mcu.jpg", RgbTiles()).RestartInterval = 1;
    add("restart-every-row.jpg", RgbTiles()).RestartRows = 1;
    JpegRecipe& progressiveRestart = add("progressive-restart.jpg", RgbTiles());
    progressiveRestart.Progressive = true;
    progressiveRestart.RestartInterval = 2;
    // Stored without colour conversion, as RGB components.
    JpegRecipe& rgb = add("stored-rgb.jpg", RgbTiles());
    rgb.Stored = JCS_RGB;
    recipes.push_back(GrayRecipe("gray.jpg"));
    recipes.push_back(GrayRecipe("gray-progressive.jpg"));
    recipes.back().Progressive = true;
    // 99 scans, just inside what the decoder takes.
    recipes.push_back(GrayRecipe("gray-99-scans.jpg"));
    recipes.back().Script = FineProgression({1, 2, 3, 4, 5, 6, 7, 8});
    JpegRecipe& cmyk = add("cmyk.jpg", CmykTiles(false));
    cmyk.Input = JCS_CMYK;
    cmyk.Stored = JCS_CMYK;
    cmyk.LumaH = 1;
    cmyk.LumaV = 1;
    JpegRecipe& adobe = add("cmyk-adobe.jpg", CmykTiles(true));
    adobe.Input = JCS_CMYK;
    adobe.Stored = JCS_CMYK;
    adobe.AdobeMarker = true;
    adobe.LumaH = 1;
    adobe.LumaV = 1;
    // YCCK always carries the Adobe marker, whose transform names it.
    JpegRecipe& ycck = add("ycck-adobe.jpg", CmykTiles(true));
    ycck.Input = JCS_CMYK;
    ycck.Stored = JCS_YCCK;
    ycck.AdobeMarker = true;
    ycck.Progressive = true;

    std::vector<Sample> samples;
    for (const JpegRecipe& recipe : recipes) {
        samples.push_back(JpegSample(recipe));
    }
    return samples;
}

TEST(HostileJpeg, EveryLayoutDecodesToItsColours) {
    for (const Sample& sample : JpegSamples()) {
        ExpectDecodesAsEncoded(sample);
    }
}

TEST(HostileJpeg, CutOrFlippedCopiesDecodeOrAreRefused) {
    ExpectHostileCopiesSurvived(JpegSamples());
}

TEST(HostileJpeg, EndlessProgressionIsRefused) {
    // Every coefficient in a band of its own: 704 valid scans, each a pass
    // over the whole picture.
    JpegRecipe recipe = GrayRecipe("704-scans.jpg");
    std::vector<int> bands;
    for (int k = 1; k < 64; ++k) {
        bands.push_back(k);
    }
    recipe.Script = FineProgression(bands);
    ASSERT_EQ(recipe.Script.size(), 704u);
    const std::string bytes = WriteJpeg(recipe);
    try {
        DecodeJpeg(bytes, recipe.Name);
        ADD_FAILURE() << "decoded";
    } catch (const DataError& error) {
        EXPECT_EQ(error.File(), recipe.Name);
        EXPECT_EQ(error.Reason(), "JPEG has more than 100 scans");
    }
}

// ---- GIF ------------------------------------------------------------------

struct GifRecipe : testing::GifLayout {
    GifRecipe() { Comment = "made for a test"; }

    std::string Name;
};

// The control block of a transparent frame, or of any frame of an animation:
// shown for a tenth of a second, then cleared.
GraphicsControlBlock Control(int transparent = NO_TRANSPARENT_COLOR) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_BACKGROUND;
    control.DelayTime = 10;
    control.TransparentColor = transparent;
    return control;
}

// The first frame on a transparent screen.
Sample GifSample(const GifRecipe& recipe) {
    Sample sample{
        recipe.Name, DecodeGif, testing::WriteGif(recipe), Picture(recipe.Width, recipe.Height, 0),
        0,           {}};
    const GifFrame& frame = recipe.Frames.front();
    const int transparent = frame.Control ? frame.Control->TransparentColor : NO_TRANSPARENT_COLOR;
    const auto& map = frame.LocalMap.empty() ? recipe.GlobalMap : frame.LocalMap;
    for (int y = 0; y < frame.Height; ++y) {
        for (int x = 0; x < frame.Width; ++x) {
            const int index = frame.Rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const GifColorType& c = map[static_cast<std::size_t>(index)];
            sample.Expected.At(frame.Left + x, frame.Top + y) =
                index == transparent
                    ? 0u
                    : Opaque(std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue);
        }
    }
    return sample;
}

std::vector<GifColorType> Palette(int size, unsigned seed) {
    std::vector<GifColorType> map;
    for (int i = 0; i < size; ++i) {
        const auto u = static_cast<unsigned>(i);
        map.push_back({static_cast<GifByteType>(u * 37 + seed), static_cast<GifByteType>(u * 91),
                       static_cast<GifByteType>(255 - u * 13)});
    }
    return map;
}

GifFrame Frame(int left, int top, int width, int height, int colours, unsigned pattern) {
    GifFrame frame;
    frame.Left = left;
    frame.Top = top;
    frame.Width = width;
    frame.Height = height;
    for (int y = 0; y < height; ++y) {
        auto& row = frame.Rows.emplace_back();
        for (int x = 0; x < width; ++x) {
            row.push_back(static_cast<GifPixelType>(
                (static_cast<unsigned>(x) * pattern + static_cast<unsigned>(y) * 7u) %
                static_cast<unsigned>(colours)));
        }
    }
    return frame;
}

std::vector<Sample> GifSamples() {
    std::vector<GifRecipe> recipes;
    recipes.reserve(16); // references into it are kept while a recipe is filled in

    // Heights that leave each interlace pass a different number of rows.
    for (const int height : {1, 3, 8, 21}) {
        GifRecipe& interlaced = recipes.emplace_back();
        interlaced.Name = "interlaced-" + std::to_string(height) + ".gif";
        interlaced.Width = 7;
        interlaced.Height = height;
        interlaced.GlobalMap = Palette(32, 1);
        interlaced.Frames.push_back(Frame(0, 0, 7, height, 32, 3));
        interlaced.Frames.back().Interlace = true;
    }

    GifRecipe& transparent = recipes.emplace_back();
    transparent.Name = "transparent.gif";
    transparent.Width = 6;
    transparent.Height = 5;
    transparent.GlobalMap = Palette(4, 2);
    transparent.Frames.push_back(Frame(0, 0, 6, 5, 4, 1));
    transparent.Frames.back().Control = Control(3);

    GifRecipe& local = recipes.emplace_back();
    local.Name = "local-map-only.gif";
    local.Width = 5;
    local.Height = 4;
    local.Frames.push_back(Frame(0, 0, 5, 4, 8, 5));
    local.Frames.back().LocalMap = Palette(8, 3);

    // Only the first frame counts; the second one's control block names a
    // transparent colour that the first frame uses, and must not apply to it.
    GifRecipe& animation = recipes.emplace_back();
    animation.Name = "animation.gif";
    animation.Width = 8;
    animation.Height = 6;
    animation.GlobalMap = Palette(4, 4);
    animation.Looping = true;
    animation.Frames.push_back(Frame(0, 0, 8, 6, 4, 1));
    animation.Frames.back().Control = Control();
    animation.Frames.push_back(Frame(2, 1, 5, 4, 16, 2));
    animation.Frames.back().LocalMap = Palette(16, 5);
    animation.Frames.back().Control = Control(1);
    animation.Frames.push_back(Frame(0, 0, 8, 6, 4, 3));
    animation.Frames.back().Control = Control();

    GifRecipe& offset = recipes.emplace_back();
    offset.Name = "offset-frame.gif";
    offset.Width = 12;
    offset.Height = 10;
    offset.GlobalMap = Palette(8, 6);
    offset.Frames.push_back(Frame(3, 2, 5, 4, 8, 1));

    // Everything at once: an interlaced, transparent frame with its own
    // colours, smaller than the screen and away from its corner.
    GifRecipe& mixed = recipes.emplace_back();
    mixed.Name = "offset-interlaced-local.gif";
    mixed.Width = 9;
    mixed.Height = 20;
    mixed.GlobalMap = Palette(2, 7);
    mixed.Frames.push_back(Frame(2, 1, 5, 17, 16, 3));
    mixed.Frames.back().Interlace = true;
    mixed.Frames.back().LocalMap = Palette(16, 8);
    mixed.Frames.back().Control = Control(0);

    std::vector<Sample> samples;
    for (const GifRecipe& recipe : recipes) {
        samples.push_back(GifSample(recipe));
    }
    return samples;
}

TEST(HostileGif, EveryLayoutDecodesToItsFirstFrame) {
    const std::vector<Sample> samples = GifSamples();
    for (const Sample& sample : samples) {
        ExpectDecodesAsEncoded(sample);
    }
    // The fixtures themselves: transparency and the untouched screen show.
    const auto named = [&](const std::string& name) -> const Picture& {
        return std::find_if(samples.begin(), samples.end(),
                            [&](const Sample& s) { return s.Name == name; })
            ->Expected;
    };
    EXPECT_EQ(named("transparent.gif").At(3, 0), 0u);
    EXPECT_EQ(named("offset-frame.gif").At(0, 0), 0u);
    EXPECT_NE(named("animation.gif").At(1, 0), 0u);
}

TEST(HostileGif, CutOrFlippedCopiesDecodeOrAreRefused) {
    ExpectHostileCopiesSurvived(GifSamples());
}

// ---- BMP ------------------------------------------------------------------

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kAlphaBitfields = 6;

struct BmpHeader {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int Bits = 24;
    std::uint32_t Compression = 0;
    std::uint32_t HeaderSize = 40;      // 12 for the old core header
    std::vector<std::uint32_t> Masks;   // inside a longer header, or after a 40-byte one
    std::vector<std::uint32_t> Palette; // RGB
    std::uint32_t ColoursUsed = 0;
};

BmpHeader Header(int width, int height, bool topDown, int bits, std::uint32_t compression = 0,
                 std::uint32_t headerSize = 40, std::vector<std::uint32_t> masks = {}) {
    BmpHeader header;
    header.Width = width;
    header.Height = height;
    header.TopDown = topDown;
    header.Bits = bits;
    header.Compression = compression;
    header.HeaderSize = headerSize;
    header.Masks = std::move(masks);
    return header;
}

// File header, bitmap header, masks and palette; `pixels` follow.
std::string BmpFile(const BmpHeader& header, const std::string& pixels) {
    std::string headers =
        header.HeaderSize == 12
            ? testing::BmpCoreHeader(header.Width, header.Height, header.Bits)
            : testing::BmpInfoHeader({header.Width, header.TopDown ? -header.Height : header.Height,
                                      header.Bits, header.Compression,
                                      static_cast<std::uint32_t>(pixels.size()), header.ColoursUsed,
                                      header.HeaderSize, header.Masks});
    for (const std::uint32_t rgb : header.Palette) {
        headers += static_cast<char>(rgb & 0xFF);
        headers += static_cast<char>(rgb >> 8 & 0xFF);
        headers += static_cast<char>(rgb >> 16 & 0xFF);
        if (header.HeaderSize != 12) {
            headers += '\0';
        }
    }
    return testing::BmpFile(headers, pixels);
}

// Packs stored pixel values (rows top first) into rows of `bits` each,
// padded to four bytes with junk the reader must skip.
std::string PackRows(const BmpHeader& header, const std::vector<std::uint32_t>& stored) {
    std::string pixels;
    for (int row = 0; row < header.Height; ++row) {
        const int y = header.TopDown ? row : header.Height - 1 - row;
        std::string line;
        unsigned pending = 0;
        int pendingBits = 0;
        for (int x = 0; x < header.Width; ++x) {
            const std::uint32_t value =
                stored[static_cast<std::size_t>(y) * static_cast<std::size_t>(header.Width) +
                       static_cast<std::size_t>(x)];
            if (header.Bits < 8) {
                pending = pending << header.Bits | value;
                pendingBits += header.Bits;
                if (pendingBits == 8) {
                    line += static_cast<char>(pending);
                    pending = 0;
                    pendingBits = 0;
                }
                continue;
            }
            for (int byte = 0; byte < header.Bits / 8; ++byte) {
                line += static_cast<char>(value >> (8 * byte) & 0xFF);
            }
        }
        if (pendingBits > 0) {
            line += static_cast<char>(pending << (8 - pendingBits));
        }
        while (line.size() % 4 != 0) {
            line += '\xEE';
        }
        pixels += line;
    }
    return pixels;
}

// An uncompressed sample of width x height: stored(x, y) is what the file
// holds and colour(x, y) what it must decode to.
Sample BmpSample(const std::string& name, const BmpHeader& header,
                 const std::function<std::uint32_t(int, int)>& stored,
                 const std::function<std::uint32_t(int, int)>& colour) {
    std::vector<std::uint32_t> values;
    Sample sample{name, DecodeBmp, "", Picture(header.Width, header.Height), 0, {}};
    for (int y = 0; y < header.Height; ++y) {
        for (int x = 0; x < header.Width; ++x) {
            values.push_back(stored(x, y));
            sample.Expected.At(x, y) = colour(x, y);
        }
    }
    sample.Bytes = BmpFile(header, PackRows(header, values));
    return sample;
}

std::vector<std::uint32_t> BmpPalette(int size) {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < size; ++i) {
        const auto u = static_cast<std::uint32_t>(i);
        palette.push_back((u * 53 + 17) % 256 << 16 | (u * 29 + 100) % 256 << 8 | (255 - u) % 256);
    }
    return palette;
}

// `value` of a channel `max` wide brought to 0..255, rounded.
std::uint32_t Widen(std::uint32_t value, std::uint32_t max) {
    return static_cast<std::uint32_t>(std::lround(value * 255.0 / max));
}

// A mask's channel value at (x, y): covers 0, the full value and steps between.
std::uint32_t Level(int x, int y, int channel, std::uint32_t max) {
    return static_cast<std::uint32_t>(x * 5 + y * 3 + channel * 7) % (max + 1);
}

std::vector<Sample> BmpSamples() {
    std::vector<Sample> samples;
    constexpr int kWidth = 13; // odd, so every depth needs row padding
    constexpr int kHeight = 5;

    for (const bool topDown : {false, true}) {
        const std::string order = topDown ? "-top-down.bmp" : "-bottom-up.bmp";
        // Indexed depths; the 8-bit palette is short, so indices past it show black.
        const std::pair<int, int> depths[] = {{1, 2}, {4, 16}, {8, 200}};
        for (const auto& [bits, colours] : depths) {
            BmpHeader header = Header(kWidth, kHeight, topDown, bits);
            header.Palette = BmpPalette(colours);
            header.ColoursUsed = bits == 8 ? static_cast<std::uint32_t>(colours) : 0;
            const std::uint32_t range = 1u << bits;
            const auto index = [range](int x, int y) {
                return static_cast<std::uint32_t>(x * 29 + y * 47) % range;
            };
            samples.push_back(
                BmpSample(std::to_string(bits) + "-bit" + order, header, index, [&](int x, int y) {
                    const std::uint32_t i = index(x, y);
                    return i < header.Palette.size() ? Opaque(header.Palette[i]) : 0xFF000000u;
                }));
        }
        const auto rgb = [](int x, int y) {
            return static_cast<std::uint32_t>(x * 19) << 16 |
                   static_cast<std::uint32_t>(y * 50) << 8 |
                   static_cast<std::uint32_t>(255 - x * y);
        };
        samples.push_back(BmpSample("24-bit" + order, Header(kWidth, kHeight, topDown, 24), rgb,
                                    [&](int x, int y) { return Opaque(rgb(x, y)); }));
        // Plain 32-bit: the top byte is unused, whatever it holds.
        samples.push_back(BmpSample(
            "32-bit" + order, Header(kWidth, kHeight, topDown, 32),
            [&](int x, int y) { return static_cast<std::uint32_t>(x * 20) << 24 | rgb(x, y); },
            [&](int x, int y) { return Opaque(rgb(x, y)); }));
        // Plain 16-bit is 5-5-5 with the top bit unused.
        samples.push_back(BmpSample(
            "16-bit" + order, Header(kWidth, kHeight, topDown, 16),
            [](int x, int y) {
                return 0x8000u * static_cast<std::uint32_t>(x % 2) | Level(x, y, 0, 31) << 10 |
                       Level(x, y, 1, 31) << 5 | Level(x, y, 2, 31);
            },
            [](int x, int y) {
                return Opaque(Widen(Level(x, y, 0, 31), 31) << 16 |
                              Widen(Level(x, y, 1, 31), 31) << 8 | Widen(Level(x, y, 2, 31), 31));
            }));
    }

    // Bit fields: 5-6-5 after a plain header, and 32-bit layouts with and
    // without alpha, with masks in odd places and of odd widths.
    struct Fields {
        const char* Name;
        int Bits;
        std::uint32_t Compression;
        std::uint32_t HeaderSize;
        std::vector<std::uint32_t> Masks; // red, green, blue[, alpha]
    };
    const Fields fields[] = {
        {"565.bmp", 16, kBitfields, 40, {0xF800, 0x07E0, 0x001F}},
        {"4444-v4.bmp", 16, kBitfields, 108, {0x0F00, 0x00F0, 0x000F, 0xF000}},
        {"bgr-reversed.bmp", 32, kBitfields, 40, {0x000000FF, 0x0000FF00, 0x00FF0000}},
        {"10-10-10.bmp", 32, kBitfields, 56, {0x3FF00000, 0x000FFC00, 0x000003FF, 0}},
        {"argb-v5.bmp", 32, kBitfields, 124, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}},
        {"alpha-bitfields.bmp",
         32,
         kAlphaBitfields,
         40,
         {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}},
    };
    for (const Fields& f : fields) {
        const BmpHeader header = Header(7, 4, false, f.Bits, f.Compression, f.HeaderSize, f.Masks);
        const auto shiftOf = [](std::uint32_t mask) {
            int shift = 0;
            while (mask != 0 && (mask >> shift & 1u) == 0) {
                ++shift;
            }
            return shift;
        };
        const auto maxOf = [&](std::uint32_t mask) { return mask >> shiftOf(mask); };
        const auto stored = [&](int x, int y) {
            std::uint32_t value = 0;
            for (std::size_t c = 0; c < f.Masks.size(); ++c) {
                const std::uint32_t mask = f.Masks[c];
                if (mask != 0) {
                    value |= Level(x, y, static_cast<int>(c), maxOf(mask)) << shiftOf(mask);
                }
            }
            return value;
        };
        samples.push_back(BmpSample(f.Name, header, stored, [&](int x, int y) {
            std::uint32_t argb = 0xFF000000u;
            for (std::size_t c = 0; c < 3; ++c) {
                argb |=
                    Widen(Level(x, y, static_cast<int>(c), maxOf(f.Masks[c])), maxOf(f.Masks[c]))
                    << (16 - 8 * c);
            }
            if (f.Masks.size() == 4 && f.Masks[3] != 0) {
                argb = (argb & 0xFFFFFFu) |
                       Widen(Level(x, y, 3, maxOf(f.Masks[3])), maxOf(f.Masks[3])) << 24;
            }
            return argb;
        }));
    }
    // An alpha mask whose bits are all zero means an opaque picture.
    samples.push_back(BmpSample(
        "unused-alpha.bmp",
        Header(3, 2, true, 32, kBitfields, 108, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}),
        [](int x, int y) { return static_cast<std::uint32_t>(x * 80 + y) << 8; },
        [](int x, int y) { return Opaque(static_cast<std::uint32_t>(x * 80 + y) << 8); }));

    // The old 12-byte core header keeps a palette of three-byte entries.
    BmpHeader core = Header(kWidth, kHeight, false, 8, 0, 12);
    core.Palette = BmpPalette(256);
    samples.push_back(BmpSample(
        "core-8-bit.bmp", core,
        [](int x, int y) { return static_cast<std::uint32_t>(x * 11 + y * 60) % 256; },
        [&](int x, int y) {
            return Opaque(core.Palette[static_cast<std::size_t>(x * 11 + y * 60) % 256]);
        }));
    return samples;
}

// Run-length samples, written by hand. Colours are palette entries: P(i).
constexpr std::uint32_t P(std::uint32_t index) {
    return 0xFF000000u | (index * 16 + 8) << 16 | (255 - index * 16) << 8 | index * 3;
}
constexpr std::uint32_t kBlack = 0xFF000000u;

Sample Rle8Sample() {
    BmpHeader header = Header(7, 4, false, 8, kRle8);
    for (std::uint32_t i = 0; i < 4; ++i) {
        header.Palette.push_back(P(i) & 0xFFFFFFu);
    }
    const std::string stream(
        // Bottom row: three of 1, literal 2 3 0 (odd, so a pad byte), end of line.
        "\x03\x01"
        "\x00\x03\x02\x03\x00\x00"
        "\x00\x00"
        // Seven of 2, then two more that run past the right edge.
        "\x07\x02"
        "\x02\x03"
        "\x00\x00"
        // Jump two right and one up, over the third row.
        "\x00\x02\x02\x01"
        // Two of 0, then a literal of four of which three fit; end of picture.
        "\x02\x00"
        "\x00\x04\x01\x02\x03\x01"
        "\x00\x01",
        30);
    Sample sample{"rle8.bmp", DecodeBmp, BmpFile(header, stream), Picture(7, 4), 0, {}};
    sample.Expected.Pixels = {
        kBlack, kBlack, P(0),   P(0),   P(1),   P(2),   P(3),   // top row
        kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, // jumped over
        P(2),   P(2),   P(2),   P(2),   P(2),   P(2),   P(2),   //
        P(1),   P(1),   P(1),   P(2),   P(3),   P(0),   kBlack, // bottom row
    };
    return sample;
}

Sample Rle4Sample() {
    BmpHeader header = Header(9, 3, false, 4, kRle4);
    for (std::uint32_t i = 0; i < 16; ++i) {
        header.Palette.push_back(P(i) & 0xFFFFFFu);
    }
    const std::string stream(
        // Bottom row: five alternating 1 2, literal 3 4 5 (two bytes, no pad).
        "\x05\x12"
        "\x00\x03\x34\x50"
        "\x00\x00"
        // Literal 6 7 8 9 A (three bytes and a pad), then four alternating B C.
        "\x00\x05\x67\x89\xA0\x00"
        "\x04\xBC"
        "\x00\x00"
        // Jump three right, three alternating D E; end of picture.
        "\x00\x02\x03\x00"
        "\x03\xDE"
        "\x00\x01",
        26);
    Sample sample{"rle4.bmp", DecodeBmp, BmpFile(header, stream), Picture(9, 3), 0, {}};
    sample.Expected.Pixels = {
        kBlack, kBlack, kBlack, P(13), P(14), P(13), kBlack, kBlack, kBlack, // top row
        P(6),   P(7),   P(8),   P(9),  P(10), P(11), P(12),  P(11),  P(12),  //
        P(1),   P(2),   P(1),   P(2),  P(1),  P(3),  P(4),   P(5),   kBlack, // bottom
    };
    return sample;
}

std::vector<Sample> AllBmpSamples() {
    std::vector<Sample> samples = BmpSamples();
    samples.push_back(Rle8Sample());
    samples.push_back(Rle4Sample());
    return samples;
}

TEST(HostileBmp, EveryLayoutDecodesToItsColours) {
    for (const Sample& sample : AllBmpSamples()) {
        ExpectDecodesAsEncoded(sample);
    }
}

TEST(HostileBmp, CutOrFlippedCopiesDecodeOrAreRefused) {
    ExpectHostileCopiesSurvived(AllBmpSamples());
}

std::string RefusalOf(const std::string& bytes, const std::string& name) {
    try {
        DecodeBmp(bytes, name);
    } catch (const DataError& error) {
        EXPECT_EQ(error.File(), name);
        return error.Reason();
    }
    ADD_FAILURE() << name << " decoded";
    return {};
}

TEST(HostileBmp, RunLengthStreamsAreFollowedOnlyWhereTheyMakeSense) {
    BmpHeader header = Header(4, 2, false, 8, kRle8);
    header.Palette = {0xFF0000, 0x00FF00};
    // Runs may wander far past the picture; what lies outside is dropped.
    std::string wander;
    for (int i = 0; i < 300; ++i) {
        wander += std::string("\xFF\x01\x00\x02\xFF\xFF", 6); // 255 of 1, a far jump
    }
    const Picture far =
        DecodeBmp(BmpFile(header, std::string("\x02\x01", 2) + wander + std::string("\x00\x01", 2)),
                  "far.bmp");
    EXPECT_EQ(far.Pixels, (std::vector<std::uint32_t>{kBlack, kBlack, kBlack, kBlack, 0xFF00FF00u,
                                                      0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u}));

    // Without its end-of-picture mark the stream is taken as cut short.
    EXPECT_EQ(RefusalOf(BmpFile(header, std::string("\x04\x01\x00\x00\x04\x00", 6)), "open.bmp"),
              "truncated BMP data");
    // A literal run longer than the data left.
    EXPECT_EQ(RefusalOf(BmpFile(header, std::string("\x00\x10\x01\x01", 4)), "literal.bmp"),
              "truncated BMP data");
    // A jump cut in half.
    EXPECT_EQ(RefusalOf(BmpFile(header, std::string("\x00\x02\x01", 3)), "jump.bmp"),
              "truncated BMP data");

    // Rows of a top-down file cannot be run-length coded, and each coding has
    // its own depth.
    BmpHeader topDown = header;
    topDown.TopDown = true;
    EXPECT_EQ(RefusalOf(BmpFile(topDown, std::string("\x00\x01", 2)), "top-down-rle.bmp"),
              "top-down BMP cannot be compressed");
    BmpHeader wrongDepth = header;
    wrongDepth.Bits = 4;
    EXPECT_EQ(RefusalOf(BmpFile(wrongDepth, std::string("\x00\x01", 2)), "rle8-4-bit.bmp"),
              "BMP RLE8 needs 8 bits per pixel");
    wrongDepth.Compression = kRle4;
    wrongDepth.Bits = 8;
    EXPECT_EQ(RefusalOf(BmpFile(wrongDepth, std::string("\x00\x01", 2)), "rle4-8-bit.bmp"),
              "BMP RLE4 needs 4 bits per pixel");
    // Bit fields only describe 16- and 32-bit pixels.
    BmpHeader fields8 = Header(2, 1, false, 8, kBitfields, 40, {0xE0, 0x1C, 0x03});
    fields8.Palette = {0xFF0000};
    EXPECT_EQ(RefusalOf(BmpFile(fields8, std::string(4, '\0')), "fields-8-bit.bmp"),
              "BMP bit fields need 16 or 32 bits per pixel");
}

} // namespace
} // namespace zephyr
