#pragma once

#include "effect_token.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zephyr {

// Builds catalogue bytes in the encodings CatalogueReader reads. A value the
// format cannot hold (a text longer than its field, a count above its limit)
// throws DataError naming `file` and the value, instead of writing a file
// that would read back differently.
class CatalogueWriter {
public:
    explicit CatalogueWriter(std::string file) : file_(std::move(file)) {}

    void Bool(bool value) { bytes_ += static_cast<char>(value ? 1 : 0); }
    void Byte(std::uint8_t value) { bytes_ += static_cast<char>(value); }
    void Word(std::uint16_t value);
    void Int(std::int32_t value);
    void Hundredths(double value, std::string_view what);
    void Count(std::size_t count, std::size_t limit, std::string_view what);
    void CountedText(std::string_view text, std::string_view what);
    void FixedText(std::string_view text, std::size_t width, std::string_view what);
    void Tokens(const TEffectList& tokens, std::string_view what);

    const std::string& Bytes() const { return bytes_; }

    [[noreturn]] void Fail(std::string_view what, const std::string& reason) const;

private:
    void CheckTrimmed(std::string_view text, std::string_view what) const;

    std::string file_;
    std::string bytes_;
};

} // namespace zephyr
