// The dictionary tools from the main window: the windows its commands open, the CSV
// export of the dictionary in use, and the vocabulary book's menu and deletion.

#include "quiz/Drill.h"
#include "tests/app/ShellFixture.h"
#include "tools/TfrmEditDic.h"
#include "tools/TfrmEditVocBook.h"
#include "tools/TfrmImport.h"
#include "tools/TfrmMakeDic.h"
#include "tools/TfrmNewText.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace qor;
using qor::test::crlf;
using qor::test::PlatformCall;
using qor::test::slurp;

namespace {

class MainWindowToolsTest : public test::DrillWindowFixture {
protected:
    static QString native(const std::string& path) { return QString::fromStdString(path); }
};

} // namespace

TEST_F(MainWindowToolsTest, TheDictionaryMenuOpensTheMakerOnEitherTabAndTheEditor) {
    startMain(0, {});
    const QStringList menu = [&] {
        QStringList out;
        for (QAction* a : ctl<QToolButton>(*main, "cmdDictionary")->menu()->actions())
            out << a->text();
        return out;
    }();
    EXPECT_EQ(menu, (QStringList{q("辞書の作成"), q("辞書の編集"), q("発音記号の追加"),
                                 q("CSV形式で保存 (&C)"), q("インポート (&I)...")}));

    platform.answerModal([](QDialog& d) {
        auto& maker = dynamic_cast<TfrmMakeDic&>(d);
        EXPECT_EQ(maker.findChild<QTabWidget*>(QStringLiteral("pcMakeDic"))->currentIndex(), 0);
        return QDialog::Rejected;
    });
    ctl<QAction>(*main, "actMakeDic")->trigger();
    platform.answerModal([](QDialog& d) {
        auto& maker = dynamic_cast<TfrmMakeDic&>(d);
        EXPECT_EQ(maker.findChild<QTabWidget*>(QStringLiteral("pcMakeDic"))->currentIndex(), 1);
        EXPECT_TRUE(maker.findChild<QCheckBox*>(QStringLiteral("chkThisTabOnly"))->isChecked());
        return QDialog::Rejected;
    });
    ctl<QAction>(*main, "actMakePron")->trigger();
    platform.answerModal([](QDialog& d) {
        auto& editor = dynamic_cast<TfrmEditDic&>(d);
        EXPECT_EQ(editor.findChild<QComboBox*>(QStringLiteral("cboDicFile"))->currentText(),
                  QStringLiteral("verbs.txt"));
        return QDialog::Rejected;
    });
    ctl<QAction>(*main, "actEditDic")->trigger();
    platform.answerModal([](QDialog& d) {
        EXPECT_NE(dynamic_cast<TfrmNewText*>(&d), nullptr);
        return QDialog::Rejected;
    });
    ctl<QAction>(*main, "actNewText")->trigger();
    auto modals = platform.callsOf(PlatformCall::Modal);
    ASSERT_EQ(modals.size(), 4u);
    EXPECT_EQ(modals[0].caption, q("辞書の作成 / 発音記号の追加"));
    EXPECT_EQ(modals[2].caption, q("辞書の編集"));
    EXPECT_EQ(modals[3].caption, q("テキストファイルの新規作成"));
}

TEST_F(MainWindowToolsTest, ADefaultDictionaryChosenInTheMakerIsTheOneInUseAfterwards) {
    startMain(0, {});
    platform.answerModal([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("rgDicType_1"))->click();
        return QDialog::Accepted;
    });
    ctl<QAction>(*main, "actMakeDic")->trigger();
    EXPECT_EQ(main->settings().files.DicInUse, dir.folder() + "dictionary/verb.txt");
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("verb.txt"));
    EXPECT_TRUE(main->statusPanelText(0).endsWith(QStringLiteral("verb.txt")));
}

TEST_F(MainWindowToolsTest, CsvExportAppendsEveryLineOfTheDictionaryInUse) {
    startMain(0, {});
    const std::string out = dir.file("verbs csv.txt");
    platform.answerInput(QStringLiteral("; ")).answerSaveFile(native(out));
    ctl<QAction>(*main, "actCsvFormat")->trigger();
    EXPECT_EQ(slurp(out), crlf({sj("run; 走る; x"), sj("eat; 食べる; y"), sj("go; 行く; z"),
                                sj("see; 見る; w"), sj("swim; 泳ぐ; v")}));
    // No message at the end.
    EXPECT_TRUE(platform.boxTexts().isEmpty());
    auto saves = platform.callsOf(PlatformCall::SaveFile);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].caption, q("テキストファイル (*.txt)|*.txt"));
    EXPECT_EQ(saves[0].saveMode, ui::SaveMode::Append);

    // A target that cannot be opened is told, and nothing is written.
    platform.answerInput(QStringLiteral(",")).answerSaveFile(native(dir.path()));
    platform.answerNotice();
    ctl<QAction>(*main, "actCsvFormat")->trigger();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("ファイルを開くことができませんでした。")));
    EXPECT_EQ(platform.calls().back().caption, q("エラー"));
}

TEST_F(MainWindowToolsTest, TheVocabularyBookMenuEditsAndDeletesIntoTheTrash) {
    const std::string book = dir.file("book.txt");
    test::spit(book, crlf({sj("run=走る*x")}));
    startMain(0, {"VocBookOn=1"});
    // The book's path comes from [File Path]; set it as the settings dialog would.
    main->settings().files.VocBook = book;
    ASSERT_TRUE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());
    QStringList entries;
    for (QAction* a : ctl<QMenu>(*main, "mnuVocBook")->actions())
        entries << a->text();
    EXPECT_EQ(entries, (QStringList{q("単語帳の編集 (&D)"), q("単語帳の削除 (&C)")}));

    platform.answerModal([](QDialog& d) {
        auto& editor = dynamic_cast<TfrmEditVocBook&>(d);
        EXPECT_EQ(editor.book().rows().size(), 1);
        return QDialog::Rejected;
    });
    ctl<QAction>(*main, "actEditVocBook")->trigger();
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).at(0).caption, q("単語帳の編集"));

    // Deleting asks nothing and moves the book to the trash, where it can be found again.
    makeFolder(dir.file("trash"));
    platform.setTrashFolder(native(dir.file("trash")));
    ctl<QAction>(*main, "actDeleteVocBook")->trigger();
    EXPECT_FALSE(test::exists(book));
    EXPECT_EQ(slurp(dir.file("trash/book.txt")), crlf({sj("run=走る*x")}));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
    EXPECT_FALSE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());
    EXPECT_FALSE(ctl<QAction>(*main, "actAddVocBook")->isEnabled());
    EXPECT_FALSE(main->settings().files.VocBookOn);
    EXPECT_TRUE(main->settings().files.VocBook.empty());
}

TEST_F(MainWindowToolsTest, ABookThatCannotBeDeletedIsToldAndStaysInUse) {
    startMain(0, {"VocBookOn=1"});
    main->settings().files.VocBook = dir.path(); // a folder in the book's place
    platform.answerNotice();
    ctl<QAction>(*main, "actDeleteVocBook")->trigger();
    EXPECT_EQ(platform.calls().back().caption, q("エラー"));
    EXPECT_TRUE(ctl<QMenu>(*main, "mnuVocBook")->menuAction()->isEnabled());
    EXPECT_TRUE(main->settings().files.VocBookOn);
    EXPECT_TRUE(QDir(native(dir.path())).exists());
}

TEST_F(MainWindowToolsTest, TheToolsThatChangeADictionaryWaitWhileADrillRuns) {
    startMain(0, {});
    ctl<QAction>(*main, "actOk")->trigger();
    for (QAction* a : {ctl<QAction>(*main, "actMakeDic"), ctl<QAction>(*main, "actEditDic"), ctl<QAction>(*main, "actMakePron"), ctl<QAction>(*main, "actImport")})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(ctl<QAction>(*main, "actCsvFormat")->isEnabled());
    ctl<QAction>(*main, "actStop")->trigger();
    for (QAction* a : {ctl<QAction>(*main, "actMakeDic"), ctl<QAction>(*main, "actEditDic"), ctl<QAction>(*main, "actMakePron"), ctl<QAction>(*main, "actImport")})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(MainWindowToolsTest, AnImportedWordListBecomesTheDictionaryInUseAndDrills) {
    startMain(0, {});
    const std::string list = dir.file("fruit.csv");
    writeLines(list, {"apple,りんご", "pear,梨", "peach,桃"});  // UTF-8, as spreadsheets save it
    platform.answerModal([&](QDialog& d) {
        auto& import = dynamic_cast<TfrmImport&>(d);
        import.findChild<QLineEdit*>(QStringLiteral("txtFolder"))->setText(native(dir.path()));
        EXPECT_TRUE(import.openFile(native(list)));
        platform.answerNotice(ui::Button::Yes);
        import.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
        return import.result();
    });
    ctl<QAction>(*main, "actImport")->trigger();
    EXPECT_EQ(main->settings().files.DicInUse, dir.file("fruit.txt"));
    EXPECT_EQ(slurp(dir.file("fruit.txt")), crlf({sj("apple=りんご*コメントはありません"),
                                                  sj("pear=梨*コメントはありません"),
                                                  sj("peach=桃*コメントはありません")}));
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("fruit.txt"));
    EXPECT_TRUE(main->statusPanelText(0).endsWith(QStringLiteral("fruit.txt")));
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).back().caption, q("インポート"));
    ctl<QAction>(*main, "actOk")->trigger();
    EXPECT_TRUE(main->drill().running());
}
