#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace zephyr {

// Where the program finds its data. Catalogues and text files live in the
// data folder; paths stored inside the data ("Data\images\x.jpg", Windows-1251,
// backslashes, any letter case) resolve against the current directory first,
// then against the program folder.
class DataLocation {
public:
    DataLocation(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                 std::filesystem::path currentDirectory);

    // With an explicit data folder (--data DIR) the program folder is the
    // folder that holds DIR. Otherwise the Data folder beside the executable
    // is taken, else the installed one (InstalledDataHome), and the program
    // folder is the one that holds it; with neither, the executable's folder
    // and the Data folder it would hold.
    static DataLocation ForExecutable(const std::filesystem::path& executable,
                                      const std::optional<std::filesystem::path>& dataFolder);

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }
    const std::filesystem::path& DataFolder() const { return dataFolder_; }

    // A file of the data folder by its name ("Taverns.dat"), letter case resolved.
    std::filesystem::path DataFile(std::string_view name) const;

    // A stored path resolved to an existing file, or nothing.
    std::optional<std::filesystem::path> Find(std::string_view storedPath) const;

    // Find(), or when nothing exists the program-folder form, for messages.
    std::filesystem::path Resolve(std::string_view storedPath) const;

    // Whether a file that Find() or DataFile() gave lies, links and ".."
    // resolved, inside a folder that holds the data: the program folder, the
    // data folder, or the current directory when it has a Data folder of its
    // own. Files that the data names are read only from there.
    bool HoldsFile(const std::filesystem::path& found) const;

private:
    std::filesystem::path AgainstProgramFolder(std::string_view storedPath) const;

    std::filesystem::path programFolder_;
    std::filesystem::path dataFolder_;
    std::filesystem::path currentDirectory_;
};

// The folder an installed program keeps its Data folder in, found from the
// executable's folder through the install layout ("../share/zephyrdex" for
// bin and share below one prefix), so an unpacked copy works as well.
std::filesystem::path InstalledDataHome(const std::filesystem::path& programFolder);

// Resolves `relative` (components separated by '/' or '\', Windows-1251)
// below `base`: exact letter case first, then a case-insensitive match per
// component. Returns the existing path or nothing.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& base,
                                                      std::string_view relative);

// Whether `path`, with links and ".." resolved, lies inside `folder`. An
// empty folder holds nothing.
bool IsInsideFolder(const std::filesystem::path& folder, const std::filesystem::path& path);

} // namespace zephyr
