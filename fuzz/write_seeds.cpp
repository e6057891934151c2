// Writes the seed corpora of the harnesses from the sample pack:
//   zephyr_fuzz_seeds SAMPLE_DATA_FOLDER CORPUS_FOLDER
// Catalogue seeds are the small pack's files (fuzz_pack.h) and subsets of
// them, so every picture they name exists in the pack the harnesses load.
#include "fuzz_pack.h"
#include "picture_writers.h"
#include "temp_folder.h"

#include "data/cp1251.h"
#include "data/file_bytes.h"
#include "data/picture_codecs.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <exception>
#include <random>

namespace zephyr::fuzz {
namespace {

class Corpus {
public:
    explicit Corpus(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void Add(const std::string& harness, const std::string& name, std::string_view bytes) {
        testing::WriteFile(folder_ / harness / name, bytes);
    }

private:
    std::filesystem::path folder_;
};

void CatalogueSeeds(Corpus& corpus, const testing::PackBuilder& pack) {
    const TavernsFile& taverns = *pack.Taverns;
    corpus.Add("taverns_dat", "small_pack.dat", WriteTavernsFile(taverns));
    const auto& heroes = taverns.Taverns.at(0).Heroes;
    for (std::size_t i = 0; i < heroes.size(); ++i) {
        TavernsFile one;
        one.Taverns.push_back({taverns.Taverns[0].Name, {heroes[i]}});
        corpus.Add("taverns_dat", "hero" + std::to_string(i + 1) + ".dat", WriteTavernsFile(one));
    }
    TavernsFile split;
    split.Taverns.push_back({"First", {heroes.front()}});
    split.Taverns.push_back({"Second", {heroes.back()}});
    corpus.Add("taverns_dat", "two_taverns.dat", WriteTavernsFile(split));

    const ShopsFile& shops = *pack.Shops;
    corpus.Add("shops_dat", "small_pack.dat", WriteShopsFile(shops));
    const ShopFileEntry& shop = shops.Shops.at(0);
    ShopsFile plain;
    ShopsFile groups;
    plain.Shops.push_back({shop.Name, shop.PicturePath, {}});
    groups.Shops.push_back({shop.Name, "Data\\images\\none.bmp", {}});
    for (const ItemFileEntry& item : shop.Items) {
        auto& into = item.Text.find(">>") == std::string::npos ? plain : groups;
        into.Shops[0].Items.push_back(item);
    }
    corpus.Add("shops_dat", "plain_items.dat", WriteShopsFile(plain));
    corpus.Add("shops_dat", "group_items.dat", WriteShopsFile(groups));

    const AursFile& aurs = *pack.Aurs;
    corpus.Add("aurs_dat", "small_pack.dat", WriteAursFile(aurs));
    AursFile oneAura;
    oneAura.Auras.push_back(aurs.Auras.at(0));
    corpus.Add("aurs_dat", "one_aura.dat", WriteAursFile(oneAura));

    const OrbsFile& orbs = *pack.Orbs;
    corpus.Add("orbs_dat", "sample.dat", WriteOrbsFile(orbs));
    OrbsFile small;
    small.Categories = {orbs.Categories.at(0), orbs.Categories.at(1)};
    small.AbilityOrbs = {orbs.AbilityOrbs.at(0)};
    small.MeleeResults = {orbs.MeleeResults.begin(), orbs.MeleeResults.begin() + 3};
    small.RangedResults = {orbs.RangedResults.begin(), orbs.RangedResults.begin() + 3};
    small.AbilityResults = {orbs.AbilityResults.begin(), orbs.AbilityResults.begin() + 2};
    small.ItemOrbs = {orbs.ItemOrbs.begin(), orbs.ItemOrbs.begin() + 2};
    corpus.Add("orbs_dat", "two_categories.dat", WriteOrbsFile(small));

    const DictionaryFile& dictionary = *pack.Dictionary;
    corpus.Add("dictionary_dat", "small_pack.dat", WriteDictionaryFile(dictionary));
    DictionaryFile three;
    three.Entries = {dictionary.Entries.begin(), dictionary.Entries.begin() + 3};
    corpus.Add("dictionary_dat", "three_entries.dat", WriteDictionaryFile(three));
}

void TextSeeds(Corpus& corpus, const std::filesystem::path& sample) {
    corpus.Add("ticker_lines", "sample.dat", ReadFileBytes(sample / "Str.dat"));
    corpus.Add("ticker_lines", "line_ends.dat", "one\r\ntwo\nthree\r\r\n\n\rfour");
    corpus.Add("document_addresses", "sample.dat", ReadFileBytes(sample / "Address.dat"));
    std::string addresses = Cp1251FromUtf8(" Руководство.Герои = Data\\a b.html \r\n"
                                           "Default=first.html\r\nDefault=\r\n"
                                           "О проекте.Сайт=https://example.org/\n"
                                           "=no key\r\nno equals\r\nDefault\t=\tlast.html\t");
    corpus.Add("document_addresses", "edge_lines.dat", addresses);
}

// A picture with distinct pixels, so that decoders and stretching have work.
Picture Gradient(int width, int height, bool holes) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<std::uint32_t>(x * 37 + y * 91);
            const std::uint32_t alpha = holes && (x + y) % 3 == 0 ? 0 : 0xFF;
            picture.At(x, y) =
                alpha << 24 | (v & 0xFF) << 16 | (v * 3 & 0xFF) << 8 | (v * 7 & 0xFF);
        }
    }
    return picture;
}

// JPEG layouts that EncodeJpeg does not write: grayscale, CMYK (with Adobe's
// marker), progressive. libjpeg's default error handler ends the program,
// which is all a seed writer needs.
std::string JpegLayout(const Picture& picture, J_COLOR_SPACE space, bool progressive) {
    testing::JpegSettings settings;
    settings.Width = picture.Width;
    settings.Height = picture.Height;
    settings.Components = space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3;
    settings.Input = space;
    settings.Quality = 75;
    settings.Progressive = progressive;
    const auto components = static_cast<std::size_t>(settings.Components);
    return testing::WriteJpeg(settings, [&](int y, std::span<JSAMPLE> row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::uint32_t pixel = picture.At(static_cast<int>(i / components), y);
            row[i] = static_cast<JSAMPLE>(pixel >> (8 * (i % components % 3)) & 0xFF);
        }
    });
}

// A GIF layout that EncodeGif does not write: an interlaced first frame
// with its own colour map, offset inside a larger screen, then a second frame.
std::string LayeredGif() {
    const std::vector<GifColorType> screen = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    testing::GifLayout gif;
    gif.Width = 12;
    gif.Height = 10;
    gif.GlobalMap = screen;

    testing::GifFrame& first = gif.Frames.emplace_back();
    first.Left = 2;
    first.Top = 1;
    first.Width = 8;
    first.Height = 7;
    first.Interlace = true;
    for (int i = 0; i < 8; ++i) {
        first.LocalMap.push_back(
            {static_cast<GifByteType>(i * 30), static_cast<GifByteType>(255 - i * 30), 128});
    }
    first.Control = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, 3};
    // The k-th row as the file stores it holds (x + k) % 8, as it does in the
    // seed under fuzz/corpus.
    const std::vector<int> stored = testing::GifRowOrder(first.Height, first.Interlace);
    first.Rows.resize(stored.size());
    for (std::size_t k = 0; k < stored.size(); ++k) {
        for (std::size_t x = 0; x < 8; ++x) {
            first.Rows[static_cast<std::size_t>(stored[k])].push_back(
                static_cast<GifPixelType>((x + k) % 8));
        }
    }

    // With a colour map of its own too: giflib loses the first frame's map
    // when the next frame has none.
    testing::GifFrame& second = gif.Frames.emplace_back();
    second.Width = 4;
    second.Height = 2;
    second.LocalMap = screen;
    second.Rows.assign(2, {6, 7, 0, 1});
    return testing::WriteGif(gif);
}

// A BMP with an info header of `headerSize` bytes (40 and up), the given
// extra header fields (masks), palette and pixel bytes.
std::string Bmp(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                const std::vector<std::uint32_t>& masks, int paletteEntries,
                const std::string& pixels, std::uint32_t headerSize = 40) {
    std::string headers = testing::BmpInfoHeader(
        {width, height, bits, compression, static_cast<std::uint32_t>(pixels.size()),
         static_cast<std::uint32_t>(paletteEntries), headerSize, masks});
    for (int i = 0; i < paletteEntries; ++i) {
        testing::PutU32(headers, static_cast<std::uint32_t>(i * 0x102040));
    }
    return testing::BmpFile(headers, pixels);
}

void PictureSeeds(Corpus& corpus, const std::filesystem::path& sample) {
    corpus.Add("jpeg_codec", "gradient.jpg", EncodeJpeg(Gradient(16, 9, false), 60));
    corpus.Add("jpeg_codec", "solid.jpg", EncodeJpeg(testing::SolidPicture(8, 8, 3), 95));
    corpus.Add("jpeg_codec", "aura.jpg",
               ReadFileBytes(sample / "images" / "auras" / "bastion_hymn.jpg"));
    corpus.Add("jpeg_codec", "grey_progressive.jpg",
               JpegLayout(Gradient(9, 17, false), JCS_GRAYSCALE, true));
    corpus.Add("jpeg_codec", "cmyk.jpg", JpegLayout(Gradient(8, 8, false), JCS_CMYK, false));
    corpus.Add("gif_codec", "transparent.gif", EncodeGif(Gradient(7, 5, true)));
    corpus.Add("gif_codec", "interlaced_frames.gif", LayeredGif());
    corpus.Add("gif_codec", "shop.gif",
               ReadFileBytes(sample / "images" / "shops" / "frostpeak_reliquary.gif"));

    corpus.Add("bmp_codec", "rgb24.bmp", EncodeBmp(Gradient(5, 3, false)));
    corpus.Add("bmp_codec", "palette8_top_down.bmp",
               Bmp(3, -2, 8, 0, {}, 4, std::string("\x00\x01\x02\x00\x03\x02\x01\x00", 8)));
    corpus.Add("bmp_codec", "palette4.bmp",
               Bmp(5, 2, 4, 0, {}, 16, std::string("\x01\x23\x40\x00\xFE\xDC\xB0\x00", 8)));
    corpus.Add("bmp_codec", "palette1.bmp",
               Bmp(9, 2, 1, 0, {}, 2, std::string("\xA5\x80\x00\x00\x5A\x00\x00\x00", 8)));
    corpus.Add("bmp_codec", "rle8.bmp",
               Bmp(6, 3, 8, 1, {}, 4,
                   std::string("\x03\x01\x00\x03\x02\x03\x00\x00\x00\x02\x01\x01\x00\x01", 14)));
    corpus.Add(
        "bmp_codec", "rle4.bmp",
        Bmp(6, 2, 4, 2, {}, 16, std::string("\x04\x12\x00\x03\x34\x50\x00\x00\x00\x01", 10)));
    corpus.Add("bmp_codec", "rgb555.bmp",
               Bmp(2, 2, 16, 0, {}, 0, std::string("\x1F\x00\xE0\x03\x00\x7C\xFF\x7F", 8)));
    corpus.Add("bmp_codec", "rgb565_fields.bmp",
               Bmp(2, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, 0, std::string("\x1F\x00\xE0\x07", 4)));
    corpus.Add("bmp_codec", "argb32_v3.bmp",
               Bmp(2, 1, 32, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0,
                   std::string("\x10\x20\x30\x80\x40\x50\x60\x00", 8), 56));
    corpus.Add("bmp_codec", "core24.bmp",
               testing::BmpFile(testing::BmpCoreHeader(2, 1, 24),
                                std::string("\x01\x02\x03\x04\x05\x06\x00\x00", 8)));
}

std::string RandomBytes(std::mt19937& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

void StructuredSeeds(Corpus& corpus) {
    // These harnesses shape their own input; any bytes make a catalogue.
    std::mt19937 random(20240601);
    for (const std::size_t size : {64, 400, 1500, 4000}) {
        corpus.Add("calculator_gestures", "random" + std::to_string(size) + ".bin",
                   RandomBytes(random, size));
        corpus.Add("dictionary_search", "random" + std::to_string(size) + ".bin",
                   RandomBytes(random, size));
    }
}

void ScriptSeeds(Corpus& corpus, const testing::PackBuilder& pack) {
    using nlohmann::json;
    const auto name = [](const std::string& cp1251) { return Utf8FromCp1251(cp1251); };
    const auto& heroes = pack.Taverns->Taverns.at(0).Heroes;
    const auto& items = pack.Shops->Shops.at(0).Items;

    json levels = json::array();
    for (int a : {1, 2, 1, 3, 1, 4, 2, 5, 2, 3}) {
        levels.push_back({{"levelUp", a}});
    }
    levels.push_back({{"levelDown", nullptr}});
    corpus.Add("stats_script", "levels.json",
               json{{"hero", name(heroes.at(0).Hero.Name)}, {"actions", levels}}.dump());

    json build = json::array();
    build.push_back({{"levelUp", 1}});
    build.push_back({{"toggleAbility", 1}});
    build.push_back({{"openParams", 1}});
    build.push_back({{"paramText", {{"editor", 1}, {"text", "12"}}}});
    build.push_back({{"paramArrow", {{"editor", 1}, {"dir", "left"}}}});
    build.push_back({{"place", {{"slot", 1}, {"item", 1}}}});
    build.push_back({{"place", {{"slot", 2}, {"item", name(items.at(1).Item.Name)}}}});
    build.push_back({{"toggleSlot", 2}});
    build.push_back({{"moveLine", {{"from", 2}, {"to", 0}}}});
    build.push_back({{"remove", 1}});
    build.push_back({{"reset", nullptr}});
    build.push_back({{"chooseHero", 2}});
    corpus.Add("stats_script", "build.json",
               json{{"hero", static_cast<int>(heroes.size())}, {"actions", build}}.dump(1));
    corpus.Add("stats_script", "refused.json",
               R"({"hero": 1, "actions": [{"levelUp": 9}, {"remove": 3}, {"jump": 1}]})");
}

} // namespace
} // namespace zephyr::fuzz

int main(int argc, char** argv) {
    using namespace zephyr::fuzz;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SAMPLE_DATA_FOLDER CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path sample = argv[1];
        const zephyr::testing::PackBuilder pack = SmallSamplePack(sample);
        Corpus corpus(argv[2]);
        CatalogueSeeds(corpus, pack);
        TextSeeds(corpus, sample);
        PictureSeeds(corpus, sample);
        StructuredSeeds(corpus);
        ScriptSeeds(corpus, pack);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
