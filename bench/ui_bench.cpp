// One click on the calculator panel to the finished repaint, on the
// generated pack and the sample pack (start-up is browser_bench's).
#include "app/program_entry.h"
#include "bench_packs.h"
#include "pack_builder.h"

#include "controls/picture_control.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using zephyr::bench::SampleFolder;
using zephyr::bench::SyntheticFolder;

zephyr::app::ProgramOptions OptionsFor(const std::filesystem::path& folder) {
    return {zephyr::testing::PackBuilder::LocationOf(folder),
            [](QWidget*, const QString&) {},
            {},
            {},
            {}};
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

void BM_ClickToRepaintSynthetic(benchmark::State& state) {
    ClickToRepaint(state, SyntheticFolder());
}
void BM_ClickToRepaintSample(benchmark::State& state) {
    ClickToRepaint(state, SampleFolder());
}

BENCHMARK(BM_ClickToRepaintSynthetic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickToRepaintSample)->Unit(benchmark::kMicrosecond);

} // namespace
