#include "page_links.h"

#include "data/number_text.h"

namespace zephyr {

std::optional<int> ParseListLink(std::string_view afterBase) {
    constexpr std::string_view kPrefix = "ShowInfo";
    if (!afterBase.starts_with(kPrefix)) {
        return std::nullopt;
    }
    std::string_view number = afterBase.substr(kPrefix.size());
    // A link may carry a '+'; the sign is one character either way.
    if (number.starts_with('+')) {
        number.remove_prefix(1);
        if (number.starts_with('-')) {
            return std::nullopt;
        }
    }
    return ParseWhole<int>(number);
}

std::string ArticleLinkPath(std::string_view target) {
    return "Data\\documents\\" + std::string(target);
}

} // namespace zephyr
