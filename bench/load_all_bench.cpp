// LoadAll with every picture, over a pack written once per size.
#include "pack_builder.h"
#include "temp_folder.h"

#include "data/load_all.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zephyr;
using zephyr::testing::PackBuilder;

// scale 1: 120 heroes in 8 taverns, 200 items in 10 shops, 60 auras,
// 6 orb categories, 20000 dictionary entries.
PackBuilder MakePack(int scale) {
    PackBuilder pack;
    for (int t = 0; t < 8; ++t) {
        TavernFileEntry tavern{"Tavern " + std::to_string(t), {}};
        for (int h = 0; h < 15 * scale; ++h) {
            tavern.Heroes.push_back(
                zephyr::testing::SampleHero("Hero" + std::to_string(t * 100 + h), h));
        }
        pack.taverns->Taverns.push_back(std::move(tavern));
    }
    for (int s = 0; s < 10; ++s) {
        ShopFileEntry shop{"Shop " + std::to_string(s),
                           "Data\\images\\shops\\shop" + std::to_string(s) +
                               (s % 2 ? ".gif" : ".jpg"),
                           {}};
        for (int i = 0; i < 20 * scale; ++i) {
            const int seed = s * 100 + i;
            shop.Items.push_back(zephyr::testing::SampleItem(
                i % 4 == 1 ? "Group" + std::to_string(seed / 4) + ">>V" + std::to_string(seed)
                           : "Item" + std::to_string(seed),
                seed));
        }
        pack.shops->Shops.push_back(std::move(shop));
    }
    for (int a = 0; a < 60; ++a) {
        TAura aura;
        aura.Name = "Aura " + std::to_string(a);
        aura.V0 = a % 12;
        pack.aurs->Auras.push_back(
            {aura, "Data\\images\\auras\\aura" + std::to_string(a) + ".jpg"});
    }
    for (int c = 0; c < 6; ++c) {
        pack.orbs->Categories.push_back({"Category " + std::to_string(c),
                                         "Data\\images\\orbs\\c" + std::to_string(c) + ".jpg"});
    }
    pack.orbs->AbilityOrbs = {{"A", "Data\\images\\orbs\\a.jpg"},
                              {"B", "Data\\images\\orbs\\b.jpg"}};
    pack.orbs->MeleeResults.assign(21, 1);
    pack.orbs->RangedResults.assign(21, 2);
    pack.orbs->AbilityResults.assign(12, 6);
    for (int w = 0; w < 20000 * scale; ++w) {
        pack.dictionary->Entries.push_back(
            {static_cast<std::uint8_t>(w % 7),
             {"term" + std::to_string(w), "alias" + std::to_string(w)},
             "<p>Definition of term " + std::to_string(w) + " with some words of text.</p>",
             {{"Guide", "Data\\documents\\guide.html"}}});
    }
    return pack;
}

void LoadAllWithPictures(benchmark::State& state, bool withPictures) {
    zephyr::testing::TempFolder folder;
    MakePack(static_cast<int>(state.range(0))).WriteTo(folder.Path());
    const LoadOptions options{PackBuilder::LocationOf(folder.Path()), withPictures, {}};
    for (auto _ : state) {
        LoadAllResult result = LoadAll(options);
        if (!result.ok()) {
            state.SkipWithError(result.failure->message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.catalogue.Heroes.data());
    }
}

void BM_LoadAll(benchmark::State& state) {
    LoadAllWithPictures(state, true);
}
void BM_LoadAllRecordsOnly(benchmark::State& state) {
    LoadAllWithPictures(state, false);
}

BENCHMARK(BM_LoadAll)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAllRecordsOnly)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
