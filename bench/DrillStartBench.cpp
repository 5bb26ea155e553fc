// The start of a drill from every question source, on the path the program takes
// (Drill::start as the toolbar and the question setup dialog call it: the dictionary read,
// the source built, the first question shown with its four choices), on dictionaries of
// 2,000, 20,000 and 200,000 words. Beside each, in the same run, its floor: reading the
// bytes the start reads (the dictionary, Setup.ini, the answer file, Temp.dat, and the
// source's own file: the daily record for yesterday's misses, the importance file) and
// counting the dictionary's lines (a memchr pass: the word count is the least a start
// must know), and for the sources that draw their whole list in turn a plain std::shuffle
// of the same items.
//
// The lists are as long as they get: the custom list holds every word ("全て選択"), every
// word has an importance level and all five levels are chosen, yesterday's list and the
// history lists hold 1,000 words.
//
// Run: build/bench/drill_start_bench [SIZE [SOURCE [RUNS]]] (a table of medians per size;
// SIZE and a part of a SOURCE name pick one size and some sources, for a profiler).

#include "bench/NoDrillWindow.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "records/RecordFiles.h"
#include "settings/TUserSettings.h"
#include "words/AnswerFile.h"
#include "words/Dictionary.h"
#include "words/ImportanceFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kListed = 1000;  // words of yesterday's list and of the history lists

std::string entry(int i) {
    char english[32];
    std::snprintf(english, sizeof english, "word%06d", i);
    return std::string(english) + ",form" + std::to_string(i) + "=" + sj("単語") +
           std::to_string(i) + sj(",ことば*コメントはありません");
}

std::size_t mustRead(const std::string& path) {
    Bytes b = readAll(path);
    if (!b.status)
        std::abort();
    return countLinesIn(b.bytes);
}

struct Source {
    const char* name;
    std::function<void(DrillModes&)> choose;
    std::vector<std::string> ownFiles;    // read by this source alone
    const std::vector<std::string>* drawn = nullptr;  // items the source draws in turn
    bool numbers = false;                 // the drawn items are the line numbers
};

struct Sized {
    int words;
    std::string root, dictionary;
    TUserSettings settings;
    std::vector<std::string> lines;

    explicit Sized(int n) : words(n) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        const std::string user = settings.userFolder();
        makeFolder(user);
        dictionary = root + "/words.txt";
        lines.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            lines.push_back(entry(i));
        write(dictionary, lines);
        write(settings.setupIniPath(), {"[Dictionary]", "DicNum=1", "1=words.txt", "",
                                        "[Dictionary Path]", "words.txt=" + dictionary, "",
                                        "[NotRandomCount]", "words.txt=" + std::to_string(n / 2)});
        write(recentDrillsPath(user), {"[words.txt]", "Check=1", "Count=3", "1=80", "2=75", "3=90"});
        std::string yesterday;
        for (int k = 0; k < kListed; ++k)
            yesterday += (k ? "," : "") + std::to_string(k * 7919 % n);
        const DateTexts now = DateTexts::of(programClock().now());
        write(dailyRecordPath(user, now.yearMonth, "words"),
              {"[Error]", "Date=" + now.monthDay, "Num=0", "Today=",
               "YesterdayNum=" + std::to_string(kListed), "Yesterday=" + yesterday});
        std::vector<std::string> importance;
        importance.reserve(lines.size());
        for (int i = 0; i < n; ++i)
            importance.push_back(std::to_string(i % 5 + 1) + "_" + lines[static_cast<std::size_t>(i)]);
        write(importancePath(), importance);
    }
    ~Sized() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    std::string importancePath() const { return settings.userFile(importanceFileName("words")); }
    std::string dailyPath() const {
        return dailyRecordPath(settings.userFolder(), DateTexts::of(programClock().now()).yearMonth,
                               "words");
    }
    // The small files every start reads.
    std::vector<std::string> commonFiles() const {
        return {dictionary, settings.setupIniPath(), settings.userFile(answerFileName("words")),
                recentDrillsPath(settings.userFolder())};
    }
    static void write(const std::string& path, const std::vector<std::string>& lines) {
        if (!writeLines(path, lines))
            std::abort();
    }
};

// The drill's lists as a finished drill and the history leave them.
} // namespace

// The lists of earlier drills come straight into the drill's state: running a thousand
// questions for each would measure nothing more.
namespace qor {
struct DrillSeed {
    static DrillState& state(Drill& drill) { return *drill.state_; }
};
} // namespace qor

namespace {

void fillHistory(DrillState& s, const std::vector<std::string>& lines) {
    s.history.current = 0;
    for (int k = 0; k < kListed; ++k) {
        const std::string& line = lines[static_cast<std::size_t>(k) * 7919 % lines.size()];
        const auto i = static_cast<std::size_t>(k);
        s.asked[i] = s.missed[i] = line;
        s.history.drills[1].asked[i] = s.history.drills[1].missed[i] = line;
    }
    s.history.drills[2].questionCount = kListed;
}

} // namespace

int main(int argc, char** argv) {
    // Optional: one size, and the sources whose name holds a text (for a profiler).
    const int onlySize = argc > 1 ? std::atoi(argv[1]) : 0;
    const std::string onlySource = argc > 2 ? argv[2] : "";
    const int kRuns = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
    FixedClock clock{DateTime{2001, 3, 30, 10, 0, 0}};
    setClock(&clock);
    MersenneRandom chance{3};
    setRandom(&chance);
    std::mt19937 plain{3};

    std::printf("The start of a drill, four choices, 1000 questions (medians of %d; floor: the "
                "bytes the start reads with its lines counted, and a plain shuffle of the items "
                "a source draws)\n",
                kRuns);
    for (int n : {2000, 20000, 200000}) {
        if (onlySize && n != onlySize)
            continue;
        Sized f(n);
        std::vector<std::string> numbers;
        for (int i = 0; i < n; ++i)
            numbers.push_back(std::to_string(i));
        auto clear = [](DrillModes& m) { m = DrillModes{}; };
        const std::vector<Source> sources = {
            {"same questions as last time", [](DrillModes& m) { m.sameQuestions = true; }, {}},
            {"errors of last time", [](DrillModes& m) { m.lastErrors = true; }, {}},
            {"an earlier drill", [](DrillModes& m) { m.earlierDrill = true; m.historySlot = 1; }, {}},
            {"an earlier drill's errors", [](DrillModes& m) { m.earlierErrors = true; m.historySlot = 1; }, {}},
            {"yesterday's errors", [](DrillModes& m) { m.yesterday = true; }, {f.dailyPath()}},
            {"no repeats", [](DrillModes& m) { m.notSameQuestion = true; }, {}, &numbers, true},
            {"no repeats, custom list of all", [](DrillModes& m) { m.notSameQuestion = true; m.custom = true; }, {}, &f.lines},
            {"dictionary order, continued", [](DrillModes& m) { m.notRandom = true; m.notRandomContinue = true; }, {}},
            {"custom list of all words", [](DrillModes& m) { m.custom = true; }, {}},
            {"importance, all five levels", [](DrillModes& m) { m.importance = true; m.levels = {true, true, true, true, true}; }, {f.importancePath()}, &f.lines},
            {"plain random", [](DrillModes&) {}, {}},
        };

        bench::NoDrillWindow window;
        Drill drill(f.settings, window);
        fillHistory(DrillSeed::state(drill), f.lines);
        const DrillStart how{f.dictionary, 0, 2, "1000", false};
        std::printf("  %d words (%zu bytes):\n", n, readAll(f.dictionary).bytes.size());
        for (const Source& source : sources) {
            if (std::string(source.name).find(onlySource) == std::string::npos)
                continue;
            auto start = [&] {
                DrillPlan plan;
                clear(plan.modes);
                source.choose(plan.modes);
                plan.customLines = plan.modes.custom ? f.lines : std::vector<std::string>{};
                drill.setPlan(plan);
            };
            start();
            if (!drill.start(how))  // the answer file made, the files in the cache
                std::abort();
            drill.stop();
            std::vector<std::string> files = f.commonFiles();
            files.insert(files.end(), source.ownFiles.begin(), source.ownFiles.end());
            std::vector<double> started, floor;
            for (int run = 0; run < kRuns; ++run) {
                start();
                started.push_back(millisecondsOf([&] {
                    if (!drill.start(how))
                        std::abort();
                }));
                drill.stop();
                std::vector<std::string> copy;
                if (source.drawn && !source.numbers)
                    copy = *source.drawn;
                floor.push_back(millisecondsOf([&] {
                    std::size_t lines = 0;
                    for (const std::string& path : files)
                        lines += mustRead(path);
                    if (lines < static_cast<std::size_t>(n))
                        std::abort();
                    if (source.numbers) {
                        std::vector<std::string> items;
                        items.reserve(static_cast<std::size_t>(n));
                        for (int i = 0; i < n; ++i)
                            items.push_back(std::to_string(i));
                        std::shuffle(items.begin(), items.end(), plain);
                    } else if (source.drawn) {
                        std::shuffle(copy.begin(), copy.end(), plain);
                    }
                }));
            }
            const double m = median(started), fl = median(floor);
            std::printf("    %-32s %9.3f ms   floor %8.3f ms   ratio %5.2f\n", source.name, m, fl,
                        m / fl);
        }
    }
    setRandom(nullptr);
    setClock(nullptr);
    return 0;
}
