#include "catalogue_writer.h"

#include "byte_helpers.h"
#include "cp1251.h"
#include "data_error.h"

#include <cmath>

namespace zephyr {

void CatalogueWriter::Fail(std::string_view what, const std::string& reason) const {
    // Names in `what` and texts in `reason` are Windows-1251; messages are UTF-8.
    throw DataError(file_, Utf8FromCp1251(what) + ": " + Utf8FromCp1251(reason));
}

void CatalogueWriter::Word(std::uint16_t value) {
    bytes_ += static_cast<char>(value >> 8);
    bytes_ += static_cast<char>(value & 0xFF);
}

void CatalogueWriter::Int(std::int32_t value) {
    const std::uint32_t stored = static_cast<std::uint32_t>(value) + 0x80000000u;
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes_ += static_cast<char>((stored >> shift) & 0xFF);
    }
}

void CatalogueWriter::Hundredths(double value, std::string_view what) {
    const double scaled = std::round(value * 100.0);
    if (!(scaled >= 0.0 && scaled <= 65535.0)) {
        Fail(what, "value " + std::to_string(value) + " is outside 0.00 .. 655.35");
    }
    Word(static_cast<std::uint16_t>(scaled));
}

void CatalogueWriter::Count(std::size_t count, std::size_t limit, std::string_view what) {
    if (count > limit) {
        Fail(what, std::to_string(count) + " entries, at most " + std::to_string(limit) +
                       " can be stored");
    }
    if (limit <= 0xFF) {
        Byte(static_cast<std::uint8_t>(count));
    } else {
        Word(static_cast<std::uint16_t>(count));
    }
}

void CatalogueWriter::CheckTrimmed(std::string_view text, std::string_view what) const {
    if (TrimControl(text).size() != text.size()) {
        Fail(what, "text \"" + std::string(text) +
                       "\" begins or ends with spaces or control bytes, which reading removes");
    }
}

void CatalogueWriter::CountedText(std::string_view text, std::string_view what) {
    CheckTrimmed(text, what);
    Count(text.size(), 0xFF, what);
    bytes_ += text;
}

void CatalogueWriter::FixedText(std::string_view text, std::size_t width, std::string_view what) {
    CheckTrimmed(text, what);
    if (text.size() > width) {
        Fail(what, "text of " + std::to_string(text.size()) + " bytes does not fit its " +
                       std::to_string(width) + "-byte field");
    }
    bytes_ += text;
    bytes_.append(width - text.size(), ' ');
}

void CatalogueWriter::Tokens(const TEffectList& tokens, std::string_view what) {
    Count(tokens.size(), 0xFFFF, what);
    for (const TEffectToken& token : tokens) {
        Bool(token.IsCode);
        Int(token.Value);
    }
}

} // namespace zephyr
