#include "base/IniFile.h"
#include "records/TfrmShowHistory.h"
#include "tests/records/WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

using namespace qor;
using namespace qor::test;

namespace {

class ShowHistoryWindowTest : public WindowFixture {
protected:
    ShowHistoryWindowTest() {
        clock.set(DateTime{2002, 3, 3, 9, 30, 0});
        settings.files.DicInUse = dir.file("dic/verbs.txt");
    }

    static HistoryDrill drill(const std::string& file, int questions, int right,
                              std::vector<std::string> missed = {}) {
        HistoryDrill d;
        d.dictionaryPath = "/d/" + file;
        d.questionCount = questions;
        d.correctCount = right;
        d.wrongCount = questions - right;
        d.percentage = 100 * right / questions;
        d.startTime = sj("9：5：07");
        d.endTime = sj("9：9：30");
        d.missedLines = std::move(missed);
        return d;
    }

    std::vector<HistoryDrill> threeDrills() const {
        std::vector<HistoryDrill> drills{
            drill("verbs.txt", 4, 2, {sj("run,dash=走る,急ぐ*コメント"), sj("see=見る*目で")}),
            drill("nouns.txt", 5, 5), drill("adj.txt", 2, 1, {sj("big=大きい*")})};
        drills.resize(kHistoryRows);
        return drills;
    }

    static QTreeWidget* list(TfrmShowHistory& frm) { return frm.findChild<QTreeWidget*>("lstHistory"); }
    static QCheckBox* hint(TfrmShowHistory& frm) { return frm.findChild<QCheckBox*>("chkHint"); }
    static void select(TfrmShowHistory& frm, int row) {
        list(frm)->setCurrentItem(list(frm)->topLevelItem(row));
    }
    static QAction* saveAction(TfrmShowHistory& frm, const char* name) {
        return frm.findChild<QPushButton*>("cmdSave")->menu()->findChild<QAction*>(name);
    }

    const std::string plainBlock = crlf(
        {sj("2002年3月3日"), sj("No.1 9：5：07～9：9：30 verbs.txt 出：4問 正：2問 不：2問 率：50％"),
         sj("No.2 9：5：07～9：9：30 nouns.txt 出：5問 正：5問 不：0問 率：100％"),
         sj("No.3 9：5：07～9：9：30 adj.txt 出：2問 正：1問 不：1問 率：50％"),
         "------------------------<<<", ""});
};

TEST_F(ShowHistoryWindowTest, RightAfterStartTenEmptyRowsAndASaveOfTheDateOnly) {
    std::vector<HistoryDrill> none(kHistoryRows);
    TfrmShowHistory frm(none, UserFiles(settings), settings.files);
    frm.show();
    EXPECT_EQ(frm.windowTitle(), q("学習履歴の表示"));
    EXPECT_EQ(frm.findChild<QLabel*>("lblBanner")->text(),
              q("ここには、起動後から10回分の学習履歴が表示されます"));
    QTreeWidget* rows = list(frm);
    QStringList titles;
    for (int c = 0; c < rows->columnCount(); ++c)
        titles << rows->headerItem()->text(c);
    EXPECT_EQ(titles, (QStringList{q("No."), q("開始時間"), q("終了時間"), q("使用辞書"), q("出題数"),
                                   q("正解数"), q("不正解数"), q("正解率")}));
    ASSERT_EQ(rows->topLevelItemCount(), 10);
    for (int i = 0; i < 10; ++i) {
        const QTreeWidgetItem* row = rows->topLevelItem(i);
        EXPECT_EQ(row->text(0), QString::number(i + 1));
        EXPECT_TRUE(row->text(1).isEmpty());
        EXPECT_TRUE(row->text(3).isEmpty());
        EXPECT_EQ(row->text(4), q("0"));
        EXPECT_EQ(row->text(7), q("0％"));
    }
    EXPECT_FALSE(hint(frm)->isChecked());
    auto* save = frm.findChild<QPushButton*>("cmdSave");
    EXPECT_EQ(save->toolTip(), q("ファイルに保存"));
    EXPECT_EQ(saveAction(frm, "mnuNormalSave")->text(), q("通常に保存 (&N)"));
    EXPECT_EQ(saveAction(frm, "mnuCsvSave")->text(), q("CSV形式で保存 (&V)"));

    const QString file = QString::fromStdString(dir.file("history.txt"));
    platform.answerSaveFile(file);
    saveAction(frm, "mnuNormalSave")->trigger();
    EXPECT_EQ(slurp(dir.file("history.txt")), crlf({sj("2002年3月3日"), "------------------------<<<", ""}));
    // The dialog offers text files and opens in the folder of the dictionary in use.
    const PlatformCall dialog = platform.callsOf(PlatformCall::SaveFile)[0];
    EXPECT_EQ(dialog.caption, q("テキストファイル (*.txt)|*.txt"));
    EXPECT_EQ(dialog.folder, QString::fromStdString(dir.file("dic/")));
    // The save appends: the dialog does not ask whether to replace a file that is there.
    EXPECT_EQ(dialog.saveMode, ui::SaveMode::Append);
    // The next save starts where the last one went.
    makeFolder(dir.file("saves"));
    platform.answerSaveFile(QString::fromStdString(dir.file("saves/h.txt"))).answerSaveFile(QString());
    saveAction(frm, "mnuCsvSave")->trigger();
    saveAction(frm, "mnuCsvSave")->trigger();
    EXPECT_EQ(platform.callsOf(PlatformCall::SaveFile)[2].folder,
              QString::fromStdString(dir.file("saves/")));
}

TEST_F(ShowHistoryWindowTest, ThreeDrillsFillThreeRowsAndTwoSavesAppendTwoDatedBlocks) {
    TfrmShowHistory frm(threeDrills(), UserFiles(settings), settings.files);
    frm.FormShow();
    QTreeWidget* rows = list(frm);
    EXPECT_EQ(rows->topLevelItem(0)->text(1), q("9：5：07"));
    EXPECT_EQ(rows->topLevelItem(0)->text(3), q("verbs.txt"));
    EXPECT_EQ(rows->topLevelItem(2)->text(6), q("1"));
    EXPECT_EQ(rows->topLevelItem(2)->text(7), q("50％"));
    EXPECT_TRUE(rows->topLevelItem(3)->text(3).isEmpty());

    const QString file = QString::fromStdString(dir.file("history.txt"));
    platform.answerSaveFile(file).answerSaveFile(file);
    saveAction(frm, "mnuNormalSave")->trigger();
    EXPECT_EQ(slurp(dir.file("history.txt")), plainBlock);
    clock.set(DateTime{2002, 3, 4, 8, 0, 0});
    saveAction(frm, "mnuNormalSave")->trigger();
    EXPECT_EQ(slurp(dir.file("history.txt")),
              plainBlock + crlf({sj("2002年3月4日")}) + plainBlock.substr(plainBlock.find("No.1")));
}

TEST_F(ShowHistoryWindowTest, ACsvSaveHasTheHeaderAndAnEmptyLineAfterEachRow) {
    TfrmShowHistory frm(threeDrills(), UserFiles(settings), settings.files);
    frm.FormShow();
    platform.answerSaveFile(QString::fromStdString(dir.file("history.csv")));
    saveAction(frm, "mnuCsvSave")->trigger();
    EXPECT_EQ(slurp(dir.file("history.csv")),
              crlf({sj("2002年3月3日"), sj("No.,開始時間,終了時間,使用辞書,出題数,正解数,不正解数,正解率"),
                    sj("1,9：5：07,9：9：30,verbs.txt,4,2,2,50％"), "",
                    sj("2,9：5：07,9：9：30,nouns.txt,5,5,0,100％"), "",
                    sj("3,9：5：07,9：9：30,adj.txt,2,1,1,50％"), ""}));
    // A cancelled dialog writes nothing.
    platform.answerSaveFile(QString());
    saveAction(frm, "mnuCsvSave")->trigger();
    EXPECT_EQ(platform.callsOf(PlatformCall::SaveFile).size(), 2u);
    EXPECT_EQ(platform.boxTexts().size(), 0);
}

TEST_F(ShowHistoryWindowTest, AFileThatCannotBeOpenedIsReportedAndNothingIsWritten) {
    TfrmShowHistory frm(threeDrills(), UserFiles(settings), settings.files);
    frm.FormShow();
    ASSERT_TRUE(makeFolder(dir.file("taken.txt")));
    platform.answerSaveFile(QString::fromStdString(dir.file("taken.txt"))).answerNotice();
    saveAction(frm, "mnuNormalSave")->trigger();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(
        q("ファイルを開くことができませんでした。\n指定したファイルが存在するか確かめて、再度｢保存｣を押してください")));
    EXPECT_TRUE(platform.boxTexts()[0].contains(QString::fromStdString(dir.file("taken.txt"))));
}

TEST_F(ShowHistoryWindowTest, TheMissedWordsAreTheHintWhenTickedAndAMessageOnDoubleClick) {
    TfrmShowHistory frm(threeDrills(), UserFiles(settings), settings.files);
    frm.FormShow();
    const QString missed = q("★間違えた問題リスト★\nrun,dash-走る,急ぐ-コメント\nsee-見る-目で\n");

    // Not ticked: a click shows no hint.
    select(frm, 0);
    EXPECT_TRUE(list(frm)->toolTip().isEmpty());
    hint(frm)->click();
    select(frm, 2);
    EXPECT_EQ(list(frm)->toolTip(), q("★間違えた問題リスト★\nbig-大きい-\n"));
    select(frm, 0);
    EXPECT_EQ(list(frm)->toolTip(), missed);
    // A drill without misses, or no drill: no hint.
    select(frm, 1);
    EXPECT_TRUE(list(frm)->toolTip().isEmpty());
    select(frm, 0);
    hint(frm)->click();  // unticking clears it
    EXPECT_TRUE(list(frm)->toolTip().isEmpty());

    platform.answerMessage();
    frm.lstHistoryDblClick();
    ASSERT_EQ(platform.callsOf(PlatformCall::Message).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Message)[0].text, missed);
    select(frm, 1);
    frm.lstHistoryDblClick();
    select(frm, 5);
    frm.lstHistoryDblClick();
    EXPECT_EQ(platform.callsOf(PlatformCall::Message).size(), 1u);
}

TEST_F(ShowHistoryWindowTest, CloseStoresByHintTheTitleBarDoesNot) {
    spit(settings.setupIniPath(), crlf({"[Show History]", "ByHint=1"}));
    {
        TfrmShowHistory frm(threeDrills(), UserFiles(settings), settings.files);
        frm.FormShow();
        EXPECT_TRUE(hint(frm)->isChecked());
        hint(frm)->click();
        frm.reject();
    }
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("Show History", "ByHint", ""), "1");
    TfrmShowHistory frm(threeDrills(), UserFiles(settings), settings.files);
    frm.FormShow();
    hint(frm)->click();
    frm.findChild<QPushButton*>("cmdClose")->click();
    EXPECT_EQ(slurp(settings.setupIniPath()), crlf({"[Show History]", "ByHint=0"}));
}

} // namespace
