// The daily review's record of one answer at 20,000 reviewed words: the review file's
// update (the record changed in memory and the whole file stored by the safe rewrite),
// beside the word statistics file's update of the same answer on the drill's path
// (WordStatistics: read, count, safe rewrite) and the bare read and safe rewrite of the
// review file's bytes, in the same run, interleaved. Also what a drill of the daily
// review does once at its start: read the review file and choose the due words. And the
// study calendar's reading of ten years of records: five dictionaries, each with a review
// file of 2,000 words and ten years of day counts, and 120 monthly daily record files
// (more than the drill keeps: it deletes a month's file when the next month starts).
//
//   review file verbs.rev:            20,000 word records and a year of day counts
//   word statistics file 2001_verbs.dat: 20,000 words
//
// Run: build/bench/review_file_bench   (medians of 40 runs each)

#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "records/DueSelection.h"
#include "records/RecordFiles.h"
#include "records/ReviewFile.h"
#include "records/StudyCalendar.h"
#include "records/WordStatistics.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kWords = 20000;
constexpr int kRuns = 40;

std::string wordKey(int i) {
    char english[32];
    std::snprintf(english, sizeof english, "word%05d", i);
    return english + sj("_単語") + std::to_string(i);
}

struct Fixture {
    std::string root;
    std::string user;
    std::vector<std::string> keys;
    const StudyDay start = StudyDay::of(2001, 3, 14).value();

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        user = root + "/Taro";
        makeFolder(user);

        // Every word reviewed a few times over the last months, a year of day counts.
        std::vector<std::string> review{"[FSRS-6]"};
        std::vector<std::string> stats{"[" + sj("問題=出題総数,正解総数,正解率％") + "]",
                                       "COUNT=" + std::to_string(kWords)};
        for (int i = 0; i < kWords; ++i) {
            keys.push_back(wordKey(i));
            const WordReview r{start.plus(-(i % 90) - 1), {1.5 + (i % 400) * 0.37, 1 + (i % 9) * 0.97},
                               2 + i % 7, i % 3};
            review.push_back(keys.back() + "=" + reviewText(r));
            stats.push_back(keys.back() + "=" + std::to_string(i % 9 + 3) + "," +
                            std::to_string(i % 3) + ",33");
        }
        review.push_back("");
        review.push_back("[Answers]");
        for (int d = 365; d >= 1; --d)
            review.push_back(start.plus(-d).text() + "=" + std::to_string(40 + d % 30));
        if (!writeLines(reviewFilePath(user, "verbs"), review) ||
            !writeLines(wordStatisticsPath(user, "2001", "verbs"), stats))
            std::abort();
    }

    // Ten years of records of five dictionaries in a user folder of their own.
    std::string calendarUser() const {
        const std::string folder = root + "/Hanako";
        makeFolder(folder);
        for (int dic = 0; dic < 5; ++dic) {
            const std::string name = "dic" + std::to_string(dic);
            std::vector<std::string> review{"[FSRS-6]"};
            for (int i = 0; i < 2000; ++i)
                review.push_back(wordKey(i) + "=" + reviewText(WordReview{start.plus(-i % 50), {3.5, 5}, 3, 0}));
            review.push_back("");
            review.push_back("[Answers]");
            for (int d = 3650; d >= 1; --d) {
                if (d % 7 != dic)
                    review.push_back(start.plus(-d).text() + "=" + std::to_string(20 + d % 40));
            }
            if (!writeLines(reviewFilePath(folder, name), review))
                std::abort();
            for (int m = 0; m < 120; ++m) {
                const StudyDay first = start.firstOfMonthBefore(m);
                const std::string month = std::to_string(first.month());
                std::vector<std::string> daily{"[Error]", "Date=" + month + "/28", "Num=0", "Today=",
                                               "YesterdayNum=0", "Yesterday=0", "", "[" + month + "]"};
                for (int w = 0; w < 40; ++w)
                    daily.push_back(wordKey(w * 37) + "=" + std::to_string(w % 4 + 1));
                for (int d = 1; d <= 28; ++d) {
                    daily.push_back("");
                    daily.push_back("[" + month + "/" + std::to_string(d) + "]");
                    for (int w = 0; w < 8; ++w)
                        daily.push_back(wordKey((w * 37 + d) % kWords) + "=1");
                }
                const std::string path = folder + "/" + std::to_string(first.year()) + month + "_" + name + ".dat";
                if (!writeLines(path, daily))
                    std::abort();
            }
        }
        return folder;
    }

    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

} // namespace

int main() {
    Fixture f;
    const RecordDictionary dic{"verbs.txt", "verbs"};
    const DateTexts now = DateTexts::of(DateTime{2001, 3, 14, 10, 0, 0});
    const std::string reviewPath = reviewFilePath(f.user, "verbs");

    // The drill's start: the review file read once, the due words chosen.
    std::vector<double> startTimes;
    ReviewPlan plan;
    for (int i = 0; i < 10; ++i) {
        startTimes.push_back(millisecondsOf([&] {
            ReviewFile file(f.user, "verbs");
            plan = DueSelection(f.keys, file.records(), ReviewSettings{}).plan(f.start);
        }));
    }

    // One drill's review file, read once, as the drill keeps it.
    ReviewFile drill(f.user, "verbs");
    if (drill.records().size() != static_cast<std::size_t>(kWords))
        std::abort();

    std::vector<double> reviewTimes, statisticsTimes, floorTimes;
    for (int i = 0; i < kRuns; ++i) {
        const std::string& key = f.keys[static_cast<std::size_t>((i * 4987) % kWords)];
        // A new day every few answers, so that records and day counts change as in use.
        const StudyDay today = f.start.plus(i / 4);
        reviewTimes.push_back(millisecondsOf([&] {
            if (!drill.recordAnswer(key, i % 5 ? Grade::Good : Grade::Again, today))
                std::abort();
        }));
        statisticsTimes.push_back(millisecondsOf([&] {
            WordStatistics stats(f.user, dic, now);
            WordFigures word = stats.GetVocDetail(key);
            word.count(i % 5 != 0);
            if (!stats.VocDetailSave(key, word))
                std::abort();
        }));
        floorTimes.push_back(millisecondsOf([&] {
            Bytes b = readAll(reviewPath);
            if (!b.status || !writeAll(reviewPath + ".copy", b.bytes))
                std::abort();
        }));
    }

    const double review = median(reviewTimes);
    const double statistics = median(statisticsTimes);
    const double floor = median(floorTimes);
    std::printf("One answer at %d reviewed words, medians of %d runs (interleaved)\n", kWords, kRuns);
    std::printf("  review file update (%7zu bytes):          %7.3f ms\n",
                readAll(reviewPath).bytes.size(), review);
    std::printf("  word statistics file update (%7zu bytes): %7.3f ms   ratio review/statistics %.2f\n",
                readAll(wordStatisticsPath(f.user, "2001", "verbs")).bytes.size(), statistics,
                statistics > 0 ? review / statistics : 0.0);
    std::printf("  floor: read + safe rewrite of the review file's bytes: %7.3f ms   ratio review/floor %.2f\n",
                floor, floor > 0 ? review / floor : 0.0);
    std::printf("Drill start: read the review file and choose the due words: %.3f ms (median of 10; "
                "%d due, %d new)\n",
                median(startTimes), plan.due, plan.fresh);

    const std::string calendar = f.calendarUser();
    std::vector<double> calendarTimes;
    int streak = 0;
    for (int i = 0; i < 10; ++i) {
        calendarTimes.push_back(millisecondsOf([&] {
            StudyCalendar c(studyDayCounts(calendar), f.start);
            streak = c.longestStreak() + static_cast<int>(c.days().size());
        }));
    }
    std::printf("Study calendar: ten years of records (5 review files, 600 daily record files): "
                "%.3f ms (median of 10)\n",
                median(calendarTimes));
    return streak > 0 ? 0 : 1;
}
