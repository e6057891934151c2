#include "stored_file.h"

#include "data_error.h"
#include "file_bytes.h"

namespace zephyr {

std::string ReadStoredFile(const DataLocation& location, const std::filesystem::path& path,
                           std::uintmax_t maxBytes) {
    // A device or FIFO outside the data says more as "not a regular file"
    // than as "outside"; ReadRegularFile checks the type again.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw DataError(PathText(path), "not a regular file");
    }
    if (std::filesystem::exists(status) && !location.HoldsFile(path)) {
        throw DataError(PathText(path), "lies outside the folder that holds Data");
    }
    return ReadRegularFile(path, maxBytes);
}

} // namespace zephyr
