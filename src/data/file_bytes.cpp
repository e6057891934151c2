#include "file_bytes.h"

#include "data_error.h"

#include <fstream>

namespace zephyr {

std::string PathText(const std::filesystem::path& path) {
    // u8string() rather than string(): on Windows the narrow string would be
    // in the ANSI code page.
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        throw DataError(PathText(path), "cannot open");
    }
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    // A directory opens fine on Linux and only fails here.
    if (in.bad()) {
        throw DataError(PathText(path), "cannot read");
    }
    return bytes;
}

} // namespace zephyr
