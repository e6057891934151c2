#include "ticker_lines.h"

#include "text_lines.h"

namespace zephyr {

std::optional<std::vector<std::string>> ReadTickerLines(const DataLocation& location) {
    const std::optional<std::string> text =
        ReadTextFile(location, location.Resolve("Data\\Str.dat"));
    if (!text) {
        return std::nullopt;
    }
    return SplitTextLines(*text);
}

} // namespace zephyr
