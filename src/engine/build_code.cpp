#include "build_code.h"

#include <array>
#include <cstdint>

namespace zephyr {
namespace {

constexpr std::string_view kPrefix = "ZX";
constexpr std::uint8_t kVersion = kBuildCodeVersion;
constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

// Zigzag varints: small numbers of either sign take one byte.
void PutNumber(std::string& out, std::int32_t value) {
    std::uint32_t v =
        (static_cast<std::uint32_t>(value) << 1) ^ static_cast<std::uint32_t>(value < 0 ? -1 : 0);
    while (v >= 0x80u) {
        out.push_back(static_cast<char>((v & 0x7Fu) | 0x80u));
        v >>= 7;
    }
    out.push_back(static_cast<char>(v));
}

void PutName(std::string& out, const std::string& name) {
    if (name.size() > kMaxCodeName) {
        throw BuildCodeError(BuildCodeFault::NameTooLong,
                             "a name is longer than " + std::to_string(kMaxCodeName) + " bytes");
    }
    PutNumber(out, static_cast<std::int32_t>(name.size()));
    out += name;
}

std::string Base64Url(std::string_view bytes) {
    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char byte : bytes) {
        buffer = (buffer << 8) | static_cast<std::uint8_t>(byte);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text.push_back(kAlphabet[(buffer >> bits) & 0x3Fu]);
        }
    }
    if (bits > 0) {
        text.push_back(kAlphabet[(buffer << (6 - bits)) & 0x3Fu]);
    }
    return text;
}

std::string FromBase64Url(std::string_view text) {
    std::string bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char c : text) {
        const std::size_t value = kAlphabet.find(c);
        if (value == std::string_view::npos) {
            throw BuildCodeError(BuildCodeFault::BadCharacter,
                                 "a build code holds only letters, digits, '-' and '_'");
        }
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<char>((buffer >> bits) & 0xFFu));
        }
    }
    // Leftover bits are padding and must be zero, so each code has one spelling.
    if (bits >= 6 || (buffer & ((1u << bits) - 1u)) != 0) {
        throw BuildCodeError(BuildCodeFault::CutOff, "the build code is cut off or damaged");
    }
    return bytes;
}

// Reads the payload; every read is checked against what is left.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return at_ == bytes_.size(); }

    std::uint8_t Byte() {
        if (AtEnd()) {
            Damaged();
        }
        return static_cast<std::uint8_t>(bytes_[at_++]);
    }

    std::int32_t Number() {
        std::uint32_t v = 0;
        for (int shift = 0;; shift += 7) {
            const std::uint8_t byte = Byte();
            if (shift == 28 && byte > 0x0Fu) {
                Damaged();
            }
            v |= static_cast<std::uint32_t>(byte & 0x7Fu) << shift;
            if ((byte & 0x80u) == 0) {
                break;
            }
        }
        return static_cast<std::int32_t>((v >> 1) ^ (0u - (v & 1u)));
    }

    std::string Name() {
        const std::int32_t length = Number();
        if (length < 0 || static_cast<std::size_t>(length) > kMaxCodeName ||
            static_cast<std::size_t>(length) > bytes_.size() - at_) {
            Damaged();
        }
        std::string name(bytes_.substr(at_, static_cast<std::size_t>(length)));
        at_ += static_cast<std::size_t>(length);
        return name;
    }

    [[noreturn]] static void Damaged() {
        throw BuildCodeError(BuildCodeFault::Damaged, "the build code is damaged");
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

bool HasName(GestureKind kind) {
    return kind == GestureKind::ChooseHero || kind == GestureKind::Place ||
           kind == GestureKind::ParamText;
}

int NumberCount(GestureKind kind) {
    switch (kind) {
    case GestureKind::LevelDown:
    case GestureKind::Reset:
    case GestureKind::ChooseHero:
        return 0;
    case GestureKind::MoveLine:
    case GestureKind::ParamArrow:
        return 2;
    case GestureKind::LevelUp:
    case GestureKind::Place:
    case GestureKind::Remove:
    case GestureKind::ToggleAbility:
    case GestureKind::OpenParams:
    case GestureKind::ToggleSlot:
    case GestureKind::ParamText:
        return 1;
    }
    return 0;
}

} // namespace

std::string EncodeBuildCode(const BuildRecipe& recipe) {
    if (recipe.Gestures.size() > kMaxCodeGestures) {
        throw BuildCodeError(BuildCodeFault::TooManyGestures, "a build code holds at most " +
                                                                  std::to_string(kMaxCodeGestures) +
                                                                  " gestures");
    }
    std::string payload(1, static_cast<char>(kVersion));
    PutName(payload, recipe.Hero);
    PutNumber(payload, static_cast<std::int32_t>(recipe.Gestures.size()));
    for (const Gesture& gesture : recipe.Gestures) {
        payload.push_back(static_cast<char>(gesture.Kind));
        const int numbers = NumberCount(gesture.Kind);
        if (numbers >= 1) {
            PutNumber(payload, gesture.A);
        }
        if (numbers >= 2) {
            PutNumber(payload, gesture.B);
        }
        if (HasName(gesture.Kind)) {
            PutName(payload, gesture.Name);
        }
    }
    const std::uint32_t crc = Crc32(payload);
    for (int shift = 24; shift >= 0; shift -= 8) {
        payload.push_back(static_cast<char>((crc >> shift) & 0xFFu));
    }
    return std::string(kPrefix) + Base64Url(payload);
}

BuildRecipe DecodeBuildCode(std::string_view code) {
    if (!code.starts_with(kPrefix)) {
        throw BuildCodeError(BuildCodeFault::Foreign,
                             "this is not a Zephyrdex build code (it starts with \"ZX\")");
    }
    const std::string bytes = FromBase64Url(code.substr(kPrefix.size()));
    if (bytes.size() < 1 + 4) {
        throw BuildCodeError(BuildCodeFault::CutOff, "the build code is cut off or damaged");
    }
    const std::string_view payload = std::string_view(bytes).substr(0, bytes.size() - 4);
    std::uint32_t stored = 0;
    for (std::size_t k = payload.size(); k < bytes.size(); ++k) {
        stored = (stored << 8) | static_cast<std::uint8_t>(bytes[k]);
    }
    if (Crc32(payload) != stored) {
        throw BuildCodeError(BuildCodeFault::Checksum,
                             "the build code is damaged: its checksum does not match");
    }
    Reader in(payload);
    const std::uint8_t version = in.Byte();
    if (version != kVersion) {
        throw BuildCodeError(BuildCodeFault::OtherVersion,
                             "the build code is of version " + std::to_string(version) +
                                 "; this program reads version " + std::to_string(kVersion),
                             version);
    }
    BuildRecipe recipe;
    recipe.Hero = in.Name();
    const std::int32_t count = in.Number();
    if (count < 0 || static_cast<std::size_t>(count) > kMaxCodeGestures) {
        Reader::Damaged();
    }
    for (std::int32_t n = 0; n < count; ++n) {
        const std::uint8_t kind = in.Byte();
        if (kind < 1 || kind > kLastGestureKind) {
            Reader::Damaged();
        }
        Gesture gesture;
        gesture.Kind = static_cast<GestureKind>(kind);
        const int numbers = NumberCount(gesture.Kind);
        if (numbers >= 1) {
            gesture.A = in.Number();
        }
        if (numbers >= 2) {
            gesture.B = in.Number();
        }
        if (HasName(gesture.Kind)) {
            gesture.Name = in.Name();
        }
        recipe.Gestures.push_back(std::move(gesture));
    }
    if (!in.AtEnd()) {
        Reader::Damaged();
    }
    return recipe;
}

} // namespace zephyr
