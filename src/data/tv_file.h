#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zephyr {

// The largest catalogue read: the real ones are far smaller, and a file is
// read whole into memory.
inline constexpr std::uintmax_t kMaxCatalogueBytes = 64 * 1024 * 1024;

// Sequential reader of the binary catalogues. Every operation reports success
// as its result and leaves its output untouched on failure; nothing throws.
// Words and integers are big-endian; integers are stored offset by 0x80000000.
class TVFile {
public:
    // Fails on anything but a regular file of at most kMaxCatalogueBytes.
    bool Open(const std::filesystem::path& path);
    bool Close();

    bool ReadBool(bool& out);
    bool ReadByte(std::uint8_t& out);
    bool ReadWord(std::uint16_t& out);
    bool ReadInt(std::int32_t& out);
    // Reads `count` bytes and trims bytes 0x00-0x20 at both ends. Counts above
    // 255 are accepted for the dictionary's long definitions.
    bool ReadString(std::size_t count, std::string& out);

    bool IsOpen() const { return state_ == 1; }
    // Byte offset of the next read.
    std::uint64_t Position() const { return position_; }
    std::uint64_t Size() const { return bytes_.size(); }

private:
    // Consumes up to n bytes into dst; false when the file ended first (the
    // bytes before the end are consumed all the same).
    bool Take(std::size_t n, unsigned char* dst);

    std::uint8_t state_ = 0; // 0 closed, 1 open
    std::vector<unsigned char> bytes_;
    std::size_t position_ = 0;
};

} // namespace zephyr
