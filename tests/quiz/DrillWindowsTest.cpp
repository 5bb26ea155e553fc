#include "quiz/DrillWindows.h"
#include "quiz/TfrmAtari.h"
#include "quiz/TfrmFinish.h"
#include "records/TfrmResultError.h"
#include "records/TfrmShowError.h"
#include "tests/records/WindowFixture.h"
#include "tests/support/Controls.h"
#include "ui/WindowOpen.h"
#include "words/AnswerFile.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <stdexcept>

using namespace qor;
using namespace qor::test;

namespace {

class DrillWindowsTest : public WindowFixture {
protected:
    // The last drill as the drill hands it over (Drill::lastDrill()).
    DrillSummary drill{10, 8, 2, 80};

    DrillWindowsTest() {
        drill.dictionaryName = "verbs";
        drill.direction = 0;
        drill.missedLines = {sj("run=走る*x"), sj("see=見る*y")};
    }

    static ErrorReviewInput noMisses() { return {}; }
    static QColor textColour(QLabel* label) {
        label->ensurePolished();
        return label->palette().color(QPalette::WindowText);
    }

    // Reads the error review window that the platform shows.
    std::function<int(QDialog&)> readReview(QStringList& title, QStringList& rows) {
        return [&title, &rows](QDialog& d) {
            auto& frm = dynamic_cast<TfrmShowError&>(d);
            title << ctl<QLabel>(frm, "pnlHazureNum")->text();
            for (int i = 0; i < ctl<QTreeWidget>(frm, "lstError")->topLevelItemCount(); ++i)
                rows << ctl<QTreeWidget>(frm, "lstError")->topLevelItem(i)->text(0);
            ctl<QPushButton>(frm, "cmdClose")->click();
            return frm.result();
        };
    }
};

TEST_F(DrillWindowsTest, APerfectDrillCongratulatesInBlueWithoutTheErrorButton) {
    TfrmFinish frm(DrillSummary{5, 5, 0, 100}, noMisses(), ErrorReviewSettings(settings));
    frm.show();
    EXPECT_EQ(frm.windowTitle(), q("全問終了"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblResult")->text(), q("CONGRATULATION !!"));
    const QColor blue = textColour(ctl<QLabel>(frm, "lblResult"));
    EXPECT_EQ(blue, finishPerfectColor());
    EXPECT_GT(blue.blue(), 2 * blue.red());
    EXPECT_GT(blue.blue(), blue.green());
    EXPECT_EQ(ctl<QLabel>(frm, "lblData")->text(), q("出題数 ： 5問 、 正解率 ： 100％"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblQuestionNum")->text(), q("あなたは、5問中"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblAtariNum")->text(), q("5問、正解しました"));
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdShowError")->text(), q("間違えの表示 (&E)"));
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmdShowError")->isEnabled());
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdClose")->text(), q("閉じる (&C)"));
    ctl<QPushButton>(frm, "cmdClose")->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(DrillWindowsTest, AnImperfectDrillEndsInWhiteAndReviewsItsMisses) {
    TfrmFinish frm(DrillSummary{10, 8, 2, 80}, errorReviewOf(drill), ErrorReviewSettings(settings));
    frm.show();
    EXPECT_EQ(ctl<QLabel>(frm, "lblResult")->text(), q("全問終了"));
    EXPECT_EQ(textColour(ctl<QLabel>(frm, "lblResult")), QColor(Qt::white));
    EXPECT_EQ(ctl<QLabel>(frm, "lblData")->text(), q("出題数 ： 10問 、 正解率 ： 80％"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblQuestionNum")->text(), q("あなたは、10問中"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblAtariNum")->text(), q("8問、正解しました"));
    ASSERT_TRUE(ctl<QPushButton>(frm, "cmdShowError")->isEnabled());

    QStringList title, rows;
    platform.answerModal(readReview(title, rows));
    ctl<QPushButton>(frm, "cmdShowError")->click();
    ASSERT_EQ(platform.callsOf(PlatformCall::Modal).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal)[0].caption, q("あなたの間違えは、、、"));
    EXPECT_EQ(title, QStringList{q("あなたは、2問間違えました")});
    EXPECT_EQ(rows, (QStringList{"run", "see"}));
    EXPECT_TRUE(frm.isVisible());  // the end window stays until it is closed
}

TEST_F(DrillWindowsTest, TheDrillEndOpensTheEndWindowOrTheReviewAsSet) {
    platform.answerModal([](QDialog& d) {
        auto& frm = dynamic_cast<TfrmFinish&>(d);
        EXPECT_TRUE(ctl<QPushButton>(frm, "cmdShowError")->isEnabled());
        ctl<QPushButton>(frm, "cmdClose")->click();
        return frm.result();
    });
    showDrillEndWindow(nullptr, drill, false, settings);

    QStringList title, rows;
    platform.answerModal(readReview(title, rows));
    showDrillEndWindow(nullptr, drill, true, settings);
    EXPECT_EQ(rows, (QStringList{"run", "see"}));

    // The main window's "間違えの表示 (&E)": the same window on the last drill.
    drill.direction = 1;
    rows.clear();
    platform.answerModal(readReview(title, rows));
    showErrorReviewWindow(nullptr, settings, drill);
    EXPECT_EQ(rows, (QStringList{q("走る"), q("見る")}));

    auto modal = platform.callsOf(PlatformCall::Modal);
    ASSERT_EQ(modal.size(), 3u);
    EXPECT_EQ(modal[0].text, "qor::TfrmFinish");
    EXPECT_EQ(modal[1].text, "qor::TfrmShowError");
    EXPECT_EQ(modal[2].text, "qor::TfrmShowError");
}

TEST_F(DrillWindowsTest, TheReviewReadsTheCountsOfToday) {
    clock.set(DateTime{2001, 12, 24, 22, 0, 0});
    ErrorReviewInput review = errorReviewOf(drill);
    EXPECT_EQ(review.today.monthDay, "12/24");
    EXPECT_EQ(review.today.yearMonth, "200112");
    EXPECT_EQ(review.dictionaryName, "verbs");
    EXPECT_EQ(review.wrongCount, 2);
    EXPECT_EQ(review.missedLines, drill.missedLines);
}

TEST_F(DrillWindowsTest, TheVerdictWindowsHandBackWhatTheLearnerDid) {
    Verdict verdict;
    verdict.lineText = sj("run=走る*x");
    verdict.answerSide = "run";
    verdict.shown = sj("走る");
    verdict.typedAnswer = "sprint";
    verdict.dictionaryName = "verbs";
    const std::string answerFile = userFile("verbs.ans");
    ASSERT_TRUE(createAnswerFile(answerFile));

    platform.answerModal([](QDialog& d) {
        auto& frm = dynamic_cast<TfrmResultError&>(d);
        ctl<QPushButton>(frm, "cmdAdd")->click();
        ctl<QPushButton>(frm, "cmdClose")->click();
        return frm.result();
    });
    EXPECT_TRUE(showResultErrorWindow(nullptr, verdict, settings));
    EXPECT_TRUE(findAnswer(answerFile, sj("走る"), "sprint", false).found);

    platform.answerModal([](QDialog& d) {
        auto& frm = dynamic_cast<TfrmResultError&>(d);
        EXPECT_TRUE(ctl<QPushButton>(frm, "cmdAdd")->isEnabled());
        frm.close();
        return frm.result();
    });
    EXPECT_FALSE(showResultErrorWindow(nullptr, verdict, settings));

    settings.drill.ImportantOn = true;
    platform.answerModal([](QDialog& d) {
        auto& frm = dynamic_cast<TfrmAtari&>(d);
        ctl<QPushButton>(frm, "cmd3")->click();
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    });
    showAtariWindow(nullptr, verdict, settings);
    EXPECT_EQ(slurp(userFile("verbs_imp.dat")), crlf({"3_" + verdict.lineText}));
}

TEST_F(DrillWindowsTest, AWindowThatCannotBeCreatedIsReportedAndTheDrillGoesOn) {
    platform.answerNotice();
    bool opened = ui::openWindow(nullptr, q("最終結果"), [] { throw std::bad_alloc(); });
    EXPECT_FALSE(opened);
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              q("最終結果ダイアログの表示に失敗しました。\nQor Helperを再起動してください。"));
    EXPECT_EQ(notices[0].caption, q("エラー"));
    EXPECT_EQ(notices[0].noticeKind, 0);

    EXPECT_TRUE(ui::openWindow(nullptr, q("間違えの表示"), [] {}));
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
}

} // namespace
