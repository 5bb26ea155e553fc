// "辞書の編集": choosing without loading, loading, selecting, rewriting, deleting, finding,
// saving over the file byte for byte and the CSV export.

#include "base/IniFile.h"
#include "tests/support/FullDisk.h"
#include "tests/tools/ToolWindowFixture.h"
#include "tools/TfrmEditDic.h"
#include "ui/ShownText.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace qor;
using namespace qor::test;

namespace {

class EditDicWindowTest : public ToolWindowFixture {
protected:
    std::string verbs;

    void SetUp() override {
        verbs = dictionary("verbs.txt", {"run=走る*x", "eat=食べる*y", "go=行く*z", "see=見る*w",
                                         "swim=泳ぐ*v", "fly=飛ぶ*u", "sit=座る*珍しい"});
        IniFile ini(settings.setupIniPath());
        ini.write("Dictionary", "DicNum", "2");
        ini.write("Dictionary", "1", "verbs.txt");
        ini.write("Dictionary", "2", "noun.txt");
        ini.write("Dictionary Path", "verbs.txt", verbs);
        ASSERT_TRUE(ini.save());
        settings.files.DicInUse = verbs;
    }

    // The window opened on verbs.txt and loaded.
    std::unique_ptr<TfrmEditDic> loaded() {
        auto frm = std::make_unique<TfrmEditDic>(UserFiles(settings), settings.files, settings.look,
                                                 verbs);
        frm->FormShow();
        frm->cmdLoadClick();
        return frm;
    }

    static QTreeView* list(TfrmEditDic& frm) { return child<QTreeView>(frm, "lstData"); }
    static QString text(TfrmEditDic& frm, const char* name) {
        return child<QLineEdit>(frm, name)->text();
    }
    static void select(TfrmEditDic& frm, int row) {
        frm.lstDataClick(list(frm)->model()->index(row, 0));
    }
};

} // namespace

TEST_F(EditDicWindowTest, OpensOnTheDictionaryInUseWithoutLoadingIt) {
    TfrmEditDic frm(UserFiles(settings), settings.files, settings.look, verbs);
    frm.FormShow();
    EXPECT_EQ(frm.windowTitle(), q("辞書の編集"));
    auto* combo = child<QComboBox>(frm, "cboDicFile");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), q("noun.txt"));
    EXPECT_EQ(combo->currentText(), q("verbs.txt"));
    EXPECT_EQ(list(frm)->model()->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>(frm, "cmdSave")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(frm, "cmdFind")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(frm, "cmdNextFind")->isEnabled());
    EXPECT_TRUE(frm.statusText().isEmpty());
    EXPECT_EQ(child<QPushButton>(frm, "cmdLoad")->toolTip(),
              q("データの読み込み （少し時間がかかる場合があります）"));
    QMenu* saveMenu = child<QPushButton>(frm, "cmdSave")->menu();
    ASSERT_NE(saveMenu, nullptr);
    ASSERT_EQ(saveMenu->actions().size(), 2);
    EXPECT_EQ(saveMenu->actions()[0]->text(), q("上書き保存 (&U)"));
    EXPECT_EQ(saveMenu->actions()[1]->text(), q("CSV形式で保存 (&V)"));
    EXPECT_EQ(list(frm)->model()->headerData(3, Qt::Horizontal).toString(), q("コメント"));
}

TEST_F(EditDicWindowTest, LoadNumbersTheRowsAndEnablesSave) {
    auto frm = loaded();
    EXPECT_EQ(column(list(*frm), 0), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(column(list(*frm), 2)[1], q("食べる"));
    EXPECT_EQ(frm->statusText(), QStringLiteral(" >> ") + native(verbs));
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdSave")->isEnabled());
    EXPECT_EQ(frm->selectedRow(), -1);
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(EditDicWindowTest, ANameWithoutAStoredPathIsReportedAndLoadsNothing) {
    TfrmEditDic frm(UserFiles(settings), settings.files, settings.look, verbs);
    frm.FormShow();
    child<QComboBox>(frm, "cboDicFile")->setEditText(QStringLiteral("noun.txt"));
    platform.answerNotice();
    frm.cmdLoadClick();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(QStringLiteral("noun.txt\n")));
    EXPECT_EQ(platform.calls()[0].caption, q("エラー"));
    EXPECT_EQ(list(frm)->model()->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>(frm, "cmdSave")->isEnabled());
}

TEST_F(EditDicWindowTest, DeletingRowsTwoAndThreeAndSavingWritesTheRestByteForByte) {
    // Line 4 has no "=" and line 5 bytes that are not CP932: both go back unchanged.
    const std::string odd = "\x82=\xFF\xFE*" + sj("壊れた");
    spit(verbs,
         crlf({sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z"), sj("りんご*果物"), odd}));
    auto frm = loaded();
    EXPECT_EQ(column(list(*frm), 1)[3], QString());
    EXPECT_EQ(column(list(*frm), 2)[3], q("りんご"));
    select(*frm, 1);
    EXPECT_EQ(text(*frm, "txtEnglish"), QStringLiteral("eat"));
    EXPECT_EQ(text(*frm, "txtJapanese"), q("食べる"));
    EXPECT_EQ(text(*frm, "txtComment"), QStringLiteral("y"));
    child<QPushButton>(*frm, "cmdDelete")->click();
    EXPECT_EQ(frm->selectedRow(), -1);
    EXPECT_TRUE(text(*frm, "txtEnglish").isEmpty());
    select(*frm, 1);
    child<QPushButton>(*frm, "cmdDelete")->click();
    EXPECT_EQ(column(list(*frm), 0), (QStringList{"1", "4", "5"}));

    platform.answerMessage();
    child<QAction>(*frm, "cmdDicFormat")->trigger();
    EXPECT_EQ(platform.boxTexts(), QStringList{q("保存しました")});
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x"), sj("りんご*果物"), odd}));
    EXPECT_EQ(frm->statusText(), QStringLiteral(" >> ") + native(verbs));
}

TEST_F(EditDicWindowTest, RewriteChangesTheRowAndKeepsItsNumber) {
    auto frm = loaded();
    select(*frm, 2);
    child<QLineEdit>(*frm, "txtEnglish")->setText(QStringLiteral("go,walk"));
    child<QLineEdit>(*frm, "txtComment")->setText(QString());
    child<QPushButton>(*frm, "cmdChange")->click();
    EXPECT_EQ(column(list(*frm), 0)[2], QStringLiteral("3"));
    EXPECT_EQ(column(list(*frm), 1)[2], QStringLiteral("go,walk"));
    EXPECT_EQ(frm->edit().rows().at(2).line, sj("go,walk=行く*"));
    // Nothing is written before "上書き保存".
    EXPECT_EQ(slurp(verbs).find("walk"), std::string::npos);

    // A character Shift-JIS cannot hold is refused, the row stays.
    child<QLineEdit>(*frm, "txtEnglish")->setText(QString::fromUtf8("go😀"));
    platform.answerNotice();
    child<QPushButton>(*frm, "cmdChange")->click();
    EXPECT_EQ(frm->edit().rows().at(2).line, sj("go,walk=行く*"));
}

TEST_F(EditDicWindowTest, RewriteAndDeleteWithoutASelectedRowSaySo) {
    auto frm = loaded();
    platform.answerMessage().answerMessage();
    child<QPushButton>(*frm, "cmdChange")->click();
    child<QPushButton>(*frm, "cmdDelete")->click();
    EXPECT_EQ(platform.boxTexts(), (QStringList{q("選択されていません"), q("選択されていません")}));
    EXPECT_EQ(list(*frm)->model()->rowCount(), 7);
}

TEST_F(EditDicWindowTest, FindSelectsTheRowOfACommentAndFindNextAfterTheLastKeepsIt) {
    auto frm = loaded();
    auto* find = child<QLineEdit>(*frm, "txtFindString");
    find->setText(q("珍しい"));
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdFind")->isEnabled());
    child<QPushButton>(*frm, "cmdFind")->click();
    EXPECT_EQ(frm->selectedRow(), 6);
    EXPECT_EQ(list(*frm)->currentIndex().row(), 6);
    EXPECT_EQ(text(*frm, "txtEnglish"), QStringLiteral("sit"));
    ASSERT_TRUE(child<QPushButton>(*frm, "cmdNextFind")->isEnabled());

    platform.answerMessage();
    child<QPushButton>(*frm, "cmdNextFind")->click();
    EXPECT_EQ(platform.boxTexts(), QStringList{q("見つけることが出来ませんでした")});
    EXPECT_EQ(frm->selectedRow(), 6);
    EXPECT_EQ(list(*frm)->currentIndex().row(), 6);
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdNextFind")->isEnabled());

    // Find next goes on after the row found last, in the list as edited.
    find->setText(QStringLiteral("="));
    child<QPushButton>(*frm, "cmdFind")->click();
    EXPECT_EQ(frm->selectedRow(), 0);
    child<QPushButton>(*frm, "cmdNextFind")->click();
    EXPECT_EQ(frm->selectedRow(), 1);

    // A text found nowhere: the message, and find next is disabled.
    find->setText(QStringLiteral("nowhere"));
    platform.answerMessage();
    child<QPushButton>(*frm, "cmdFind")->click();
    EXPECT_FALSE(child<QPushButton>(*frm, "cmdNextFind")->isEnabled());
    find->clear();
    EXPECT_FALSE(child<QPushButton>(*frm, "cmdFind")->isEnabled());
}

TEST_F(EditDicWindowTest, CsvWithATwoCharacterSeparatorIsAppended) {
    spit(verbs, crlf({sj("run=走る*x"), sj("りんご*果物")}));
    auto frm = loaded();
    const std::string out = dir.file("out.txt");
    spit(out, "before\r\n");
    platform.answerInput(QStringLiteral("; ")).answerSaveFile(native(out)).answerMessage();
    child<QAction>(*frm, "cmdCsvFormat")->trigger();
    EXPECT_EQ(slurp(out), crlf({"before", sj("run; 走る; x"), sj("; りんご; 果物")}));
    EXPECT_EQ(platform.boxTexts(), QStringList{q("保存しました")});
    EXPECT_EQ(platform.callsOf(PlatformCall::SaveFile).at(0).saveMode, ui::SaveMode::Append);
    auto inputs = platform.callsOf(PlatformCall::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, q("区切り文字の指定"));
    EXPECT_EQ(inputs[0].text, q("区切りに使用する記号を指定します"));

    // Cancel in the separator box keeps ","; cancel in the save dialog ends the command.
    platform.clearCalls();
    platform.answerInput(std::nullopt).answerSaveFile(native(out)).answerMessage();
    child<QAction>(*frm, "cmdCsvFormat")->trigger();
    EXPECT_EQ(slurp(out), crlf({"before", sj("run; 走る; x"), sj("; りんご; 果物"),
                                sj("run,走る,x"), sj(",りんご,果物")}));
    platform.answerInput(QStringLiteral(",")).answerSaveFile(QString());
    child<QAction>(*frm, "cmdCsvFormat")->trigger();
    EXPECT_EQ(platform.boxTexts().size(), 1);
}

TEST_F(EditDicWindowTest, AFailedSaveKeepsTheOldFileAndTellsTheLearner) {
    auto frm = loaded();
    const std::string before = slurp(verbs);
    select(*frm, 0);
    child<QPushButton>(*frm, "cmdDelete")->click();
    platform.answerNotice();
    {
        FullDisk disk(8);
        child<QAction>(*frm, "cmdDicFormat")->trigger();
    }
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(
        platform.boxTexts()[0].startsWith(q("ファイルを開くことができませんでした。\n指定したファイ"
                                            "ルが存在するか確かめて、再度｢保存｣を押してください")));
    EXPECT_TRUE(platform.boxTexts()[0].contains(native(verbs)));
    EXPECT_EQ(platform.calls()[0].caption, q("エラー"));
    EXPECT_EQ(slurp(verbs), before);
    EXPECT_EQ(list(*frm)->model()->rowCount(), 6);

    // A CSV target that is a folder: the same message, nothing written.
    platform.answerInput(QStringLiteral(",")).answerSaveFile(QString::fromStdString(dir.path()));
    platform.answerNotice();
    child<QAction>(*frm, "cmdCsvFormat")->trigger();
    EXPECT_EQ(platform.boxTexts().size(), 2);
}

TEST_F(EditDicWindowTest, ChoosingOrDroppingAFileRemembersItWithoutLoading) {
    const std::string adj = dictionary("adj.txt", {"big=大きい*x"});
    TfrmEditDic frm(UserFiles(settings), settings.files, settings.look, verbs);
    frm.FormShow();
    platform.answerOpenFile(native(adj));
    child<QPushButton>(frm, "cmdSelectDic")->click();
    EXPECT_EQ(child<QComboBox>(frm, "cboDicFile")->currentText(), QStringLiteral("adj.txt"));
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("Dictionary Path", "adj.txt", ""), adj);
    EXPECT_EQ(list(frm)->model()->rowCount(), 0);
    auto opens = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_EQ(opens[0].caption, q("辞書ファイル (*.txt)|*.txt"));
    frm.cmdLoadClick();
    EXPECT_EQ(column(list(frm), 1), QStringList{QStringLiteral("big")});

    const std::string other = dictionary("other.txt", {"a=b*c"});
    frm.FormDropFiles({QUrl::fromLocalFile(native(other)), QUrl::fromLocalFile(native(verbs))});
    EXPECT_EQ(child<QComboBox>(frm, "cboDicFile")->currentText(), QStringLiteral("other.txt"));
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("Dictionary Path", "other.txt", ""), other);
    EXPECT_EQ(column(list(frm), 1), QStringList{QStringLiteral("big")});
}

TEST_F(EditDicWindowTest, TheDefaultDictionaryInUseLoadsBeforeItWasEverChosen) {
    const std::string noun = dictionary("noun.txt", {"dog=犬*x"});
    TfrmEditDic frm(UserFiles(settings), settings.files, settings.look, noun);
    frm.FormShow();
    frm.cmdLoadClick();
    EXPECT_EQ(column(list(frm), 1), QStringList{QStringLiteral("dog")});
}

TEST_F(EditDicWindowTest, AMouseClickOnARowSelectsItAndShowsItsParts) {
    auto frm = loaded();
    frm->show();
    QTreeView* view = list(*frm);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(3, 1)).center());
    EXPECT_EQ(frm->selectedRow(), 3);
    EXPECT_EQ(text(*frm, "txtJapanese"), q("見る"));
    // The keyboard moves the selection the same way.
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(frm->selectedRow(), 4);
    EXPECT_EQ(text(*frm, "txtEnglish"), QStringLiteral("swim"));
}

TEST_F(EditDicWindowTest, ALongEntryIsCutInTheListAndGoesBackWholeWhenRewritten) {
    const std::string word(1000000, 'a');
    spit(verbs, crlf({word + "=" + sj("長い") + "*" + word, sj("eat=食べる*y")}));
    auto frm = loaded();
    const QModelIndex english = list(*frm)->model()->index(0, 1);
    EXPECT_LE(english.data().toString().size(), ui::kShownTextMax);
    EXPECT_LE(list(*frm)->model()->index(0, 3).data().toString().size(), ui::kShownTextMax);
    EXPECT_TRUE(english.data(Qt::ToolTipRole).toString().contains(QStringLiteral("1000000")));
    // The fields being edited hold every letter, and a change keeps them.
    select(*frm, 0);
    EXPECT_EQ(text(*frm, "txtEnglish").size(), 1000000);
    EXPECT_EQ(text(*frm, "txtComment").size(), 1000000);
    child<QLineEdit>(*frm, "txtJapanese")->setText(q("とても長い"));
    child<QPushButton>(*frm, "cmdChange")->click();
    EXPECT_EQ(frm->edit().rows().at(0).line, word + "=" + sj("とても長い") + "*" + word);
}
