// One click on the calculator panel to the finished repaint, on the
// generated pack and the sample pack (start-up is browser_bench's).
#include "app/program_entry.h"
#include "bench_packs.h"
#include "pack_builder.h"

#include "controls/picture_control.h"
#include "ui/calculator/calculator_panel.h"
#include "ui/web_engine/web_engine_environment.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using zephyr::bench::SampleFolder;
using zephyr::bench::SyntheticFolder;

zephyr::app::ProgramOptions OptionsFor(const std::filesystem::path& folder) {
    zephyr::app::ProgramOptions options{zephyr::testing::PackBuilder::LocationOf(folder),
                                        [](QWidget*, const QString&) {},
                                        {},
                                        {},
                                        {},
                                        false,
                                        {},
                                        {},
                                        {}};
    options.Viewers = zephyr::ui::WebEngineViewers(options.Location);
    return options;
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

// Hovering one entry of the item picker: the preview of placing that item
// into the empty slot the picker is open for, as the tooltip's text.
void BM_ItemMenuHoverSynthetic(benchmark::State& state) {
    auto window = zephyr::app::StartProgram(OptionsFor(SyntheticFolder()));
    auto* ability = window->findChild<QWidget*>(QStringLiteral("ImageAbility1"));
    for (int level = 0; level < 3; ++level) {
        QTest::mouseClick(ability, Qt::LeftButton);
    }
    auto* panel = window->findChild<zephyr::ui::CalculatorPanel*>(QStringLiteral("MainScrollBox"));
    // The picker opened on slot 1 sets the slot the previews place into.
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("ImageSlot1")), Qt::LeftButton);
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    const int items = static_cast<int>(panel->Calc()->Catalog().Items.size());
    int item = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(panel->ItemPreviewText(item));
        item = item % items + 1;
    }
    state.counters["items"] = items;
}
BENCHMARK(BM_ItemMenuHoverSynthetic)->Unit(benchmark::kMicrosecond);

} // namespace
