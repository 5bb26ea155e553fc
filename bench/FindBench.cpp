// The word search on dictionaries of 2,000, 20,000 and 200,000 lines, as the learner waits
// for it: "検索 (&F)" of the search window, the file read, every line searched, the progress
// gauge moved and painted, and for a text with hits the result window filled and shown
// once. Beside it the floor, measured in the same run: one pass of the lead-byte-aware
// search (qor::find) over the same bytes, read from the file.
//
// Run: build/bench/find_bench (a table of medians per size).

#include "bench/OffscreenApp.h"
#include "bench/QuietPlatform.h"
#include "bench/Timing.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tools/TfrmFind.h"
#include "tools/WordSearch.h"
#include "ui/Platform.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::medianMs;

constexpr int kRuns = 15;

struct Fixture {
    std::string root;
    std::string dictionary;

    explicit Fixture(std::size_t lines) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        dictionary = root + "/large.txt";
        const std::string japanese = sj("走る,急ぐ,駆ける");
        const std::string comment = sj("コメントはありません");
        std::vector<std::string> entries;
        entries.reserve(lines);
        for (std::size_t i = 0; i < lines; ++i) {
            std::string n = std::to_string(i);
            entries.push_back("run" + n + ",dash" + n + ",sprint=" + japanese + "*" + comment + n);
        }
        if (!writeLines(dictionary, entries))
            std::abort();
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

// Result windows are shown and painted once, then closed; every other service is silent.
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

// The search window on the dictionary, shown.
struct SearchWindow {
    TUserSettings settings;
    std::unique_ptr<TfrmFind> window;
    QLineEdit* text = nullptr;
    QPushButton* find = nullptr;

    explicit SearchWindow(const Fixture& f) {
        settings.ProgramFolder = f.root + "/";
        settings.UserName = "Taro";
        settings.files.DicInUse = f.dictionary;
        window = std::make_unique<TfrmFind>(UserFiles(settings), settings.sound, settings.files,
                                            settings.look, settings.dicTypes);
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

// Texts: one no line holds, "dash1999" found in 1 to 111 lines (dash1999 and, in the
// larger dictionaries, dash19990 .. dash19999 and dash199900 .. dash199999), and one that
// every line holds.
constexpr const char* kNoHit = "walk";
constexpr const char* kSomeHits = "dash1999";
constexpr const char* kEveryLine = "駆ける";

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    BenchPlatform platform;
    ui::setPlatform(&platform);

    std::printf("The word search (medians of %d; floor: reading the bytes and one pass of "
                "qor::find over them)\n", kRuns);
    for (std::size_t lines : {std::size_t{2000}, std::size_t{20000}, std::size_t{200000}}) {
        Fixture f(lines);
        SearchWindow w(f);
        const std::string text = sj("駆ける");
        const double noHit = medianMs(kRuns, [&] { w.search(kNoHit); });
        const double hits = medianMs(kRuns, [&] { w.search(kSomeHits); });
        const double everyLine = medianMs(kRuns, [&] { w.search(kEveryLine); });
        const double everyLineModel = medianMs(kRuns, [&] {
            WordSearchResult r = searchDictionary(f.dictionary, text, false);
            if (r.words.size() != lines)
                std::abort();
        });
        const double floor = medianMs(kRuns, [&] {
            Bytes b = readAll(f.dictionary);
            if (qor::find(b.bytes, kNoHit) != std::string::npos)
                std::abort();
        });
        std::printf("  %6zu lines: floor %7.2f ms   window, no hit %8.2f ms (ratio %5.2f)   "
                    "hits and their window %8.2f ms (ratio %5.2f)   every line a hit %8.2f ms "
                    "(the model alone %8.2f ms)\n",
                    lines, floor, noHit, noHit / floor, hits, hits / floor, everyLine,
                    everyLineModel);
    }
    std::printf("  target: under 1000 ms (the gauge included)\n");
    ui::setPlatform(nullptr);
    return 0;
}
