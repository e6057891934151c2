#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace zephyr {

// A data file that cannot be used: names the file, what is wrong and, for a
// binary catalogue, the byte offset where reading failed.
class DataError : public std::runtime_error {
public:
    DataError(std::string file, std::string reason, std::optional<std::uint64_t> offset = {});

    const std::string& File() const { return file_; }
    const std::string& Reason() const { return reason_; }
    const std::optional<std::uint64_t>& Offset() const { return offset_; }

private:
    std::string file_;
    std::string reason_;
    std::optional<std::uint64_t> offset_;
};

// A picture that is missing, unreadable or corrupt.
class PictureError : public DataError {
public:
    using DataError::DataError;
};

} // namespace zephyr
