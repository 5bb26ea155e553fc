// A missed answer with the error list on ("SaveError"), on the path the drill takes
// (DrillFiles::recordMiss: the error list checked and extended, the daily record and the
// error ranking updated), with error lists of 2,000, 20,000, 200,000 and 2,000,000 lines.
// Beside it, in the same run, the floor: reading the error list's bytes, with plain read()
// calls into one buffer of 256 KB (the bare I/O; readAll into one string of the whole file
// is shown beside it: its page faults make it slower and much more variable). Two misses: a
// word the list holds already (in other letter case, as its last line: every line is
// looked at, nothing appended), and a new word (every line looked at, one line appended).
// Apart, the error list's own part of a miss (DailyRecord::SaveErrorData) and the rest
// of a miss (the same miss with the error list off: the safe writes of the daily record
// and the error ranking, which do not grow with the list).
//
// Run: build/bench/error_list_bench (a table of medians).

#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "quiz/DrillFiles.h"
#include "records/DailyRecord.h"
#include "records/RecordFiles.h"
#include "settings/TUserSettings.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

std::string line(int i) {
    char english[32];
    std::snprintf(english, sizeof english, "word%07d", i);
    return std::string(english) + ",form=" + sj("単語,ことば") + std::to_string(i) +
           sj("*コメントはありません");
}

CurrentEntry entryOf(const std::string& text, int index) {
    CurrentEntry e;
    e.lineIndex = index;
    e.lineText = text;
    e.english = text.substr(0, text.find('='));
    e.japanese = sj("単語");
    return e;
}

// The bytes of the file read with plain read() calls into one buffer; their count.
std::size_t readInPieces(const std::string& path) {
    static std::vector<char> buffer(std::size_t{1} << 18);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        std::abort();
    std::size_t total = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0)
            std::abort();
        if (n == 0)
            break;
        total += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return total;
}

} // namespace

int main() {
    FixedClock clock{DateTime{2001, 3, 30, 10, 0, 0}};
    setClock(&clock);
    std::string root = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
    if (!::mkdtemp(root.data()))
        return 1;

    std::printf("A missed answer with the error list on, on the drill's path, against reading "
                "the error list (medians; the miss without the list is the safe writes of the "
                "daily record and the error ranking)\n");
    for (int lines : {2000, 20000, 200000, 2000000}) {
        TUserSettings settings;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        settings.files.SaveError = true;
        settings.files.SaveErrorFile = root + "/errors" + std::to_string(lines) + ".txt";
        {
            std::vector<std::string> listed;
            listed.reserve(static_cast<std::size_t>(lines));
            for (int i = 0; i < lines; ++i)
                listed.push_back(line(i));
            if (!writeLines(settings.files.SaveErrorFile, listed))
                return 1;
        }
        DrillState state;
        state.dictionaryPath = root + "/verbs.txt";
        state.dictionaryFileName = "verbs.txt";
        state.dictionaryName = "verbs";
        DrillFiles files(settings, state);
        files.beginDrill();

        // The last line in capitals: listed already.
        std::string last = line(lines - 1);
        for (char& c : last)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        const CurrentEntry listed = entryOf(last, 7);
        const int runs = lines >= 2000000 ? 9 : 31;
        std::vector<double> known, added, floor, wholeRead, listPart, rest;
        DailyRecord alone(settings.userFolder());
        TUserSettings off = settings;
        off.files.SaveError = false;
        DrillFiles withoutList(off, state);
        withoutList.beginDrill();
        std::size_t bytes = 0;
        for (int run = 0; run < runs; ++run) {
            floor.push_back(millisecondsOf([&] { bytes = readInPieces(settings.files.SaveErrorFile); }));
            wholeRead.push_back(millisecondsOf([&] {
                if (!readAll(settings.files.SaveErrorFile).status)
                    std::abort();
            }));
            known.push_back(millisecondsOf([&] {
                if (!files.recordMiss(listed).empty())
                    std::abort();
            }));
            listPart.push_back(millisecondsOf([&] {
                if (!alone.SaveErrorData(settings.files.SaveErrorFile, listed.lineText))
                    std::abort();
            }));
            rest.push_back(millisecondsOf([&] {
                if (!withoutList.recordMiss(listed).empty())
                    std::abort();
            }));
            const CurrentEntry fresh = entryOf(line(lines + run), 8);
            added.push_back(millisecondsOf([&] {
                if (!files.recordMiss(fresh).empty())
                    std::abort();
            }));
        }
        const double f = median(floor);
        const double whole = f + median(rest);
        std::printf("  %8d lines (%9zu bytes): reading the list %8.3f ms (readAll %8.3f ms); "
                    "the list's part of a miss %8.3f ms, ratio %5.2f\n"
                    "  %34s a whole miss, listed word %8.3f ms, new word %8.3f ms, against "
                    "reading the list + the miss without it %8.3f ms: ratios %5.2f, %5.2f\n",
                    lines, bytes, f, median(wholeRead), median(listPart), median(listPart) / f, "",
                    median(known), median(added), whole, median(known) / whole,
                    median(added) / whole);
        removeFile(settings.files.SaveErrorFile);
    }
    std::printf("  target: a miss with 2,000,000 lines at most 1.3x reading the list\n");
    setClock(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
