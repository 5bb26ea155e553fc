// The word search on a dictionary of 100,000 lines, as the learner waits for it: "検索 (&F)"
// of the search window, the file read, every line searched, the progress gauge moved and
// painted, and for a text with hits the result window filled and shown once. Beside it
// the floor: one pass of the lead-byte-aware search (qor::find) over the same bytes.
//
// Run: build/bench/find_bench (the summary at the end gives the medians and the target).

#include "bench/Timing.h"
#include "bench/QuietPlatform.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tools/TfrmFind.h"
#include "tools/WordSearch.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
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

using qor::bench::medianMs;

constexpr std::size_t kLines = 100000;

struct Fixture {
    std::string root;
    std::string dictionary;
    std::string bytes;

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        dictionary = root + "/large.txt";
        const std::string japanese = sj("走る,急ぐ,駆ける");
        const std::string comment = sj("コメントはありません");
        std::vector<std::string> lines;
        lines.reserve(kLines);
        for (std::size_t i = 0; i < kLines; ++i) {
            std::string n = std::to_string(i);
            lines.push_back("run" + n + ",dash" + n + ",sprint=" + japanese + "*" + comment + n);
        }
        if (!writeLines(dictionary, lines))
            std::abort();
        bytes = readAll(dictionary).bytes;
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

// Shows a modal window once, painted, and closes it at once; every other service is
// silent. The search window's own path runs unchanged.
// Result windows are shown and painted once, then closed.
class BenchPlatform final : public qor::bench::QuietPlatform {
public:
    int showModal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        dialog.grab();  // one full paint, the rows included
        dialog.hide();
        return QDialog::Rejected;
    }
};

// The search window on the large dictionary, shown.
struct SearchWindow {
    TUserSettings settings;
    std::unique_ptr<TfrmFind> window;
    QLineEdit* text = nullptr;
    QPushButton* find = nullptr;

    SearchWindow() {
        settings.ProgramFolder = fixture().root + "/";
        settings.UserName = "Taro";
        settings.DicInUse = fixture().dictionary;
        window = std::make_unique<TfrmFind>(settings);
        window->show();
        QApplication::processEvents();
        text = window->findChild<QLineEdit*>(QStringLiteral("txtFindString"));
        find = window->findChild<QPushButton*>(QStringLiteral("cmdFind"));
        if (!text || !find)
            std::abort();
    }
    void search(const char* what) {
        text->setText(QString::fromUtf8(what));
        find->click();
    }
};

// Texts: one no line holds, one of eleven hits (dash9999, dash99990 .. dash99999).
constexpr const char* kNoHit = "walk";
constexpr const char* kSomeHits = "dash9999,";

void BM_SearchWindowNoHit(benchmark::State& state) {
    SearchWindow w;
    for (auto _ : state)
        w.search(kNoHit);
}
BENCHMARK(BM_SearchWindowNoHit)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SearchWindowElevenHits(benchmark::State& state) {
    SearchWindow w;
    for (auto _ : state)
        w.search(kSomeHits);
}
BENCHMARK(BM_SearchWindowElevenHits)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The model alone, every line a hit: the most rows a search can build.
void BM_SearchEveryLineHits(benchmark::State& state) {
    const std::string text = sj("駆ける");
    for (auto _ : state) {
        WordSearchResult r = searchDictionary(fixture().dictionary, text, false);
        if (r.words.size() != kLines)
            state.SkipWithError("not every line found");
        benchmark::DoNotOptimize(r.words.data());
    }
}
BENCHMARK(BM_SearchEveryLineHits)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_FloorOnePassOfFind(benchmark::State& state) {
    const std::string& bytes = fixture().bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(qor::find(bytes, kNoHit));
}
BENCHMARK(BM_FloorOnePassOfFind)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The offscreen platform says at every showing that it cannot size a window frame.
void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    BenchPlatform platform;
    ui::setPlatform(&platform);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const int runs = 21;
    SearchWindow w;
    double noHit = medianMs(runs, [&] { w.search(kNoHit); });
    double hits = medianMs(runs, [&] { w.search(kSomeHits); });
    const std::string& bytes = fixture().bytes;
    double floor = medianMs(runs, [&] { benchmark::DoNotOptimize(qor::find(bytes, kNoHit)); });
    std::printf("\nSearch of %zu lines, %zu bytes (median of %d runs)\n", kLines, bytes.size(), runs);
    std::printf("  search window, no hit            : %8.2f ms   %.2fx the floor\n", noHit,
                noHit / floor);
    std::printf("  search window, 11 hits + results : %8.2f ms   %.2fx the floor\n", hits,
                hits / floor);
    std::printf("  floor, one pass of qor::find     : %8.2f ms\n", floor);
    std::printf("  target (< 200 ms, gauge included): %s\n",
                noHit < 200 && hits < 200 ? "met" : "NOT met");
    ui::setPlatform(nullptr);
    return 0;
}
