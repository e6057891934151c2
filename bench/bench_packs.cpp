#include "bench_packs.h"

#include "pack_sources.h"
#include "pack_writer.h"
#include "synthetic_pack.h"

#include <random>
#include <string>
#include <vector>

namespace zephyr::bench {
namespace {

struct MadeFolders {
    std::vector<std::filesystem::path> Folders;
    ~MadeFolders() {
        for (const auto& folder : Folders) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }
};

std::filesystem::path NewFolder(const char* stem) {
    static MadeFolders made;
    std::random_device seed;
    auto path = std::filesystem::temp_directory_path() / (stem + std::to_string(seed()));
    std::filesystem::create_directories(path);
    made.Folders.push_back(path);
    return path;
}

} // namespace

const std::filesystem::path& SyntheticFolder() {
    static const std::filesystem::path folder = [] {
        auto path = NewFolder("zephyr-bench-synthetic-");
        pack::WritePack(pack::SyntheticPack(1), path / "Data");
        return path;
    }();
    return folder;
}

const std::filesystem::path& SampleFolder() {
    static const std::filesystem::path folder = []() -> std::filesystem::path {
        try {
            const auto sources = pack::ReadPackSources(ZEPHYR_SAMPLE_SOURCES);
            auto path = NewFolder("zephyr-bench-sample-");
            pack::WritePack(sources, path / "Data");
            return path;
        } catch (const std::exception&) {
            return {};
        }
    }();
    return folder;
}

} // namespace zephyr::bench
