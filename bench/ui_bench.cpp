// Start-up to the shown main window, and one click on the calculator panel
// to the finished repaint, on the generated pack and the sample pack.
#include "app/program_entry.h"
#include "pack_builder.h"
#include "pack_sources.h"
#include "pack_writer.h"
#include "synthetic_pack.h"

#include "controls/picture_control.h"
#include "ui/web_engine_environment.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "zephyr_ui_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        zephyr::ui::PrepareWebEngine();
        return new QApplication(argc, argv);
    }();
    return *application;
}

std::filesystem::path NewFolder(const char* stem) {
    std::random_device seed;
    auto path = std::filesystem::temp_directory_path() / (stem + std::to_string(seed()));
    std::filesystem::create_directories(path);
    return path;
}

const std::filesystem::path& SyntheticFolder() {
    static const std::filesystem::path folder = [] {
        Application();
        auto path = NewFolder("zephyr-bench-synthetic-");
        zephyr::pack::WritePack(zephyr::pack::SyntheticPack(1), path / "Data");
        return path;
    }();
    return folder;
}

const std::filesystem::path& SampleFolder() {
    static const std::filesystem::path folder = []() -> std::filesystem::path {
        Application();
        try {
            const auto sources = zephyr::pack::ReadPackSources(
                std::filesystem::path(__FILE__).parent_path().parent_path() / "datapack");
            auto path = NewFolder("zephyr-bench-sample-");
            zephyr::pack::WritePack(sources, path / "Data");
            return path;
        } catch (const std::exception&) {
            return {};
        }
    }();
    return folder;
}

zephyr::app::ProgramOptions OptionsFor(const std::filesystem::path& folder) {
    return {zephyr::testing::PackBuilder::LocationOf(folder), [](QWidget*, const QString&) {}, {}, {}, {}};
}

void StartUp(benchmark::State& state, const std::filesystem::path& folder) {
    if (folder.empty()) {
        state.SkipWithError("the sample pack does not compile");
        return;
    }
    for (auto _ : state) {
        auto window = zephyr::app::StartProgram(OptionsFor(folder));
        QApplication::processEvents(); // the first paint of the shown window
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void ClickToRepaint(benchmark::State& state, const std::filesystem::path& folder) {
    if (folder.empty()) {
        state.SkipWithError("the sample pack does not compile");
        return;
    }
    auto window = zephyr::app::StartProgram(OptionsFor(folder));
    auto* ability = window->findChild<QWidget*>(QStringLiteral("ImageAbility1"));
    auto* levelDown = window->findChild<QWidget*>(QStringLiteral("ImageEx8"));
    for (auto _ : state) {
        QTest::mousePress(ability, Qt::LeftButton);
        window->repaint();
        state.PauseTiming();
        QTest::mouseRelease(ability, Qt::LeftButton);
        QTest::mouseClick(levelDown, Qt::LeftButton);
        state.ResumeTiming();
    }
}

void BM_StartUpSynthetic(benchmark::State& state) {
    StartUp(state, SyntheticFolder());
}
void BM_StartUpSample(benchmark::State& state) {
    StartUp(state, SampleFolder());
}
void BM_ClickToRepaintSynthetic(benchmark::State& state) {
    ClickToRepaint(state, SyntheticFolder());
}
void BM_ClickToRepaintSample(benchmark::State& state) {
    ClickToRepaint(state, SampleFolder());
}

BENCHMARK(BM_StartUpSynthetic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpSample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickToRepaintSynthetic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickToRepaintSample)->Unit(benchmark::kMicrosecond);

} // namespace
