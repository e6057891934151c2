#include "data_error.h"

namespace zephyr {
namespace {

std::string Describe(const std::string& file, const std::string& reason,
                     const std::optional<std::uint64_t>& offset) {
    std::string text = file;
    if (offset) {
        text += " (offset " + std::to_string(*offset) + ")";
    }
    return text + ": " + reason;
}

} // namespace

DataError::DataError(std::string file, std::string reason, std::optional<std::uint64_t> offset)
    : std::runtime_error(Describe(file, reason, offset)), file_(std::move(file)),
      reason_(std::move(reason)), offset_(offset) {}

} // namespace zephyr
