// Hostile and very large word lists in the import: a 50 MiB file that is one line (taken
// as the header, and as an entry), 50 MiB of ordinary CSV lines, 50 MiB of KVTML, and a
// program file (/bin/ls). For each, the model (file read, detection, rows, every entry
// converted) and the window (the file opened in "インポート", laid out and painted once),
// each with its median wall time, its median processor time (the machine is shared: wall
// time grows with the others' load) and the growth of the resident memory's peak over the
// run (the kernel's high-water mark, reset before each run). The floor: reading the bytes.
//
// Run: build/bench/import_limits_bench [RUNS [CASE]] (3 runs by default; medians are
// printed; CASE picks the cases whose name holds it).

#include "base/TextFile.h"
#include "bench/OffscreenApp.h"
#include "bench/QuietPlatform.h"
#include "bench/Timing.h"
#include "settings/SettingsStore.h"
#include "tools/TfrmImport.h"
#include "words/KvtmlReader.h"
#include "words/WordListImport.h"

#include <QApplication>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace qor;

namespace {

constexpr std::size_t kBig = 50u << 20;

long statusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(in, line))
        if (line.compare(0, n, key) == 0) return std::atol(line.c_str() + n);
    return -1;
}

// The resident peak set back to what is resident now, freed heap returned first.
long resetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKb("VmRSS:");
}

double processorMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct Figure {
    double ms;
    double cpuMs;
    double peakGrowthMb;
};

Figure measure(int runs, const std::function<void()>& work) {
    std::vector<double> times, cpu, peaks;
    for (int i = 0; i < runs; ++i) {
        long before = resetPeak();
        const double cpuBefore = processorMs();
        times.push_back(bench::millisecondsOf(work));
        cpu.push_back(processorMs() - cpuBefore);
        peaks.push_back(static_cast<double>(statusKb("VmHWM:") - before) / 1024.0);
    }
    return {bench::median(times), bench::median(cpu), bench::median(peaks)};
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    const std::string only = argc > 2 ? argv[2] : "";

    std::string root = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
    if (!::mkdtemp(root.data())) return 1;
    TUserSettings settings;
    settings.ProgramFolder = root + "/";
    settings.UserName = "Taro";
    makeFolder(settings.userFolder());
    SettingsStore::load(settings);
    bench::QuietPlatform quiet(true);
    ui::setPlatform(&quiet);

    struct Case {
        const char* name;
        std::string path;
    };
    std::vector<Case> cases;
    {
        std::string header = "English,Japanese,";
        header.resize(kBig, 'x');
        write(root + "/header.csv", header);
        cases.push_back({"one 50 MiB line, a header", root + "/header.csv"});
        std::string entry = "apple,";
        entry.resize(kBig, 'x');
        write(root + "/entry.csv", entry);
        cases.push_back({"one 50 MiB line, an entry", root + "/entry.csv"});
        std::string lines;
        lines.reserve(kBig + 100);
        for (std::size_t i = 0; lines.size() < kBig - 100; ++i) {
            std::string n = std::to_string(i);
            lines += "word" + n + ",単語" + n + ",コメント" + n + "\r\n";
        }
        write(root + "/lines.csv", lines);
        cases.push_back({"50 MiB of CSV lines", root + "/lines.csv"});
        std::string kvtml =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>"
            "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>"
            "<identifier id=\"1\"><name>日本語</name><locale>ja</locale></identifier></identifiers>\n<entries>\n";
        for (std::size_t i = 0; kvtml.size() < kBig - 200; ++i) {
            std::string n = std::to_string(i);
            kvtml += "<entry id=\"" + n + "\"><translation id=\"0\"><text>word" + n + "</text><comment>note " + n +
                     "</comment></translation><translation id=\"1\"><text>単語" + n + "</text></translation></entry>\n";
        }
        kvtml += "</entries>\n</kvtml>\n";
        write(root + "/list.kvtml", kvtml);
        cases.push_back({"50 MiB of KVTML", root + "/list.kvtml"});
        cases.push_back({"/bin/ls", "/bin/ls"});
    }

    std::printf("median of %d runs: wall ms (processor ms), growth of the resident peak in MiB\n", runs);
    for (const Case& c : cases) {
        if (std::string(c.name).find(only) == std::string::npos) continue;
        const auto size = std::filesystem::file_size(c.path);
        Figure floor = measure(runs, [&] { Bytes b = readAll(c.path); (void)b; });
        Figure model = measure(runs, [&] {
            Bytes raw = readAll(c.path);
            WordListImport in(std::move(raw.bytes), &readKvtml);
            ImportResult result = in.convert();
            std::fprintf(stderr, "  %s: %zu entries, %zu lines, %zu left out\n", c.name, in.entryCount(),
                         result.lines.size(), result.skipped.size());
        });
        Figure window = measure(runs, [&] {
            TfrmImport frm(UserFiles(settings), settings.files);
            frm.show();
            QApplication::processEvents();
            frm.openFile(QString::fromStdString(c.path));
            QApplication::processEvents();
            frm.grab();
        });
        std::printf("%-26s %8ju B | read %6.0f ms %5.1f MiB | model %7.0f ms (%6.0f) %6.1f MiB | "
                    "window %7.0f ms (%6.0f) %6.1f MiB\n",
                    c.name, static_cast<std::uintmax_t>(size), floor.ms, floor.peakGrowthMb, model.ms, model.cpuMs,
                    model.peakGrowthMb, window.ms, window.cpuMs, window.peakGrowthMb);
        std::fflush(stdout);
    }
    ui::setPlatform(nullptr);
    std::filesystem::remove_all(root);
    return 0;
}
