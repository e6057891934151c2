#include "find_words.h"

#include <xapian.h>

namespace zephyr {
namespace {

// The code point at `at` and its length in bytes; length 0 for a byte that
// starts no character.
std::pair<char32_t, std::size_t> CodePoint(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return {0, 0};
    }
    if (at + length > text.size()) {
        return {0, 0};
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return {0, 0};
        }
        code = (code << 6) | (byte(k) & 0x3F);
    }
    return {code, length};
}

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

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::vector<WordSpan> WordSpans(std::string_view utf8) {
    std::vector<WordSpan> words;
    WordSpan word;
    bool inWord = false;
    std::size_t at = 0;
    while (at < utf8.size()) {
        auto [code, length] = CodePoint(utf8, at);
        const bool letter = length > 0 && IsWordCharacter(code);
        if (letter) {
            if (!inWord) {
                word = WordSpan{at, at, {}};
                inWord = true;
            }
            AppendUtf8(word.Folded, Folded(code));
            word.End = at + length;
        } else if (inWord) {
            words.push_back(std::move(word));
            inWord = false;
        }
        at += length > 0 ? length : 1;
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
