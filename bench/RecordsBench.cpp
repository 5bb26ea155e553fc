// The record work of one missed answer, on the path the drill takes (DrillFiles: the
// figures loaded before judging, the miss recorded, the figures saved), with a year of
// word statistics and a month of daily sections. Beside it, in the same run, the floor:
// reading and safely rewriting the files the answer rewrites, once each.
//
//   word statistics file 2001_verbs.dat: N words (1,000, 20,000, 100,000)
//   daily record file    20013_verbs.dat: a month of day sections, N / 10 month keys
//   year statistics file 2001.dat, error5.cun with 200 dictionaries, Setup.ini
//
// Run: build/bench/records_bench (the summary at the end compares the medians).

#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "quiz/DrillFiles.h"
#include "records/RecordFiles.h"
#include "settings/TUserSettings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;

constexpr int kDictionaries = 200;
constexpr int kMissed = 64;  // words missed in turn, all already missed today
const std::vector<int> kSizes = {1000, 20000, 100000};

std::string english(int i) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "word%06d", i);
    return buffer;
}

std::string japanese(int i) {
    return sj("単語") + std::to_string(i);
}

std::string wordKey(int i) {
    return english(i) + "_" + japanese(i);
}

struct Fixture {
    int words = 0;
    std::string root;
    TUserSettings settings;
    DrillState state;
    DateTexts now;
    std::vector<int> missed;
    std::vector<std::string> rewritten;  // the files one missed answer rewrites

    explicit Fixture(int n) : words(n) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        const std::string user = settings.userFolder();
        makeFolder(user);
        now = DateTexts::of(DateTime{2001, 3, 30, 10, 0, 0});
        state.dictionaryPath = root + "/verbs.txt";
        state.dictionaryFileName = "verbs.txt";
        state.dictionaryName = "verbs";

        for (int k = 0; k < kMissed; ++k)
            missed.push_back(k * (words / kMissed) + 7);

        // Word statistics: every word asked a few times this year.
        std::vector<std::string> lines{"[" + sj("問題=出題総数,正解総数,正解率％") + "]",
                                       "COUNT=" + std::to_string(words)};
        for (int i = 0; i < words; ++i)
            lines.push_back(wordKey(i) + "=" + std::to_string(i % 9 + 3) + "," +
                            std::to_string(i % 3) + ",33");
        write(wordStatisticsPath(user, now.year, state.dictionaryName), lines);

        // Year statistics: a few dictionaries, twelve months each.
        lines.clear();
        for (const char* name : {"nouns.txt", "verbs.txt", "adj.txt", "other.txt"}) {
            lines.push_back(std::string("[") + name + "]");
            lines.push_back("Check=1");
            for (int m = 1; m <= 12; ++m)
                lines.push_back(std::to_string(m) + "=120,80,67");
            lines.push_back("");
        }
        write(yearStatisticsPath(user, now.year), lines);

        // Daily record: today's list holds the missed words; a month of day sections.
        std::string today;
        for (int w : missed)
            today += (today.empty() ? "" : ",") + std::to_string(w);
        lines = {"[Error]", "Date=3/30", "Num=" + std::to_string(kMissed), "Today=" + today,
                 "YesterdayNum=3", "Yesterday=1,2,3", "", "[3]"};
        const int monthKeys = words / 10;
        for (int i = 0; i < monthKeys; ++i)
            lines.push_back(wordKey(i * 10 + 7) + "=" + std::to_string(i % 5 + 1));
        for (int d = 1; d <= 30; ++d) {
            lines.push_back("");
            lines.push_back("[3/" + std::to_string(d) + "]");
            for (int i = 0; i < monthKeys / 30; ++i)
                lines.push_back(wordKey((i * 30 + d) * 10 % words + 7) + "=1");
        }
        write(dailyRecordPath(user, now.yearMonth, state.dictionaryName), lines);

        // Error ranking: 200 dictionaries, verbs.txt among them.
        lines.clear();
        for (int s = 0; s < kDictionaries; ++s) {
            std::string name = s == kDictionaries / 2 ? state.dictionaryFileName
                                                       : "dic" + std::to_string(s) + ".txt";
            if (s > 0)
                lines.push_back("");
            lines.push_back("[" + name + "]");
            // verbs.txt starts unfilled, so that every miss changes its ranking.
            const bool verbs = name == state.dictionaryFileName;
            for (int p = 1; p <= 6; ++p)
                lines.push_back("Error" + std::to_string(p) + "=" + (verbs ? "NO" : wordKey(s * 6 + p)));
            for (int p = 1; p <= 6; ++p)
                lines.push_back("Num" + std::to_string(p) + "=" + std::to_string(verbs ? 0 : 50 - p));
        }
        write(errorRankingPath(user), lines);

        write(setupPath(user), {"[Dictionary]", "DicNum=1", "1=verbs.txt", "", "[Date]",
                                "PrevYearMonth=" + now.yearMonth});

        rewritten = {wordStatisticsPath(user, now.year, state.dictionaryName),
                     yearStatisticsPath(user, now.year),
                     dailyRecordPath(user, now.yearMonth, state.dictionaryName),
                     errorRankingPath(user)};
    }

    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    static void write(const std::string& path, const std::vector<std::string>& lines) {
        if (!writeLines(path, lines))
            std::abort();
    }

    CurrentEntry entry(int i) const {
        CurrentEntry e;
        e.lineIndex = i;
        e.english = english(i);
        e.japanese = japanese(i);
        e.lineText = e.english + "=" + e.japanese + "*x";
        return e;
    }
};

Fixture& fixture(int words) {
    static std::map<int, std::unique_ptr<Fixture>> made;
    auto& f = made[words];
    if (!f)
        f = std::make_unique<Fixture>(words);
    return *f;
}

std::map<int, std::vector<double>> recordTimes;
std::map<int, std::vector<double>> floorTimes;

void BM_MissedAnswerRecords(benchmark::State& state) {
    const int words = static_cast<int>(state.range(0));
    Fixture& f = fixture(words);
    DrillFiles files(f.settings, f.state);
    std::size_t next = 0;
    for (auto _ : state) {
        const CurrentEntry e = f.entry(f.missed[next++ % f.missed.size()]);
        auto start = std::chrono::steady_clock::now();

        AnswerRecord figures = files.loadFigures(e);
        figures.word.count(false);
        figures.month.count(false);
        std::vector<FileStatus> failed = files.recordMiss(e);
        std::vector<FileStatus> saveFailed = files.saveFigures(e, figures);

        auto end = std::chrono::steady_clock::now();
        double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        recordTimes[words].push_back(seconds * 1000);
        for (const auto& list : {failed, saveFailed}) {
            if (!list.empty())
                state.SkipWithError(("a record write failed: " + list.front().message()).c_str());
        }
    }
}

void BM_ReadAndRewriteFloor(benchmark::State& state) {
    const int words = static_cast<int>(state.range(0));
    Fixture& f = fixture(words);
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        FileStatus failed;
        for (const std::string& path : f.rewritten) {
            Bytes b = readAll(path);
            FileStatus st = b.status ? writeAll(path, b.bytes) : b.status;
            if (!st)
                failed = st;
        }
        auto end = std::chrono::steady_clock::now();
        double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        floorTimes[words].push_back(seconds * 1000);
        if (!failed)
            state.SkipWithError(("a floor write failed: " + failed.message()).c_str());
    }
}

void sizes(benchmark::internal::Benchmark* b) {
    for (int n : kSizes)
        b->Arg(n);
}

// Interleaved repetitions, so that both see the same disk.
BENCHMARK(BM_MissedAnswerRecords)->Apply(sizes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(6);
BENCHMARK(BM_ReadAndRewriteFloor)->Apply(sizes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(6);

} // namespace

int main(int argc, char** argv) {
    // The repetitions of both benchmarks take turns, so that both meet the same disk: its
    // flushes vary a lot on a shared machine.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The drill's files take their date from the program's clock.
    FixedClock clock{DateTime{2001, 3, 30, 10, 0, 0}};
    setClock(&clock);
    for (int n : kSizes)
        fixture(n);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\nOne missed answer on the drill's path against the floor (read + safe rewrite "
                "of the files it rewrites), medians; target: at most 1.3x\n");
    for (int n : kSizes) {
        double records = median(recordTimes[n]);
        double floor = median(floorTimes[n]);
        std::size_t bytes = 0;
        for (const std::string& path : fixture(n).rewritten)
            bytes += readAll(path).bytes.size();
        std::printf("  %6d words (%7zu bytes rewritten): %7.3f ms   floor %7.3f ms   ratio %.2f\n",
                    n, bytes, records, floor, floor > 0 ? records / floor : 0.0);
    }
    benchmark::Shutdown();
    return 0;
}
