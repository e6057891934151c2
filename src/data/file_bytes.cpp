#include "file_bytes.h"

#include "data_error.h"

#include <fstream>

namespace zephyr {
namespace {

constexpr std::uintmax_t kMiB = 1024 * 1024;

std::string SizeText(std::uintmax_t bytes) {
    if (bytes != 0 && bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    return std::to_string(bytes) + " bytes";
}

[[noreturn]] void TooLarge(const std::filesystem::path& path, std::uintmax_t size,
                           std::uintmax_t maxBytes) {
    throw DataError(PathText(path), FileTooLargeText(size, maxBytes));
}

} // namespace

std::string PathText(const std::filesystem::path& path) {
    // u8string() rather than string(): on Windows the narrow string would be
    // in the ANSI code page.
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string FileTooLargeText(std::uintmax_t size, std::uintmax_t maxBytes) {
    return "file of " + std::to_string(size) + " bytes is larger than the " + SizeText(maxBytes) +
           " allowed";
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

std::string ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        throw DataError(PathText(path), "does not exist");
    }
    if (ec) {
        throw DataError(PathText(path), "cannot open");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw DataError(PathText(path), "not a regular file");
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        throw DataError(PathText(path), "cannot read");
    }
    if (size > maxBytes) {
        TooLarge(path, size, maxBytes);
    }

    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        throw DataError(PathText(path), "cannot open");
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            TooLarge(path, bytes.size(), maxBytes);
        }
    }
    if (in.bad()) {
        throw DataError(PathText(path), "cannot read");
    }
    return bytes;
}

} // namespace zephyr
