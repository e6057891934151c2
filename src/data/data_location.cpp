#include "data_location.h"

#include "byte_helpers.h"
#include "cp1251.h"

#include <algorithm>
#include <vector>

namespace zephyr {
namespace {

std::vector<std::string> SplitComponents(std::string_view relative) {
    std::vector<std::string> parts;
    std::string current;
    for (const char c : relative) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// The entry of `folder` whose name equals `name` (Windows-1251) ignoring letter case.
std::optional<std::filesystem::path> MatchInFolder(const std::filesystem::path& folder,
                                                   const std::string& name) {
    const std::string wanted = UpperCaseCyr(name);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (UpperCaseCyr(Cp1251FromUtf8(entry.path().filename().string())) == wanted) {
            return entry.path();
        }
    }
    return std::nullopt;
}

bool IsAbsolute(std::string_view stored) {
    return (!stored.empty() && (stored[0] == '/' || stored[0] == '\\')) ||
           (stored.size() > 1 && stored[1] == ':');
}

// Stored paths start with the Data folder's name; it stands for whatever
// folder holds the data, which need not be called "Data". Returns the rest.
std::optional<std::string_view> BelowDataFolder(std::string_view storedPath) {
    const std::size_t slash = storedPath.find_first_of("\\/");
    const std::string_view first = storedPath.substr(0, slash);
    if (UpperCaseCyr(first) != "DATA") {
        return std::nullopt;
    }
    return slash == std::string_view::npos ? std::string_view() : storedPath.substr(slash + 1);
}

// The Data folder that `home` holds, letter case resolved, if it is a folder.
std::optional<std::filesystem::path> DataFolderIn(const std::filesystem::path& home) {
    std::optional<std::filesystem::path> found = FindIgnoringCase(home, "Data");
    std::error_code ec;
    if (found && std::filesystem::is_directory(*found, ec)) {
        return found;
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path InstalledDataHome(const std::filesystem::path& programFolder) {
    return (programFolder / ZEPHYR_INSTALLED_DATA_HOME).lexically_normal();
}

std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& base,
                                                      std::string_view relative) {
    std::filesystem::path current = base;
    for (const std::string& part : SplitComponents(relative)) {
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            current = current / "..";
            continue;
        }
        std::filesystem::path exact = current / Utf8FromCp1251(part);
        if (Exists(exact)) {
            current = std::move(exact);
        } else if (auto match = MatchInFolder(current, part)) {
            current = std::move(*match);
        } else {
            return std::nullopt;
        }
    }
    return current;
}

bool IsInsideFolder(const std::filesystem::path& folder, const std::filesystem::path& path) {
    // An empty base would match every path.
    if (folder.empty()) {
        return false;
    }
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::weakly_canonical(folder, ec);
    if (ec) {
        return false;
    }
    const std::filesystem::path real = std::filesystem::weakly_canonical(path, ec);
    if (ec) {
        return false;
    }
    const auto [end, ignored] = std::mismatch(base.begin(), base.end(), real.begin(), real.end());
    return end == base.end();
}

DataLocation::DataLocation(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                           std::filesystem::path currentDirectory)
    : programFolder_(std::move(programFolder)), dataFolder_(std::move(dataFolder)),
      currentDirectory_(std::move(currentDirectory)) {}

DataLocation DataLocation::ForExecutable(const std::filesystem::path& executable,
                                         const std::optional<std::filesystem::path>& dataFolder) {
    std::error_code ec;
    std::filesystem::path current = std::filesystem::current_path(ec);
    if (dataFolder) {
        const std::filesystem::path data = std::filesystem::absolute(*dataFolder, ec);
        return DataLocation(data.parent_path(), data, current);
    }
    const std::filesystem::path program = std::filesystem::absolute(executable, ec).parent_path();
    for (const std::filesystem::path& home : {program, InstalledDataHome(program)}) {
        if (auto data = DataFolderIn(home)) {
            return DataLocation(home, std::move(*data), current);
        }
    }
    return DataLocation(program, program / "Data", current);
}

std::filesystem::path DataLocation::DataFile(std::string_view name) const {
    return FindIgnoringCase(dataFolder_, name).value_or(dataFolder_ / Utf8FromCp1251(name));
}

std::filesystem::path DataLocation::AgainstProgramFolder(std::string_view storedPath) const {
    std::filesystem::path path = programFolder_;
    std::string_view rest = storedPath;
    if (auto below = BelowDataFolder(storedPath)) {
        path = dataFolder_;
        rest = *below;
    }
    for (const std::string& part : SplitComponents(rest)) {
        path /= Utf8FromCp1251(part);
    }
    return path;
}

std::optional<std::filesystem::path> DataLocation::Find(std::string_view storedPath) const {
    if (IsAbsolute(storedPath)) {
        return FindIgnoringCase("/", storedPath);
    }
    if (auto found = FindIgnoringCase(currentDirectory_, storedPath)) {
        return found;
    }
    if (auto below = BelowDataFolder(storedPath)) {
        return FindIgnoringCase(dataFolder_, *below);
    }
    return FindIgnoringCase(programFolder_, storedPath);
}

std::filesystem::path DataLocation::Resolve(std::string_view storedPath) const {
    if (auto found = Find(storedPath)) {
        return *found;
    }
    return AgainstProgramFolder(storedPath);
}

bool DataLocation::HoldsFile(const std::filesystem::path& found) const {
    if (IsInsideFolder(programFolder_, found) || IsInsideFolder(dataFolder_, found)) {
        return true;
    }
    // Stored paths try the current directory first, but a folder without
    // data of its own (the home folder, "/") must not lend them its files.
    const std::optional<std::filesystem::path> data = FindIgnoringCase(currentDirectory_, "Data");
    std::error_code ec;
    return data && std::filesystem::is_directory(*data, ec) &&
           IsInsideFolder(currentDirectory_, found);
}

} // namespace zephyr
