#include "find_snippet.h"

#include "find_words.h"

#include <algorithm>

namespace zephyr {
namespace {

constexpr std::string_view kEllipsis = "…";
constexpr std::size_t kWordsLookedAt = 400;

} // namespace

QueryWords ReadQueryWords(std::string_view utf8Query) {
    QueryWords query;
    query.Folded = FoldedWords(utf8Query);
    for (const std::string& word : query.Folded) {
        query.Stems.push_back(WordStem(word));
    }
    const std::vector<WordSpan> spans = WordSpans(utf8Query);
    query.LastIsPrefix = !spans.empty() && spans.back().End == utf8Query.size();
    return query;
}

bool AnswersQuery(const QueryWords& query, const std::string& folded) {
    std::string stem;
    for (std::size_t k = 0; k < query.Folded.size(); ++k) {
        const std::string& word = query.Folded[k];
        if (folded == word) {
            return true;
        }
        if (k + 1 == query.Folded.size() && query.LastIsPrefix && folded.starts_with(word)) {
            return true;
        }
        if (stem.empty()) {
            stem = WordStem(folded);
        }
        if (stem == query.Stems[k]) {
            return true;
        }
    }
    return false;
}

Snippet CutSnippet(std::string_view utf8Text, const QueryWords& query, std::size_t length) {
    const std::vector<WordSpan> words = WordSpans(utf8Text);
    Snippet snippet;
    if (words.empty()) {
        return snippet;
    }
    // The first answer within the first words: a long passage found by its
    // title is not stemmed through to its end.
    std::size_t first = words.size();
    for (std::size_t w = 0; w < std::min(words.size(), kWordsLookedAt); ++w) {
        if (AnswersQuery(query, words[w].Folded)) {
            first = w;
            break;
        }
    }
    // From a few words before the first answer, as far as the length allows.
    std::size_t from = first == words.size() ? 0 : first;
    while (from > 0 &&
           words[first == words.size() ? 0 : first].Begin - words[from - 1].Begin < length / 3) {
        --from;
    }
    std::size_t to = from;
    while (to + 1 < words.size() && words[to + 1].End - words[from].Begin <= length) {
        ++to;
    }
    const std::size_t begin = from == 0 ? 0 : words[from].Begin;
    const std::size_t end = to + 1 == words.size() ? utf8Text.size() : words[to].End;
    if (begin > 0) {
        snippet.Text = kEllipsis;
        snippet.Text += ' ';
    }
    const std::size_t shift = snippet.Text.size();
    snippet.Text += utf8Text.substr(begin, end - begin);
    if (end < utf8Text.size()) {
        snippet.Text += ' ';
        snippet.Text += kEllipsis;
    }
    for (std::size_t w = from; w <= to; ++w) {
        if (AnswersQuery(query, words[w].Folded)) {
            snippet.Marks.push_back({words[w].Begin - begin + shift, words[w].End - begin + shift});
        }
    }
    return snippet;
}

} // namespace zephyr
