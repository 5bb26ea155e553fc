#include "records/TfrmResultError.h"
#include "tests/records/WindowFixture.h"
#include "tests/support/Controls.h"
#include "ui/Fonts.h"
#include "words/AnswerFile.h"
#include "words/ImportanceFile.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace qor;
using namespace qor::test;

namespace {

class ResultErrorWindowTest : public WindowFixture {
protected:
    MissedAnswer answer;

    ResultErrorWindowTest() {
        answer.lineText = sj("run,dash=走る,急ぐ*よく使う");
        answer.answerSide = "run,dash";
        answer.comment = sj("よく使う");
        answer.shown = sj("走る");
        answer.typedAnswer = "sprint";
        answer.pronunciation = "r^n";
        answer.wordAsked = 3;
        answer.wordPercentage = "67";
        answer.dictionaryName = "verbs";
    }

    std::string answerFile() const { return userFile("verbs.ans"); }
    std::string importanceFile() const { return userFile("verbs_imp.dat"); }
    std::string header() const { return crlf({sj("[正解ファイル]"), sj("問題=新しい正解")}); }
};

TEST_F(ResultErrorWindowTest, ShowsTheVerdictWithCloseFocusedAndTheAddHint) {
    settings.look.FontComment = sj("ＭＳ 明朝");
    settings.look.FontCommentSize = 14;
    settings.look.FontCommentColor = 0x0000FF;  // red in the lowest byte
    settings.look.FontPhoneticSignColor = 0x008000;
    TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
    frm.show();
    QApplication::processEvents();

    EXPECT_EQ(frm.windowTitle(), q("不正解"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblResult")->text(), q("不・正・解"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblData")->text(), q("出題数 ： 3問 、 正解率 ： 67％"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblAnswer")->text(), q("正解 ： run,dash"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblKaitou")->text(), q("解答 ： sprint"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblPhoneticSign")->text(), q("発音記号 ： "));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moPhoneticSign")->toPlainText(), q("r^n"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->toPlainText(), q("よく使う"));
    EXPECT_TRUE(ctl<QPlainTextEdit>(frm, "moComment")->isReadOnly());
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->font().family(), q("ＭＳ 明朝"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->font().pointSize(), 14);
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moPhoneticSign")->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(ctl<QLabel>(frm, "lblQuestion")->text(), q("あなたの解答も正解にしますか？"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlCaution")->text(), q("良く考えてから決めてください"));

    EXPECT_EQ(ctl<QPushButton>(frm, "cmdAdd")->text(), q("正解にする (&A)"));
    EXPECT_TRUE(ctl<QPushButton>(frm, "cmdAdd")->isEnabled());
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdAdd")->toolTip(), q("『sprint』 を正解にする"));
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdClose")->text(), q("閉じる (&O)"));
    EXPECT_TRUE(ctl<QPushButton>(frm, "cmdClose")->isDefault());
    EXPECT_EQ(frm.focusWidget(), ctl<QPushButton>(frm, "cmdClose"));

    // Importance is off: label and buttons disabled, still drawn as buttons.
    EXPECT_EQ(ctl<QLabel>(frm, "lblImportant")->text(), q("重要度の設定 >> "));
    EXPECT_FALSE(ctl<QLabel>(frm, "lblImportant")->isEnabled());
    for (QPushButton* b : {ctl<QPushButton>(frm, "cmd1"), ctl<QPushButton>(frm, "cmd2"), ctl<QPushButton>(frm, "cmd3"), ctl<QPushButton>(frm, "cmd4"), ctl<QPushButton>(frm, "cmd5")}) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_FALSE(b->isFlat());
    }
    ctl<QPushButton>(frm, "cmdClose")->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_FALSE(frm.answerAccepted());
    EXPECT_FALSE(exists(importanceFile()));
    EXPECT_FALSE(exists(answerFile()));
}

TEST_F(ResultErrorWindowTest, AnEmptyAnswerOrAChoiceCannotBeDeclaredRight) {
    answer.typedAnswer.clear();
    TfrmResultError empty(answer, UserFiles(settings), settings.drill, settings.look);
    EXPECT_FALSE(ctl<QPushButton>(empty, "cmdAdd")->isEnabled());
    EXPECT_TRUE(ctl<QPushButton>(empty, "cmdAdd")->toolTip().isEmpty());
    EXPECT_EQ(ctl<QLabel>(empty, "lblKaitou")->text(), q("解答 ： "));

    answer.typedAnswer = "sprint";
    answer.canAccept = false;
    TfrmResultError choice(answer, UserFiles(settings), settings.drill, settings.look);
    EXPECT_FALSE(ctl<QPushButton>(choice, "cmdAdd")->isEnabled());
    choice.cmdAddClick();  // even called directly, nothing is added
    EXPECT_FALSE(choice.answerAccepted());
    EXPECT_FALSE(exists(answerFile()));
}

TEST_F(ResultErrorWindowTest, AddingAppendsOneLineOnceAndAcceptsTheAnswer) {
    ASSERT_TRUE(createAnswerFile(answerFile()));
    TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
    ctl<QPushButton>(frm, "cmdAdd")->click();
    EXPECT_TRUE(frm.answerAccepted());
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmdAdd")->isEnabled());
    ctl<QPushButton>(frm, "cmdAdd")->click();  // a disabled button cannot be pressed again
    EXPECT_EQ(slurp(answerFile()), header() + crlf({sj("走る=sprint")}));
    // The line makes the answer right the next time.
    EXPECT_TRUE(findAnswer(answerFile(), sj("走る"), "sprint", false).found);
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(ResultErrorWindowTest, AnAnswerFileThatCannotBeWrittenIsReportedAndStillAccepted) {
    ASSERT_TRUE(makeFolder(answerFile()));  // a folder where the file should be
    platform.answerMessage();
    TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
    ctl<QPushButton>(frm, "cmdAdd")->click();
    ASSERT_EQ(platform.callsOf(PlatformCall::Message).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Message)[0].text,
              q("ファイルを開く事ができませんでした\n\n") + QString::fromStdString(dir.file("Taro")) +
                  q("/にverbs.ansが存在するか確かめてください\n無い場合は、新規作成してください"));
    EXPECT_TRUE(frm.answerAccepted());
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmdAdd")->isEnabled());
}

TEST_F(ResultErrorWindowTest, RaisingTheButtonOfLevelThreeRemovesTheWord) {
    settings.drill.ImportantOn = true;
    const std::string other = sj("1_apple=りんご*果物");
    spit(importanceFile(), crlf({other, "3_" + answer.lineText}));
    TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
    EXPECT_TRUE(ctl<QLabel>(frm, "lblImportant")->isEnabled());
    for (QPushButton* b : {ctl<QPushButton>(frm, "cmd1"), ctl<QPushButton>(frm, "cmd2"), ctl<QPushButton>(frm, "cmd3"), ctl<QPushButton>(frm, "cmd4"), ctl<QPushButton>(frm, "cmd5")}) {
        EXPECT_TRUE(b->isEnabled());
        EXPECT_FALSE(b->isFlat());
        EXPECT_EQ(b->isChecked(), b == ctl<QPushButton>(frm, "cmd3"));
    }
    ctl<QPushButton>(frm, "cmd3")->click();
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmd3")->isChecked());
    ctl<QPushButton>(frm, "cmdClose")->click();
    EXPECT_EQ(slurp(importanceFile()), crlf({other}));
}

TEST_F(ResultErrorWindowTest, TheLastPressedLevelIsStoredWhenClosedByEscOrTheTitleBar) {
    settings.drill.ImportantOn = true;
    {
        TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
        EXPECT_FALSE(ctl<QPushButton>(frm, "cmd1")->isChecked() || ctl<QPushButton>(frm, "cmd5")->isChecked());  // no level yet
        frm.show();
        ctl<QPushButton>(frm, "cmd5")->click();
        ctl<QPushButton>(frm, "cmd2")->click();  // one button of the group is down at a time
        EXPECT_FALSE(ctl<QPushButton>(frm, "cmd5")->isChecked());
        EXPECT_TRUE(ctl<QPushButton>(frm, "cmd2")->isChecked());
        frm.close();  // the title bar's close
        EXPECT_FALSE(frm.isVisible());
    }
    EXPECT_EQ(slurp(importanceFile()), crlf({"2_" + answer.lineText}));
    {
        TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
        EXPECT_TRUE(ctl<QPushButton>(frm, "cmd2")->isChecked());
        frm.show();
        ctl<QPushButton>(frm, "cmd4")->click();
        QTest::keyClick(&frm, Qt::Key_Escape);
        EXPECT_EQ(frm.result(), QDialog::Rejected);
    }
    EXPECT_EQ(slurp(importanceFile()), crlf({"4_" + answer.lineText}));
}

TEST_F(ResultErrorWindowTest, AnImportanceFileThatCannotBeReadIsReportedAndLeftAlone) {
    settings.drill.ImportantOn = true;
    ASSERT_TRUE(makeFolder(importanceFile()));
    platform.answerNotice();
    TfrmResultError frm(answer, UserFiles(settings), settings.drill, settings.look);
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice)[0].caption, q("エラー"));
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmd1")->isEnabled());
    ctl<QPushButton>(frm, "cmdClose")->click();  // no second box: nothing is written
    EXPECT_TRUE(folderExists(importanceFile()));
}

} // namespace
