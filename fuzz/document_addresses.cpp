// Address.dat, the table of documents that fixed places of the interface open.
#include "fuzz_check.h"

#include "data/document_addresses.h"

#include <cstdint>

namespace {

// Values come out trimmed of blanks and control bytes at both ends.
bool Trimmed(const std::string& value) {
    return value.empty() || (static_cast<unsigned char>(value.front()) > 0x20 &&
                             static_cast<unsigned char>(value.back()) > 0x20);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zephyr;
    const DocumentAddresses addresses =
        ParseDocumentAddresses(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::size_t k = 0; k < kDocumentKeyCount; ++k) {
        const std::string& value = addresses.Get(static_cast<DocumentKey>(k));
        FUZZ_CHECK(Trimmed(value));
        FUZZ_CHECK(value.size() <= size);
    }
    FUZZ_CHECK(Trimmed(addresses.DefaultPage));
    FUZZ_CHECK(Trimmed(addresses.Site));
    return 0;
}
