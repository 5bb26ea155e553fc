// The dictionary editor on dictionaries of 2,000, 20,000 and 200,000 lines: loading it
// (the stored path looked up, the file read into rows, the list shown and painted),
// scrolling the list a page at a time with a repaint, and saving it over the file
// ("上書き保存 (&U)"). Beside them, the floors measured in the same run: reading the same
// bytes, and writing the same bytes safely (temporary file, flush, rename).
//
// Run: build/bench/dictionary_editor_bench (a table of medians per size).

#include "bench/QuietPlatform.h"
#include "bench/Timing.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "bench/OffscreenApp.h"
#include "settings/TUserSettings.h"
#include "tools/TfrmEditDic.h"
#include "ui/Platform.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTreeView>

#include <algorithm>
#include <cstdint>
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
constexpr int kScrolls = 50;

struct Fixture {
    std::string root;
    TUserSettings settings;
    std::string dictionary;

    explicit Fixture(int lines) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        dictionary = root + "/verbs.txt";
        std::vector<std::string> entries;
        entries.reserve(static_cast<std::size_t>(lines));
        for (int i = 0; i < lines; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%06d,alt%d", i, i % 7);
            entries.push_back(std::string(english) + "=" + sj("単語,ことば") + std::to_string(i) +
                              sj("*コメントはありません"));
        }
        if (!writeLines(dictionary, entries))
            std::abort();
        IniFile::writeOne(settings.setupIniPath(), "Dictionary Path", "verbs.txt", dictionary);
        settings.files.DicInUse = dictionary;
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
    qor::bench::QuietPlatform quiet(true);  // boxes are answered OK, as a learner would
    ui::setPlatform(&quiet);

    std::printf("The dictionary editor (medians of %d; scrolling: of %d pages)\n", kRuns,
                kScrolls * kRuns);
    for (int lines : {2000, 20000, 200000}) {
        Fixture f(lines);
        TfrmEditDic window(UserFiles(f.settings), f.settings.files, f.settings.look, f.dictionary);
        window.show();
        QApplication::processEvents();
        auto* list = window.findChild<QTreeView*>(QStringLiteral("lstData"));
        auto* save = window.findChild<QAction*>(QStringLiteral("cmdDicFormat"));
        if (!list || !save)
            std::abort();
        const std::string bytes = readAll(f.dictionary).bytes;

        std::vector<double> load, read, scroll, saved, written;
        int step = 0;
        for (int run = 0; run < kRuns; ++run) {
            // What the learner waits for after "読み込み (&L)": the rows loaded, the list painted.
            load.push_back(millisecondsOf([&] {
                window.cmdLoadClick();
                window.grab();
            }));
            if (static_cast<int>(window.edit().rows().size()) != lines)
                std::abort();
            read.push_back(millisecondsOf([&] {
                if (!readAll(f.dictionary).status)
                    std::abort();
            }));
            // One page down anywhere in the list and the repaint that follows.
            QScrollBar* bar = list->verticalScrollBar();
            for (int s = 0; s < kScrolls; ++s) {
                const int to = (step++ * 7919) % std::max(1, bar->maximum());
                scroll.push_back(millisecondsOf([&] {
                    bar->setValue(to);
                    list->viewport()->grab();
                }));
            }
            // "上書き保存 (&U)" of the loaded rows.
            saved.push_back(millisecondsOf([&] { save->trigger(); }));
            written.push_back(millisecondsOf([&] {
                if (!writeAll(f.dictionary, bytes))
                    std::abort();
            }));
        }
        std::printf("  %6d lines (%9ju bytes): load %8.2f ms  floor (read) %7.2f ms  ratio %6.2f"
                    " | save %8.2f ms  floor (safe write) %7.2f ms  ratio %5.2f"
                    " | scroll a page + paint %6.2f ms\n",
                    lines, static_cast<std::uintmax_t>(bytes.size()), median(load), median(read),
                    median(load) / median(read), median(saved), median(written),
                    median(saved) / median(written), median(scroll));
    }
    std::printf("  targets: load and save under 1000 ms; a page scrolled within one 60 Hz frame "
                "(16.7 ms)\n");
    ui::setPlatform(nullptr);
    return 0;
}
