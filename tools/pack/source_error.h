#pragma once

#include <stdexcept>
#include <string>

namespace zephyr::pack {

// A mistake in the data-pack sources: "file:line: reason".
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& file, int line, const std::string& reason)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + reason), file_(file),
          line_(line) {}

    const std::string& File() const { return file_; }
    int Line() const { return line_; }

private:
    std::string file_;
    int line_;
};

} // namespace zephyr::pack
