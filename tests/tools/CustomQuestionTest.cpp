// The custom question window: its rows, ticks, rules, OK, Cancel and Save.

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"
#include "tests/tools/ToolWindowFixture.h"
#include "tools/CustomQuestionTable.h"
#include "tools/TfrmCustomQuestion.h"
#include "ui/ShownText.h"

#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::child;
using qor::test::crlf;
using qor::test::PlatformCall;
using qor::test::ScriptedPlatform;
using qor::test::slurp;
using qor::test::spit;

namespace {

class CustomQuestionTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string user = dir.file("Taro");
    std::string dic = dir.file("verbs.txt");
    FixedClock clock{DateTime{2001, 3, 4, 9, 0, 0}};
    ScriptedPlatform platform;
    CustomQuestionList list;
    std::vector<std::string> customLines{"kept=keep*x"};

    void SetUp() override {
        setClock(&clock);
        makeFolder(user);
        std::vector<std::string> lines;
        for (int i = 0; i < 12; ++i)
            lines.push_back("w" + std::to_string(i) + "=" + sj("語") + std::to_string(i) + "*c");
        writeLines(dic, lines);
        // w0 asked 4 times, 75 %; w1 asked twice, 50 %; the others never.
        spit(user + "/2001_verbs.dat",
             crlf({sj("[問題=出題総数,正解総数,正解率％]"), "COUNT=2", "w0_" + sj("語") + "0=4,3,75",
                   "w1_" + sj("語") + "1=2,1,50"}));
    }
    void TearDown() override { setClock(nullptr); }

    std::unique_ptr<TfrmCustomQuestion> open() {
        auto w = std::make_unique<TfrmCustomQuestion>(list, customLines, dic, user);
        EXPECT_TRUE(w->FormShow());
        return w;
    }

    static void tick(TfrmCustomQuestion& w, int row, bool on = true) {
        QAbstractItemModel* model = child<QTableView>(w, "lstData")->model();
        model->setData(model->index(row, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }
    static bool ticked(TfrmCustomQuestion& w, int row) {
        QAbstractItemModel* model = child<QTableView>(w, "lstData")->model();
        return model->data(model->index(row, 0), Qt::CheckStateRole).toInt() == Qt::Checked;
    }
};

} // namespace

TEST_F(CustomQuestionTest, OpensWithTheRowsTheFiguresAndTheStatus) {
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("出題する単語の選択"));
    QAbstractItemModel* model = child<QTableView>(*w, "lstData")->model();
    ASSERT_EQ(model->rowCount(), 12);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("単語"));
    EXPECT_EQ(model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("正解率"));
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), QStringLiteral("w0"));
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QStringLiteral("語0"));
    EXPECT_EQ(model->data(model->index(0, 2)).toString(), QStringLiteral("c"));
    EXPECT_EQ(model->data(model->index(0, 3)).toInt(), 4);
    EXPECT_EQ(model->data(model->index(0, 4)).toInt(), 3);
    EXPECT_EQ(model->data(model->index(0, 5)).toInt(), 75);
    EXPECT_EQ(model->data(model->index(5, 3)).toInt(), 0);
    EXPECT_EQ(child<QLabel>(*w, "sbPath")->text(), QString::fromStdString(dic));
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 0 個"));
    EXPECT_EQ(child<QComboBox>(*w, "cboType_1")->currentText(), QStringLiteral("以上"));
    EXPECT_EQ(child<QComboBox>(*w, "cboType_3")->currentText(), QStringLiteral("以下"));
    EXPECT_EQ(child<QSpinBox>(*w, "txtPercent")->value(), 50);
    EXPECT_EQ(child<QSpinBox>(*w, "txtQuestionNum")->maximum(), 1000);
    EXPECT_EQ(child<QSpinBox>(*w, "txtPercent")->maximum(), 100);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(CustomQuestionTest, ReopeningForTheSameDictionaryKeepsTheTicks) {
    {
        auto w = open();
        tick(*w, 2);
        tick(*w, 7);
        EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 2 個"));
        child<QPushButton>(*w, "Button14")->click();
    }
    // The figures changed meanwhile; the rows are kept as they were.
    spit(user + "/2001_verbs.dat", crlf({sj("[問題=出題総数,正解総数,正解率％]"), "w2_" + sj("語") + "2=9,9,100"}));
    auto w = open();
    EXPECT_TRUE(ticked(*w, 2));
    EXPECT_TRUE(ticked(*w, 7));
    EXPECT_FALSE(ticked(*w, 3));
    EXPECT_EQ(child<QTableView>(*w, "lstData")->model()->data(child<QTableView>(*w, "lstData")->model()->index(2, 3)).toInt(), 0);
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 2 個"));
    EXPECT_EQ(child<QLabel>(*w, "sbPath")->text(), QString::fromStdString(dic));

    // Another dictionary file name builds the rows anew.
    std::string nouns = dir.file("nouns.txt");
    spit(nouns, crlf({"cat=neko*a"}));
    TfrmCustomQuestion other(list, customLines, nouns, user);
    ASSERT_TRUE(other.FormShow());
    EXPECT_EQ(child<QTableView>(other, "lstData")->model()->rowCount(), 1);
    EXPECT_EQ(child<QLabel>(other, "sbCount")->text(), QStringLiteral("選択数 : 0 個"));
}

TEST_F(CustomQuestionTest, PercentAtMostFiftySelectsEveryWordNeverAskedAndTwiceCountsOnce) {
    auto w = open();
    child<QPushButton>(*w, "cmdPercent")->click();
    // w0 (75 %) stays unticked; w1 (50 %) and the ten words never asked are ticked.
    EXPECT_FALSE(ticked(*w, 0));
    EXPECT_TRUE(ticked(*w, 1));
    EXPECT_TRUE(ticked(*w, 11));
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 11 個"));
    child<QPushButton>(*w, "cmdPercent")->click();
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 11 個"));
    // Reset "asked at least 1": w1 unticked; w0 was not ticked and stays so.
    child<QSpinBox>(*w, "txtQuestionNum")->setValue(1);
    child<QPushButton>(*w, "cmdResetQuestionNum")->click();
    EXPECT_FALSE(ticked(*w, 1));
    EXPECT_FALSE(ticked(*w, 0));
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 10 個"));
    // "以上" on the percentage: at least 70 % selects w0 only.
    child<QComboBox>(*w, "cboType_3")->setCurrentIndex(0);
    child<QSpinBox>(*w, "txtPercent")->setValue(70);
    child<QPushButton>(*w, "cmdPercent")->click();
    EXPECT_TRUE(ticked(*w, 0));
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 11 個"));
}

TEST_F(CustomQuestionTest, SelectAllNoneAndThePopUpOnHighlightedRows) {
    auto w = open();
    child<QPushButton>(*w, "cmdAllSelect")->click();
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 12 個"));
    child<QPushButton>(*w, "cmdAllDisSelect")->click();
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 0 個"));

    EXPECT_EQ(child<QAction>(*w, "cmdSelect")->text(), QStringLiteral("選択 (&N)"));
    EXPECT_EQ(child<QAction>(*w, "cmdUnSelect")->text(), QStringLiteral("解除 (&P)"));
    QItemSelectionModel* sel = child<QTableView>(*w, "lstData")->selectionModel();
    auto rows = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    sel->select(child<QTableView>(*w, "lstData")->model()->index(3, 0), rows);
    sel->select(child<QTableView>(*w, "lstData")->model()->index(4, 0), rows);
    child<QAction>(*w, "cmdSelect")->trigger();
    EXPECT_TRUE(ticked(*w, 3));
    EXPECT_TRUE(ticked(*w, 4));
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 2 個"));
    sel->clearSelection();
    sel->select(child<QTableView>(*w, "lstData")->model()->index(4, 0), rows);
    sel->select(child<QTableView>(*w, "lstData")->model()->index(5, 0), rows);
    child<QAction>(*w, "cmdUnSelect")->trigger();
    EXPECT_TRUE(ticked(*w, 3));
    EXPECT_FALSE(ticked(*w, 4));
    EXPECT_EQ(child<QLabel>(*w, "sbCount")->text(), QStringLiteral("選択数 : 1 個"));
}

TEST_F(CustomQuestionTest, OkHandsTheTickedLinesToTheDrill) {
    auto w = open();
    platform.answerMessage();
    child<QPushButton>(*w, "cmdOk")->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{QStringLiteral("チェックされている単語がありません。")});
    EXPECT_NE(w->result(), QDialog::Accepted);
    EXPECT_EQ(customLines, std::vector<std::string>{"kept=keep*x"});  // untouched

    tick(*w, 9);
    tick(*w, 1);
    child<QPushButton>(*w, "cmdOk")->click();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(w->chosenCount(), 2);
    EXPECT_EQ(customLines, (std::vector<std::string>{"w1=" + sj("語") + "1*c", "w9=" + sj("語") + "9*c"}));
}

TEST_F(CustomQuestionTest, CancelLeavesTheDrillsListAsItWas) {
    auto w = open();
    tick(*w, 0);
    child<QPushButton>(*w, "Button14")->click();
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(customLines, std::vector<std::string>{"kept=keep*x"});
    EXPECT_EQ(list.fileName(), "verbs.txt");
}

TEST_F(CustomQuestionTest, SaveAppendsTheTickedLinesOrSaysWhyItCannot) {
    auto w = open();
    tick(*w, 0);
    tick(*w, 2);
    std::string out = dir.file("chosen.txt");
    platform.answerSaveFile(QString::fromStdString(out));
    child<QPushButton>(*w, "cmdSave")->click();
    EXPECT_EQ(slurp(out), crlf({"w0=" + sj("語") + "0*c", "w2=" + sj("語") + "2*c"}));
    auto saves = platform.callsOf(PlatformCall::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].saveMode, ui::SaveMode::Append);

    platform.answerSaveFile(QString());  // cancelled
    child<QPushButton>(*w, "cmdSave")->click();

    platform.answerSaveFile(QString::fromStdString(dir.path())).answerNotice();
    child<QPushButton>(*w, "cmdSave")->click();
    QStringList boxes = platform.boxTexts();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral(
        "ファイルを開くことができませんでした。\n指定したファイルが存在するか確かめて、再度｢保存｣を押してください")));
    EXPECT_TRUE(boxes[0].contains(QString::fromStdString(dir.path())));
    EXPECT_EQ(slurp(out), crlf({"w0=" + sj("語") + "0*c", "w2=" + sj("語") + "2*c"}));
}

TEST_F(CustomQuestionTest, AnUnreadableDictionaryIsReportedAndTheWindowNotShown) {
    platform.answerNotice();
    TfrmCustomQuestion w(list, customLines, dir.file("gone.txt"), user);
    EXPECT_FALSE(w.FormShow());
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(QStringLiteral("gone.txt")));
    EXPECT_EQ(child<QTableView>(w, "lstData")->model()->rowCount(), 0);
}

TEST_F(CustomQuestionTest, ALongWordIsCutInItsCells) {
    const std::string word(1000000, 'w');
    writeLines(dic, {word + "=" + sj("長い") + "*" + word, sj("w1=語1*c")});
    auto w = open();
    QAbstractItemModel* model = child<QTableView>(*w, "lstData")->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_LE(model->index(0, CustomQuestionTable::Word).data().toString().size(),
              ui::kShownTextMax);
    EXPECT_LE(model->index(0, CustomQuestionTable::Comment).data().toString().size(),
              ui::kShownTextMax);
    EXPECT_TRUE(model->index(0, CustomQuestionTable::Word)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("1000000")));
}

TEST_F(CustomQuestionTest, ARuleOverManyRowsMovesTheGaugeOncePerPercentAndEndsOnTheLastRow) {
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i)
        lines.push_back("w" + std::to_string(i) + "=x*c");
    writeLines(dic, lines);
    auto w = open();
    QSignalSpy changes(child<QProgressBar>(*w, "pbProgress"), &QProgressBar::valueChanged);
    child<QSpinBox>(*w, "txtPercent")->setValue(50);
    child<QPushButton>(*w, "cmdPercent")->click();
    EXPECT_EQ(list.tickedCount(), 20000);
    // The start, at most one change per 1 % and the last row, then back to 0.
    ASSERT_GE(changes.count(), 2);
    EXPECT_LE(changes.count(), 103);
    EXPECT_EQ(changes.at(changes.count() - 2).at(0).toInt(), 20000);
    EXPECT_EQ(changes.last().at(0).toInt(), 0);
}
