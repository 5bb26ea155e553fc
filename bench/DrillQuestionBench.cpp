// The next question of a four-choice drill on the path the drill takes (Drill::NextQuestion:
// the source's line, its entry and the three wrong choices, the dictionary read anew for
// the question), on dictionaries of 2,000, 20,000 and 200,000 lines. Beside it, in the same
// run, the floor: reading the dictionary's bytes once.
//
// Run: build/bench/drill_question_bench (the summary at the end gives the medians).

#include "bench/NoDrillWindow.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "quiz/DrillView.h"
#include "settings/TUserSettings.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kRuns = 101;

} // namespace

int main() {
    std::string root = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
    if (!::mkdtemp(root.data()))
        return 1;
    FixedClock clock{DateTime{2001, 3, 30, 10, 0, 0}};
    setClock(&clock);
    MersenneRandom chance{3};
    setRandom(&chance);

    std::printf("The next question of a four-choice drill (medians of %d):\n", kRuns);
    for (int lines : {2000, 20000, 200000}) {
        const std::string dictionary = root + "/words" + std::to_string(lines) + ".txt";
        std::vector<std::string> entries;
        entries.reserve(static_cast<std::size_t>(lines));
        for (int i = 0; i < lines; ++i)
            entries.push_back("word" + std::to_string(i) + ",form" + std::to_string(i) + "=" +
                              sj("単語") + std::to_string(i) + sj("*コメントはありません"));
        if (!writeLines(dictionary, entries))
            return 1;

        TUserSettings settings;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        bench::NoDrillWindow window;
        Drill drill(settings, window);
        if (!drill.start(DrillStart{dictionary, 0, 2, "1000", true}))
            return 1;

        std::vector<double> question, floor;
        for (int i = 0; i < kRuns; ++i) {
            floor.push_back(millisecondsOf([&] {
                if (readAll(dictionary).bytes.empty())
                    std::abort();
            }));
            question.push_back(millisecondsOf([&] { drill.NextQuestion(); }));
        }
        drill.stop();
        std::printf("  %6d lines: %7.3f ms   floor (reading the bytes) %7.3f ms   ratio %.2f\n",
                    lines, median(question), median(floor), median(question) / median(floor));
    }
    setRandom(nullptr);
    setClock(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
