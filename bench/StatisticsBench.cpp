// The percentage view on a word statistics file of 20,000 words of a 20,000-line
// dictionary: reading the rows (the model), "表示 (&V)" in the window (rows read, listed and
// painted once), and sorting the listed rows, against the floor of merely reading the
// statistics file's bytes, measured in the same run.
//
// Run: build/bench/statistics_bench (the summary at the end gives the medians).

#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "bench/OffscreenApp.h"
#include "records/PercentList.h"
#include "records/TfrmShowPercent.h"
#include "settings/TUserSettings.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::medianMs;

constexpr int kWords = 20000;

struct Fixture {
    std::string root;
    TUserSettings settings;
    std::string statistics;
    FixedClock clock{DateTime{2001, 3, 14, 10, 0, 0}};

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        const std::string dictionary = root + "/verbs.txt";
        settings.DicInUse = dictionary;
        std::vector<std::string> lines;
        std::vector<std::string> stats{"[" + sj("問題=出題総数,正解総数,正解率％") + "]",
                                       "COUNT=" + std::to_string(kWords)};
        for (int i = 0; i < kWords; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%05d", (i * 7919) % kWords);
            std::string japanese = sj("単語") + std::to_string(i);
            lines.push_back(std::string(english) + "=" + japanese + sj("*コメントはありません"));
            int asked = 1 + i % 9;
            int right = i % (asked + 1);
            stats.push_back(std::string(english) + "_" + japanese + "=" + std::to_string(asked) +
                            "," + std::to_string(right) + "," + std::to_string(100 * right / asked));
        }
        writeLines(dictionary, lines);
        statistics = settings.userFile("2001_verbs.dat");
        writeLines(statistics, stats);
        writeLines(settings.setupIniPath(), {"[Dictionary Path]", "verbs.txt=" + dictionary});
        setClock(&clock);
    }
    ~Fixture() {
        setClock(nullptr);
        std::filesystem::remove_all(root);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The floor: the statistics file's bytes, nothing else.
void readFloor() {
    Bytes b = readAll(fixture().statistics);
    if (!b.status || b.bytes.empty())
        std::abort();
    benchmark::DoNotOptimize(b.bytes.data());
}

void readRows() {
    PercentList list = readPercentList(fixture().settings.userFolder(), "verbs.txt", "2001",
                                       MasteryRule::ByPercent, 50);
    if (!list.status || list.rows.size() != kWords || list.words != kWords)
        std::abort();
    benchmark::DoNotOptimize(list.rows.data());
}

// What the learner waits for after "表示": the rows read, listed and the window painted.
struct Window {
    TfrmShowPercent frm{fixture().settings};
    QPushButton* view;
    QPushButton* sort;
    Window() {
        frm.show();
        QApplication::processEvents();
        view = frm.findChild<QPushButton*>("cmdView");
        sort = frm.findChild<QPushButton*>("cmdSort");
    }
    void viewAndPaint() {
        view->click();
        frm.grab();
    }
    void sortAndPaint() {
        sort->click();
        frm.grab();
    }
};

void BM_ReadFileFloor(benchmark::State& state) {
    for (auto _ : state)
        readFloor();
}
BENCHMARK(BM_ReadFileFloor)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ReadRows(benchmark::State& state) {
    for (auto _ : state)
        readRows();
    state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(BM_ReadRows)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ViewInWindow(benchmark::State& state) {
    Window w;
    for (auto _ : state)
        w.viewAndPaint();
}
BENCHMARK(BM_ViewInWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SortInWindow(benchmark::State& state) {
    Window w;
    w.viewAndPaint();
    for (auto _ : state) {
        // Each round sorts file-ordered rows again, as the first sort after a view does.
        state.PauseTiming();
        w.viewAndPaint();
        state.ResumeTiming();
        w.sortAndPaint();
    }
}
BENCHMARK(BM_SortInWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    constexpr int kRuns = 9;
    const double floor = medianMs(kRuns, readFloor);
    const double rows = medianMs(kRuns, readRows);
    Window w;
    const double view = medianMs(kRuns, [&] { w.viewAndPaint(); });
    const double sort = medianMs(kRuns, [&] { w.sortAndPaint(); }, [&] { w.viewAndPaint(); });
    std::printf("\nSummary (medians of %d): \"表示\" of %d words listed and painted in %.1f ms "
                "(limit 300 ms); the rows read in %.1f ms; sorted and painted in %.1f ms; "
                "floor: reading the statistics file alone %.2f ms\n",
                kRuns, kWords, view, rows, sort, floor);
    return 0;
}
