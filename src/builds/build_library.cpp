#include "builds/build_library.h"

#include "builds/build_script.h"
#include "builds/builds_folder.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>

namespace zephyr {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The file's own time, for a build whose header does not say when it changed.
std::string FileTime(const fs::path& path) {
    std::error_code error;
    const fs::file_time_type changed = fs::last_write_time(path, error);
    if (error) {
        return {};
    }
    const auto system = std::chrono::time_point_cast<std::chrono::seconds>(
        std::chrono::system_clock::now() + (changed - fs::file_time_type::clock::now()));
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

LibraryEntry BuildEntry(const fs::path& path, std::string folder) {
    LibraryEntry entry;
    entry.Path = path;
    entry.Folder = std::move(folder);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxBuildFileBytes) {
        entry.Problem = error ? error.message() : "too large for a build file";
    } else {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        try {
            entry.Header = ReadBuildFileHeader(text.str());
        } catch (const BuildScriptError& refusal) {
            entry.Problem = refusal.what();
        }
    }
    if (entry.Header.Name.empty()) {
        entry.Header.Name = Utf8(path.stem());
    }
    if (entry.Header.Modified.empty()) {
        entry.Header.Modified = FileTime(path);
    }
    return entry;
}

void List(const fs::path& folder, const std::string& relative, bool deep,
          std::vector<LibraryEntry>& out) {
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& path = it->path();
        const std::string name = Utf8(path.filename());
        if (name.starts_with('.')) {
            continue; // hidden, and the temporary files of a save under way
        }
        std::error_code kind;
        if (it->is_directory(kind)) {
            if (relative.empty()) {
                LibraryEntry entry;
                entry.IsFolder = true;
                entry.Path = path;
                entry.Header.Name = name;
                out.push_back(std::move(entry));
            }
            if (deep && !it->is_symlink(kind)) {
                List(path, relative.empty() ? name : relative + "/" + name, deep, out);
            }
        } else if (path.extension() == kBuildFileExtension && it->is_regular_file(kind)) {
            out.push_back(BuildEntry(path, relative));
        }
    }
}

bool NameBefore(const LibraryEntry& a, const LibraryEntry& b) {
    return LowerCase(a.Header.Name) < LowerCase(b.Header.Name);
}

bool IsLastSession(const LibraryEntry& entry) {
    return !entry.IsFolder && entry.Folder.empty() &&
           entry.Path.stem() ==
               fs::path(std::u8string(kLastSessionName.begin(), kLastSessionName.end()));
}

} // namespace

std::vector<LibraryEntry> ListLibrary(const fs::path& folder, bool deep) {
    std::vector<LibraryEntry> entries;
    List(folder, {}, deep, entries);
    return entries;
}

void SortLibrary(std::vector<LibraryEntry>& entries, LibraryOrder order, bool descending) {
    const auto rank = [](const LibraryEntry& e) {
        return IsLastSession(e) ? 0 : e.IsFolder ? 1 : 2;
    };
    const auto before = [&](const LibraryEntry& a, const LibraryEntry& b) {
        if (rank(a) != rank(b)) {
            return rank(a) < rank(b);
        }
        if (a.IsFolder) {
            return NameBefore(a, b);
        }
        const auto ordered = [&](const LibraryEntry& x, const LibraryEntry& y) {
            switch (order) {
            case LibraryOrder::Hero:
                if (LowerCase(x.Header.Hero) != LowerCase(y.Header.Hero)) {
                    return LowerCase(x.Header.Hero) < LowerCase(y.Header.Hero);
                }
                break;
            case LibraryOrder::Level:
                if (x.Header.HeroLevel != y.Header.HeroLevel) {
                    return x.Header.HeroLevel < y.Header.HeroLevel;
                }
                break;
            case LibraryOrder::Changed:
                if (x.Header.Modified != y.Header.Modified) {
                    return x.Header.Modified < y.Header.Modified;
                }
                break;
            case LibraryOrder::Name:
                break;
            }
            return NameBefore(x, y);
        };
        return descending ? ordered(b, a) : ordered(a, b);
    };
    std::stable_sort(entries.begin(), entries.end(), before);
}

std::string LowerCase(std::string_view utf8) {
    std::string out(utf8);
    for (std::size_t at = 0; at < out.size(); ++at) {
        const auto lead = static_cast<unsigned char>(out[at]);
        if (lead >= 'A' && lead <= 'Z') {
            out[at] = static_cast<char>(lead + 0x20);
            continue;
        }
        // The capitals of Cyrillic are two bytes, D0 80 to D0 AF; their small
        // letters keep the length.
        if (lead != 0xD0 || at + 1 == out.size()) {
            continue;
        }
        const auto next = static_cast<unsigned char>(out[at + 1]);
        if (next >= 0x90 && next <= 0x9F) { // А to П: а to п
            out[at + 1] = static_cast<char>(next + 0x20);
        } else if (next >= 0xA0 && next <= 0xAF) { // Р to Я: р to я
            out[at] = static_cast<char>(0xD1);
            out[at + 1] = static_cast<char>(next - 0x20);
        } else if (next >= 0x80 && next <= 0x8F) { // Ѐ to Џ, Ё among them
            out[at] = static_cast<char>(0xD1);
            out[at + 1] = static_cast<char>(next + 0x10);
        }
        ++at;
    }
    return out;
}

bool MatchesFilter(const LibraryEntry& entry, std::string_view filter) {
    std::string haystack = LowerCase(entry.Header.Name);
    if (!entry.IsFolder) {
        haystack += '\n' + LowerCase(entry.Header.Hero) + '\n' + LowerCase(entry.Header.Notes);
    }
    std::istringstream words{LowerCase(filter)};
    std::string word;
    while (words >> word) {
        if (haystack.find(word) == std::string::npos) {
            return false;
        }
    }
    return true;
}

} // namespace zephyr
