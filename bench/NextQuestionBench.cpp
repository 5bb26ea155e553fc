// Enter to the next question in the main window, as a learner drives it: a typed answer,
// Enter, the answer judged and recorded, the next question read from the dictionary and
// shown, the window painted. The dictionary has 2,000, 20,000 or 200,000 words, the user a
// year of word statistics of every word and a month of daily records; the drill asks no
// word twice ("同じ問題を繰り返し出題しない"). The start from the toolbar's "OK" is timed too. Beside it, in the same run, the floor: a bare
// window with the same three controls (the question box, the answer field, the count
// label) whose Enter only shows the next text and paints.
//
// Run: build/bench/next_question_bench (the summary at the end gives the medians).

#include "bench/Timing.h"
#include "app/TfrmMain.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "bench/OffscreenApp.h"
#include "bench/QuietPlatform.h"
#include "quiz/Drill.h"
#include "records/RecordFiles.h"
#include "settings/UserRegistry.h"
#include "ui/Text.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

using qor::bench::median;
using qor::bench::millisecondsOf;

constexpr int kRuns = 60;

std::string english(int i) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "word%06d", i);
    return buffer;
}

std::string japanese(int i) {
    return sj("単語") + std::to_string(i);
}

struct Fixture {
    const int count;  // words of the dictionary
    std::string root;
    std::string dictionary;
    DateTexts now = DateTexts::of(DateTime{2001, 3, 30, 10, 0, 0});

    explicit Fixture(int n) : count(n) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        const std::string user = root + "/Taro";
        UserRegistry registry(root + "/");
        registry.select("Taro");
        registry.recordExit("Taro");
        makeFolder(user);
        dictionary = root + "/verbs.txt";

        std::vector<std::string> words, stats{"[" + sj("問題=出題総数,正解総数,正解率％") + "]",
                                              "COUNT=" + std::to_string(count)};
        for (int i = 0; i < count; ++i) {
            words.push_back(english(i) + "=" + japanese(i) + sj("*コメントはありません"));
            stats.push_back(english(i) + "_" + japanese(i) + "=" + std::to_string(i % 9 + 3) + "," +
                            std::to_string(i % 3) + ",33");
        }
        write(dictionary, words);
        write(wordStatisticsPath(user, now.year, "verbs"), stats);
        std::vector<std::string> year;
        for (const char* name : {"nouns.txt", "verbs.txt"}) {
            year.push_back(std::string("[") + name + "]");
            year.push_back("Check=1");
            for (int m = 1; m <= 12; ++m)
                year.push_back(std::to_string(m) + "=120,80,67");
        }
        write(yearStatisticsPath(user, now.year), year);
        std::vector<std::string> daily{"[Error]", "Date=3/30", "Num=0", "Today=", "YesterdayNum=0",
                                       "Yesterday=0", "", "[3]"};
        for (int i = 0; i < count / 10; ++i)
            daily.push_back(english(i * 10) + "_" + japanese(i * 10) + "=1");
        for (int d = 1; d <= 30; ++d) {
            daily.push_back("[3/" + std::to_string(d) + "]");
            for (int i = 0; i < count / 300; ++i)
                daily.push_back(english((i * 30 + d) * 10 % count) + "_" + japanese((i * 30 + d) * 10 % count) + "=1");
        }
        write(dailyRecordPath(user, now.yearMonth, "verbs"), daily);
        // No verdict boxes, no sounds: Enter goes straight to the next question.
        write(setupPath(user), {"[Setup]", "ShowResult=0", "AtariOn=0", "HazureOn=0", "",
                                "[QuestionSetup]", "AnswerType=0", "QuestionNum=1000",
                                "NotSameQuestion=1", "",
                                "[Dictionary Path]", "verbs.txt=" + dictionary, "", "[Dictionary]",
                                "DicNum=1", "1=verbs.txt", "", "[Date]",
                                "PrevYearMonth=" + now.yearMonth});
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

// Enter in the main window with the right (or a wrong) answer typed; the window painted.
// The start ("OK" of the toolbar, the first question shown and painted) is added to
// `starts`.
std::vector<double> mainWindowEnter(const Fixture& f, bool right, std::vector<double>& starts) {
    auto main = std::make_unique<TfrmMain>(f.root + "/");
    main->releaseSplash();
    main->show();
    // The first showing runs once the window is on screen.
    for (int i = 0; i < 200 && !main->started(); ++i)
        QTest::qWait(10);
    if (!main->started())
        std::abort();
    main->findChild<QComboBox*>(QStringLiteral("cboDicFile"))->setEditText(QStringLiteral("verbs.txt"));
    main->cboDicFileChange();
    starts.push_back(millisecondsOf([&] {
        main->cmdOkClick();
        QApplication::processEvents();
    }));
    if (!main->drill().running())
        std::abort();
    auto* txtAnswer = main->findChild<QLineEdit*>(QStringLiteral("txtAnswer"));
    if (!txtAnswer)
        std::abort();
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const CurrentEntry& e = main->drill().state().entry;
        const std::string answer = right ? e.answerAlternatives.front() : std::string("x");
        txtAnswer->setText(ui::toQ(answer));
        // The key handled, then what it changed painted, as the event loop does it.
        times.push_back(millisecondsOf([&] {
            QTest::keyClick(txtAnswer, Qt::Key_Return);
            QApplication::processEvents();
        }));
    }
    main->cmdStopClick();
    main->close();
    return times;
}

// The floor: the same three controls, Enter shows the next word and paints. With
// `files`, Enter also does the file work an answer cannot do without: the dictionary read
// and the record files of a right (or missed) answer read and safely rewritten.
std::vector<double> bareWindowEnter(const std::vector<std::string>& files = {},
                                    const std::string& dictionary = {}) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral(" ： 1 / 1000"), &window);
    auto* question = new QPlainTextEdit(&window);
    auto* answer = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(question);
    layout->addWidget(answer);
    layout->addWidget(label);
    window.resize(604, 441);
    window.show();
    int n = 1;
    QObject::connect(answer, &QLineEdit::returnPressed, &window, [&] {
        ++n;
        for (const std::string& path : files) {
            Bytes b = readAll(path);
            if (!b.status || !writeAll(path, b.bytes))
                std::abort();
        }
        if (!dictionary.empty() && readAll(dictionary).bytes.empty())
            std::abort();
        question->setPlainText(ui::toQ(japanese(n)));
        answer->clear();
        label->setText(QStringLiteral(" ： %1 / 1000").arg(n));
    });
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        answer->setText(QStringLiteral("x"));
        times.push_back(millisecondsOf([&] {
            QTest::keyClick(answer, Qt::Key_Return);
            QApplication::processEvents();
        }));
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    qor::bench::prepareOffscreen();
    QApplication app(argc, argv);
    qor::bench::QuietPlatform quiet;
    ui::setPlatform(&quiet);
    FixedClock clock{DateTime{2001, 3, 30, 10, 0, 0}};
    setClock(&clock);
    MersenneRandom chance{11};
    setRandom(&chance);
    for (int words : {2000, 20000, 200000}) {
        Fixture f(words);
        const std::string user = f.root + "/Taro";
        const std::vector<std::string> rightFiles = {wordStatisticsPath(user, f.now.year, "verbs"),
                                                     yearStatisticsPath(user, f.now.year)};
        std::vector<std::string> missFiles = rightFiles;
        missFiles.push_back(dailyRecordPath(user, f.now.yearMonth, "verbs"));
        missFiles.push_back(errorRankingPath(user));

        // Interleaved rounds, so that all meet the same machine and the same disk.
        std::vector<double> right, wrong, bare, bareRight, bareMiss, starts;
        auto add = [](std::vector<double>& to, const std::vector<double>& from) {
            to.insert(to.end(), from.begin(), from.end());
        };
        for (int round = 0; round < 3; ++round) {
            add(bare, bareWindowEnter());
            add(right, mainWindowEnter(f, true, starts));
            add(bareRight, bareWindowEnter(rightFiles, f.dictionary));
            add(wrong, mainWindowEnter(f, false, starts));
            add(bareMiss, bareWindowEnter(missFiles, f.dictionary));
        }
        const double floor = median(bare);
        std::printf("Enter to the next question, %d words, a year of statistics (medians of %zu):\n",
                    words, bare.size());
        std::printf("  bare window with the same three controls : %7.3f ms\n", floor);
        std::printf("  main window, right answer                : %7.3f ms   ratio %.2f\n", median(right),
                    median(right) / floor);
        std::printf("  main window, missed answer               : %7.3f ms   ratio %.2f\n", median(wrong),
                    median(wrong) / floor);
        std::printf("  target: at most 3x the bare window\n");
        std::printf("  the start from \"OK\", no repeats, first question painted: %7.3f ms "
                    "(median of %zu)\n",
                    median(starts), starts.size());
        std::printf("Beside the same file work (the dictionary read, the answer's record files read\n"
                    "and safely rewritten, in the bare window):\n");
        std::printf("  right answer: %7.3f ms against %7.3f ms   ratio %.2f\n", median(right),
                    median(bareRight), median(right) / median(bareRight));
        std::printf("  missed answer: %7.3f ms against %7.3f ms   ratio %.2f\n", median(wrong),
                    median(bareMiss), median(wrong) / median(bareMiss));
    }
    ui::setPlatform(nullptr);
    setRandom(nullptr);
    setClock(nullptr);
    return 0;
}
