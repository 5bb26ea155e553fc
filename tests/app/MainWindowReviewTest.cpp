// The daily review in the main window: the status bar's count of the words due today, the
// drill of the due words, and the study calendar on the statistics menu.

#include "base/IniFile.h"
#include "quiz/Drill.h"
#include "records/ReviewFile.h"
#include "records/TfrmStudyCalendar.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/StudyDays.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>
#include <map>

using namespace qor;
using qor::test::day;

namespace {

class MainWindowReviewTest : public test::DrillWindowFixture {
protected:
    // No verdict windows: each answer goes straight on.
    void startMain() { DrillWindowFixture::startMain(0, {"ShowResult=0"}); }

    QString due() const { return main->duePanel()->text(); }

    // Answers the questions of the running drill, typed; the words named are missed.
    // Returns the words asked, in order.
    QStringList answerAll(const std::map<QString, QString>& rightAnswers,
                          const QStringList& missed = {}) {
        QStringList asked;
        while (main->drill().running()) {
            const QString word = ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText();
            asked << word;
            if (main->drill().state().askedCount == main->drill().state().questionCount)
                platform.answerModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
            auto it = rightAnswers.find(word);
            const QString text = missed.contains(word) || it == rightAnswers.end() ? QStringLiteral("x") : it->second;
            ctl<QLineEdit>(*main, "txtAnswer")->setText(text);
            QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return);
        }
        return asked;
    }

    const std::map<QString, QString> verbs = {
        {QStringLiteral("run"), QStringLiteral("走る")}, {QStringLiteral("eat"), QStringLiteral("食べる")},
        {QStringLiteral("go"), QStringLiteral("行く")},  {QStringLiteral("see"), QStringLiteral("見る")},
        {QStringLiteral("swim"), QStringLiteral("泳ぐ")}};
};

} // namespace

TEST_F(MainWindowReviewTest, ThePanelNamesWhatItCounts) {
    startMain();
    QLabel* panel = main->duePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->objectName(), QStringLiteral("sbDuePanel"));
    EXPECT_FALSE(panel->accessibleName().isEmpty());
    EXPECT_TRUE(panel->toolTip().contains(QStringLiteral("復習")));
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));
}

TEST_F(MainWindowReviewTest, TheCountFollowsADrillAndTheDaysRollOverButIsNotReadEachSecond) {
    ASSERT_TRUE(makeFolder(dir.file("Taro")));
    {
        // Two words missed yesterday: due today.
        ReviewFile file(dir.file("Taro"), "verbs");
        ASSERT_TRUE(file.recordAnswer(sj("run_走る"), Grade::Again, day(2002, 3, 2)));
        ASSERT_TRUE(file.recordAnswer(sj("eat_食べる"), Grade::Again, day(2002, 3, 2)));
    }
    startMain();
    EXPECT_EQ(due(), QStringLiteral("復習 ： 2語"));

    // A drill stopped after its first answer, "run" right: "eat" is left.
    ctl<QAction>(*main, "actOk")->trigger();
    ctl<QLineEdit>(*main, "txtAnswer")->setText(QStringLiteral("走る"));
    QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return);
    ctl<QAction>(*main, "actStop")->trigger();
    EXPECT_EQ(due(), QStringLiteral("復習 ： 1語"));

    // A drill of all five, answered right: nothing is due any more today.
    ctl<QAction>(*main, "actOk")->trigger();
    answerAll(verbs);
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));

    // The same day, the ticks of the date timer do not count again (the review file,
    // replaced behind the window's back, is not read)...
    const std::string rev = dir.file("Taro/verbs.rev");
    ASSERT_EQ(std::remove(rev.c_str()), 0);
    {
        ReviewFile file(dir.file("Taro"), "verbs");
        ASSERT_TRUE(file.recordAnswer(sj("go_行く"), Grade::Again, day(2002, 2, 1)));
    }
    main->tmrDateTimer();
    main->tmrDateTimer();
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));
    // ...until the day rolls over.
    clock.set(DateTime{2002, 3, 4, 0, 0, 1});
    main->tmrDateTimer();
    EXPECT_EQ(due(), QStringLiteral("復習 ： 1語"));
}

TEST_F(MainWindowReviewTest, ChoosingAnotherDictionaryCountsItsWords) {
    writeLines(dir.file("nouns.txt"), {sj("book=本*x"), sj("desk=机*y"), sj("pen=ペン*z")});
    ASSERT_TRUE(makeFolder(dir.file("Taro")));
    {
        ReviewFile file(dir.file("Taro"), "nouns");
        ASSERT_TRUE(file.recordAnswer(sj("book_本"), Grade::Again, day(2002, 3, 1)));
        ASSERT_TRUE(file.recordAnswer(sj("pen_ペン"), Grade::Good, day(2002, 2, 1)));
        ASSERT_TRUE(file.recordAnswer(sj("desk_机"), Grade::Easy, day(2002, 3, 3)));
    }
    startMain();
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));
    main->FormDropFiles({QUrl::fromLocalFile(q(dir.file("nouns.txt")))});
    ASSERT_EQ(main->settings().files.DicInUse, dir.file("nouns.txt"));
    EXPECT_EQ(due(), QStringLiteral("復習 ： 2語"));  // at once, not at the next tick
    main->FormDropFiles({QUrl::fromLocalFile(q(dir.file("verbs.txt")))});
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));
}

TEST_F(MainWindowReviewTest, TheStatisticsMenuOpensTheStudyCalendar) {
    startMain();
    auto* action = ctl<QAction>(*main, "actStudyCalendar");
    EXPECT_TRUE(ctl<QMenu>(*main, "mnuScore")->actions().contains(action));
    EXPECT_EQ(action->text(), QStringLiteral("学習カレンダー (&C)"));
    bool opened = false;
    platform.answerModal([&](QDialog& d) {
        opened = dynamic_cast<TfrmStudyCalendar*>(&d) != nullptr;
        return static_cast<int>(QDialog::Rejected);
    });
    action->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(platform.pendingAnswers(), 0u);
}

// A learner who drilled yesterday opens the program today, sees the words due, starts
// 今日の復習 and gets exactly those words; the calendar shows both days and the streak.
TEST_F(MainWindowReviewTest, YesterdaysMissesAreTodaysReview) {
    startMain();
    ctl<QAction>(*main, "actOk")->trigger();
    EXPECT_EQ(answerAll(verbs, {QStringLiteral("eat"), QStringLiteral("see")}),
              (QStringList{"run", "eat", "go", "see", "swim"}));
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));  // nothing is due again the same day
    main.reset();

    // The next morning.
    clock.set(DateTime{2002, 3, 4, 7, 30, 0});
    main = start();
    ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("verbs.txt"));
    main->cboDicFileChange();
    EXPECT_EQ(due(), QStringLiteral("復習 ： 2語"));

    DrillPlan plan = main->drill().plan();
    plan.modes.dailyReview = true;
    main->drill().setPlan(plan);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_TRUE(main->drill().running());
    EXPECT_EQ(answerAll(verbs), (QStringList{"eat", "see"}));
    EXPECT_EQ(due(), QStringLiteral("復習 ： 0語"));

    platform.answerModal([](QDialog& d) {
        EXPECT_EQ(ctl<QLabel>(d, "lblStreak")->text(), QStringLiteral("連続学習日数 ： 2日"));
        EXPECT_EQ(ctl<QLabel>(d, "lblTotal")->text(), QStringLiteral("解答数 ： 7回（2日）"));
        return static_cast<int>(QDialog::Rejected);
    });
    ctl<QAction>(*main, "actStudyCalendar")->trigger();
    EXPECT_EQ(platform.pendingAnswers(), 0u);
}
