// LoadAll with every picture, on the sample pack beside the executable and on
// a synthetic pack written once at start.
#include "pack_writer.h"
#include "synthetic_pack.h"
#include "temp_folder.h"

#include "data/load_all.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace zephyr;

std::filesystem::path ExecutableFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

void RunLoadAll(benchmark::State& state, const std::filesystem::path& data, bool withPictures) {
    if (!std::filesystem::exists(data / "Taverns.dat")) {
        state.SkipWithError(("no pack at " + data.string()).c_str());
        return;
    }
    const LoadOptions options{
        DataLocation(data.parent_path(), data, data.parent_path()), withPictures, {}};
    for (auto _ : state) {
        LoadAllResult result = LoadAll(options);
        if (!result.Ok()) {
            state.SkipWithError(result.Failure->Message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.Catalogue.Heroes.data());
    }
}

const std::filesystem::path& SyntheticData() {
    static zephyr::testing::TempFolder folder;
    static const std::filesystem::path data = [] {
        const auto path = folder.Path() / "Data";
        pack::WritePack(pack::SyntheticPack(1), path);
        return path;
    }();
    return data;
}

void BM_LoadAllSample(benchmark::State& state) {
    RunLoadAll(state, ExecutableFolder() / "Data", state.range(0) != 0);
}
void BM_LoadAllSynthetic(benchmark::State& state) {
    RunLoadAll(state, SyntheticData(), state.range(0) != 0);
}

// Argument: 1 with pictures, 0 records only.
BENCHMARK(BM_LoadAllSample)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAllSynthetic)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv); // the synthetic pack's pictures are drawn with Qt
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
