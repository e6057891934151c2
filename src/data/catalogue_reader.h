#pragma once

#include "effect_token.h"
#include "tv_file.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace zephyr {

// Reads a catalogue through TVFile and turns every failed read into a
// DataError naming the file, the byte offset and what was being read, so a
// truncated file is never taken for a complete one.
class CatalogueReader {
public:
    // False when the file cannot be opened; DataError when it is larger than
    // kMaxCatalogueBytes.
    bool Open(const std::filesystem::path& path);

    bool Bool(const char* what);
    std::uint8_t Byte(const char* what);
    std::uint16_t Word(const char* what);
    std::int32_t Int(const char* what);
    double Hundredths(const char* what) { return Word(what) / 100.0; }
    std::string CountedText(const char* what); // count byte, then the bytes
    std::string FixedText(std::size_t width, const char* what);
    TEffectList Tokens(const char* what); // count word, then the tokens

private:
    [[noreturn]] void Truncated(const char* what, std::uint64_t offset) const;

    TVFile file_;
    std::string name_;
};

} // namespace zephyr
