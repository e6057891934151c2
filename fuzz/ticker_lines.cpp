// Str.dat, the running line's texts, read from a Data folder.
#include "fuzz_check.h"
#include "fuzz_pack.h"
#include "temp_folder.h"

#include "data/data_error.h"
#include "data/ticker_lines.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zephyr;
    static const testing::TempFolder folder;
    static const DataLocation location = testing::PackBuilder::LocationOf(folder.Path());
    const std::string text = fuzz::InputText(data, size);
    testing::WriteFile(location.DataFile("Str.dat"), text);
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadTickerLines(location);
    } catch (const DataError&) {
        return 0;
    }
    FUZZ_CHECK(lines.has_value());
    // One line per line feed, and one more for text after the last.
    const auto feeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const bool openEnd = !text.empty() && text.back() != '\n';
    FUZZ_CHECK(lines->size() == feeds + (openEnd ? 1 : 0));
    for (const std::string& line : *lines) {
        FUZZ_CHECK(line.find('\n') == std::string::npos);
    }
    return 0;
}
