#pragma once

#include "search_index.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephyr {

// Text typed with the wrong keyboard layout, retyped on the other one: each
// character goes to the character of the same key (and shift state) between
// the US QWERTY and the Russian ЙЦУКЕН layouts, letters and the punctuation
// keys that carry Russian letters ([ ] ; ' , . ` and their shifted forms
// { } : " < > ~ for х ъ ж э б ю ё). Windows-1251 in and out. Text with at
// least as many Latin letters as Cyrillic ones is taken as Latin and goes to
// Cyrillic; otherwise it goes to Latin. Characters without a counterpart in
// that direction stay as they are.
std::string SwitchKeyboardLayout(std::string_view text);

// The query retyped on the other layout when the query itself finds nothing
// under the category selector item and the retyped one finds something;
// otherwise nothing.
std::optional<std::string> LayoutSuggestion(const SearchIndex& index, std::string_view query,
                                            int categoryItem);

} // namespace zephyr
