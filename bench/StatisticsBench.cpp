// The percentage view ("正解率の一覧") on a word statistics file of every word of a dictionary
// of 2,000, 20,000 and 200,000 words: reading the rows (the model), "表示 (&V)" in the window
// (rows read, listed and painted once), and sorting the listed rows, against the floor of
// merely reading the statistics file's bytes, measured in the same run.
//
// Run: build/bench/statistics_bench (a table of medians per size).

#include "bench/OffscreenApp.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "records/PercentList.h"
#include "records/TfrmShowPercent.h"
#include "settings/TUserSettings.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::medianMs;

constexpr int kRuns = 9;

struct Fixture {
    int words;
    std::string root;
    TUserSettings settings;
    std::string statistics;

    explicit Fixture(int n) : words(n) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        const std::string dictionary = root + "/verbs.txt";
        settings.files.DicInUse = dictionary;
        std::vector<std::string> lines;
        std::vector<std::string> stats{"[" + sj("問題=出題総数,正解総数,正解率％") + "]",
                                       "COUNT=" + std::to_string(words)};
        for (int i = 0; i < words; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%06d", (i * 7919) % words);
            std::string japanese = sj("単語") + std::to_string(i);
            lines.push_back(std::string(english) + "=" + japanese + sj("*コメントはありません"));
            int asked = 1 + i % 9;
            int right = i % (asked + 1);
            stats.push_back(std::string(english) + "_" + japanese + "=" + std::to_string(asked) +
                            "," + std::to_string(right) + "," + std::to_string(100 * right / asked));
        }
        statistics = settings.userFile("2001_verbs.dat");
        if (!writeLines(dictionary, lines) || !writeLines(statistics, stats) ||
            !writeLines(settings.setupIniPath(), {"[Dictionary Path]", "verbs.txt=" + dictionary}))
            std::abort();
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

// What the learner waits for after "表示": the rows read, listed and the window painted.
struct Window {
    TfrmShowPercent frm;
    QPushButton* view;
    QPushButton* sort;
    explicit Window(const Fixture& f) : frm(UserFiles(f.settings), f.settings.files) {
        frm.show();
        QApplication::processEvents();
        view = frm.findChild<QPushButton*>("cmdView");
        sort = frm.findChild<QPushButton*>("cmdSort");
        if (!view || !sort)
            std::abort();
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

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    FixedClock clock{DateTime{2001, 3, 14, 10, 0, 0}};
    setClock(&clock);

    std::printf("The percentage view (medians of %d; floor: reading the statistics file)\n", kRuns);
    for (int words : {2000, 20000, 200000}) {
        Fixture f(words);
        const double floor = medianMs(kRuns, [&] {
            Bytes b = readAll(f.statistics);
            if (!b.status || b.bytes.empty())
                std::abort();
        });
        const double rows = medianMs(kRuns, [&] {
            PercentList list = readPercentList(f.settings.userFolder(), "verbs.txt", "2001",
                                               MasteryRule::ByPercent, 50);
            if (!list.status || static_cast<int>(list.rows.size()) != words)
                std::abort();
        });
        Window w(f);
        const double view = medianMs(kRuns, [&] { w.viewAndPaint(); });
        // Each sort starts from rows in file order, as the first sort after a view does.
        const double sort = medianMs(kRuns, [&] { w.sortAndPaint(); }, [&] { w.viewAndPaint(); });
        std::printf("  %6d words: \"表示\" listed and painted %8.2f ms (ratio %6.2f)   the rows read "
                    "%8.2f ms   sorted and painted %8.2f ms   floor %7.2f ms\n",
                    words, view, view / floor, rows, sort, floor);
    }
    std::printf("  target: under 1000 ms\n");
    setClock(nullptr);
    return 0;
}
