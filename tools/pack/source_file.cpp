#include "source_file.h"

#include "source_error.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zephyr::pack {
namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool IsKeyCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == '%' || c == '\'';
}

} // namespace

void SourceLine::Fail(const std::string& reason) const {
    throw SourceError(File, Line, reason);
}

std::string ReadSourceText(const std::filesystem::path& path, const std::string& shownName) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw SourceError(shownName, 0, "cannot open the file");
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    return text;
}

std::vector<SourceLine> ReadSourceFile(const std::filesystem::path& path,
                                       const std::string& shownName) {
    const std::string text = ReadSourceText(path, shownName);
    std::vector<SourceLine> lines;
    std::string pending;
    int pendingLine = 0;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string physical = text.substr(start, end - start);
        // A trailing comment starts at a '#' with a space on both sides.
        for (std::size_t at = physical.find(" #"); at != std::string::npos;
             at = physical.find(" #", at + 1)) {
            if (at + 2 == physical.size() || physical[at + 2] == ' ' || physical[at + 2] == '\t') {
                physical.erase(at);
                break;
            }
        }
        physical = Trim(physical);
        start = end + 1;
        ++number;
        if (pending.empty() && (physical.empty() || physical[0] == '#')) {
            continue;
        }
        if (pending.empty()) {
            pendingLine = number;
        }
        const bool continues = !physical.empty() && physical.back() == '\\';
        if (continues) {
            physical = Trim(physical.substr(0, physical.size() - 1));
        }
        pending += (pending.empty() || physical.empty() ? "" : " ") + physical;
        if (continues) {
            continue;
        }
        SourceLine line{shownName, pendingLine, false, {}, {}};
        const std::size_t colon = pending.find(':');
        if (pending[0] >= 'A' && pending[0] <= 'Z') {
            line.IsEffect = true;
            line.Value = pending;
        } else if (colon != std::string::npos && colon > 0 &&
                   std::all_of(pending.begin(), pending.begin() + static_cast<long>(colon),
                               IsKeyCharacter)) {
            line.Key = Trim(pending.substr(0, colon));
            line.Value = Trim(pending.substr(colon + 1));
        } else {
            line.Fail("expected \"key: value\" or an effect such as Damage(10), found \"" +
                      pending + "\"");
        }
        lines.push_back(std::move(line));
        pending.clear();
    }
    if (!pending.empty()) {
        throw SourceError(shownName, pendingLine, "the file ends inside a continued line");
    }
    return lines;
}

std::vector<std::filesystem::path> SourceFilesIn(const std::filesystem::path& folder,
                                                 const std::string& extension) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace zephyr::pack
