// The record work of one missed answer on a year's worth of files: GetVocDetail,
// GetYearDetail, SaveData with the ranking update, VocDetailSave, SaveYearDetail. Beside
// it, the floor: reading and safely rewriting the same files' bytes once each.
//
//   word statistics file 2001_verbs.dat: 20,000 words
//   daily record file    20013_verbs.dat: 2,000 keys
//   error5.cun:          200 dictionaries
//
// Run: build/bench/records_bench (the summary line at the end compares the medians).

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "records/DailyRecord.h"
#include "records/WordStatistics.h"

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
constexpr int kDailyKeys = 2000;
constexpr int kDictionaries = 200;
constexpr int kMissed = 64;  // words missed in turn, all already missed today

std::string wordKey(int i) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "word%05d_", i);
    return buffer + sj("単語") + std::to_string(i);
}

struct Fixture {
    std::string root;
    std::string user;
    RecordDictionary dic{"verbs.txt", "verbs"};
    DateTexts now;
    std::vector<RecordWord> missed;
    std::vector<std::string> files;  // the files one missed answer reads and rewrites

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        user = root + "/Taro";
        makeFolder(user);
        now = DateTexts::of(DateTime{2001, 3, 14, 10, 0, 0});

        for (int k = 0; k < kMissed; ++k) {
            int i = k * (kWords / kMissed) + 7;
            missed.push_back(RecordWord{i, wordKey(i), ""});
        }

        // Word statistics: every word asked a few times this year.
        std::vector<std::string> lines{"[" + sj("問題=出題総数,正解総数,正解率％") + "]",
                                       "COUNT=" + std::to_string(kWords)};
        for (int i = 0; i < kWords; ++i)
            lines.push_back(wordKey(i) + "=" + std::to_string(i % 9 + 3) + "," +
                            std::to_string(i % 3) + ",33");
        writeLines(wordStatisticsPath(user, now.year, dic.name), lines);

        // Year statistics: a few dictionaries, twelve months each.
        lines.clear();
        for (const char* name : {"nouns.txt", "verbs.txt", "adj.txt", "other.txt"}) {
            lines.push_back(std::string("[") + name + "]");
            lines.push_back("Check=1");
            for (int m = 1; m <= 12; ++m)
                lines.push_back(std::to_string(m) + "=120,80,67");
            lines.push_back("");
        }
        writeLines(yearStatisticsPath(user, now.year), lines);

        // Daily record: today's list holds the missed words; 1,000 month keys and
        // 1,000 day keys over ten days.
        std::string today;
        for (const RecordWord& w : missed)
            today += (today.empty() ? "" : ",") + std::to_string(w.number);
        lines = {"[Error]", "Date=3/14", "Num=" + std::to_string(kMissed), "Today=" + today,
                 "YesterdayNum=3", "Yesterday=1,2,3", "", "[3]"};
        for (int i = 0; i < kDailyKeys / 2; ++i)
            lines.push_back(wordKey(i * 20 + 7) + "=" + std::to_string(i % 5 + 1));
        for (int d = 5; d <= 14; ++d) {
            lines.push_back("");
            lines.push_back("[3/" + std::to_string(d) + "]");
            for (int i = 0; i < kDailyKeys / 20; ++i)
                lines.push_back(wordKey((i * 10 + d) * 2 + 7) + "=1");
        }
        writeLines(dailyRecordPath(user, now.yearMonth, dic.name), lines);

        // Error ranking: 200 dictionaries, verbs.txt among them.
        lines.clear();
        for (int s = 0; s < kDictionaries; ++s) {
            std::string name = s == kDictionaries / 2 ? dic.fileName : "dic" + std::to_string(s) + ".txt";
            if (s > 0)
                lines.push_back("");
            lines.push_back("[" + name + "]");
            for (int p = 1; p <= 6; ++p)
                lines.push_back("Error" + std::to_string(p) + "=" + wordKey(s * 6 + p));
            for (int p = 1; p <= 6; ++p)
                lines.push_back("Num" + std::to_string(p) + "=" + std::to_string(50 - p));
        }
        writeLines(errorRankingPath(user), lines);

        writeLines(setupPath(user),
                   {"[Dictionary]", "DicNum=1", "1=verbs.txt", "", "[Date]", "PrevYearMonth=20013"});

        files = {wordStatisticsPath(user, now.year, dic.name), yearStatisticsPath(user, now.year),
                 dailyRecordPath(user, now.yearMonth, dic.name), errorRankingPath(user)};
    }

    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

std::vector<double> recordTimes;
std::vector<double> floorTimes;

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void checkOk(bool ok, benchmark::State& state, const char* what) {
    if (!ok)
        state.SkipWithError(what);
}

void BM_MissedAnswerRecords(benchmark::State& state) {
    Fixture& f = fixture();
    DailyRecord record(f.user);
    std::size_t next = 0;
    for (auto _ : state) {
        const RecordWord& w = f.missed[next++ % f.missed.size()];
        auto start = std::chrono::steady_clock::now();

        WordStatistics stats(f.user, f.dic, f.now);
        WordFigures word = stats.GetVocDetail(w.key);
        MonthFigures month = stats.GetYearDetail();
        word.count(false);
        month.count(false);
        RecordStatus saved = record.SaveData(f.dic, w, f.now);
        FileStatus wordSaved = stats.VocDetailSave(w.key, word);
        FileStatus yearSaved = stats.SaveYearDetail(month);

        auto end = std::chrono::steady_clock::now();
        double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        recordTimes.push_back(seconds * 1000);
        checkOk(saved && wordSaved && yearSaved, state, "a record write failed");
    }
}

void BM_ReadAndRewriteFloor(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        bool ok = true;
        ok = ok && readAll(setupPath(f.user)).status.ok();
        for (const std::string& path : f.files) {
            Bytes b = readAll(path);
            ok = ok && b.status && writeAll(path, b.bytes);
        }
        auto end = std::chrono::steady_clock::now();
        double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        floorTimes.push_back(seconds * 1000);
        checkOk(ok, state, "a floor write failed");
    }
}

// Interleaved repetitions, so that both see the same disk.
BENCHMARK(BM_MissedAnswerRecords)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(6);
BENCHMARK(BM_ReadAndRewriteFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(6);

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
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    double records = median(recordTimes);
    double floor = median(floorTimes);
    std::printf("\nOne missed answer, median of %zu: %.3f ms   floor (read + safe rewrite of the "
                "same files), median of %zu: %.3f ms   ratio %.2f   target < 5 ms, within 3x\n",
                recordTimes.size(), records, floorTimes.size(), floor,
                floor > 0 ? records / floor : 0.0);
    std::printf("File sizes:");
    for (const std::string& path : fixture().files)
        std::printf(" %s %zu bytes;", fileNameOf(path).c_str(), readAll(path).bytes.size());
    std::printf("\n");
    benchmark::Shutdown();
    return 0;
}
