// Shops.dat, the item catalogue, as one file of an otherwise valid Data folder.
#include "fuzz_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephyr::fuzz::LoadCatalogueInput("Shops.dat", data, size);
    return 0;
}
