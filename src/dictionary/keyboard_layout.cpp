#include "keyboard_layout.h"

#include "search_hits.h"

#include <array>

namespace zephyr {
namespace {

// The same keys on both layouts, key for key: letters row by row, then the
// back-quote key; lower case, then with shift.
constexpr std::string_view kLatinKeys = "qwertyuiop[]asdfghjkl;'zxcvbnm,.`"
                                        "QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>~";
// йцукенгшщзхъфывапролджэячсмитьбюё
// ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ
constexpr std::string_view kCyrillicKeys =
    "\xE9\xF6\xF3\xEA\xE5\xED\xE3\xF8\xF9\xE7\xF5\xFA\xF4\xFB\xE2\xE0\xEF\xF0\xEE\xEB\xE4\xE6\xFD"
    "\xFF\xF7\xF1\xEC\xE8\xF2\xFC\xE1\xFE\xB8"
    "\xC9\xD6\xD3\xCA\xC5\xCD\xC3\xD8\xD9\xC7\xD5\xDA\xD4\xDB\xC2\xC0\xCF\xD0\xCE\xCB\xC4\xC6\xDD"
    "\xDF\xD7\xD1\xCC\xC8\xD2\xDC\xC1\xDE\xA8";
static_assert(kLatinKeys.size() == kCyrillicKeys.size());

using ByteMap = std::array<char, 256>;

constexpr ByteMap Mapping(std::string_view from, std::string_view to) {
    ByteMap map{};
    for (std::size_t byte = 0; byte < map.size(); ++byte) {
        map[byte] = static_cast<char>(byte);
    }
    for (std::size_t k = 0; k < from.size(); ++k) {
        map[static_cast<unsigned char>(from[k])] = to[k];
    }
    return map;
}

constexpr ByteMap kToCyrillic = Mapping(kLatinKeys, kCyrillicKeys);
constexpr ByteMap kToLatin = Mapping(kCyrillicKeys, kLatinKeys);

bool IsLatinLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

bool IsCyrillicLetter(unsigned char byte) {
    return byte >= 0xC0 || byte == 0xA8 || byte == 0xB8; // А..я, Ё, ё
}

} // namespace

std::string SwitchKeyboardLayout(std::string_view text) {
    std::size_t latin = 0;
    std::size_t cyrillic = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        latin += IsLatinLetter(byte) ? 1 : 0;
        cyrillic += IsCyrillicLetter(byte) ? 1 : 0;
    }
    const ByteMap& map = latin >= cyrillic ? kToCyrillic : kToLatin;
    std::string out(text);
    for (char& c : out) {
        c = map[static_cast<unsigned char>(c)];
    }
    return out;
}

std::optional<std::string> LayoutSuggestion(const SearchIndex& index, std::string_view query,
                                            int categoryItem) {
    if (AnyHit(index, query, categoryItem)) {
        return std::nullopt;
    }
    std::string retyped = SwitchKeyboardLayout(query);
    if (!AnyHit(index, retyped, categoryItem)) {
        return std::nullopt;
    }
    return retyped;
}

} // namespace zephyr
