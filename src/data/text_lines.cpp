#include "text_lines.h"

#include "stored_file.h"

namespace zephyr {

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        std::size_t end = lf;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
    return lines;
}

std::optional<std::string> ReadTextFile(const DataLocation& location,
                                        const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return std::nullopt;
    }
    return ReadStoredFile(location, path, kMaxTextFileBytes);
}

} // namespace zephyr
