// One keystroke of the search panel in the core (hits, their order, the list
// page and the first hit's article) on the synthetic pack's 20 000 terms,
// with the plain selection sort as the baseline; and the load-time index.
#include "synthetic_pack.h"

#include "dictionary/article_page.h"
#include "dictionary/near_misses.h"
#include "dictionary/plain_selection_sort.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_page.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zephyr;

const std::vector<TSlang>& Words() {
    static const std::vector<TSlang> words = pack::SyntheticPack(1).Dictionary.Entries;
    return words;
}

const SearchIndex& Index() {
    static const SearchIndex index(Words());
    return index;
}

void ShowPages(benchmark::State& state, const std::vector<TSearchHit>& hits) {
    std::string list = SearchListPage(hits);
    std::string article = ArticlePage(Words(), hits.empty() ? -1 : hits.front().Entry);
    benchmark::DoNotOptimize(list.data());
    benchmark::DoNotOptimize(article.data());
    state.counters["hits"] = static_cast<double>(hits.size());
}

void BM_Keystroke(benchmark::State& state, const char* query) {
    for (auto _ : state) {
        ShowPages(state, SearchHits(Index(), query, 0));
    }
}

void BM_KeystrokePlainSort(benchmark::State& state, const char* query) {
    for (auto _ : state) {
        std::vector<TSearchHit> hits = CollectHits(Index(), query, 0);
        PlainSelectionSort(hits);
        ShowPages(state, hits);
    }
}

void BM_BuildIndex(benchmark::State& state) {
    for (auto _ : state) {
        SearchIndex index(Words());
        benchmark::DoNotOptimize(index.Terms().data());
    }
}

void BM_NearMisses(benchmark::State& state, const char* query) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(NearMisses(Index(), query, 0));
    }
}

BENCHMARK_CAPTURE(BM_Keystroke, empty, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, one_letter, "t")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Keystroke, three_letters, "ter")->Unit(benchmark::kMillisecond);
// O(n^2): 2 * 10^8 comparisons for the empty query, so one pass each.
BENCHMARK_CAPTURE(BM_KeystrokePlainSort, empty, "")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_KeystrokePlainSort, one_letter, "t")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_KeystrokePlainSort, three_letters, "ter")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NearMisses, typo, "terx12")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
