// The two printing windows on dictionaries of 2,000, 20,000 and 200,000 words, as the
// learner waits for them under the offscreen platform:
//
//   - "読み込み (&L)" of "辞書の印刷": the dictionary read, every line made a listing line,
//     the gauge moved, the box filled and the window painted;
//   - "表示 (&V)" of "簡易テスト用紙の作成" for a drill of 1,000 questions ("過去に出題した問題"):
//     the dictionary read for the wrong choices, the sheet built, the gauge moved, the box
//     filled and painted.
//
// Beside each, in the same run, its floor: reading the dictionary's bytes and filling the
// same box with the same lines (the box's own fill, LinesView::showLines, with the same
// tab stops), painted; no gauge, no listing or sheet logic.
//
// Run: build/bench/print_windows_bench (a table of medians).

#include "bench/OffscreenApp.h"
#include "bench/QuietPlatform.h"
#include "bench/Timing.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "print/DictionaryListing.h"
#include "print/LinesView.h"
#include "print/TestSheet.h"
#include "print/TfrmMakeTest.h"
#include "print/TfrmPrintDic.h"
#include "quiz/DrillState.h"
#include "quiz/DrillView.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kRuns = 9;
constexpr int kQuestions = 1000;

struct Fixture {
    std::string root;
    TUserSettings settings;
    std::string dictionary;
    std::vector<std::string> lines;
    DrillHistory history;

    explicit Fixture(int words) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        settings.ProgramFolder = root + "/";
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        dictionary = root + "/words.txt";
        for (int i = 0; i < words; ++i) {
            char english[32];
            std::snprintf(english, sizeof english, "word%06d,form%d", i, i % 7);
            lines.push_back(std::string(english) + "=" + sj("単語,ことば") + std::to_string(i) +
                            (i % 3 ? sj("*コメントはありません") : sj("*よく使う")));
        }
        write(dictionary, lines);
        write(settings.setupIniPath(), {"[Dictionary]", "DicNum=1", "1=words.txt", "",
                                        "[Dictionary Path]", "words.txt=" + dictionary, "",
                                        "[Print Dic]", "NumberOn=1", "CommentOn=1"});
        SettingsStore::load(settings);
        settings.files.DicInUse = dictionary;
        // A drill of 1,000 questions one drill back: its lines in slot 0, its totals in 1.
        history.current = 1;
        history.drills[1].questionCount = kQuestions;
        for (int k = 0; k < kQuestions; ++k)
            history.drills[0].asked[static_cast<std::size_t>(k)] =
                lines[static_cast<std::size_t>(k) * 7919 % lines.size()];
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    static void write(const std::string& path, const std::vector<std::string>& lines) {
        if (!writeLines(path, lines))
            std::abort();
    }
};

template <typename T>
T* child(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        std::abort();
    return widget;
}

// The floor: the dictionary's bytes read, the same lines in the same box, painted.
double fillFloor(QWidget& window, LinesView* box, const std::string& dictionary,
                 const std::vector<std::string>& lines, const std::vector<double>& tabStops) {
    return millisecondsOf([&] {
        if (readAll(dictionary).bytes.empty())
            std::abort();
        box->showLines(lines, tabStops);
        window.grab();
    });
}

} // namespace

int main(int argc, char** argv) {
    bench::prepareOffscreen();
    QApplication app(argc, argv);
    bench::QuietPlatform quiet;
    ui::setPlatform(&quiet);
    FixedClock clock{DateTime{2001, 3, 30, 10, 0, 0}};
    setClock(&clock);
    MersenneRandom chance{5};
    setRandom(&chance);

    std::printf("The printing windows (medians of %d; floor: the dictionary read and the same "
                "lines filled into the same box, painted)\n", kRuns);
    for (int words : {2000, 20000, 200000}) {
        Fixture f(words);

        TfrmPrintDic listing(UserFiles(f.settings), f.settings.files, {});
        listing.resize(800, 600);
        listing.show();
        QApplication::processEvents();
        auto* load = child<QPushButton>(listing, "cmdLoad");
        auto* listingBox = child<LinesView>(listing, "moData");
        load->click();
        const std::vector<double> listingTabs = listingBox->tabStops();
        const std::vector<std::string> listed = listing.listingLines();
        if (listing.listingLines().size() != static_cast<std::size_t>(words))
            std::abort();

        TfrmMakeTest sheet(UserFiles(f.settings), f.settings.files, f.settings.UserName,
                           DrillSummary{}, f.history);
        sheet.resize(800, 600);
        sheet.show();
        child<QComboBox>(sheet, "cboPrintType")->setCurrentIndex(static_cast<int>(PrintType::PastAsked));
        QApplication::processEvents();
        auto* view = child<QPushButton>(sheet, "cmdView");
        auto* sheetBox = child<LinesView>(sheet, "moData");
        view->click();
        const std::vector<double> sheetTabs = sheetBox->tabStops();
        const std::vector<std::string> sheetShown = sheet.sheetLines();
        if (sheet.sheetLines().size() < static_cast<std::size_t>(kQuestions) * 3)
            std::abort();

        std::vector<double> loadTimes, loadFloor, ungauged, viewTimes, viewFloor;
        for (int run = 0; run < kRuns; ++run) {
            loadTimes.push_back(millisecondsOf([&] {
                load->click();
                listing.grab();
            }));
            loadFloor.push_back(fillFloor(listing, listingBox, f.dictionary, listed, listingTabs));
            // The same listing built and shown without a gauge: what the gauge costs.
            ungauged.push_back(millisecondsOf([&] {
                Listing built = buildListing(f.dictionary, true, true, {}, {});
                listingBox->showLines(built.lines, listingTabs);
                listing.grab();
            }));
            viewTimes.push_back(millisecondsOf([&] {
                view->click();
                sheet.grab();
            }));
            viewFloor.push_back(fillFloor(sheet, sheetBox, f.dictionary, sheetShown, sheetTabs));
        }
        std::printf("  %6d words: listing load   %9.2f ms   floor %9.2f ms   ratio %5.2f\n", words,
                    median(loadTimes), median(loadFloor), median(loadTimes) / median(loadFloor));
        std::printf("  %6d words: listing without its gauge %9.2f ms   the load's ratio to it %5.2f\n",
                    words, median(ungauged), median(loadTimes) / median(ungauged));
        std::printf("  %6d words: sheet of %d questions %9.2f ms   floor %9.2f ms   ratio %5.2f\n",
                    words, kQuestions, median(viewTimes), median(viewFloor),
                    median(viewTimes) / median(viewFloor));
    }
    std::printf("  targets: the 20,000-word listing at most 2x the same listing without a gauge; "
                "nothing over 1 s\n");
    ui::setPlatform(nullptr);
    setRandom(nullptr);
    setClock(nullptr);
    return 0;
}
