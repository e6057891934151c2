// Start-up on the real browser engine, to the shown main window and to the
// painted start page, and the memory of the whole process tree (the engine's
// helper processes included) after start-up and after ten documents and a
// few letters in the dictionary, on the generated pack and the sample pack,
// against one bare browser view.
#include "app/program_entry.h"
#include "bench_packs.h"
#include "pack_builder.h"
#include "ui_fixture.h"

#include "controls/edit1.h"

#include "ui/search/search_panel.h"
#include "ui/web_engine/web_engine_environment.h"
#include "ui/web_engine/web_engine_viewer.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using zephyr::bench::SampleFolder;
using zephyr::bench::SyntheticFolder;

constexpr int kWaitMs = 30000;

// Ten documents each pack has, opened one after another; the generated pack
// has only the seven main ones, so it comes round to the first again.
const std::vector<std::string> kSampleDocuments = {
    "guide_heroes.html",     "guide_items.html",   "guide_creeps.html", "articles.html",
    "formulas.html",         "about.html",         "help.html",         "articles\\ambush.html",
    "articles\\laning.html", "articles\\orbs.html"};
const std::vector<std::string> kSyntheticDocuments = {
    "guide_heroes.html", "guide_items.html", "guide_creeps.html", "articles.html",
    "formulas.html",     "about.html",       "help.html",         "guide_heroes.html",
    "guide_items.html",  "guide_creeps.html"};

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

// Deletes the window and lets the engine's deferred clean-up run.
void Close(std::unique_ptr<zephyr::ui::MainWindow>& window) {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

zephyr::ui::WebEngineViewer* MainViewer(const zephyr::ui::MainWindow& window) {
    return dynamic_cast<zephyr::ui::WebEngineViewer*>(window.WebBrowser1());
}

bool Loaded(const zephyr::ui::WebEngineViewer& viewer, const std::string& page) {
    return viewer.Address().ends_with(page) && !viewer.View()->page()->isLoading();
}

// The page name at the end of a document path ("articles\x.html" -> "x.html").
std::string PageName(const std::string& document) {
    const auto slash = document.find_last_of('\\');
    return slash == std::string::npos ? document : document.substr(slash + 1);
}

// Starts the program and waits for the start page, painted once. Nothing
// when the window or the page did not come.
std::unique_ptr<zephyr::ui::MainWindow> StartToStartPage(const std::filesystem::path& folder) {
    auto window = zephyr::app::StartProgram(OptionsFor(folder));
    if (!window) {
        return nullptr;
    }
    auto* viewer = MainViewer(*window);
    if (viewer == nullptr || !zephyr::uitest::WaitInEventLoop(
                                 [viewer] { return Loaded(*viewer, "Main.html"); }, kWaitMs)) {
        Close(window);
        return nullptr;
    }
    // Grabbing paints the view: the first frame of the loaded page.
    const QPixmap frame = viewer->View()->grab();
    benchmark::DoNotOptimize(frame);
    return window;
}

// Runs `action` and waits until the viewer has finished the load it started.
// The previous page's finish may still be queued when this starts, so only a
// finish after this load's start counts.
template <class Action>
bool LoadAndWait(zephyr::ui::WebEngineViewer& viewer, Action action, const std::string& page) {
    QWebEnginePage* engine = viewer.View()->page();
    bool started = false;
    bool finished = false;
    const auto onStart =
        QObject::connect(engine, &QWebEnginePage::loadStarted, [&started] { started = true; });
    const auto onFinish = QObject::connect(engine, &QWebEnginePage::loadFinished,
                                           [&started, &finished](bool) { finished = started; });
    action();
    const bool loaded =
        zephyr::uitest::WaitInEventLoop([&] { return finished && Loaded(viewer, page); }, kWaitMs);
    QObject::disconnect(onStart);
    QObject::disconnect(onFinish);
    return loaded;
}

// Opens the document and waits for it.
bool Open(zephyr::ui::WebEngineViewer& viewer, const std::string& document) {
    return LoadAndWait(
        viewer, [&] { viewer.Navigate("Data\\documents\\" + document); }, PageName(document));
}

// This process and every process below it, by the parent field of
// /proc/<pid>/stat.
std::vector<int> ProcessTree() {
    std::multimap<int, int> children; // parent -> child
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        int pid = 0;
        if (std::from_chars(name.data(), name.data() + name.size(), pid).ptr !=
            name.data() + name.size()) {
            continue;
        }
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) {
            continue; // gone meanwhile
        }
        // The command name in parentheses may hold spaces; the state and the
        // parent follow its closing parenthesis.
        const auto close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream rest(line.substr(close + 1));
        char state = 0;
        int parent = 0;
        if (rest >> state >> parent) {
            children.emplace(parent, pid);
        }
    }
    std::vector<int> tree = {static_cast<int>(getpid())};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const auto [first, last] = children.equal_range(tree[i]);
        for (auto it = first; it != last; ++it) {
            tree.push_back(it->second);
        }
    }
    return tree;
}

// Resident memory of one process in kB (0 when it has gone).
long ResidentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmRSS:")) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

// Proportional set size of one process in kB: its shared pages divided
// between the processes that share them, so that a tree's sum counts each
// page once (0 when it has gone).
long ProportionalKb(int pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.starts_with("Pss:")) {
            return std::strtol(line.c_str() + 4, nullptr, 10);
        }
    }
    return 0;
}

struct TreeMemory {
    double ResidentMb = 0;
    double ProportionalMb = 0;
    double ProgramMb = 0; // the PSS of the program's own process
    int Processes = 0;
};

TreeMemory MeasureTree() {
    TreeMemory memory;
    long resident = 0;
    long proportional = 0;
    for (const int pid : ProcessTree()) {
        resident += ResidentKb(pid);
        const long kb = ProportionalKb(pid);
        proportional += kb;
        if (pid == getpid()) {
            memory.ProgramMb = static_cast<double>(kb) / 1024.0;
        }
        ++memory.Processes;
    }
    memory.ResidentMb = static_cast<double>(resident) / 1024.0;
    memory.ProportionalMb = static_cast<double>(proportional) / 1024.0;
    return memory;
}

bool Usable(benchmark::State& state, const std::filesystem::path& folder) {
    if (folder.empty()) {
        state.SkipWithError("the sample pack does not compile");
        return false;
    }
    return true;
}

void StartUpShown(benchmark::State& state, const std::filesystem::path& folder) {
    if (!Usable(state, folder)) {
        return;
    }
    for (auto _ : state) {
        auto window = zephyr::app::StartProgram(OptionsFor(folder));
        QApplication::processEvents(); // the first paint of the shown window
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        Close(window);
        state.ResumeTiming();
    }
}

void StartUpToStartPage(benchmark::State& state, const std::filesystem::path& folder) {
    if (!Usable(state, folder)) {
        return;
    }
    for (auto _ : state) {
        auto window = StartToStartPage(folder);
        state.PauseTiming();
        if (!window) {
            state.SkipWithError("the start page did not load");
            break;
        }
        Close(window);
        state.ResumeTiming();
    }
}

void TreeMemoryAfterDocuments(benchmark::State& state, const std::filesystem::path& folder,
                              const std::vector<std::string>& documents) {
    if (!Usable(state, folder)) {
        return;
    }
    for (auto _ : state) {
        auto window = StartToStartPage(folder);
        if (!window) {
            state.SkipWithError("the start page did not load");
            break;
        }
        const TreeMemory started = MeasureTree();
        auto* viewer = MainViewer(*window);
        // Documents are read with both panels hidden, as the menu leaves them.
        window->Panel()->hide();
        for (const std::string& document : documents) {
            if (!Open(*viewer, document)) {
                state.SkipWithError(("the document did not load: " + document).c_str());
                break;
            }
        }
        // Then a few letters in the dictionary, each list loaded.
        window->findChild<QAction*>(QStringLiteral("Action4"))->trigger();
        auto* list = dynamic_cast<zephyr::ui::WebEngineViewer*>(window->Search()->ListViewer());
        for (const QString& text :
             {QStringLiteral("a"), QStringLiteral("ag"), QStringLiteral("b")}) {
            LoadAndWait(
                *list, [&] { window->Search()->SearchText()->setText(text); }, "");
        }
        // Whatever the engine still has queued settles before the count.
        QTest::qWait(500);
        const TreeMemory browsed = MeasureTree();
        state.counters["rss_mb_after_startup"] = started.ResidentMb;
        state.counters["rss_mb_after_documents_and_dictionary"] = browsed.ResidentMb;
        state.counters["pss_mb_after_startup"] = started.ProportionalMb;
        state.counters["pss_mb_after_documents_and_dictionary"] = browsed.ProportionalMb;
        state.counters["pss_mb_program_after_documents_and_dictionary"] = browsed.ProgramMb;
        state.counters["processes_after_startup"] = started.Processes;
        state.counters["processes_after_documents_and_dictionary"] = browsed.Processes;
        state.PauseTiming();
        Close(window);
        state.ResumeTiming();
    }
}

// The yardstick of the tree's memory: one bare browser view holding the
// sample pack's start page, nothing else of the program made.
void BM_TreeMemoryOneView(benchmark::State& state) {
    const std::filesystem::path& folder = SampleFolder();
    if (!Usable(state, folder)) {
        return;
    }
    for (auto _ : state) {
        QWebEngineProfile profile;
        QWebEngineView view;
        view.setPage(new QWebEnginePage(&profile, &view));
        view.resize(800, 600);
        view.show();
        bool finished = false;
        QObject::connect(view.page(), &QWebEnginePage::loadFinished,
                         [&finished](bool ok) { finished = ok; });
        view.load(QUrl::fromLocalFile(
            QString::fromStdString((folder / "Data" / "documents" / "Main.html").string())));
        if (!zephyr::uitest::WaitInEventLoop([&] { return finished; }, kWaitMs)) {
            state.SkipWithError("the page did not load");
            break;
        }
        QTest::qWait(500);
        const TreeMemory memory = MeasureTree();
        state.counters["rss_mb"] = memory.ResidentMb;
        state.counters["pss_mb"] = memory.ProportionalMb;
        state.counters["pss_mb_program"] = memory.ProgramMb;
        state.counters["processes"] = memory.Processes;
    }
}

// One keystroke in the search text, through the panel to the list viewer's
// page loaded, with the dictionary shown.
void SearchKeystroke(benchmark::State& state, const std::filesystem::path& folder,
                     const QString& first, const QString& second) {
    if (!Usable(state, folder)) {
        return;
    }
    auto window = StartToStartPage(folder);
    if (!window) {
        state.SkipWithError("the start page did not load");
        return;
    }
    window->findChild<QAction*>(QStringLiteral("Action4"))->trigger();
    zephyr::ui::SearchPanel* panel = window->Search();
    auto* list = dynamic_cast<zephyr::ui::WebEngineViewer*>(panel->ListViewer());
    if (!zephyr::uitest::WaitInEventLoop([list] { return !list->View()->page()->isLoading(); },
                                         kWaitMs)) {
        state.SkipWithError("the first list did not load");
        return;
    }
    bool toggle = false;
    for (auto _ : state) {
        toggle = !toggle;
        const QString text = toggle ? first : second;
        if (!LoadAndWait(
                *list, [&] { panel->SearchText()->setText(text); }, "")) {
            state.SkipWithError("the list page did not load");
            break;
        }
    }
    state.counters["hits_first"] = static_cast<double>(panel->Hits().size());
    Close(window);
}

void BM_SearchKeystrokeSample(benchmark::State& state) {
    SearchKeystroke(state, SampleFolder(), QStringLiteral("a"), QStringLiteral("ag"));
}
void BM_SearchKeystrokeSynthetic(benchmark::State& state) {
    SearchKeystroke(state, SyntheticFolder(), QStringLiteral("t"), QStringLiteral("te"));
}
void BM_SearchKeystrokeSyntheticEverything(benchmark::State& state) {
    SearchKeystroke(state, SyntheticFolder(), QStringLiteral(" "), QStringLiteral("  "));
}

// The engine's first start in the process costs more than every later one,
// so it is timed alone, before the others.
void BM_FirstStartUpToStartPageSample(benchmark::State& state) {
    StartUpToStartPage(state, SampleFolder());
}
void BM_StartUpShownSynthetic(benchmark::State& state) {
    StartUpShown(state, SyntheticFolder());
}
void BM_StartUpShownSample(benchmark::State& state) {
    StartUpShown(state, SampleFolder());
}
void BM_StartUpToStartPageSynthetic(benchmark::State& state) {
    StartUpToStartPage(state, SyntheticFolder());
}
void BM_StartUpToStartPageSample(benchmark::State& state) {
    StartUpToStartPage(state, SampleFolder());
}
void BM_TreeMemorySynthetic(benchmark::State& state) {
    TreeMemoryAfterDocuments(state, SyntheticFolder(), kSyntheticDocuments);
}
void BM_TreeMemorySample(benchmark::State& state) {
    TreeMemoryAfterDocuments(state, SampleFolder(), kSampleDocuments);
}

BENCHMARK(BM_FirstStartUpToStartPageSample)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StartUpShownSynthetic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUpShownSample)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUpToStartPageSynthetic)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUpToStartPageSample)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TreeMemorySynthetic)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TreeMemorySample)->Unit(benchmark::kMillisecond)->Iterations(1);
// Run alone (--benchmark_filter=OneView), in a process of its own.
BENCHMARK(BM_TreeMemoryOneView)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SearchKeystrokeSample)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SearchKeystrokeSynthetic)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SearchKeystrokeSyntheticEverything)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
