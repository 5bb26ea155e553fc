// Whole drills in the main window, answered through its controls, and the record files
// they leave behind.

#include "base/IniFile.h"
#include "base/Random.h"
#include "quiz/Drill.h"
#include "quiz/TfrmAtari.h"
#include "quiz/TfrmFinish.h"
#include "quiz/TfrmQuestionSetup.h"
#include "records/TfrmResultError.h"
#include "tests/app/ShellFixture.h"
#include "ui/DataBar.h"
#include "ui/Gauge.h"
#include "ui/RadioGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;

namespace {

class MainWindowDrillTest : public test::DrillWindowFixture {
protected:
    void startMain(int answerType) { DrillWindowFixture::startMain(answerType, {"MultiRandomOn=0", "MakeLogFile=1"}); }

    QString bar(QLabel* label) const { return label->text(); }

    // The bars and the month's percentage after question `asked` of a five-question drill.
    void expectBarsAfter(int asked, int right, int wrong) {
        EXPECT_EQ(bar(ctl<QLabel>(*main, "lblAtariNum")), QStringLiteral(" ： %1 / 5").arg(right));
        EXPECT_EQ(bar(ctl<QLabel>(*main, "lblHazureNum")), QStringLiteral(" ： %1 / 5").arg(wrong));
        EXPECT_EQ(ctl<ui::Gauge>(*main, "cgAtariNum")->value(), right);
        EXPECT_EQ(ctl<ui::Gauge>(*main, "cgHazureNum")->value(), wrong);
        const int percent = (100 * right * 2 + asked) / (2 * asked);  // a half rounded up
        EXPECT_EQ(bar(ctl<QLabel>(*main, "lblPercent")), QStringLiteral(" ： %1 / 100 ％").arg(percent));
        EXPECT_EQ(ctl<ui::Gauge>(*main, "cgPercent")->value(), percent);
        // This month's figures of the dictionary are the drill's own in a fresh folder.
        EXPECT_EQ(main->statusPanelText(2), QStringLiteral("今月 ： %1％").arg(percent));
    }

    void pressEnter() { QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return); }

    // The verdict windows the next answer opens: checks their kind and closes them.
    void expectAtari() {
        platform.answerModal([](QDialog& d) {
            EXPECT_NE(dynamic_cast<TfrmAtari*>(&d), nullptr);
            EXPECT_EQ(d.windowTitle(), QStringLiteral("結果発表！！"));
            return static_cast<int>(QDialog::Accepted);
        });
    }
    void expectResultError(const QString& typed) {
        platform.answerModal([typed](QDialog& d) {
            auto* w = dynamic_cast<TfrmResultError*>(&d);
            EXPECT_NE(w, nullptr);
            if (w) {
                EXPECT_EQ(ctl<QLabel>(*w, "lblKaitou")->text(), QStringLiteral("解答 ： ") + typed);
            }
            return static_cast<int>(QDialog::Rejected);
        });
    }
    void expectFinish(const QString& data) {
        platform.answerModal([data](QDialog& d) {
            auto* w = dynamic_cast<TfrmFinish*>(&d);
            EXPECT_NE(w, nullptr);
            if (w) {
                EXPECT_EQ(ctl<QLabel>(*w, "lblData")->text(), data);
                EXPECT_TRUE(ctl<QPushButton>(*w, "cmdShowError")->isEnabled());
            }
            return static_cast<int>(QDialog::Rejected);
        });
    }

    void expectRecords() {
        const std::string taro = dir.file("Taro/");
        EXPECT_EQ(slurp(taro + "20023_verbs.dat"),
                  crlf({"[Error]", "Date=3/3", "Num=2", "Today=1,3", "YesterdayNum=0", "Yesterday=0", "",
                        "[3]", sj("eat_食べる=1"), sj("see_見る=1"), "", "[3/3]", sj("eat_食べる=1"),
                        sj("see_見る=1")}));
        EXPECT_EQ(slurp(taro + "error5.cun"),
                  crlf({"[verbs.txt]", sj("Error1=eat_食べる"), sj("Error2=see_見る"), "Error3=NO",
                        "Error4=NO", "Error5=NO", "Error6=NO", "Num1=1", "Num2=1", "Num3=0", "Num4=0",
                        "Num5=0", "Num6=0"}));
        EXPECT_EQ(slurp(taro + "2002_verbs.dat"),
                  crlf({sj("[問題=出題総数,正解総数,正解率％]"), "COUNT=5", sj("run_走る=1,1,100"),
                        sj("eat_食べる=1,0,0"), sj("go_行く=1,1,100"), sj("see_見る=1,0,0"),
                        sj("swim_泳ぐ=1,1,100")}));
        EXPECT_EQ(slurp(taro + "2002.dat"),
                  crlf({"[verbs.txt]", "Check=1", "1=0,0,0", "2=0,0,0", "3=5,3,60", "4=0,0,0",
                        "5=0,0,0", "6=0,0,0", "7=0,0,0", "8=0,0,0", "9=0,0,0", "10=0,0,0",
                        "11=0,0,0", "12=0,0,0"}));
        EXPECT_EQ(slurp(taro + "Temp.dat"),
                  crlf({"[verbs.txt]", "Check=1", "1=60", "2=0", "3=0", "4=0", "5=0", "6=0", "7=0",
                        "8=0", "9=0", "10=0", "11=0", "12=0", "Count=1"}));
        const std::string rule(55, '=');
        EXPECT_EQ(slurp(taro + "20023.txt"),
                  crlf({rule, sj("学習開始 ： 3/3/2002、   9：5：07"), sj("学習終了 ： 3/3/2002、   9：5：07"),
                        sj("辞書 ： verbs.txt"), sj("出題数 ： 5問"),
                        sj("正解数 ： 3問\t不正解数 ： 2問\t正解率 ： 60％"), rule, ""}));
    }
};

} // namespace

TEST_F(MainWindowDrillTest, ToolbarStartShowsTheFirstQuestion) {
    startMain(0);
    ctl<QLineEdit>(*main, "txtQuestionNum")->setText(QStringLiteral("10"));
    ctl<QAction>(*main, "actOk")->trigger();
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("run"));
    EXPECT_EQ(ctl<QLabel>(*main, "lblQuestion")->text(), QStringLiteral("次の単語の意味はなに？"));
    EXPECT_EQ(ctl<QLabel>(*main, "lblAnswer")->text(), QStringLiteral(" の意味は、、、"));
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblQuestionNum")), QStringLiteral(" ： 1 / 10"));
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblAtariNum")), QStringLiteral(" ： 0 / 10"));
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblHazureNum")), QStringLiteral(" ： 0 / 10"));
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblPercent")), QStringLiteral(" ： 0 / 100 ％"));
    EXPECT_EQ(ctl<ui::Gauge>(*main, "cgQuestionNum")->value(), 1);
    EXPECT_EQ(ctl<ui::Gauge>(*main, "cgQuestionNum")->maximum(), 10);
    EXPECT_FALSE(ctl<QAction>(*main, "actStart")->isEnabled());
    EXPECT_TRUE(ctl<QAction>(*main, "actResult")->isEnabled());
    EXPECT_TRUE(ctl<QAction>(*main, "actStop")->isEnabled());
    EXPECT_FALSE(ctl<QAction>(*main, "actOk")->isEnabled());
    EXPECT_FALSE(ctl<QComboBox>(*main, "cboDicFile")->isEnabled());
    EXPECT_FALSE(ctl<QComboBox>(*main, "cboAnswerType")->isEnabled());
    EXPECT_FALSE(ctl<QLineEdit>(*main, "txtQuestionNum")->isEnabled());
    EXPECT_FALSE(ctl<QAction>(*main, "actSelectDicFile")->isEnabled());

    ctl<QAction>(*main, "actStop")->trigger();
    EXPECT_TRUE(ctl<QAction>(*main, "actStart")->isEnabled());
    EXPECT_TRUE(ctl<QComboBox>(*main, "cboDicFile")->isEnabled());
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblQuestionNum")), QStringLiteral(" ： 0 / 0"));
    EXPECT_TRUE(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText().isEmpty());
}

TEST_F(MainWindowDrillTest, AWholeTypedDrill) {
    startMain(0);
    ctl<QAction>(*main, "actOk")->trigger();
    const std::vector<std::pair<QString, bool>> answers = {
        {QStringLiteral("走る"), true}, {QStringLiteral("x"), false}, {QStringLiteral("行く"), true},
        {QStringLiteral("y"), false},   {QStringLiteral("泳ぐ"), true}};
    const QString words[] = {QStringLiteral("run"), QStringLiteral("eat"), QStringLiteral("go"),
                             QStringLiteral("see"), QStringLiteral("swim")};
    int right = 0, wrong = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), words[i]);
        EXPECT_EQ(bar(ctl<QLabel>(*main, "lblQuestionNum")), QStringLiteral(" ： %1 / 5").arg(i + 1));
        EXPECT_EQ(ctl<ui::Gauge>(*main, "cgQuestionNum")->value(), i + 1);
        const auto& [text, isRight] = answers[static_cast<std::size_t>(i)];
        if (isRight)
            expectAtari();
        else
            expectResultError(text);
        if (i == 4)
            expectFinish(QStringLiteral("出題数 ： 5問 、 正解率 ： 60％"));
        ctl<QLineEdit>(*main, "txtAnswer")->setText(text);
        pressEnter();
        (isRight ? right : wrong) += 1;
        if (i < 4) {
            expectBarsAfter(i + 1, right, wrong);
            EXPECT_TRUE(ctl<QLineEdit>(*main, "txtAnswer")->text().isEmpty());
        }
    }
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    // Back to idle.
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblQuestionNum")), QStringLiteral(" ： 0 / 0"));
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblPercent")), QStringLiteral(" ： 0 / 0 ％"));
    EXPECT_EQ(bar(ctl<QLabel>(*main, "lblTime")), QStringLiteral(" ： 0 / 0 秒"));
    EXPECT_EQ(ctl<ui::Gauge>(*main, "cgPercent")->value(), 0);
    EXPECT_TRUE(ctl<QAction>(*main, "actStart")->isEnabled());
    EXPECT_FALSE(ctl<QAction>(*main, "actResult")->isEnabled());
    EXPECT_TRUE(main->statusPanelText(2).isEmpty());
    expectRecords();
}

TEST_F(MainWindowDrillTest, AWholeFourChoiceDrill) {
    startMain(2);
    ctl<QAction>(*main, "actOk")->trigger();
    const QString rightAnswers[] = {QStringLiteral("走る"), QStringLiteral("食べる"),
                                    QStringLiteral("行く"), QStringLiteral("見る"),
                                    QStringLiteral("泳ぐ")};
    const bool answerRight[] = {true, false, true, false, true};
    int right = 0, wrong = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar(ctl<QLabel>(*main, "lblQuestionNum")), QStringLiteral(" ： %1 / 5").arg(i + 1));
        EXPECT_EQ(ctl<ui::Gauge>(*main, "cgQuestionNum")->value(), i + 1);
        ASSERT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->count(), 4);
        EXPECT_TRUE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isEnabled());
        // Each shows its digit key before the text the drill set.
        QStringList items;
        for (int j = 0; j < ctl<ui::RadioGroup>(*main, "rgAnswer")->count(); ++j) {
            const QString shown = ctl<ui::RadioGroup>(*main, "rgAnswer")->items()[j];
            const QString digit = QStringLiteral("%1 ").arg(j + 1);
            EXPECT_TRUE(shown.startsWith(digit)) << shown.toStdString();
            items << shown.mid(digit.size());
        }
        ASSERT_TRUE(items.contains(rightAnswers[i])) << i;
        int pick = -1;
        for (int j = 0; j < items.size() && pick < 0; ++j) {
            if ((items[j] == rightAnswers[i]) == answerRight[i])
                pick = j;
        }
        ASSERT_GE(pick, 0) << "no wrong choice at question " << i + 1;
        if (answerRight[i])
            expectAtari();
        else
            expectResultError(items[pick]);
        if (i == 4)
            expectFinish(QStringLiteral("出題数 ： 5問 、 正解率 ： 60％"));
        // A digit chooses (it is not typed); Enter submits.
        QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), static_cast<Qt::Key>(Qt::Key_1 + pick));
        EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), pick);
        EXPECT_TRUE(ctl<QLineEdit>(*main, "txtAnswer")->text().isEmpty());
        pressEnter();
        (answerRight[i] ? right : wrong) += 1;
        if (i < 4)
            expectBarsAfter(i + 1, right, wrong);
    }
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    // Idle again with the placeholders, disabled.
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->items(),
              (QStringList{QStringLiteral("正解 １"), QStringLiteral("正解 ２"),
                           QStringLiteral("正解 ３"), QStringLiteral("正解 ４")}));
    EXPECT_FALSE(ctl<ui::RadioGroup>(*main, "rgAnswer")->isEnabled());
    expectRecords();
}

TEST_F(MainWindowDrillTest, EnterInAMemorizeDrillRunsTheStepOnce) {
    startMain(0);
    DrillModes modes = main->drill().modes();
    modes.memorizeOnly = true;
    modes.memorizeSeconds = 5;
    main->drill().setModes(modes);
    ASSERT_TRUE(main->drill().start(DrillStart{dir.file("verbs.txt"), 0, 0, "2", false}));
    platform.answerNotice();
    pressEnter();
    auto notices = platform.callsOf(test::PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, QStringLiteral("正解表示"));
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("eat"));
    EXPECT_EQ(main->drill().state().correctCount + main->drill().state().wrongCount, 0);
}

TEST_F(MainWindowDrillTest, EnterThatConfirmsAConversionDoesNotSubmit) {
    startMain(0);
    ctl<QAction>(*main, "actOk")->trigger();
    QInputMethodEvent composing(QStringLiteral("はしる"), {});
    QCoreApplication::sendEvent(ctl<QLineEdit>(*main, "txtAnswer"), &composing);
    pressEnter();
    EXPECT_EQ(main->drill().state().askedCount, 1);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("run"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("走る"));
    QCoreApplication::sendEvent(ctl<QLineEdit>(*main, "txtAnswer"), &commit);
    EXPECT_EQ(ctl<QLineEdit>(*main, "txtAnswer")->text(), QStringLiteral("走る"));
    expectAtari();
    pressEnter();
    EXPECT_EQ(main->drill().state().correctCount, 1);
}

TEST_F(MainWindowDrillTest, AddToVocabularyBookOncePerQuestion) {
    knownUser({"[Setup]", "VocBookOn=1", "", "[File Path]", "VocBook=" + dir.file("book.txt"), "",
               "[QuestionSetup]", "NotRandom=1", "", "[Dictionary Path]",
               "verbs.txt=" + dir.file("verbs.txt")});
    main = start();
    ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("verbs.txt"));
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_TRUE(ctl<QAction>(*main, "actAddVocBook")->isEnabled());
    ctl<QAction>(*main, "actAddVocBook")->trigger();
    EXPECT_FALSE(ctl<QAction>(*main, "actAddVocBook")->isEnabled());
    EXPECT_EQ(slurp(dir.file("book.txt")), crlf({sj("run=走る*x")}));

    ctl<QAction>(*main, "actDeleteVocBook")->trigger();
    EXPECT_FALSE(test::exists(dir.file("book.txt")));
    EXPECT_FALSE(main->settings().files.VocBookOn);
    EXPECT_TRUE(main->settings().files.VocBook.empty());
    EXPECT_FALSE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());
}

TEST_F(MainWindowDrillTest, StartFromTheQuestionSetupDialogAndItsHistoryOptions) {
    startMain(0);
    main->createLongLivedDialogs();
    // "始める": the dialog starts a drill of the last drill's questions only after one
    // was completed.
    platform.answerModal([](QDialog& d) {
        auto& setup = dynamic_cast<TfrmQuestionSetup&>(d);
        EXPECT_FALSE(ctl<QRadioButton>(setup, "rbSameQuestion")->isEnabled());
        ctl<QLineEdit>(setup, "txtQuestionNum")->setText(QStringLiteral("2"));
        ctl<QPushButton>(setup, "cmdOk")->click();
        return setup.result();
    });
    ctl<QPushButton>(*main, "cmdStart")->click();
    ASSERT_TRUE(main->drill().running());
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("run"));
    expectAtari();
    ctl<QLineEdit>(*main, "txtAnswer")->setText(QStringLiteral("走る"));
    pressEnter();
    expectAtari();
    platform.answerModal([](QDialog& d) {  // the end window of a perfect drill
        auto& finish = dynamic_cast<TfrmFinish&>(d);
        EXPECT_EQ(ctl<QLabel>(finish, "lblResult")->text(), QStringLiteral("CONGRATULATION !!"));
        EXPECT_FALSE(ctl<QPushButton>(finish, "cmdShowError")->isEnabled());
        return static_cast<int>(QDialog::Rejected);
    });
    ctl<QLineEdit>(*main, "txtAnswer")->setText(QStringLiteral("食べる"));
    pressEnter();
    EXPECT_FALSE(main->drill().running());

    platform.answerModal([](QDialog& d) {
        auto& setup = dynamic_cast<TfrmQuestionSetup&>(d);
        EXPECT_TRUE(ctl<QRadioButton>(setup, "rbSameQuestion")->isEnabled());
        ctl<QCheckBox>(setup, "chkOption")->click();
        ctl<QRadioButton>(setup, "rbSameQuestion")->click();
        EXPECT_EQ(ctl<QLineEdit>(setup, "txtQuestionNum")->text(), QStringLiteral("2"));
        ctl<QPushButton>(setup, "cmdOk")->click();
        return setup.result();
    });
    ctl<QPushButton>(*main, "cmdStart")->click();
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("run"));
}

TEST_F(MainWindowDrillTest, ChoosingTheDictionaryByTheSelectCommandAndByADrop) {
    startMain(0);
    writeLines(dir.file("nouns.txt"), {sj("book=本*x")});
    platform.answerOpenFile(q(dir.file("nouns.txt")));
    main->cmdSelectDicFileClick();
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("nouns.txt"));
    EXPECT_EQ(main->settings().files.DicInUse, dir.file("nouns.txt"));
    EXPECT_TRUE(main->statusPanelText(0).endsWith(QStringLiteral("nouns.txt")));
    EXPECT_EQ(IniFile(setupIni()).read("Dictionary Path", "nouns.txt", ""), dir.file("nouns.txt"));

    // A file that is not a dictionary is refused and changes nothing.
    writeLines(dir.file("notes.txt"), {"just a note"});
    platform.answerNotice();
    main->FormDropFiles({QUrl::fromLocalFile(q(dir.file("notes.txt"))),
                         QUrl::fromLocalFile(q(dir.file("verbs.txt")))});
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_EQ(platform.boxTexts()[0],
              QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません"));
    EXPECT_EQ(main->settings().files.DicInUse, dir.file("nouns.txt"));

    // The first dropped file counts.
    main->FormDropFiles({QUrl::fromLocalFile(q(dir.file("verbs.txt"))),
                         QUrl::fromLocalFile(q(dir.file("notes.txt")))});
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("verbs.txt"));
    EXPECT_EQ(main->settings().files.DicInUse, dir.file("verbs.txt"));
}
