// The study calendar window on ten years of daily records: five dictionaries of 2,000
// words, each with a daily record file for every month of the ten years (misses in every
// day's section) and a review file with 2,000 word records and an answer count for every
// day. Opening the window (the days summed, the forecast of the dictionary in use, shown
// and painted) against the floor of merely reading the same files' bytes, in the same run.
//
// Run: build/bench/study_calendar_bench (medians).

#include "bench/OffscreenApp.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "records/StudyCalendar.h"
#include "records/StudyDay.h"
#include "records/TfrmStudyCalendar.h"
#include "settings/TUserSettings.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::medianMs;

constexpr int kRuns = 9;
constexpr int kDictionaries = 5;
constexpr int kWords = 2000;
constexpr int kYears = 10;
constexpr int kLastYear = 2031;

struct Fixture {
    std::string root;
    TUserSettings settings;
    std::vector<std::string> files;  // every file the window reads
    std::size_t bytes = 0;

    Fixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        std::vector<std::string> setup{"[Dictionary]", "DicNum=" + std::to_string(kDictionaries)};
        std::vector<std::string> paths{"[Dictionary Path]"};
        const StudyDay first = StudyDay::of(kLastYear - kYears + 1, 1, 1).value();
        const StudyDay last = StudyDay::of(kLastYear, 12, 31).value();
        for (int d = 0; d < kDictionaries; ++d) {
            const std::string name = "dic" + std::to_string(d);
            const std::string dictionary = root + "/" + name + ".txt";
            setup.push_back(std::to_string(d + 1) + "=" + name + ".txt");
            paths.push_back(name + ".txt=" + dictionary);
            std::vector<std::string> lines;
            std::vector<std::string> review{"[FSRS-6]"};
            for (int w = 0; w < kWords; ++w) {
                const std::string english = "word" + std::to_string(w);
                const std::string japanese = sj("単語") + std::to_string(w);
                lines.push_back(english + "=" + japanese + sj("*コメントはありません"));
                // Reviewed over the last weeks, with stabilities of a day to two months.
                const StudyDay reviewed = last.plus(-(w % 40));
                review.push_back(english + "_" + japanese + "=" + reviewed.text() + "," +
                                 std::to_string(1 + w % 60) + ".5,5.25," + std::to_string(1 + w % 9) +
                                 "," + std::to_string(w % 3));
            }
            review.push_back("[Answers]");
            for (StudyDay day = first; day <= last; day = day.plus(1))
                review.push_back(day.text() + "=" + std::to_string(20 + (day.number * 7 + d) % 90));
            // A daily record file for every month: the misses of five words on each day.
            for (int year = kLastYear - kYears + 1; year <= kLastYear; ++year) {
                for (int month = 1; month <= 12; ++month) {
                    std::vector<std::string> record{"[Error]", "Date=" + std::to_string(month) + "/1",
                                                    "Num=0", "Today=", "[" + std::to_string(month) + "]"};
                    for (int dd = 1; dd <= 31; ++dd) {
                        if (!StudyDay::of(year, month, dd))
                            continue;
                        record.push_back("[" + std::to_string(month) + "/" + std::to_string(dd) + "]");
                        for (int w = 0; w < 5; ++w)
                            record.push_back("word" + std::to_string((dd * 5 + w) % kWords) + "_" +
                                             sj("単語") + std::to_string((dd * 5 + w) % kWords) + "=1");
                    }
                    const std::string file = settings.userFile(std::to_string(year) + std::to_string(month) +
                                                               "_" + name + ".dat");
                    if (!writeLines(file, record))
                        std::abort();
                    files.push_back(file);
                }
            }
            const std::string rev = settings.userFile(name + ".rev");
            if (!writeLines(dictionary, lines) || !writeLines(rev, review))
                std::abort();
            files.push_back(rev);
            if (d == 0)
                files.push_back(dictionary);  // the forecast reads the dictionary in use
            if (d == 0)
                settings.files.DicInUse = dictionary;
        }
        setup.insert(setup.end(), paths.begin(), paths.end());
        if (!writeLines(settings.setupIniPath(), setup))
            std::abort();
        files.push_back(settings.setupIniPath());
        for (const std::string& f : files)
            bytes += std::filesystem::file_size(f);
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
    FixedClock clock{DateTime{kLastYear, 12, 31, 21, 0, 0}};
    setClock(&clock);

    Fixture f;
    std::printf("The study calendar on ten years of daily records: %d dictionaries of %d words, "
                "%zu files, %.1f MB (medians of %d)\n",
                kDictionaries, kWords, f.files.size(), static_cast<double>(f.bytes) / 1e6, kRuns);
    const double floor = medianMs(kRuns, [&] {
        std::size_t read = 0;
        for (const std::string& file : f.files) {
            Bytes b = readAll(file);
            if (!b.status)
                std::abort();
            read += b.bytes.size();
        }
        if (read != f.bytes)
            std::abort();
    });
    const double days = medianMs(kRuns, [&] {
        if (studyDayCounts(f.settings.userFolder()).empty())
            std::abort();
    });
    const double open = medianMs(kRuns, [&] {
        TfrmStudyCalendar frm(UserFiles(f.settings), f.settings.files, f.settings.review);
        frm.show();
        QApplication::processEvents();
        if (frm.grab().isNull())
            std::abort();
    });
    std::printf("  window opened, shown and painted %8.2f ms (ratio %5.2f)   the days summed %8.2f ms"
                "   floor (reading the files) %7.2f ms\n",
                open, open / floor, days, floor);
    std::printf("  target: under 300 ms\n");
    setClock(nullptr);
    return 0;
}
