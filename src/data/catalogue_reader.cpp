#include "catalogue_reader.h"

#include "data_error.h"
#include "file_bytes.h"

namespace zephyr {

bool CatalogueReader::Open(const std::filesystem::path& path) {
    name_ = path.string();
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        const std::uintmax_t size = std::filesystem::file_size(path, ec);
        if (!ec && size > kMaxCatalogueBytes) {
            throw DataError(name_, FileTooLargeText(size, kMaxCatalogueBytes));
        }
    }
    return file_.Open(path);
}

void CatalogueReader::Truncated(const char* what, std::uint64_t offset) const {
    throw DataError(name_, std::string("file ends inside ") + what, offset);
}

bool CatalogueReader::Bool(const char* what) {
    const auto at = file_.Position();
    bool value = false;
    if (!file_.ReadBool(value)) {
        Truncated(what, at);
    }
    return value;
}

std::uint8_t CatalogueReader::Byte(const char* what) {
    const auto at = file_.Position();
    std::uint8_t value = 0;
    if (!file_.ReadByte(value)) {
        Truncated(what, at);
    }
    return value;
}

std::uint16_t CatalogueReader::Word(const char* what) {
    const auto at = file_.Position();
    std::uint16_t value = 0;
    if (!file_.ReadWord(value)) {
        Truncated(what, at);
    }
    return value;
}

std::int32_t CatalogueReader::Int(const char* what) {
    const auto at = file_.Position();
    std::int32_t value = 0;
    if (!file_.ReadInt(value)) {
        Truncated(what, at);
    }
    return value;
}

std::string CatalogueReader::CountedText(const char* what) {
    const auto at = file_.Position();
    const std::uint8_t count = Byte(what);
    std::string text;
    if (!file_.ReadString(count, text)) {
        Truncated(what, at);
    }
    return text;
}

std::string CatalogueReader::FixedText(std::size_t width, const char* what) {
    const auto at = file_.Position();
    std::string text;
    if (!file_.ReadString(width, text)) {
        Truncated(what, at);
    }
    return text;
}

TEffectList CatalogueReader::Tokens(const char* what) {
    const std::uint16_t count = Word(what);
    // Each token takes 5 bytes: a count beyond the rest of the file is a
    // truncation, found before anything is allocated for it.
    if (std::uint64_t{count} * 5 > file_.Size() - file_.Position()) {
        Truncated(what, file_.Position());
    }
    TEffectList tokens(count);
    for (TEffectToken& token : tokens) {
        token.IsCode = Bool(what);
        token.Value = Int(what);
    }
    return tokens;
}

} // namespace zephyr
