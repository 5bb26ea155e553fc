// The study calendar window on hand-made records: a gap day, a month boundary and a year
// boundary in the days, the forecast of the chosen dictionary, the shading of the days in
// a light and a dark palette and at twice the pixel density.
//
// With QOR_SHOTS=<folder> the window is also saved there as PNG files to be looked at (run
// once more with QT_SCALE_FACTOR=2 for the high-density one).

#include "records/CalendarView.h"
#include "records/ForecastView.h"
#include "records/MemoryModel.h"
#include "records/TfrmStudyCalendar.h"
#include "tests/records/WindowFixture.h"
#include "tests/support/DarkPalette.h"
#include "tests/support/StudyDays.h"
#include "ui/Contrast.h"
#include "ui/Text.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <filesystem>

using namespace qor;
using qor::test::darkPalette;
using qor::test::day;
using namespace qor::test;

namespace {

// Misses of a daily record file's day sections: one word line per count.
std::vector<std::string>
dailyRecord(const std::string& month,
            std::initializer_list<std::pair<std::string, std::vector<int>>> days) {
    std::vector<std::string> lines{"[Error]", "Date=1/2", "Num=0", "Today=", "[" + month + "]"};
    for (const auto& [section, misses] : days) {
        lines.push_back("[" + section + "]");
        int word = 0;
        for (int n : misses)
            lines.push_back("word" + std::to_string(word++) + sj("_単語") + "=" +
                            std::to_string(n));
    }
    return lines;
}

class StudyCalendarWindowTest : public WindowFixture {
protected:
    StudyCalendarWindowTest() {
        clock.set(DateTime{2027, 1, 2, 9, 30, 0});
        verbs = dir.file("verbs.txt");
        nouns = dir.file("nouns.txt");
        writeLines(verbs, {sj("apple=りんご*果物"), sj("dog=犬*動物"), sj("cat=猫*動物")});
        writeLines(nouns, {sj("book=本*c"), sj("pen=ペン*c")});
        writeLines(settings.setupIniPath(),
                   {"[Dictionary]", "DicNum=2", "1=verbs.txt", "2=nouns.txt", "[Dictionary Path]",
                    "verbs.txt=" + verbs, "nouns.txt=" + nouns});
        settings.files.DicInUse = verbs;

        // verbs: answers counted by its review file from 28 November to 2 December (a
        // month boundary) and on 28 December; then a gap day (29 December); misses of the
        // daily record files on 30 and 31 December and on 1 January (a year boundary).
        writeLines(userFile("verbs.rev"),
                   {"[FSRS-6]", sj("apple_りんご=2027-01-01,3,5,2,0"),
                    sj("dog_犬=2026-12-31,1,5,1,0"), sj("cat_猫=2026-12-30,33,5,3,0"), "[Answers]",
                    "2026-11-29=3", "2026-11-30=10", "2026-12-01=25", "2026-12-02=60",
                    "2026-12-28=5"});
        writeLines(userFile("202612_verbs.dat"),
                   dailyRecord("12", {{"12/30", {2}}, {"12/31", {1}}}));
        writeLines(userFile("20271_verbs.dat"), dailyRecord("1", {{"1/1", {3, 4}}}));
        // nouns: 100 answers on 1 January, and one word due on 3 January.
        writeLines(userFile("nouns.rev"),
                   {"[FSRS-6]", sj("book_本=2027-01-01,2,5,1,0"), "[Answers]", "2027-01-01=100"});
    }

    std::string verbs;
    std::string nouns;

    template <typename T> static T* child(QWidget& w, const char* name) {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(QWidget& w, const char* label) { return child<QLabel>(w, label)->text(); }

    static const CalendarCell& cellOf(const CalendarView& view, StudyDay d) {
        for (const CalendarCell& cell : view.layout()->cells()) {
            if (cell.day == d) return cell;
        }
        ADD_FAILURE() << "no cell for " << d.text();
        return view.layout()->cells().front();
    }

    static void shot(QWidget& w, const QString& name) {
        const QString folder = qEnvironmentVariable("QOR_SHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        w.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // Each day's square carries the shade of its step, the square's corners included.
    static void expectShades(const CalendarView& view, qreal dpr) {
        const QImage image = view.render(dpr);
        ASSERT_EQ(image.width(), static_cast<int>(std::ceil(view.width() * dpr)));
        for (const auto& [d, step] : std::vector<std::pair<StudyDay, int>>{{day(2026, 11, 29), 1},
                                                                           {day(2026, 11, 30), 1},
                                                                           {day(2026, 12, 1), 2},
                                                                           {day(2026, 12, 2), 3},
                                                                           {day(2026, 12, 29), 0},
                                                                           {day(2026, 12, 31), 1},
                                                                           {day(2027, 1, 1), 4}}) {
            const CalendarCell& cell = cellOf(view, d);
            EXPECT_EQ(cell.step, step) << d.text();
            const QColor shade = shadeColour(view.palette(), step);
            const QPoint c = view.centreOf(cell);
            // The square spans 12 pixels of the widget from centre - 6.
            const int left = static_cast<int>((c.x() - 6) * dpr);
            const int top = static_cast<int>((c.y() - 6) * dpr);
            const int right = static_cast<int>((c.x() + 6) * dpr) - 1;
            const int bottom = static_cast<int>((c.y() + 6) * dpr) - 1;
            for (QPoint p : {QPoint(left, top), QPoint(right, bottom), QPoint(left, bottom),
                             QPoint(static_cast<int>(c.x() * dpr), static_cast<int>(c.y() * dpr))})
                EXPECT_EQ(image.pixelColor(p), shade)
                    << d.text() << " at " << p.x() << "," << p.y();
            // Just past the square: the ground (no blur between the days).
            EXPECT_EQ(image.pixelColor(right + 1, top), view.palette().color(QPalette::Base))
                << d.text();
        }
    }
};

TEST_F(StudyCalendarWindowTest, ShowsTheStreaksTheDaysAndTheForecastOfTheDictionaryInUse) {
    TfrmStudyCalendar frm(UserFiles(settings), settings.files, settings.review);
    frm.show();
    EXPECT_EQ(frm.windowTitle(), q("学習カレンダー"));
    // Today (2 January) has no answer yet: the streak runs from 30 December over the
    // year's end to yesterday; the gap day ends it. The longest run crosses November's end.
    EXPECT_EQ(text(frm, "lblStreak"), q("連続学習日数 ： 3日"));
    EXPECT_EQ(text(frm, "lblLongest"), q("最長 ： 4日"));
    // 3 + 10 + 25 + 60 + 5 + 2 + 1 + (7 + 100)
    EXPECT_EQ(text(frm, "lblTotal"), q("解答数 ： 213回（8日）"));

    auto* view = child<CalendarView>(frm, "imgCalendar");
    EXPECT_EQ(view->accessibleName(), q("学習カレンダー"));
    const QStringList lines = view->accessibleDescription().split(QLatin1Char('\n'));
    EXPECT_EQ(lines,
              (QStringList{q("連続学習日数 ： 3日"), q("最長 ： 4日"), q("解答数 ： 213回（8日）"),
                           q("2026年11月29日 ： 3回"), q("2026年11月30日 ： 10回"),
                           q("2026年12月1日 ： 25回"), q("2026年12月2日 ： 60回"),
                           q("2026年12月28日 ： 5回"), q("2026年12月30日 ： 2回"),
                           q("2026年12月31日 ： 1回"), q("2027年1月1日 ： 107回")}));
    EXPECT_EQ(view->textAt(view->centreOf(cellOf(*view, day(2026, 12, 29)))),
              q("2026年12月29日 ： 0回"));
    EXPECT_EQ(view->textAt(view->centreOf(cellOf(*view, day(2027, 1, 1)))),
              q("2027年1月1日 ： 107回"));
    EXPECT_EQ(view->layout()->cells().front().day, day(2026, 2, 1));
    EXPECT_EQ(view->layout()->cells().back().day, day(2027, 1, 2));

    EXPECT_EQ(child<QComboBox>(frm, "cboDicFile")->currentText(), q("verbs.txt"));
    auto* forecast = child<ForecastView>(frm, "imgForecast");
    std::vector<int> expected(30, 0);
    expected[1] = 1;  // apple on 4 January
    expected[29] = 1; // cat on 1 February
    EXPECT_EQ(forecast->days(), expected);
    EXPECT_EQ(text(frm, "lblForecast"), q("今日の復習 ： 1語　　明日から30日間 ： 2語"));
    const QStringList bars = forecast->accessibleDescription().split(QLatin1Char('\n'));
    ASSERT_EQ(bars.size(), 30);
    EXPECT_EQ(bars[0], q("2027年1月3日 ： 0語"));
    EXPECT_EQ(bars[1], q("2027年1月4日 ： 1語"));
    EXPECT_EQ(bars[29], q("2027年2月1日 ： 1語"));
    EXPECT_EQ(forecast->textAt(forecast->footOf(29)), q("2027年2月1日 ： 1語"));
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(StudyCalendarWindowTest, ChoosingOrTypingAnotherDictionaryShowsItsForecast) {
    TfrmStudyCalendar frm(UserFiles(settings), settings.files, settings.review);
    frm.show();
    auto* combo = child<QComboBox>(frm, "cboDicFile");
    auto* forecast = child<ForecastView>(frm, "imgForecast");
    ASSERT_EQ(combo->count(), 2);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // from verbs.txt, the first item, to nouns.txt
    EXPECT_EQ(combo->currentText(), q("nouns.txt"));
    std::vector<int> nounsDays(30, 0);
    nounsDays[0] = 1; // book on 3 January
    EXPECT_EQ(forecast->days(), nounsDays);
    EXPECT_EQ(text(frm, "lblForecast"), q("今日の復習 ： 0語　　明日から30日間 ： 1語"));

    combo->lineEdit()->setText(QStringLiteral("verbs.txt"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(forecast->days()[1], 1);
    EXPECT_EQ(forecast->days()[0], 0);
    EXPECT_EQ(text(frm, "lblForecast"), q("今日の復習 ： 1語　　明日から30日間 ： 2語"));

    // A name that no file stands behind.
    combo->lineEdit()->setText(QStringLiteral("adverbs.txt"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(forecast->days(), std::vector<int>(30, 0));
    EXPECT_EQ(text(frm, "lblForecast"), q("辞書「adverbs.txt」のファイルが見つかりません"));
    EXPECT_TRUE(platform.calls().empty());

    // The streaks are of all dictionaries and do not change with the choice.
    EXPECT_EQ(text(frm, "lblStreak"), q("連続学習日数 ： 3日"));
}

TEST_F(StudyCalendarWindowTest, TheReviewSettingsDecideTheDueDays) {
    settings.review.TargetRetention = 80;
    TfrmStudyCalendar frm(UserFiles(settings), settings.files, settings.review);
    frm.show();
    auto* forecast = child<ForecastView>(frm, "imgForecast");
    // At 80 % apple (stability 3, reviewed 1 January) and dog (stability 1, reviewed
    // 31 December) last longer than their stability; the first bar is 3 January.
    const auto days = [](double s) {
        return static_cast<int>(std::ceil(MemoryModel().intervalDays(s, 0.8)));
    };
    ASSERT_GT(days(3), 3);
    std::vector<int> expected(30, 0);
    expected[static_cast<std::size_t>(days(3) - 2)] += 1;
    expected[static_cast<std::size_t>(days(1) - 3)] += 1;
    EXPECT_EQ(forecast->days(), expected);
    EXPECT_TRUE(text(frm, "lblForecast").startsWith(q("今日の復習 ： 0語")))
        << text(frm, "lblForecast").toStdString();
}

TEST_F(StudyCalendarWindowTest, AnUnreadableReviewFileIsToldInJapaneseAndLosesNothing) {
    std::filesystem::remove(userFile("nouns.rev"));
    ASSERT_TRUE(makeFolder(userFile("nouns.rev")));
    const std::string verbsRecords = slurp(userFile("verbs.rev"));
    TfrmStudyCalendar frm(UserFiles(settings), settings.files, settings.review);
    frm.show();
    auto* combo = child<QComboBox>(frm, "cboDicFile");
    auto* forecast = child<ForecastView>(frm, "imgForecast");

    platform.answerNotice();
    combo->setCurrentIndex(1);
    const auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, q("エラー"));
    EXPECT_TRUE(notices[0].text.contains(ui::toQ(userFile("nouns.rev"))))
        << notices[0].text.toStdString();
    EXPECT_TRUE(notices[0].text.contains(q("ファイルではなくフォルダです")))
        << notices[0].text.toStdString();
    EXPECT_EQ(forecast->days(), std::vector<int>(30, 0));
    EXPECT_EQ(text(frm, "lblForecast"), q("「nouns.txt」の復習の予定を読み込めませんでした"));

    // The calendar still shows the other records, and the other dictionary its forecast.
    EXPECT_EQ(text(frm, "lblStreak"), q("連続学習日数 ： 3日"));
    combo->setCurrentIndex(0);
    EXPECT_EQ(forecast->days()[1], 1);
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    frm.findChild<QPushButton*>("cmdClose")->click();
    EXPECT_TRUE(std::filesystem::is_directory(userFile("nouns.rev")));
    EXPECT_EQ(slurp(userFile("verbs.rev")), verbsRecords);
}

TEST_F(StudyCalendarWindowTest, TheKeyboardReachesTheChoiceAndTheCloseButtonAndEscapeCloses) {
    TfrmStudyCalendar frm(UserFiles(settings), settings.files, settings.review);
    frm.show();
    auto* combo = child<QComboBox>(frm, "cboDicFile");
    auto* close = child<QPushButton>(frm, "cmdClose");
    EXPECT_EQ(combo->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    EXPECT_EQ(close->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    // The label in front of the choice names it.
    EXPECT_EQ(combo->accessibleName(), q("辞書の指定"));
    EXPECT_FALSE(close->isDefault());
    frm.activateWindow();
    QTest::keyClick(&frm, Qt::Key_Escape);
    EXPECT_EQ(frm.result(), QDialog::Rejected);
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(StudyCalendarWindowTest, OpenedThroughThePlatformAsAModalWindow) {
    QString shownTitle;
    platform.answerModal([&](QDialog& dialog) {
        shownTitle = dialog.windowTitle();
        return static_cast<int>(QDialog::Accepted);
    });
    showStudyCalendar(nullptr, UserFiles(settings), settings.files, settings.review);
    EXPECT_EQ(shownTitle, q("学習カレンダー"));
}

TEST_F(StudyCalendarWindowTest, DaysAreShadedByStepUnderALightAndADarkPaletteAndAtTwiceTheDensity) {
    const QPalette original = QApplication::palette();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        QApplication::setPalette(dark ? darkPalette() : original);
        TfrmStudyCalendar frm(UserFiles(settings), settings.files, settings.review);
        frm.show();
        auto* view = child<CalendarView>(frm, "imgCalendar");
        const QPalette& pal = view->palette();
        const QColor base = pal.color(QPalette::Base);
        // The steps grow away from the ground, and the strongest stands out as a shape must.
        double last = 1.0;
        for (int s = 1; s < kShadeSteps; ++s) {
            const double ratio = ui::contrastRatio(shadeColour(pal, s), base);
            EXPECT_GT(ratio, last) << "step " << s;
            last = ratio;
        }
        EXPECT_GE(last, 3.0);
        EXPECT_GE(ui::contrastRatio(pal.color(QPalette::Text), base), ui::kReadableContrast);
        expectShades(*view, 1.0);
        expectShades(*view, 2.0);
        // The forecast's bars in the accent colour, one word's bar as tall as the other.
        auto* forecast = child<ForecastView>(frm, "imgForecast");
        const QImage bars = forecast->render(2.0);
        const QPoint foot = forecast->footOf(1) * 2;
        EXPECT_EQ(bars.pixelColor(foot), accentColour(pal));
        EXPECT_EQ(bars.pixelColor(forecast->footOf(0) * 2), base);
        shot(frm, dark ? QStringLiteral("calendar-dark") : QStringLiteral("calendar-light"));
    }
    QApplication::setPalette(original);
}

} // namespace
