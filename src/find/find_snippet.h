#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// The words of a query as the search matches them.
struct QueryWords {
    std::vector<std::string> Folded; // FoldedWords of the query
    std::vector<std::string> Stems;  // WordStem of each
    bool LastIsPrefix = false;       // the last word is still being typed
};

QueryWords ReadQueryWords(std::string_view utf8Query);

// Whether a folded word of a text answers a word of the query: the same
// word, the same stem, or for the last word while typing, a word it begins.
bool AnswersQuery(const QueryWords& query, const std::string& folded);

// A stretch of text with the words to highlight, as byte ranges of Text.
struct Snippet {
    struct Mark {
        std::size_t Begin = 0;
        std::size_t End = 0;
    };
    std::string Text;
    std::vector<Mark> Marks;
};

// About `length` bytes of a UTF-8 text around its first word that answers the
// query, cut at words, "…" where the text goes on; the text's start when no
// word answers.
Snippet CutSnippet(std::string_view utf8Text, const QueryWords& query, std::size_t length = 180);

} // namespace zephyr
