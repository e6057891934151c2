#pragma once

#include <string>
#include <string_view>

namespace zephyr {

// Text from a data file made safe for a one-line message: control bytes and
// line breaks become escapes (\n, \r, \t, \xNN), a backslash stays as it is
// (stored paths are full of them). Other bytes are kept.
std::string MessageText(std::string_view text);

} // namespace zephyr
