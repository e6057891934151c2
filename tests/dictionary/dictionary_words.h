#pragma once

#include "dictionary/search_hit.h"

#include "data/cp1251.h"
#include "data/slang.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zephyr {

// Test texts are written in UTF-8 and used in Windows-1251.
inline std::string W(std::string_view utf8) {
    return Cp1251FromUtf8(utf8);
}

inline TSlang Entry(std::uint8_t category, std::initializer_list<const char*> terms,
                    std::string_view definition = "",
                    std::initializer_list<std::pair<const char*, const char*>> links = {}) {
    TSlang entry;
    entry.Category = category;
    for (const char* term : terms) {
        entry.Terms.push_back(W(term));
    }
    entry.Definition = W(definition);
    for (const auto& [caption, target] : links) {
        entry.Links.push_back({W(caption), W(target)});
    }
    return entry;
}

inline TSearchHit Hit(std::int32_t entry, std::string_view utf8Term) {
    return {entry, W(utf8Term)};
}

// Failures show hits readably.
inline void PrintTo(const TSearchHit& hit, std::ostream* out) {
    *out << "{" << hit.Entry << ", \"" << Utf8FromCp1251(hit.Term) << "\"}";
}

} // namespace zephyr
