// Importing a word list of 100,000 entries from a UTF-8 CSV file, as the import window
// does it: the file read, encoding and format detected, the rows read (quoted fields with
// commas and line breaks among them), every entry converted and checked, the dictionary
// written safely. The floor, measured in the same run: reading the same bytes, turning the
// whole text into CP932 with one conversion, and writing the result safely. Target: the
// import under 2 s.
//
// Run: build/bench/import_bench (the summary at the end gives the medians).

#include "bench/Timing.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "words/KvtmlReader.h"
#include "words/WordListImport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using qor::bench::medianMs;

constexpr std::size_t kEntries = 100000;

struct Fixture {
    std::string folder;
    std::string csv;
    std::string out;

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        folder = pattern;
        csv = folder + "/list.csv";
        out = folder + "/list.txt";
        std::string text = "English,Japanese,Notes\r\n";
        for (std::size_t i = 0; i < kEntries; ++i) {
            std::string n = std::to_string(i);
            if (i % 10 == 0)
                text += "\"run" + n + ", dash\",\"走る\n急ぐ" + n + "\",\"動詞, \"\"自動詞\"\"\"\r\n";
            else
                text += "word" + n + ",単語" + n + ",コメント" + n + "\r\n";
        }
        std::FILE* f = std::fopen(csv.c_str(), "wb");
        if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size()) std::abort();
        std::fclose(f);
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

std::size_t importOnce() {
    qor::Bytes raw = qor::readAll(fixture().csv);
    qor::WordListImport in(std::move(raw.bytes), &qor::readKvtml);
    qor::ImportResult result = in.convert();
    if (!qor::writeLines(fixture().out, result.lines)) std::abort();
    return result.lines.size();
}

std::size_t floorOnce() {
    qor::Bytes raw = qor::readAll(fixture().csv);
    auto converted = qor::toCp932(raw.bytes);
    if (!converted || !qor::writeAll(fixture().out, *converted)) std::abort();
    return converted->size();
}

void BM_Import(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(importOnce());
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kEntries));
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond);

void BM_ReadConvertWriteFloor(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(floorOnce());
}
BENCHMARK(BM_ReadConvertWriteFloor)->Unit(benchmark::kMillisecond);

void printSummary() {
    const int runs = 9;
    std::size_t written = 0;
    double importMs = medianMs(runs, [&] { written = importOnce(); });
    double floorMs = medianMs(runs, [] { benchmark::DoNotOptimize(floorOnce()); });
    std::printf("\nCSV of %zu entries, %ju bytes; %zu dictionary lines written (median of %d runs)\n",
                kEntries, static_cast<std::uintmax_t>(std::filesystem::file_size(fixture().csv)),
                written, runs);
    std::printf("  import (read, detect, convert, write) : %8.1f ms\n", importMs);
    std::printf("  floor (read, one conversion, write)   : %8.1f ms   ratio %.2f\n", floorMs,
                importMs / floorMs);
    std::printf("  target (< 2000 ms): %s\n", importMs < 2000.0 ? "met" : "NOT met");
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
