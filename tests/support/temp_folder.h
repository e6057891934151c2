#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zephyr::testing {

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes bytes to a file, creating its folders.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// A file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

} // namespace zephyr::testing
