// The custom question list on dictionaries of 2,000, 20,000 and 200,000 words whose every
// word has this year's figures: the window opening (the dictionary and the word
// statistics file read once each, the rows built, the window shown and painted once),
// a rule over all rows with its gauge ("以下" 50 % on the percentages), and "全て選択".
// Beside them, in the same run, the floor: reading the dictionary's and the statistics
// file's bytes.
//
// Run: build/bench/custom_list_bench (a table of medians per size).

#include "bench/OffscreenApp.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tools/CustomQuestionList.h"
#include "tools/TfrmCustomQuestion.h"

#include <QApplication>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kRuns = 9;

struct Fixture {
    std::string root;
    std::string user;
    std::string dictionary;
    std::string statistics;
    DateTexts now = DateTexts::of(DateTime{2001, 3, 14, 10, 0, 0});

    explicit Fixture(int words) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        user = root + "/Taro";
        makeFolder(user);
        dictionary = root + "/verbs.txt";
        statistics = user + "/2001_verbs.dat";
        std::vector<std::string> lines;
        std::vector<std::string> stats{sj("[問題=出題総数,正解総数,正解率％]"),
                                       "COUNT=" + std::to_string(words)};
        for (int i = 0; i < words; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%06d", i);
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
        if (!writeLines(dictionary, lines) || !writeLines(statistics, stats))
            std::abort();
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    FixedClock clock{DateTime{2001, 3, 14, 10, 0, 0}};
    setClock(&clock);

    std::printf("The custom question list (medians of %d; floor: reading the dictionary and the "
                "statistics file)\n", kRuns);
    for (int words : {2000, 20000, 200000}) {
        Fixture f(words);
        std::vector<double> open, rule, all, floor;
        for (int run = 0; run < kRuns; ++run) {
            floor.push_back(millisecondsOf([&] {
                if (readAll(f.dictionary).bytes.empty() || readAll(f.statistics).bytes.empty())
                    std::abort();
            }));
            // What the learner waits for: the rows built, the window shown and painted.
            CustomQuestionList list;
            std::vector<std::string> custom;
            TfrmCustomQuestion window(list, custom, f.dictionary, f.user);
            open.push_back(millisecondsOf([&] {
                if (!window.FormShow())
                    std::abort();
                window.show();
                QApplication::processEvents();
                window.grab();
            }));
            if (list.size() != words)
                std::abort();
            window.findChild<QSpinBox*>(QStringLiteral("txtPercent"))->setValue(50);
            rule.push_back(millisecondsOf([&] {
                window.findChild<QPushButton*>(QStringLiteral("cmdPercent"))->click();
                window.grab();
            }));
            all.push_back(millisecondsOf([&] {
                window.findChild<QPushButton*>(QStringLiteral("cmdAllSelect"))->click();
                window.grab();
            }));
            window.hide();
        }
        const double fl = median(floor);
        std::printf("  %6d words: opening %8.2f ms (ratio %6.2f)   a rule %7.2f ms   select all "
                    "%7.2f ms   floor %7.2f ms\n",
                    words, median(open), median(open) / fl, median(rule), median(all), fl);
    }
    std::printf("  target: under 1000 ms\n");
    setClock(nullptr);
    return 0;
}
