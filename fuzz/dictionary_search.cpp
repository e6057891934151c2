// The dictionary search and both of its pages over a dictionary made from the
// input: terms, definitions and links first, then queries under category
// selector items, and link texts as the list viewer would report them.
#include "fuzz_check.h"

#include "dictionary/article_page.h"
#include "dictionary/keyboard_layout.h"
#include "dictionary/near_misses.h"
#include "dictionary/page_links.h"
#include "dictionary/plain_selection_sort.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_index.h"
#include "dictionary/search_page.h"

#include "data/byte_helpers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

namespace zephyr {
namespace {

constexpr std::size_t kTermLimit = 50; // the loader's cut

std::vector<TSlang> Words(FuzzedDataProvider& in) {
    std::vector<TSlang> words(in.ConsumeIntegralInRange<std::size_t>(0, 12));
    for (TSlang& word : words) {
        word.Category = in.ConsumeIntegralInRange<std::uint8_t>(0, 7);
        word.Terms.resize(in.ConsumeIntegralInRange<std::size_t>(0, 4));
        for (std::string& term : word.Terms) {
            term = CutBytes(in.ConsumeRandomLengthString(60), kTermLimit);
        }
        word.Definition = in.ConsumeRandomLengthString(200);
        word.Links.resize(in.ConsumeIntegralInRange<std::size_t>(0, 2));
        for (TSlangLink& link : word.Links) {
            link.Caption = in.ConsumeRandomLengthString(40);
            link.Target = in.ConsumeRandomLengthString(40);
        }
    }
    return words;
}

void Query(const std::vector<TSlang>& words, const SearchIndex& index, const std::string& query,
           int category) {
    const std::vector<TSearchHit> hits = SearchHits(index, query, category);
    std::vector<TSearchHit> reference = CollectHits(index, query, category);
    FUZZ_CHECK(AnyHit(index, query, category) == !reference.empty());
    PlainSelectionSort(reference);
    FUZZ_CHECK(hits == reference);

    const std::string page = SearchListPage(hits);
    FUZZ_CHECK(page.size() > hits.size());
    for (const TSearchHit& hit : hits) {
        FUZZ_CHECK(hit.Entry >= 0 && hit.Entry < static_cast<int>(words.size()));
        FUZZ_CHECK(ParseListLink("ShowInfo" + std::to_string(hit.Entry)) == hit.Entry);
        ArticlePage(words, hit.Entry);
    }

    if (const std::optional<std::string> retyped = LayoutSuggestion(index, query, category)) {
        FUZZ_CHECK(hits.empty());
        FUZZ_CHECK(AnyHit(index, *retyped, category));
    }
    const std::vector<std::string> near = NearMisses(index, query, category);
    FUZZ_CHECK(near.size() <= 3);
    FUZZ_CHECK(hits.empty() || near.empty());
    SwitchKeyboardLayout(query);
}

} // namespace
} // namespace zephyr

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zephyr;
    FuzzedDataProvider in(data, size);
    const std::vector<TSlang> words = Words(in);
    const SearchIndex index(words);
    for (int round = 0; round < 8 && in.remaining_bytes() > 0; ++round) {
        const int category = in.ConsumeIntegralInRange(-1, 9);
        Query(words, index, in.ConsumeRandomLengthString(24), category);
        // Whatever a link reports, the article page of its number.
        const std::string link = in.ConsumeRandomLengthString(16);
        if (const std::optional<int> entry = ParseListLink(link)) {
            ArticlePage(words, *entry);
        }
        ArticlePage(words, in.ConsumeIntegral<int>());
    }
    for (const TSlang& word : words) {
        for (const TSlangLink& link : word.Links) {
            ArticleLinkPath(link.Target);
        }
    }
    Query(words, index, "", 0);
    return 0;
}
