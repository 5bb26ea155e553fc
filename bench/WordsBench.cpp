// Dictionary reading speed: split every line of a 100,000-line dictionary, and read one
// line by index with the file read anew (as the drill does for every question). After
// the benchmarks a summary compares reading one line with `cat` of the same file and
// with reading its bytes alone, against the target: under 10 ms, within 3x of cat.

#include "bench/Timing.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "words/Dictionary.h"
#include "words/WordEntry.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using qor::bench::medianMs;

constexpr std::size_t kLines = 100000;

struct Fixture {
    std::string folder;
    std::string path;

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        path = folder + "/large.txt";
        const std::string japanese = qor::sj("走る,急ぐ,駆ける");
        const std::string comment = qor::sj("コメントはありません");
        std::vector<std::string> lines;
        lines.reserve(kLines);
        for (std::size_t i = 0; i < kLines; ++i) {
            std::string n = std::to_string(i);
            lines.push_back("run" + n + ",dash" + n + ",sprint=" + japanese + "*" + comment + n);
        }
        if (!qor::writeLines(path, lines))
            std::abort();
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_SplitEveryLine(benchmark::State& state) {
    const auto lines = qor::readLines(fixture().path).lines;
    for (auto _ : state) {
        std::size_t alternatives = 0;
        for (const std::string& line : lines) {
            qor::WordEntry e = qor::splitEntry(line);
            alternatives += qor::splitAlternatives(e.english).size();
            alternatives += qor::splitAlternatives(e.japanese).size();
        }
        benchmark::DoNotOptimize(alternatives);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_SplitEveryLine)->Unit(benchmark::kMillisecond);

void BM_ReadOneLine(benchmark::State& state) {
    const auto index = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        qor::DictionaryLine line = qor::readLine(fixture().path, index);
        benchmark::DoNotOptimize(line.line.data());
    }
}
BENCHMARK(BM_ReadOneLine)->Arg(0)->Arg(kLines / 2)->Arg(kLines - 1)->Unit(benchmark::kMillisecond);

void BM_CountLines(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(qor::countLines(fixture().path).count);
}
BENCHMARK(BM_CountLines)->Unit(benchmark::kMillisecond);

void BM_ReadAllBytes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(qor::readAll(fixture().path).bytes.size());
}
BENCHMARK(BM_ReadAllBytes)->Unit(benchmark::kMillisecond);

void printSummary() {
    const std::string& path = fixture().path;
    const std::string cat = "cat '" + path + "' > /dev/null";
    const int runs = 31;
    double oneLine = medianMs(runs, [&] {
        benchmark::DoNotOptimize(qor::readLine(path, kLines - 1).line.size());
    });
    double catMs = medianMs(runs, [&] {
        if (std::system(cat.c_str()) != 0)
            std::abort();
    });
    double bytesMs = medianMs(runs, [&] {
        benchmark::DoNotOptimize(qor::readAll(path).bytes.size());
    });
    std::printf("\nDictionary of %zu lines, %ju bytes (median of %d runs)\n", kLines,
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)), runs);
    std::printf("  read the last line by index : %8.3f ms\n", oneLine);
    std::printf("  cat of the file (via shell) : %8.3f ms   ratio %.2f\n", catMs, oneLine / catMs);
    std::printf("  reading its bytes alone     : %8.3f ms   ratio %.2f\n", bytesMs,
                oneLine / bytesMs);
    bool ok = oneLine < 10.0 && oneLine <= 3.0 * catMs;
    std::printf("  target (< 10 ms, within 3x of cat): %s\n", ok ? "met" : "NOT met");
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
