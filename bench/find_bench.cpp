// The search over everything: building its index, on the sample pack and on
// the synthetic pack with 2 000 generated documents of about 5 KB; a query
// per keystroke in the core (median and 99th percentile); and, in the
// window, a keystroke to the results painted.
#include "pack_writer.h"
#include "synthetic_pack.h"
#include "temp_folder.h"

#include "data/cp1251.h"
#include "data/load_all.h"
#include "find/find_data.h"
#include "find/find_index.h"
#include "ui/find/find_index_loader.h"
#include "ui/find/find_window.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <fstream>

namespace {

using namespace zephyr;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kDocuments = 2000;

fs::path ExecutableFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

DataLocation LocationOf(const fs::path& data) {
    return DataLocation(data.parent_path(), data, data.parent_path());
}

// A page of about 5 KB: headings over paragraphs of words the packs use.
std::string GeneratedDocument(int number) {
    static const std::vector<std::string> words = {
        "оглушение", "скорость", "атаки",   "броня",       "здоровье", "мана",   "урон",
        "предмет",   "герой",    "таверна", "способность", "орб",      "аура",   "лавка",
        "critical",  "strike",   "armor",   "evasion",     "stun",     "haste",  "build",
        "против",    "лучников", "рано",    "поздно",      "линия",    "засада", "фарм"};
    std::string page =
        "<html><head><title>Статья " + std::to_string(number) + "</title></head><body>";
    unsigned seed = static_cast<unsigned>(number) * 2654435761u;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % 1000;
    };
    for (int section = 0; section < 6; ++section) {
        page += "<h2>Раздел " + std::to_string(section) + " " + words[next() % words.size()] +
                "</h2><p>";
        for (int word = 0; word < 110; ++word) {
            page += words[next() % words.size()];
            page += word % 13 == 12 ? ". " : " ";
        }
        page += "</p>";
    }
    page += "</body></html>";
    return Cp1251FromUtf8(page);
}

const fs::path& SyntheticData() {
    static testing::TempFolder folder;
    static const fs::path data = [] {
        const fs::path path = folder.Path() / "Data";
        pack::WritePack(pack::SyntheticPack(1), path);
        fs::create_directories(path / "documents" / "generated");
        for (int k = 0; k < kDocuments; ++k) {
            std::ofstream(path / "documents" / "generated" / ("page" + std::to_string(k) + ".html"),
                          std::ios::binary)
                << GeneratedDocument(k);
        }
        return path;
    }();
    return data;
}

Catalogue Records(const fs::path& data) {
    LoadAllResult loaded = LoadAll(LoadOptions{LocationOf(data), false, {}});
    return std::move(loaded.Catalogue);
}

void BuildIndex(benchmark::State& state, const fs::path& data) {
    if (!fs::exists(data / "Taverns.dat")) {
        state.SkipWithError(("no pack at " + data.string()).c_str());
        return;
    }
    const Catalogue catalogue = Records(data);
    std::size_t entries = 0;
    double heapMb = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        std::vector<std::string> problems;
        const FindIndex index(FindEntriesOf(catalogue, LocationOf(data), problems));
        heapMb = static_cast<double>(mallinfo2().uordblks - before) / (1 << 20);
        entries = index.Entries().size();
        benchmark::DoNotOptimize(&index);
    }
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["index_heap_mb"] = heapMb;
}

void BM_IndexSample(benchmark::State& state) {
    BuildIndex(state, ExecutableFolder() / "Data");
}
void BM_IndexSyntheticWithDocuments(benchmark::State& state) {
    BuildIndex(state, SyntheticData());
}
BENCHMARK(BM_IndexSample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexSyntheticWithDocuments)->Unit(benchmark::kMillisecond)->Iterations(2);

// Every prefix of each query, as it is typed.
const std::vector<std::string> kTyped = {"оглушением", "скорость атаки", "stormglass rod",
                                         "brannoc",    "броня",          "critical strike",
                                         "ифыр",       "Brannok Ironvov"};

void Keystrokes(benchmark::State& state, const fs::path& data) {
    if (!fs::exists(data / "Taverns.dat")) {
        state.SkipWithError(("no pack at " + data.string()).c_str());
        return;
    }
    const Catalogue catalogue = Records(data);
    std::vector<std::string> problems;
    const FindIndex index(FindEntriesOf(catalogue, LocationOf(data), problems));
    std::vector<double> micros;
    for (auto _ : state) {
        for (const std::string& query : kTyped) {
            for (std::size_t length = 1; length <= query.size(); ++length) {
                if ((static_cast<unsigned char>(query[length - 1]) & 0xC0) == 0xC0) {
                    continue; // not within a letter
                }
                const Clock::time_point start = Clock::now();
                const FindAnswer answer = index.Find(query.substr(0, length));
                micros.push_back(
                    std::chrono::duration<double, std::micro>(Clock::now() - start).count());
                benchmark::DoNotOptimize(answer.Results.data());
            }
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["queries"] = static_cast<double>(micros.size());
    state.counters["median_ms"] = micros[micros.size() / 2] / 1000;
    state.counters["p99_ms"] = micros[micros.size() * 99 / 100] / 1000;
}

void BM_KeystrokeQueriesSample(benchmark::State& state) {
    Keystrokes(state, ExecutableFolder() / "Data");
}
void BM_KeystrokeQueriesSyntheticWithDocuments(benchmark::State& state) {
    Keystrokes(state, SyntheticData());
}
BENCHMARK(BM_KeystrokeQueriesSample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeQueriesSyntheticWithDocuments)->Unit(benchmark::kMillisecond);

// In the window: a letter typed into the search field, to its results
// painted.
void BM_KeystrokeToResultsPainted(benchmark::State& state) {
    const fs::path data = ExecutableFolder() / "Data";
    if (!fs::exists(data / "Taverns.dat")) {
        state.SkipWithError(("no pack at " + data.string()).c_str());
        return;
    }
    const Catalogue catalogue = Records(data);
    ui::FindIndexLoader loader(catalogue, LocationOf(data));
    ui::FindWindow window(&loader, nullptr);
    window.Ask(nullptr, QString());
    while (loader.Index() == nullptr) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    const QString typed = QStringLiteral("stormglass");
    std::vector<double> millis;
    for (auto _ : state) {
        window.Field()->clear();
        for (const QChar letter : typed) {
            const Clock::time_point start = Clock::now();
            window.Field()->insert(QString(letter));
            window.repaint();
            millis.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["max_ms"] = millis.back();
}
BENCHMARK(BM_KeystrokeToResultsPainted)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv); // the window, and the synthetic pack's pictures
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
