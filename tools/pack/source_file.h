#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zephyr::pack {

// One statement of a .zds source: either "key: value" or an effect line
// ("Name(arguments)", which starts with a capital letter).
struct SourceLine {
    std::string File; // as shown in messages (relative to the sources)
    int Line = 0;     // 1-based, of the statement's first physical line
    bool IsEffect = false;
    std::string Key;   // lower case; empty for an effect line
    std::string Value; // trimmed; the whole statement for an effect line

    [[noreturn]] void Fail(const std::string& reason) const;
};

// Reads a source file: comments and blank lines dropped, continuation lines
// ("\" at the end) joined. A line that is neither a key nor an effect is an error.
std::vector<SourceLine> ReadSourceFile(const std::filesystem::path& path,
                                       const std::string& shownName);

// Reads a whole UTF-8 text file; SourceError when it cannot be read.
std::string ReadSourceText(const std::filesystem::path& path, const std::string& shownName);

// The .zds files of a folder in file-name order.
std::vector<std::filesystem::path> SourceFilesIn(const std::filesystem::path& folder,
                                                 const std::string& extension);

} // namespace zephyr::pack
