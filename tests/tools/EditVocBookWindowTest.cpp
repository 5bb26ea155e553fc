// "単語帳の編集": the commands, their numbering, undo, the saves and the close question.

#include "tests/support/FullDisk.h"
#include "tests/tools/ToolWindowFixture.h"
#include "tools/TfrmEditVocBook.h"
#include "ui/ShownText.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace qor;
using namespace qor::test;

namespace {

class EditVocBookWindowTest : public ToolWindowFixture {
protected:
    std::string book;
    std::unique_ptr<TfrmEditVocBook> frm;

    void SetUp() override {
        book = dictionary("book.txt",
                          {"run=走る*x", "eat=食べる*y", "go=行く*z", "see=見る*w", "swim=泳ぐ*v"});
        settings.files.VocBookOn = true;
        settings.files.VocBook = book;
        frm = std::make_unique<TfrmEditVocBook>(UserFiles(settings), settings.files, settings.look);
        ASSERT_TRUE(frm->FormShow());
    }

    QTreeView* list() { return child<QTreeView>(*frm, "lstData"); }
    void select(int row) { frm->lstDataClick(list()->model()->index(row, 0)); }
    void type(const char* english, const char* japanese, const char* comment) {
        child<QLineEdit>(*frm, "txtEnglish")->setText(q(english));
        child<QLineEdit>(*frm, "txtJapanese")->setText(q(japanese));
        child<QLineEdit>(*frm, "txtComment")->setText(q(comment));
    }
    bool enabled(const char* name) {
        if (auto* a = frm->findChild<QAction*>(QString::fromLatin1(name))) return a->isEnabled();
        return child<QWidget>(*frm, name)->isEnabled();
    }
    void trigger(const char* name) { child<QAction>(*frm, name)->trigger(); }
    void click(const char* name) { child<QAbstractButton>(*frm, name)->click(); }
};

} // namespace

TEST_F(EditVocBookWindowTest, OpensWithTheBookAndOnlyTheCommandsThatNeedNoRow) {
    EXPECT_EQ(frm->windowTitle(), q("単語帳の編集"));
    EXPECT_EQ(column(list(), 0), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(column(list(), 3)[2], QStringLiteral("z"));
    EXPECT_EQ(frm->statusText(), QStringLiteral(" >> ") + native(book));
    for (const char* off : {"spnMoveData", "cmdChange", "cmdDelete", "cmdUndo"})
        EXPECT_FALSE(enabled(off)) << off;
    for (const char* on : {"cmdSave", "cmdSaveAs", "cmdAdd"})
        EXPECT_TRUE(enabled(on)) << on;
    EXPECT_EQ(child<QToolButton>(*frm, "cmdDelete")->menu()->actions()[0]->text(),
              q("すべて削除 (&N)"));
    QStringList saveEntries;
    for (QAction* a : child<QPushButton>(*frm, "cmdSaveMenu")->menu()->actions())
        saveEntries << a->text();
    EXPECT_EQ(saveEntries,
              (QStringList{q("上書き保存 (&S)"), q("別名で保存 (&E)"), q("CSV形式で保存 (&V)")}));

    select(1);
    EXPECT_EQ(child<QLineEdit>(*frm, "txtJapanese")->text(), q("食べる"));
    for (const char* on : {"spnMoveData", "cmdChange", "cmdDelete"})
        EXPECT_TRUE(enabled(on)) << on;
}

TEST_F(EditVocBookWindowTest, DeletingRowTwoOfFiveAndAddingShowsOneThreeFourFiveFive) {
    select(1);
    click("cmdDelete");
    EXPECT_FALSE(enabled("cmdDelete"));
    EXPECT_TRUE(enabled("cmdUndo"));
    EXPECT_TRUE(child<QLineEdit>(*frm, "txtEnglish")->text().isEmpty());
    type("fly", "飛ぶ", "");
    click("cmdAdd");
    EXPECT_EQ(column(list(), 0), (QStringList{"1", "3", "4", "5", "5"}));
    EXPECT_EQ(column(list(), 1)[4], QStringLiteral("fly"));

    ASSERT_TRUE(frm->cmdSaveClick());
    EXPECT_FALSE(enabled("cmdSave"));
    EXPECT_EQ(slurp(book), crlf({sj("run=走る*x"), sj("go=行く*z"), sj("see=見る*w"),
                                 sj("swim=泳ぐ*v"), sj("fly=飛ぶ*")}));
    // Saved: closing asks nothing.
    click("cmdClose");
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(EditVocBookWindowTest, MovingUpOnTheFirstRowChangesNothingAndDownCarriesTheSelection) {
    select(0);
    click("spnMoveDataUp");
    EXPECT_EQ(column(list(), 1), (QStringList{"run", "eat", "go", "see", "swim"}));
    EXPECT_FALSE(frm->book().modified());
    click("spnMoveDataDown");
    EXPECT_EQ(column(list(), 1), (QStringList{"eat", "run", "go", "see", "swim"}));
    EXPECT_EQ(column(list(), 0), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(frm->selectedRow(), 1);
    EXPECT_EQ(list()->currentIndex().row(), 1);
    // A new order is a change: it can be saved and closing asks.
    EXPECT_TRUE(frm->book().modified());
    ASSERT_TRUE(frm->cmdSaveClick());
    EXPECT_EQ(slurp(book).substr(0, 12), sj("eat=食べる*y"));
}

TEST_F(EditVocBookWindowTest, UndoRestoresTheOpeningListAndClosingStillAsks) {
    select(0);
    type("sprint", "走る", "");
    click("cmdChange");
    EXPECT_EQ(column(list(), 1)[0], QStringLiteral("sprint"));
    select(3);
    click("cmdDelete");
    click("cmdUndo");
    EXPECT_EQ(column(list(), 1), (QStringList{"run", "eat", "go", "see", "swim"}));
    EXPECT_EQ(column(list(), 0), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_FALSE(enabled("cmdUndo"));
    EXPECT_FALSE(enabled("cmdChange"));
    EXPECT_EQ(frm->statusText(), QStringLiteral(" >> ") + native(book));

    const std::string before = slurp(book);
    platform.answerNotice(ui::Button::No);
    click("cmdClose");
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, q("book.txtの内容は変更されています。\n保存しますか？"));
    EXPECT_EQ(notices[0].caption, q("確認"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeQuestion);
    EXPECT_EQ(slurp(book), before);
}

TEST_F(EditVocBookWindowTest, DeleteAllAndSaveEmptiesTheBook) {
    select(0);
    trigger("cmdClear");
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_TRUE(enabled("cmdSave"));
    EXPECT_TRUE(enabled("cmdUndo"));
    platform.answerNotice(ui::Button::Yes);
    click("cmdClose");
    EXPECT_TRUE(test::exists(book));
    EXPECT_EQ(slurp(book), "");
    EXPECT_EQ(frm->result(), QDialog::Accepted);
}

TEST_F(EditVocBookWindowTest, SaveAsAppendsAfterTheOldLinesAndCsvUsesTheSeparator) {
    const std::string other = dictionary("other.txt", {"old=古い*x"});
    platform.answerSaveFile(native(other));
    trigger("cmdSaveAs");
    EXPECT_EQ(slurp(other), crlf({sj("old=古い*x"), sj("run=走る*x"), sj("eat=食べる*y"),
                                  sj("go=行く*z"), sj("see=見る*w"), sj("swim=泳ぐ*v")}));
    auto saves = platform.callsOf(PlatformCall::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].caption, q("単語帳ファイル (*.txt)|*.txt"));
    EXPECT_EQ(saves[0].saveMode, ui::SaveMode::Append);

    select(0);
    type("run", "走る;駆ける", "x");
    click("cmdChange");
    const std::string csv = dir.file("book csv.txt");
    platform.answerInput(QStringLiteral(";")).answerSaveFile(native(csv)).answerMessage();
    trigger("cmdCsv");
    EXPECT_EQ(slurp(csv), crlf({sj("run;走る;駆ける;x"), sj("eat;食べる;y"), sj("go;行く;z"),
                                sj("see;見る;w"), sj("swim;泳ぐ;v")}));
    EXPECT_EQ(platform.boxTexts(), QStringList{q("保存しました")});
    EXPECT_EQ(frm->statusText(), QStringLiteral(" >> ") + native(book));
}

TEST_F(EditVocBookWindowTest, AFailedSaveKeepsTheOldBookAndTheWindowOpen) {
    const std::string before = slurp(book);
    select(0);
    click("cmdDelete");
    platform.answerNotice(ui::Button::Yes).answerNotice();
    {
        FullDisk disk(5);
        click("cmdClose");
    }
    ASSERT_EQ(platform.boxTexts().size(), 2);
    EXPECT_TRUE(platform.boxTexts()[1].startsWith(q("保存に失敗しました\n\n") + native(book)));
    // The reason in Japanese, from the one table of reasons.
    EXPECT_TRUE(platform.boxTexts()[1].endsWith(q("\nディスクの空き容量が足りません")));
    EXPECT_EQ(platform.calls()[1].caption, q("エラー"));
    EXPECT_EQ(slurp(book), before);
    EXPECT_NE(frm->result(), QDialog::Accepted);
    EXPECT_TRUE(frm->book().modified());
    EXPECT_TRUE(enabled("cmdSave"));

    // Save as onto a folder fails the same way and writes nothing.
    platform.answerSaveFile(QString::fromStdString(dir.path())).answerNotice();
    trigger("cmdSaveAs");
    EXPECT_TRUE(platform.boxTexts().last().startsWith(q("保存に失敗しました")));
}

TEST_F(EditVocBookWindowTest, ABookNotMadeYetOpensEmptyAndOneThatCannotBeReadIsReported) {
    settings.files.VocBook = dir.file("new book.txt");
    TfrmEditVocBook fresh(UserFiles(settings), settings.files, settings.look);
    EXPECT_TRUE(fresh.FormShow());
    EXPECT_EQ(child<QTreeView>(fresh, "lstData")->model()->rowCount(), 0);

    settings.files.VocBook = dir.path();
    TfrmEditVocBook folder(UserFiles(settings), settings.files, settings.look);
    platform.answerNotice();
    folder.show();
    QApplication::processEvents();
    EXPECT_FALSE(folder.isVisible());
    EXPECT_EQ(platform.calls().back().caption, q("エラー"));
}

TEST_F(EditVocBookWindowTest, ALongEntryIsCutInTheListAndGoesBackWholeWhenRewritten) {
    const std::string word(1000000, 'b');
    spit(book, crlf({word + "=" + sj("長い") + "*x", sj("eat=食べる*y")}));
    frm = std::make_unique<TfrmEditVocBook>(UserFiles(settings), settings.files, settings.look);
    ASSERT_TRUE(frm->FormShow());
    EXPECT_LE(list()->model()->index(0, 1).data().toString().size(), ui::kShownTextMax);
    select(0);
    EXPECT_EQ(child<QLineEdit>(*frm, "txtEnglish")->text().size(), 1000000);
    child<QLineEdit>(*frm, "txtComment")->setText(QStringLiteral("z"));
    click("cmdChange");
    trigger("cmdSave");
    EXPECT_EQ(slurp(book), crlf({word + "=" + sj("長い") + "*z", sj("eat=食べる*y")}));
}

TEST_F(EditVocBookWindowTest, OpensWithNoRowChosenAlsoWhenTheListHasTheFocus) {
    // Opened as the program opens it: shown, active, the list first in the focus chain.
    frm = std::make_unique<TfrmEditVocBook>(UserFiles(settings), settings.files, settings.look);
    frm->show();
    QApplication::setActiveWindow(frm.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    list()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(list()->hasFocus());

    EXPECT_TRUE(list()->selectionModel()->selectedRows().isEmpty());
    for (const char* field : {"txtEnglish", "txtJapanese", "txtComment"})
        EXPECT_TRUE(child<QLineEdit>(*frm, field)->text().isEmpty()) << field;
    for (const char* off : {"spnMoveDataUp", "spnMoveDataDown", "cmdChange", "cmdDelete", "cmdUndo"})
        EXPECT_FALSE(child<QWidget>(*frm, off)->isEnabled()) << off;
    click("cmdDelete");
    EXPECT_EQ(list()->model()->rowCount(), 5);

    // A row chosen with the keys is chosen as by a click.
    QTest::keyClick(list(), Qt::Key_Down);
    ASSERT_EQ(list()->selectionModel()->selectedRows().size(), 1);
    const int row = list()->selectionModel()->selectedRows().first().row();
    const char* english[] = {"run", "eat", "go", "see", "swim"};
    EXPECT_EQ(child<QLineEdit>(*frm, "txtEnglish")->text(), q(english[row]));
    for (const char* on : {"spnMoveDataUp", "cmdChange", "cmdDelete"})
        EXPECT_TRUE(child<QWidget>(*frm, on)->isEnabled()) << on;
    frm->hide();
}
