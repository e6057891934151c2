#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephyr {

// A result list link, as the list viewer reports it after the page's base
// address: "ShowInfo" and an entry number. The number is decimal digits with
// an optional '+' or '-' sign and nothing else (no blanks, no hexadecimal),
// within the signed 32-bit range; anything else gives nothing. The number is
// not checked against the dictionary: ArticlePage shows nothing for an
// entry it does not have.
std::optional<int> ParseListLink(std::string_view afterBase);

// The document an article link opens: its Target (what follows the article
// page's base address) inside the documents folder, as a stored path
// relative to the program folder ("Data\documents\guide.html", Windows-1251).
std::string ArticleLinkPath(std::string_view target);

} // namespace zephyr
