// Lists that paint at once. On the synthetic pack (20 000 terms), a keystroke
// in the dictionary to the first paint of its list, by the engine's own paint
// timing (first-contentful-paint); the yardstick is the engine loading the
// very same page from a file into a bare view. And a burst of keystrokes 30 ms
// apart, from the last one to its list painted, counting lists of earlier
// keys loaded after a later one (stale lists).
#include "app/program_entry.h"
#include "bench_packs.h"
#include "pack_builder.h"
#include "ui_fixture.h"

#include "controls/edit1.h"
#include "dictionary/search_page.h"
#include "ui/search/search_panel.h"
#include "ui/web_engine/web_engine_environment.h"
#include "ui/web_engine/web_engine_viewer.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using zephyr::bench::SyntheticFolder;

constexpr int kWaitMs = 60000;

// Milliseconds since the epoch, as the page's performance.timeOrigin counts.
double NowEpochMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

// When the page shown first painted content, in epoch milliseconds; waits
// for the engine to record it.
std::optional<double> FirstPaintEpoch(QWebEnginePage* page) {
    std::optional<double> at;
    const auto ask = [&] {
        bool done = false;
        page->runJavaScript(
            QStringLiteral("(() => { const e = performance.getEntriesByName("
                           "'first-contentful-paint')[0]; return e ? performance.timeOrigin + "
                           "e.startTime : -1; })()"),
            [&](const QVariant& value) {
                if (value.toDouble() > 0) {
                    at = value.toDouble();
                }
                done = true;
            });
        zephyr::uitest::WaitInEventLoop([&] { return done; }, kWaitMs);
        return at.has_value();
    };
    zephyr::uitest::WaitInEventLoop(ask, kWaitMs);
    return at;
}

struct Dictionary {
    std::unique_ptr<zephyr::ui::MainWindow> Window;
    zephyr::ui::SearchPanel* Panel = nullptr;
    QWebEnginePage* List = nullptr;
};

// The program on the synthetic pack with the dictionary shown and its first
// list loaded.
std::optional<Dictionary> OpenDictionary() {
    const std::filesystem::path& folder = SyntheticFolder();
    if (folder.empty()) {
        return std::nullopt;
    }
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
    Dictionary dictionary;
    dictionary.Window = zephyr::app::StartProgram(options);
    dictionary.Window->findChild<QAction*>(QStringLiteral("Action4"))->trigger();
    dictionary.Panel = dictionary.Window->Search();
    dictionary.List =
        dynamic_cast<zephyr::ui::WebEngineViewer*>(dictionary.Panel->ListViewer())->View()->page();
    QWebEnginePage* list = dictionary.List;
    if (!zephyr::uitest::WaitInEventLoop([list] { return !list->isLoading(); }, kWaitMs)) {
        return std::nullopt;
    }
    return dictionary;
}

// Types `text` and waits for its list to finish loading; the time from the
// keystroke to the list's first paint, in seconds.
std::optional<double> KeystrokeToFirstPaint(Dictionary& dictionary, const QString& text) {
    bool finished = false;
    const auto onFinish = QObject::connect(dictionary.List, &QWebEnginePage::loadFinished,
                                           [&finished](bool ok) { finished = ok; });
    const double typed = NowEpochMs();
    dictionary.Panel->SearchText()->setText(text);
    const bool loaded = zephyr::uitest::WaitInEventLoop([&] { return finished; }, kWaitMs);
    QObject::disconnect(onFinish);
    const std::optional<double> painted = loaded ? FirstPaintEpoch(dictionary.List) : std::nullopt;
    if (!painted) {
        return std::nullopt;
    }
    return (*painted - typed) / 1000.0;
}

void KeystrokeToList(benchmark::State& state, const QString& first, const QString& second) {
    std::optional<Dictionary> dictionary = OpenDictionary();
    if (!dictionary) {
        state.SkipWithError("the synthetic pack's dictionary did not open");
        return;
    }
    bool toggle = false;
    for (auto _ : state) {
        toggle = !toggle;
        const std::optional<double> seconds =
            KeystrokeToFirstPaint(*dictionary, toggle ? first : second);
        if (!seconds) {
            state.SkipWithError("the list did not paint");
            break;
        }
        state.SetIterationTime(*seconds);
    }
    state.counters["hits"] = static_cast<double>(dictionary->Panel->Hits().size());
}

void BM_KeystrokeToFirstRows10000(benchmark::State& state) {
    KeystrokeToList(state, QStringLiteral("t"), QStringLiteral("te"));
}
void BM_KeystrokeToFirstRowsAll(benchmark::State& state) {
    KeystrokeToList(state, QStringLiteral(" "), QStringLiteral("  "));
}

// The engine alone: the page the keystroke "t" writes, saved to a file and
// loaded into a bare view of the list's size, to its first paint.
void BM_FileToFirstRows10000(benchmark::State& state) {
    std::optional<Dictionary> dictionary = OpenDictionary();
    if (!dictionary || !KeystrokeToFirstPaint(*dictionary, QStringLiteral("t"))) {
        state.SkipWithError("the synthetic pack's dictionary did not open");
        return;
    }
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("list.html"));
    std::ofstream(file.toStdString(), std::ios::binary)
        << zephyr::SearchListPage(dictionary->Panel->Hits());
    const QSize size = dictionary->Panel->ListViewer()->Widget()->size();
    const auto hits = dictionary->Panel->Hits().size();
    dictionary.reset();

    QWebEngineProfile profile;
    QWebEngineView view;
    auto* page = new QWebEnginePage(&profile, &view);
    view.setPage(page);
    view.resize(size);
    view.show();
    // The view's first load starts its renderer; not what is measured.
    page->load(QUrl::fromLocalFile(file));
    zephyr::uitest::WaitInEventLoop([page] { return !page->isLoading(); }, kWaitMs);
    for (auto _ : state) {
        bool finished = false;
        const auto onFinish = QObject::connect(page, &QWebEnginePage::loadFinished,
                                               [&finished](bool ok) { finished = ok; });
        const double asked = NowEpochMs();
        page->load(QUrl::fromLocalFile(file));
        const bool loaded = zephyr::uitest::WaitInEventLoop([&] { return finished; }, kWaitMs);
        QObject::disconnect(onFinish);
        const std::optional<double> painted = loaded ? FirstPaintEpoch(page) : std::nullopt;
        if (!painted) {
            state.SkipWithError("the file did not paint");
            break;
        }
        state.SetIterationTime((*painted - asked) / 1000.0);
        page->load(QUrl(QStringLiteral("about:blank")));
        zephyr::uitest::WaitInEventLoop([page] { return !page->isLoading(); }, kWaitMs);
    }
    state.counters["hits"] = static_cast<double>(hits);
}

// Six keys 30 ms apart ("t", "te", … and back), from the last to its list's
// first paint. Written pages are numbered in the order they are written; a
// list loaded after one with a higher number is a stale one.
void BM_BurstToLastList(benchmark::State& state) {
    std::optional<Dictionary> dictionary = OpenDictionary();
    if (!dictionary) {
        state.SkipWithError("the synthetic pack's dictionary did not open");
        return;
    }
    const QStringList burst = {QStringLiteral("t"),  QStringLiteral("te"), QStringLiteral("ter"),
                               QStringLiteral("te"), QStringLiteral("t"),  QStringLiteral("te")};
    int stale = 0;
    for (auto _ : state) {
        std::vector<int> shown;
        const auto onLoad =
            QObject::connect(dictionary->List, &QWebEnginePage::loadingChanged,
                             [&shown](const QWebEngineLoadingInfo& info) {
                                 if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
                                     shown.push_back(info.url().fileName().mid(4).toInt());
                                 }
                             });
        double typed = 0;
        for (const QString& text : burst) {
            typed = NowEpochMs();
            dictionary->Panel->SearchText()->setText(text);
            QTest::qWait(30);
        }
        // The lists settle: nothing loading for 300 ms.
        QElapsedTimer quiet;
        quiet.start();
        zephyr::uitest::WaitInEventLoop(
            [&] {
                if (dictionary->List->isLoading()) {
                    quiet.restart();
                }
                return quiet.elapsed() > 300;
            },
            kWaitMs);
        QObject::disconnect(onLoad);
        const std::optional<double> painted = FirstPaintEpoch(dictionary->List);
        if (!painted || shown.empty()) {
            state.SkipWithError("the last list did not paint");
            break;
        }
        for (std::size_t k = 1; k < shown.size(); ++k) {
            stale += shown[k] < shown[k - 1] ? 1 : 0;
        }
        state.SetIterationTime((*painted - typed) / 1000.0);
    }
    state.counters["stale_lists"] = stale;
}

BENCHMARK(BM_FileToFirstRows10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_KeystrokeToFirstRows10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(6);
BENCHMARK(BM_KeystrokeToFirstRowsAll)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);
BENCHMARK(BM_BurstToLastList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace
