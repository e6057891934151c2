#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// A word of a UTF-8 text: where it stands and how the search compares it.
struct WordSpan {
    std::size_t Begin = 0; // byte offsets into the text
    std::size_t End = 0;
    std::string Folded; // lower case, ё as е
};

// The words of a UTF-8 text: runs of Latin and Cyrillic letters and digits;
// everything else (spaces, punctuation, hyphens, apostrophes) separates them.
// Bytes that are no UTF-8 separate words too.
std::vector<WordSpan> WordSpans(std::string_view utf8);

// The folded words alone.
std::vector<std::string> FoldedWords(std::string_view utf8);

// The text as one folded string of its words, single spaces between them:
// what an exact name match compares.
std::string FoldedPhrase(std::string_view utf8);

// The stem of a folded word: Russian rules for a word with a Cyrillic letter,
// English ones otherwise ("оглушением" and "оглушение" give one stem).
std::string WordStem(const std::string& folded);

} // namespace zephyr
