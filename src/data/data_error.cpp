#include "data_error.h"

#include "message_text.h"

namespace zephyr {
namespace {

std::string Describe(const std::string& file, const std::string& reason,
                     const std::optional<std::uint64_t>& offset) {
    // Names and paths come from the data: no raw control bytes in a message.
    std::string text = MessageText(file);
    if (offset) {
        text.append(" (offset ").append(std::to_string(*offset)).append(")");
    }
    text.append(": ").append(MessageText(reason));
    return text;
}

} // namespace

DataError::DataError(std::string file, std::string reason, std::optional<std::uint64_t> offset)
    : std::runtime_error(Describe(file, reason, offset)), file_(std::move(file)),
      reason_(std::move(reason)), offset_(offset) {}

} // namespace zephyr
