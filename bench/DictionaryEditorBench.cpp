// The dictionary editor on a dictionary of 100,000 lines: loading it (the stored path
// looked up, the file read into rows, the list shown and painted), scrolling the list a
// page at a time with a repaint, and saving it over the file ("上書き保存 (&U)"). Beside
// them, the floors measured in the same run: reading the same bytes, and writing the same
// bytes safely (temporary file, flush, rename).
//
// Run: build/bench/dictionary_editor_bench (the summary at the end gives the medians).

#include "bench/Timing.h"
#include "bench/QuietPlatform.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "settings/TUserSettings.h"
#include "tools/TfrmEditDic.h"
#include "ui/Platform.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kLines = 100000;

// Answers every box at once, as a learner pressing OK would.

struct Fixture {
    std::string root;
    TUserSettings settings;
    std::string dictionary;

    Fixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        dictionary = root + "/verbs.txt";
        std::vector<std::string> lines;
        lines.reserve(kLines);
        for (int i = 0; i < kLines; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%06d,alt%d", i, i % 7);
            lines.push_back(std::string(english) + "=" + sj("単語,ことば") + std::to_string(i) +
                            sj("*コメントはありません"));
        }
        writeLines(dictionary, lines);
        IniFile::writeOne(settings.setupIniPath(), "Dictionary Path", "verbs.txt", dictionary);
        settings.DicInUse = dictionary;
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

std::vector<double> loadTimes, readFloorTimes, scrollTimes, saveTimes, writeFloorTimes;

// What the learner waits for after "読み込み (&L)": the rows loaded and the list painted.
void BM_LoadIntoEditor(benchmark::State& state) {
    Fixture& f = fixture();
    TfrmEditDic window(f.settings, f.dictionary);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        double ms = millisecondsOf([&] {
            window.cmdLoadClick();
            window.grab();
        });
        if (window.edit().rows().size() != kLines) state.SkipWithError("load failed");
        state.SetIterationTime(ms / 1000);
        loadTimes.push_back(ms);
    }
}

void BM_ReadFloor(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        Bytes read;
        double ms = millisecondsOf([&] { read = readAll(f.dictionary); });
        if (!read.status) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.bytes.data());
        state.SetIterationTime(ms / 1000);
        readFloorTimes.push_back(ms);
    }
}

// One page down and the repaint that follows, anywhere in the list.
void BM_ScrollAPage(benchmark::State& state) {
    Fixture& f = fixture();
    TfrmEditDic window(f.settings, f.dictionary);
    window.show();
    window.cmdLoadClick();
    QApplication::processEvents();
    auto* list = window.findChild<QTreeView*>(QStringLiteral("lstData"));
    QScrollBar* bar = list->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        const int to = (step++ * 7919) % std::max(1, bar->maximum());
        double ms = millisecondsOf([&] {
            bar->setValue(to);
            list->viewport()->grab();
        });
        state.SetIterationTime(ms / 1000);
        scrollTimes.push_back(ms);
    }
}

// "上書き保存 (&U)" of the loaded rows.
void BM_SaveFromEditor(benchmark::State& state) {
    Fixture& f = fixture();
    TfrmEditDic window(f.settings, f.dictionary);
    window.show();
    window.cmdLoadClick();
    auto* save = window.findChild<QAction*>(QStringLiteral("cmdDicFormat"));
    for (auto _ : state) {
        double ms = millisecondsOf([&] { save->trigger(); });
        state.SetIterationTime(ms / 1000);
        saveTimes.push_back(ms);
    }
}

void BM_SafeWriteFloor(benchmark::State& state) {
    Fixture& f = fixture();
    const std::string bytes = readAll(f.dictionary).bytes;
    for (auto _ : state) {
        FileStatus written;
        double ms = millisecondsOf([&] { written = writeAll(f.dictionary, bytes); });
        if (!written) state.SkipWithError("write failed");
        state.SetIterationTime(ms / 1000);
        writeFloorTimes.push_back(ms);
    }
}

BENCHMARK(BM_LoadIntoEditor)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(4);
BENCHMARK(BM_ReadFloor)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(4);
BENCHMARK(BM_ScrollAPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(4);
BENCHMARK(BM_SaveFromEditor)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(4);
BENCHMARK(BM_SafeWriteFloor)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(4);

// The offscreen platform says at every showing that it cannot size a window frame.
void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    qor::bench::QuietPlatform quiet(true);
    ui::setPlatform(&quiet);
    // The repetitions take turns, so that the editor and its floor meet the same disk.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    fixture();
    benchmark::RunSpecifiedBenchmarks();

    const double load = median(loadTimes), read = median(readFloorTimes);
    const double save = median(saveTimes), write = median(writeFloorTimes);
    const double scroll = median(scrollTimes);
    std::printf("\nDictionary of %d lines, %ju bytes (medians)\n", kLines,
                static_cast<std::uintmax_t>(readAll(fixture().dictionary).bytes.size()));
    std::printf("  load into the editor : %8.1f ms   floor (read the bytes)      : %7.1f ms   "
                "target < 1000 ms: %s\n",
                load, read, load < 1000 ? "met" : "NOT met");
    std::printf("  save over the file   : %8.1f ms   floor (safe write the bytes): %7.1f ms   "
                "target < 1000 ms: %s\n",
                save, write, save < 1000 ? "met" : "NOT met");
    std::printf(
        "  scroll a page + paint: %8.2f ms   (instant: under one 60 Hz frame, 16.7 ms: %s)\n",
        scroll, scroll < 16.7 ? "met" : "NOT met");
    benchmark::Shutdown();
    ui::setPlatform(nullptr);
    return 0;
}
