#include "base/IniFile.h"
#include "records/TfrmShowPercent.h"
#include "tests/records/WindowFixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

using namespace qor;
using namespace qor::test;

namespace {

class ShowPercentWindowTest : public WindowFixture {
protected:
    std::string dictionary = dir.file("verbs.txt");

    ShowPercentWindowTest() {
        clock.set(DateTime{2001, 3, 14, 10, 0, 0});
        writeLines(dictionary, {sj("run=走る*x"), sj("see=見る*y"), sj("go=行く*z"),
                                sj("eat=食べる*w"), sj("swim=泳ぐ*v")});
        spit(settings.setupIniPath(),
             crlf({"[Dictionary]", "DicNum=2", "1=nouns.txt", "2=verbs.txt", "",
                   "[Dictionary Path]", "verbs.txt=" + dictionary}));
        settings.files.DicInUse = dictionary;
        spit(userFile("2001_verbs.dat"),
             crlf({"[" + sj("問題=出題総数,正解総数,正解率％") + "]", "COUNT=3",
                   sj("see_見る=5,4,80"), sj("run_走る=100,79,79"), sj("go_行く=2,2,100")}));
    }

    template <class W>
    static W* child(QWidget& w, const char* name) {
        W* found = w.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static QStringList column(QTreeView* list, int c) {
        QStringList out;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            out << list->model()->index(r, c).data().toString();
        return out;
    }
};

TEST_F(ShowPercentWindowTest, OpensWithTheDictionaryInUseThisYearAndAnEmptyList) {
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    EXPECT_EQ(frm.windowTitle(), q("正解率の表示"));
    EXPECT_EQ(child<QLabel>(frm, "lblBanner")->text(),
              q("ここでは、単語毎の正解率と、辞書全体の習得率を表示します"));
    auto* list = child<QTreeView>(frm, "lstData");
    QStringList titles;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        titles << list->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{q("英語"), q("日本語"), q("出題数"), q("正解数"), q("正解率"),
                                   q("習得")}));
    EXPECT_EQ(list->model()->rowCount(), 0);

    auto* dic = child<QComboBox>(frm, "cboDicFile");
    EXPECT_EQ(dic->currentText(), q("verbs.txt"));
    EXPECT_EQ(dic->count(), 2);
    EXPECT_EQ(dic->itemText(0), q("nouns.txt"));
    auto* year = child<QComboBox>(frm, "cboYear");
    EXPECT_EQ(year->count(), 3);
    EXPECT_EQ(year->itemText(0), q("1999"));
    EXPECT_EQ(year->currentText(), q("2001"));

    EXPECT_TRUE(child<QRadioButton>(frm, "rbByAtariNum")->isChecked());
    EXPECT_EQ(child<QLabel>(frm, "lblValueHead")->text(), q("正解数が、"));
    EXPECT_EQ(child<QLabel>(frm, "lblValueTail")->text(), q(" 回以上は習得済み"));
    EXPECT_EQ(child<QLineEdit>(frm, "txtValue")->text(), q("1"));
    EXPECT_TRUE(child<QLabel>(frm, "lblAchieve")->text().isEmpty());
    EXPECT_EQ(child<QProgressBar>(frm, "cgAchieve")->value(), 0);
    EXPECT_TRUE(child<QPushButton>(frm, "cmdView")->isDefault());
    EXPECT_EQ(child<QPushButton>(frm, "cmdSort")->text(), q("ソート (&S)"));
    EXPECT_EQ(child<QPushButton>(frm, "cmdClose")->text(), q("閉じる (&C)"));
}

TEST_F(ShowPercentWindowTest, TheModesSwitchLabelsRangesAndValues) {
    spit(settings.setupIniPath(), crlf({"[Show Percent]", "AANum=3", "APercent=70"}));
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    auto* value = child<QLineEdit>(frm, "txtValue");
    EXPECT_EQ(value->text(), q("3"));
    child<QRadioButton>(frm, "rbByPercent")->click();
    EXPECT_EQ(child<QLabel>(frm, "lblValueHead")->text(), q("正解率が、"));
    EXPECT_EQ(child<QLabel>(frm, "lblValueTail")->text(), q(" ％以上は習得済み"));
    EXPECT_EQ(value->text(), q("70"));
    // The up-down stops at 100 in this mode.
    value->setText(q("100"));
    QTest::keyClick(value, Qt::Key_Up);
    EXPECT_EQ(value->text(), q("100"));
    child<QRadioButton>(frm, "rbByAtariNum")->click();
    EXPECT_EQ(value->text(), q("3"));
    value->setText(q("999"));
    QTest::keyClick(value, Qt::Key_Up);
    EXPECT_EQ(value->text(), q("1000"));
}

TEST_F(ShowPercentWindowTest, CountThreeListsThreeRowsAndTheMasteryOfTheDictionary) {
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    child<QRadioButton>(frm, "rbByPercent")->click();
    child<QLineEdit>(frm, "txtValue")->setText(q("80"));
    child<QPushButton>(frm, "cmdView")->click();

    auto* list = child<QTreeView>(frm, "lstData");
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(column(list, 0), (QStringList{q("see"), q("run"), q("go")}));
    EXPECT_EQ(column(list, 1), (QStringList{q("見る"), q("走る"), q("行く")}));
    EXPECT_EQ(column(list, 2), (QStringList{q("5"), q("100"), q("2")}));
    EXPECT_EQ(column(list, 3), (QStringList{q("4"), q("79"), q("2")}));
    EXPECT_EQ(column(list, 4), (QStringList{q("80 ％"), q("79 ％"), q("100 ％")}));
    EXPECT_EQ(column(list, 5), (QStringList{q("  ◎"), q("  ×"), q("  ◎")}));
    // n is the five lines of the dictionary.
    EXPECT_EQ(child<QLabel>(frm, "lblAchieve")->text(), q("習得数 ： 2 / 5"));
    auto* gauge = child<QProgressBar>(frm, "cgAchieve");
    EXPECT_EQ(gauge->maximum(), 5);
    EXPECT_EQ(gauge->value(), 2);

    // "ソート" orders by the English column.
    child<QPushButton>(frm, "cmdSort")->click();
    EXPECT_EQ(column(list, 0), (QStringList{q("go"), q("run"), q("see")}));
    EXPECT_EQ(column(list, 4), (QStringList{q("100 ％"), q("79 ％"), q("80 ％")}));

    // Another year without statistics: nothing listed, the dictionary still counted.
    child<QComboBox>(frm, "cboYear")->setCurrentIndex(0);
    child<QPushButton>(frm, "cmdView")->click();
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(child<QLabel>(frm, "lblAchieve")->text(), q("習得数 ： 0 / 5"));
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(ShowPercentWindowTest, CloseStoresTheThresholdsOfTheLastViewsTheTitleBarNothing) {
    // A view by right count 4, then 90 % typed but never viewed: not a threshold yet.
    auto viewFourThenType90 = [](TfrmShowPercent& frm) {
        frm.FormShow();
        child<QLineEdit>(frm, "txtValue")->setText(q("4"));
        child<QPushButton>(frm, "cmdView")->click();
        child<QRadioButton>(frm, "rbByPercent")->click();
        child<QLineEdit>(frm, "txtValue")->setText(q("90"));
    };
    {
        TfrmShowPercent frm(UserFiles(settings), settings.files);
        viewFourThenType90(frm);
        frm.reject();
    }
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("Show Percent", "AANum", "none"), "none");

    TfrmShowPercent frm(UserFiles(settings), settings.files);
    viewFourThenType90(frm);
    child<QPushButton>(frm, "cmdClose")->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    IniFile setup(settings.setupIniPath());
    EXPECT_EQ(setup.read("Show Percent", "AANum", ""), "4");
    EXPECT_EQ(setup.read("Show Percent", "APercent", ""), "50");
}

TEST_F(ShowPercentWindowTest, ThresholdsThatCannotBeStoredAreReportedAndTheOldFileKept) {
    const std::string before = slurp(settings.setupIniPath());
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    ReadOnlyFolder locked(settings.userFolder());
    if (!locked.active())
        GTEST_SKIP() << "no read-only folder here";
    platform.answerNotice();
    child<QPushButton>(frm, "cmdClose")->click();
    locked.release();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(QString::fromStdString(settings.setupIniPath())));
    EXPECT_EQ(slurp(settings.setupIniPath()), before);
    EXPECT_EQ(frm.result(), QDialog::Accepted);
}

TEST_F(ShowPercentWindowTest, AStatisticsFileThatCannotBeReadIsReportedAndNothingListed) {
    ASSERT_TRUE(makeFolder(userFile("2000_verbs.dat")));
    platform.answerNotice();
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    child<QComboBox>(frm, "cboYear")->setCurrentText(q("2000"));
    child<QPushButton>(frm, "cmdView")->click();
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    const PlatformCall box = platform.callsOf(PlatformCall::Notice)[0];
    EXPECT_TRUE(box.text.startsWith(QString::fromStdString(userFile("2000_verbs.dat")))) << box.text.toStdString();
    EXPECT_EQ(box.caption, q("エラー"));
    EXPECT_EQ(child<QTreeView>(frm, "lstData")->model()->rowCount(), 0);
    EXPECT_TRUE(child<QLabel>(frm, "lblAchieve")->text().isEmpty());
}

TEST_F(ShowPercentWindowTest, AThresholdOutsideItsRangeOrANameShiftJisCannotHoldIsRefused) {
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    child<QPushButton>(frm, "cmdView")->click();
    ASSERT_EQ(child<QTreeView>(frm, "lstData")->model()->rowCount(), 3);

    platform.answerNotice();
    child<QLineEdit>(frm, "txtValue")->setText(q("0"));
    child<QPushButton>(frm, "cmdView")->click();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].contains(q("1 から 1000 まで")));
    // The list of the last view stays.
    EXPECT_EQ(child<QTreeView>(frm, "lstData")->model()->rowCount(), 3);

    platform.answerNotice();
    child<QLineEdit>(frm, "txtValue")->setText(q("1"));
    child<QComboBox>(frm, "cboDicFile")->setEditText(q("😀.txt"));
    child<QPushButton>(frm, "cmdView")->click();
    EXPECT_EQ(platform.boxTexts().size(), 2);
}

} // namespace
