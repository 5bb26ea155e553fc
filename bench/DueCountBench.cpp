// The status bar's count of the words due today, as the main window makes it after a
// drill, on a change of dictionary and at the day's roll-over (app/MainDueCount: read the
// review settings, the dictionary and its review file, count, set the panel's text), at
// 20,000 words all reviewed; beside the floor of reading the same two files' bytes, in
// the same run, interleaved. And the date timer's tick on a day that did not change,
// which only compares the day and the dictionary's path.
//
//   dictionary verbs.txt: 20,000 lines;  review file verbs.rev: 20,000 word records
//
// Run: build/bench/due_count_bench   (medians of 40 runs each)

#include "app/MainDueCount.h"
#include "bench/OffscreenApp.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "records/ReviewFile.h"
#include "records/WordReview.h"
#include "settings/TUserSettings.h"

#include <QLabel>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;
using qor::bench::median;
using qor::bench::millisecondsOf;

namespace {

constexpr int kWords = 20000;
constexpr int kRuns = 40;

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);

    std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::abort();
    const std::string root = pattern + "/";
    FixedClock clock{DateTime{2001, 3, 14, 9, 0, 0}};
    setClock(&clock);
    const StudyDay today = StudyDay::of(clock.now());

    TUserSettings settings;
    settings.ProgramFolder = root;
    settings.UserName = "Taro";
    makeFolder(settings.userFolder());
    settings.files.DicInUse = root + "verbs.txt";

    std::vector<std::string> lines;
    std::vector<std::string> review{"[FSRS-6]"};
    for (int i = 0; i < kWords; ++i) {
        char english[32];
        std::snprintf(english, sizeof english, "word%05d", i);
        const std::string japanese = sj("単語") + std::to_string(i);
        lines.push_back(english + ("=" + japanese) + "*" + sj("コメント"));
        // Reviewed over the last three months with stabilities from a day to five months:
        // some due today, most not.
        const WordReview r{today.plus(-(i % 90) - 1), {1.5 + (i % 400) * 0.37, 1 + (i % 9) * 0.97},
                           2 + i % 7, i % 3};
        review.push_back(english + ("_" + japanese) + "=" + reviewText(r));
    }
    if (!writeLines(settings.files.DicInUse, lines) ||
        !writeLines(reviewFilePath(settings.userFolder(), "verbs"), review))
        std::abort();

    QLabel panel;
    MainDueCount count(panel);
    std::vector<double> countTimes, floorTimes, tickTimes;
    std::size_t bytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        countTimes.push_back(millisecondsOf(
            [&] { count.refresh(UserFiles(settings), settings.files, settings.review, true); }));
        floorTimes.push_back(millisecondsOf([&] {
            bytes = readAll(settings.files.DicInUse).bytes.size() +
                    readAll(reviewFilePath(settings.userFolder(), "verbs")).bytes.size();
        }));
        tickTimes.push_back(millisecondsOf(
            [&] { count.refresh(UserFiles(settings), settings.files, settings.review, false); }));
    }
    const double counted = median(countTimes);
    const double floor = median(floorTimes);
    std::printf("Due count at %d words, all reviewed: %s (medians of %d runs, interleaved)\n", kWords,
                qPrintable(panel.text()), kRuns);
    std::printf("  count anew (settings, dictionary, review file, panel): %8.3f ms\n", counted);
    std::printf("  floor: read the two files' bytes (%zu bytes):          %8.3f ms   ratio %.2f\n",
                bytes, floor, floor > 0 ? counted / floor : 0.0);
    std::printf("  date timer tick, same day and dictionary:              %8.4f ms\n",
                median(tickTimes));

    setClock(nullptr);
    std::filesystem::remove_all(pattern);
    return 0;
}
