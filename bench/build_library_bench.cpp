// The build library on a folder of 2 000 builds: listing it as the window
// does (headers read, sorted), and the filter over it and every folder
// beneath. The files are written once, in the system's temporary folder.
#include "temp_folder.h"

#include "builds/build_file.h"
#include "builds/build_library.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr int kBuilds = 2000;

// 2 000 builds of 40 gestures, a tenth of them in ten subfolders.
const fs::path& Library() {
    static zephyr::testing::TempFolder folder;
    static const bool written = [] {
        for (int k = 0; k < kBuilds; ++k) {
            zephyr::BuildFile build;
            build.Name = "Сборка " + std::to_string(k);
            build.Notes = k % 7 == 0 ? "Против лучников, с ранним ботинком" : "";
            build.Created = build.Modified = "2026-12-10T10:00:00Z";
            build.HeroLevel = 1 + k % 25;
            build.Recipe.Hero = "Hero " + std::to_string(k % 40);
            for (int g = 0; g < 40; ++g) {
                build.Recipe.Gestures.push_back({zephyr::GestureKind::LevelUp, 1 + g % 5, 0, {}});
            }
            fs::path where = folder.Path();
            if (k % 10 == 0) {
                where /= "folder " + std::to_string(k % 100 / 10);
                fs::create_directories(where);
            }
            std::ofstream(where / ("build " + std::to_string(k) + ".zdxbuild"))
                << zephyr::BuildFileText(build);
        }
        return true;
    }();
    (void)written;
    return folder.Path();
}

void ListAFolder(benchmark::State& state) {
    const fs::path& library = Library();
    for (auto _ : state) {
        std::vector<zephyr::LibraryEntry> entries = zephyr::ListLibrary(library, false);
        zephyr::SortLibrary(entries, zephyr::LibraryOrder::Changed, true);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(ListAFolder)->Unit(benchmark::kMillisecond);

void FilterEveryFolder(benchmark::State& state) {
    const fs::path& library = Library();
    for (auto _ : state) {
        std::vector<zephyr::LibraryEntry> entries = zephyr::ListLibrary(library, true);
        std::erase_if(entries, [](const zephyr::LibraryEntry& entry) {
            return !zephyr::MatchesFilter(entry, "ЛУЧНИКОВ hero 7");
        });
        zephyr::SortLibrary(entries, zephyr::LibraryOrder::Name, false);
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(FilterEveryFolder)->Unit(benchmark::kMillisecond);

} // namespace
