// The custom question list on a dictionary of 20,000 words whose every word has this
// year's figures: loading the rows (the dictionary and the word statistics file read once
// each), a rule over all rows, and the window opening (rows loaded, window shown and
// painted once) under the offscreen platform.
//
// Run: build/bench/custom_list_bench (the summary line at the end gives the medians).

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "bench/OffscreenApp.h"
#include "tools/CustomQuestionList.h"
#include "tools/TfrmCustomQuestion.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

constexpr int kWords = 20000;

struct Fixture {
    std::string root;
    std::string user;
    std::string dictionary;
    DateTexts now = DateTexts::of(DateTime{2001, 3, 14, 10, 0, 0});

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        user = root + "/Taro";
        makeFolder(user);
        dictionary = root + "/verbs.txt";
        std::vector<std::string> lines;
        std::vector<std::string> stats{sj("[問題=出題総数,正解総数,正解率％]"),
                                       "COUNT=" + std::to_string(kWords)};
        for (int i = 0; i < kWords; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%05d", i);
            std::string japanese = sj("単語") + std::to_string(i);
            lines.push_back(std::string(english) + "=" + japanese + sj("*コメントはありません"));
            int asked = 1 + i % 9;
            int right = i % (asked + 1);
            stats.push_back(std::string(english) + "_" + japanese + "=" + std::to_string(asked) +
                            "," + std::to_string(right) + "," +
                            std::to_string(100 * right / asked));
        }
        // The statistics file lists the words in another order than the dictionary, as
        // it does after a year of drills.
        std::reverse(stats.begin() + 2, stats.end());
        writeLines(dictionary, lines);
        writeLines(user + "/2001_verbs.dat", stats);
    }
    ~Fixture() { std::filesystem::remove_all(root); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_LoadRows(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        CustomQuestionList list;
        FileStatus status = list.load(f.dictionary, f.user, f.now);
        if (!status || list.size() != kWords)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list.rows().data());
    }
    state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(BM_LoadRows)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RuleOverAllRows(benchmark::State& state) {
    Fixture& f = fixture();
    CustomQuestionList list;
    list.load(f.dictionary, f.user, f.now);
    bool select = true;
    for (auto _ : state) {
        list.applyRule(CustomRule::Percent, RuleCompare::AtMost, 50, select, f.user, f.now);
        select = !select;
    }
}
BENCHMARK(BM_RuleOverAllRows)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What the learner waits for: the rows built, the window shown and painted.
void BM_OpenWindow(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        CustomQuestionList list;
        std::vector<std::string> custom;
        TfrmCustomQuestion window(list, custom, f.dictionary, f.user);
        if (!window.FormShow())
            state.SkipWithError("opening failed");
        window.show();
        QApplication::processEvents();
        window.grab();  // one full paint, the table included
        window.hide();
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // One opening timed end to end, for the summary.
    Fixture& f = fixture();
    auto start = std::chrono::steady_clock::now();
    CustomQuestionList list;
    std::vector<std::string> custom;
    TfrmCustomQuestion window(list, custom, f.dictionary, f.user);
    window.FormShow();
    window.show();
    QApplication::processEvents();
    window.grab();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("\nSummary: the custom question list of %d words opened in %.1f ms (limit 1000 ms)\n",
                kWords, ms);
    return 0;
}
