#include "find_documents.h"

#include "data/data_error.h"
#include "data/file_bytes.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace zephyr {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kLargestDocument = 32u << 20;

bool IsHtml(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".html" || extension == ".htm";
}

} // namespace

std::vector<FindDocument> ReadFindDocuments(const DataLocation& location,
                                            std::vector<std::string>& problems) {
    std::vector<fs::path> files;
    std::error_code error;
    fs::recursive_directory_iterator walk(location.DataFolder(),
                                          fs::directory_options::skip_permission_denied, error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        if (walk->is_regular_file(error) && IsHtml(walk->path())) {
            files.push_back(walk->path());
        }
    }
    if (error) {
        problems.push_back(PathText(location.DataFolder()) + ": " + error.message());
    }
    std::sort(files.begin(), files.end());
    std::vector<FindDocument> documents;
    for (const fs::path& file : files) {
        try {
            FindDocument document;
            document.Path = file.lexically_relative(location.ProgramFolder()).generic_string();
            document.Bytes = ReadRegularFile(file, kLargestDocument);
            documents.push_back(std::move(document));
        } catch (const DataError& failure) {
            problems.push_back(failure.what());
        }
    }
    return documents;
}

} // namespace zephyr
