// Corrupted catalogues must be read or refused with a DataError, never crash,
// hang or read outside the file.
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/data_error.h"

#include <gtest/gtest.h>

#include <random>

namespace zephyr {
namespace {

using testing::SampleHero;
using testing::SampleItem;
using testing::TempFolder;
using testing::WriteFile;

template <class Read>
void MutateAndRead(const std::string& original, Read read, const std::filesystem::path& path) {
    std::mt19937 random(1234);
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        std::string bytes = original;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i) {
            bytes[random() % bytes.size()] = static_cast<char>(random() & 0xFF);
        }
        if (round % 3 == 0) {
            bytes.resize(random() % bytes.size());
        }
        WriteFile(path, bytes);
        try {
            read(path);
        } catch (const DataError& error) {
            EXPECT_EQ(error.File(), path.string());
            ++refused;
        }
    }
    // The damage must reach the reader: some copies are refused.
    EXPECT_GT(refused, 0);
}

TEST(HostileCatalogues, RandomCorruptionIsReadOrRefused) {
    TempFolder folder;
    const auto path = folder.Path() / "x.dat";

    TavernsFile taverns;
    taverns.Taverns.push_back({"T", {SampleHero("A", 1), SampleHero("B", 2)}});
    MutateAndRead(WriteTavernsFile(taverns), ReadTavernsFile, path);

    ShopsFile shops;
    shops.Shops.push_back({"S", "s.jpg", {SampleItem("A", 1), SampleItem("G>>V", 2)}});
    MutateAndRead(WriteShopsFile(shops), ReadShopsFile, path);

    AursFile aurs;
    aurs.HeaderTexts = {"h"};
    aurs.Auras.push_back({TAura{"Aura", 1}, "a.jpg"});
    MutateAndRead(WriteAursFile(aurs), ReadAursFile, path);

    OrbsFile orbs;
    orbs.Categories = {{"A", "a.jpg"}, {"B", "b.jpg"}};
    orbs.AbilityOrbs = {{"X", "x.jpg"}};
    orbs.MeleeResults = {1, 2, 3};
    orbs.RangedResults = {1, 2, 3};
    orbs.AbilityResults = {1, 2};
    orbs.ItemOrbs = {TOrb{"O", 1, 2, 3, 4}};
    MutateAndRead(WriteOrbsFile(orbs), ReadOrbsFile, path);

    DictionaryFile dictionary;
    dictionary.Entries.push_back({1, {"term"}, "definition", {{"c", "t"}}});
    MutateAndRead(WriteDictionaryFile(dictionary), ReadDictionaryFile, path);
}

TEST(HostileCatalogues, HugeCountsInATinyFileAreTruncations) {
    TempFolder folder;
    const auto path = folder.Path() / "x.dat";
    // 65535 dictionary entries announced, none present.
    WriteFile(path, "\xFF\xFF");
    EXPECT_THROW(ReadDictionaryFile(path), DataError);
    // A shop whose first item announces 65535 tokens.
    ShopsFile shops;
    shops.Shops.push_back({"S", "s.jpg", {SampleItem("A", 1)}});
    std::string bytes = WriteShopsFile(shops);
    const std::size_t tokens = bytes.size() - 2 - 3 * 5; // the unique program's count word
    bytes[tokens] = '\xFF';
    bytes[tokens + 1] = '\xFF';
    WriteFile(path, bytes);
    try {
        ReadShopsFile(path);
        FAIL() << "accepted";
    } catch (const DataError& error) {
        EXPECT_NE(std::string(error.what()).find("item unique program"), std::string::npos);
    }
}

} // namespace
} // namespace zephyr
