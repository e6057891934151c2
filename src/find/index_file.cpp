#include "index_file.h"

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace zephyr {
namespace {

// A folder of its own under the temporary directory; removed when done.
class PrivateFolder {
public:
    PrivateFolder() {
        std::error_code error;
        const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
        if (error) {
            return;
        }
        std::string pattern = (temporary / "zephyrdex-find-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~PrivateFolder() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A file opened for reading and writing whose name is gone at once.
int UnnamedFileIn(const std::filesystem::path& folder) {
    const std::filesystem::path name = folder / "compact";
    const int file = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file >= 0) {
        unlink(name.c_str());
    }
    return file;
}

} // namespace

std::optional<Xapian::Database>
IndexInUnnamedFile(const std::function<void(Xapian::WritableDatabase&)>& fill) {
    const PrivateFolder folder;
    if (folder.Path().empty()) {
        return std::nullopt;
    }
    int file = -1;
    int kept = -1; // the descriptor the compaction leaves open
    try {
        Xapian::WritableDatabase building((folder.Path() / "index").string(),
                                          Xapian::DB_CREATE | Xapian::DB_BACKEND_GLASS);
        fill(building);
        building.commit();
        file = UnnamedFileIn(folder.Path());
        if (file < 0) {
            return std::nullopt;
        }
        kept = dup(file);
        if (kept < 0) {
            close(file);
            return std::nullopt;
        }
        // The document ids stay those of the building: they number the
        // entries. The compaction closes the descriptor it is given.
        building.compact(file, Xapian::DBCOMPACT_NO_RENUMBER);
        if (lseek(kept, 0, SEEK_SET) != 0) {
            close(kept);
            return std::nullopt;
        }
        const int owned = std::exchange(kept, -1);
        return Xapian::Database(owned); // which owns it from here on
    } catch (const Xapian::Error&) {
        if (kept >= 0) {
            close(kept);
        }
        return std::nullopt;
    }
}

} // namespace zephyr
