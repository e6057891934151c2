#include "tv_file.h"

#include "byte_helpers.h"

#include <fstream>
#include <iterator>

namespace zephyr {

bool TVFile::Open(const std::filesystem::path& path) {
    if (state_ != 0) {
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxCatalogueBytes) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    // Read in blocks up to the limit, should the file have grown meanwhile.
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[64 * 1024];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
        if (bytes.size() > kMaxCatalogueBytes) {
            return false;
        }
    }
    if (file.bad()) {
        return false;
    }
    bytes_ = std::move(bytes);
    position_ = 0;
    state_ = 1;
    return true;
}

bool TVFile::Close() {
    if (state_ != 1) {
        return false;
    }
    bytes_.clear();
    bytes_.shrink_to_fit();
    position_ = 0;
    state_ = 0;
    return true;
}

bool TVFile::Take(std::size_t n, unsigned char* dst) {
    const std::size_t available = bytes_.size() - position_;
    const std::size_t taken = n < available ? n : available;
    for (std::size_t i = 0; i < taken; ++i) {
        dst[i] = bytes_[position_ + i];
    }
    position_ += taken;
    return taken == n;
}

bool TVFile::ReadBool(bool& out) {
    std::uint8_t byte = 0;
    if (!ReadByte(byte)) {
        return false;
    }
    out = byte == 1;
    return true;
}

bool TVFile::ReadByte(std::uint8_t& out) {
    unsigned char b = 0;
    if (state_ != 1 || !Take(1, &b)) {
        return false;
    }
    out = b;
    return true;
}

bool TVFile::ReadWord(std::uint16_t& out) {
    unsigned char b[2] = {};
    if (state_ != 1 || !Take(2, b)) {
        return false;
    }
    out = static_cast<std::uint16_t>(b[0] << 8 | b[1]);
    return true;
}

bool TVFile::ReadInt(std::int32_t& out) {
    unsigned char b[4] = {};
    if (state_ != 1 || !Take(4, b)) {
        return false;
    }
    const std::uint32_t stored = std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 |
                                 std::uint32_t{b[2]} << 8 | std::uint32_t{b[3]};
    // Offset binary: subtracting the bias in 32 bits maps 0..2^32-1 onto -2^31..2^31-1.
    out = static_cast<std::int32_t>(stored - 0x80000000u);
    return true;
}

bool TVFile::ReadString(std::size_t count, std::string& out) {
    if (state_ != 1) {
        return false;
    }
    std::string text(count, '\0');
    if (!Take(count, reinterpret_cast<unsigned char*>(text.data()))) {
        return false;
    }
    out = std::string(TrimControl(text));
    return true;
}

} // namespace zephyr
