#include "cp1251.h"

#include <array>

namespace zephyr {
namespace {

// Code points of bytes 0x80..0xBF; 0x98 has no character. Bytes 0xC0..0xFF are
// U+0410..U+044F in order, bytes below 0x80 are ASCII.
constexpr std::array<char32_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t CodePointOf(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kHighTable[byte - 0x80];
}

// The Windows-1251 byte of a code point; U+FFFD (also what malformed input
// decodes to) has none.
std::optional<char> ByteOf(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<char>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t k = 0; k < kHighTable.size(); ++k) {
        if (kHighTable[k] == cp && cp != 0xFFFD) {
            return static_cast<char>(0x80 + k);
        }
    }
    return std::nullopt;
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

std::string Utf8FromCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Cp1251FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        out += ByteOf(NextCodePoint(text, i)).value_or('?');
    }
    return out;
}

std::optional<std::string> CheckedCp1251FromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::optional<char> byte = ByteOf(NextCodePoint(text, i));
        if (!byte) {
            return std::nullopt;
        }
        out += *byte;
    }
    return out;
}

} // namespace zephyr
