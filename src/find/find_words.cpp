#include "find_words.h"

#include "data/cp1251.h"

#include <xapian.h>

namespace zephyr {
namespace {

bool IsCyrillic(char32_t code) {
    return code >= 0x0400 && code <= 0x04FF;
}

bool IsWordCharacter(char32_t code) {
    return (code >= '0' && code <= '9') || (code >= 'a' && code <= 'z') ||
           (code >= 'A' && code <= 'Z') || IsCyrillic(code);
}

char32_t Folded(char32_t code) {
    if (code >= 'A' && code <= 'Z') {
        return code + ('a' - 'A');
    }
    if (code == 0x0401 || code == 0x0451) {
        return 0x0435; // ё and Ё read as е
    }
    if (code >= 0x0410 && code <= 0x042F) {
        return code + 0x20;
    }
    if (code >= 0x0400 && code <= 0x040F) {
        return code + 0x50;
    }
    return code;
}

} // namespace

std::vector<WordSpan> WordSpans(std::string_view utf8) {
    std::vector<WordSpan> words;
    WordSpan word;
    bool inWord = false;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t start = at;
        const char32_t code = NextCodePoint(utf8, at); // U+FFFD, no letter, for bad bytes
        if (IsWordCharacter(code)) {
            if (!inWord) {
                word = WordSpan{start, start, {}};
                inWord = true;
            }
            AppendUtf8(word.Folded, Folded(code));
            word.End = at;
        } else if (inWord) {
            words.push_back(std::move(word));
            inWord = false;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<std::string> FoldedWords(std::string_view utf8) {
    std::vector<std::string> words;
    for (WordSpan& span : WordSpans(utf8)) {
        words.push_back(std::move(span.Folded));
    }
    return words;
}

std::string FoldedPhrase(std::string_view utf8) {
    std::string phrase;
    for (const std::string& word : FoldedWords(utf8)) {
        if (!phrase.empty()) {
            phrase += ' ';
        }
        phrase += word;
    }
    return phrase;
}

std::string WordStem(const std::string& folded) {
    // A stemmer keeps state between calls: one per thread.
    thread_local Xapian::Stem russian("russian");
    thread_local Xapian::Stem english("english");
    bool cyrillic = false;
    for (const char c : folded) {
        cyrillic = cyrillic || (static_cast<unsigned char>(c) & 0x80) != 0;
    }
    return cyrillic ? russian(folded) : english(folded);
}

} // namespace zephyr
