// "単語の検索" and "検索結果": choosing the dictionary, the search and its statuses, the
// rows with their comments and signs, playing, and the vocabulary book.

#include "base/IniFile.h"
#include "tests/tools/FindFixture.h"
#include "tools/TfrmAddVoc.h"
#include "tools/TfrmFind.h"
#include "tools/TfrmFindResult.h"
#include "ui/ShownText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

#include <cstdio>
#include <memory>

using namespace qor;
using namespace qor::test;

namespace {

class FindWindowTest : public FindFixture {
protected:
    // The search window as the main window opens it (shown, so FormShow has run).
    std::unique_ptr<TfrmFind> open() {
        auto frm = std::make_unique<TfrmFind>(UserFiles(settings), settings.sound, settings.files,
                                              settings.look, settings.dicTypes);
        frm->show();
        return frm;
    }

    static void search(TfrmFind& frm, const QString& text) {
        child<QLineEdit>(frm, "txtFindString")->setText(text);
        click(frm, "cmdFind");
    }

    static QStringList column(TfrmFindResult& w, int c) {
        auto* list = child<QTreeView>(w, "lstResult");
        QStringList out;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            out << list->model()->index(r, c).data().toString();
        return out;
    }
    static void clickRow(TfrmFindResult& w, int row) {
        auto* list = child<QTreeView>(w, "lstResult");
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    static QString text(QWidget& w, const char* name) {
        if (auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(name)))
            return e->text();
        if (auto* m = w.findChild<QPlainTextEdit*>(QString::fromLatin1(name)))
            return m->toPlainText();
        if (auto* l = w.findChild<QLabel*>(QString::fromLatin1(name)))
            return l->text();
        ADD_FAILURE() << name;
        return {};
    }

    // Answers the next modal window with the result window, running `check` on it.
    void expectResults(std::function<void(TfrmFindResult&)> check) {
        platform.answerModal([check](QDialog& d) {
            auto* w = dynamic_cast<TfrmFindResult*>(&d);
            EXPECT_TRUE(w);
            if (w)
                check(*w);
            return QDialog::Accepted;
        });
    }

    void writeSetup(std::initializer_list<std::string_view> lines) {
        spit(settings.setupIniPath(), crlf(lines));
    }
};

TEST_F(FindWindowTest, AGapInTheListOfDictionariesIsNoName) {
    writeSetup({"[Dictionary]", "DicNum=3", "1=noun.txt", "3=mine.txt"});
    auto frm = open();
    auto* combo = child<QComboBox>(*frm, "cboDicFile");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), q("noun.txt"));
    EXPECT_EQ(combo->itemText(1), q("mine.txt"));
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), q("verb.txt"));
}

TEST_F(FindWindowTest, OpeningShowsTheDictionaryInUseTheListAndTheStoredSwitches) {
    writeSetup({"[Dictionary]", "DicNum=2", "1=noun.txt", "2=mine.txt", "[Find]", "AddDicOn=1",
                "ByHead=0"});
    auto frm = open();
    EXPECT_EQ(frm->windowTitle(), q("単語の検索"));
    EXPECT_EQ(child<QLabel>(*frm, "lblBanner")->text(), q("ここでは、単語を辞書から検索します"));
    auto* group = child<QGroupBox>(*frm, "rgDicType");
    EXPECT_EQ(group->title(), q("単語の種類"));
    QStringList captions;
    for (int i = 0; i < 4; ++i)
        captions << child<QRadioButton>(*frm, ("rgDicType_" + std::to_string(i)).c_str())->text();
    EXPECT_EQ(captions, (QStringList{q("名詞"), q("動詞"), q("形容詞・副詞"), q("その他")}));
    // verb.txt is the second default dictionary.
    EXPECT_TRUE(child<QRadioButton>(*frm, "rgDicType_1")->isChecked());

    auto* combo = child<QComboBox>(*frm, "cboDicFile");
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), q("noun.txt"));
    EXPECT_EQ(combo->itemText(1), q("mine.txt"));
    EXPECT_EQ(combo->currentText(), q("verb.txt"));
    EXPECT_EQ(frm->dictionaryPath(), dic);

    EXPECT_TRUE(child<QCheckBox>(*frm, "chkAddDicOn")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*frm, "chkByHead")->isChecked());
    EXPECT_TRUE(child<QLineEdit>(*frm, "txtFindString")->text().isEmpty());
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdFind")->isDefault());
    EXPECT_EQ(child<QPushButton>(*frm, "cmdFind")->text(), q("検索 (&F)"));
    EXPECT_EQ(child<QPushButton>(*frm, "cmdClose")->text(), q("閉じる (&C)"));
    EXPECT_EQ(child<QPushButton>(*frm, "cmdSelectDicFile")->text(), q("辞書の選択 (&S)"));
    EXPECT_FALSE(child<QProgressBar>(*frm, "cgFinding")->accessibleName().isEmpty());
    ASSERT_TRUE(frm->resultWindow());
    EXPECT_EQ(frm->resultWindow()->windowTitle(), q("検索結果"));

    // A dictionary that is none of the four selects no type.
    settings.files.DicInUse = dir.file("mine.txt");
    auto other = open();
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(child<QRadioButton>(*other, ("rgDicType_" + std::to_string(i)).c_str())->isChecked());
    EXPECT_EQ(child<QComboBox>(*other, "cboDicFile")->currentText(), q("mine.txt"));
}

TEST_F(FindWindowTest, AnEmptyTextOrOneThatShiftJisCannotHoldIsNotSearched) {
    settings.sound.VoiceOn = true;
    auto frm = open();
    platform.answerMessage();
    search(*frm, QString());
    EXPECT_EQ(platform.boxTexts(), QStringList{q("検索する単語が記入されていません")});

    platform.answerNotice();
    search(*frm, q("run😀"));
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_TRUE(platform.callsOf(PlatformCall::Notice)[0].text.contains(q("😀")));
    // Nothing was searched: no companion command, no window.
    EXPECT_TRUE(platform.companionTexts().isEmpty());
    EXPECT_TRUE(platform.callsOf(PlatformCall::Modal).empty());
    EXPECT_EQ(child<QLineEdit>(*frm, "txtFindString")->text(), q("run😀"));
}

TEST_F(FindWindowTest, HitsAreShownWithTheirCountCommentsAndSigns) {
    settings.sound.VoiceOn = true;
    auto frm = open();
    expectResults([&](TfrmFindResult& w) {
        EXPECT_EQ(text(w, "pnlResult"), q("run の検索結果の表示"));
        EXPECT_EQ(text(w, "lblResult"), q("3個、見つかりました"));
        auto* list = child<QTreeView>(w, "lstResult");
        EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), q("英語"));
        EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), q("日本語"));
        EXPECT_EQ(list->model()->columnCount(), 2);
        EXPECT_EQ(column(w, 0), (QStringList{q("run"), q("rerun"), q("run out")}));
        EXPECT_EQ(column(w, 1), (QStringList{q("走る"), q("再放送する"), q("尽きる")}));
        EXPECT_TRUE(text(w, "moComment").isEmpty());
        EXPECT_TRUE(text(w, "moPhoneticSign").isEmpty());
        EXPECT_TRUE(child<QLineEdit>(w, "moPhoneticSign")->font().bold());

        clickRow(w, 2);
        EXPECT_EQ(text(w, "moComment"), q("run とは別"));
        EXPECT_EQ(text(w, "moPhoneticSign"), q("========== no data =========="));
        clickRow(w, 0);
        EXPECT_EQ(text(w, "moComment"), q("よく使う"));
        EXPECT_EQ(text(w, "moPhoneticSign"), q("rVn"));
        // The search is over while the hits are shown.
        EXPECT_EQ(text(*frm, "lblStatus"), q("終了..."));
        EXPECT_EQ(child<QProgressBar>(*frm, "cgFinding")->value(), 0);
    });
    search(*frm, q("run"));
    EXPECT_EQ(platform.companionTexts(), QStringList{q("ANI;5")});
    ASSERT_EQ(platform.callsOf(PlatformCall::Modal).size(), 1u);
    EXPECT_TRUE(text(*frm, "lblStatus").isEmpty());
    EXPECT_TRUE(text(*frm, "txtFindString").isEmpty());
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

TEST_F(FindWindowTest, HeadOnlySearchKeepsEachRowsOwnComment) {
    auto frm = open();
    child<QCheckBox>(*frm, "chkByHead")->click();
    expectResults([&](TfrmFindResult& w) {
        EXPECT_EQ(column(w, 0), (QStringList{q("run"), q("run out")}));
        clickRow(w, 1);
        EXPECT_EQ(text(w, "moComment"), q("run とは別"));
        clickRow(w, 0);
        EXPECT_EQ(text(w, "moComment"), q("よく使う"));
    });
    search(*frm, q("run"));
    // Voice is off: no command for the companion.
    EXPECT_TRUE(platform.companionTexts().isEmpty());
}

TEST_F(FindWindowTest, AnEqualsSignFindsEveryEntryAndEachSearchReplacesTheRows) {
    auto frm = open();
    expectResults([](TfrmFindResult& w) {
        EXPECT_EQ(text(w, "lblResult"), q("4個、見つかりました"));
        EXPECT_EQ(column(w, 0), (QStringList{q("run"), q("rerun"), q("run out"), q("see")}));
    });
    search(*frm, q("="));
    expectResults([](TfrmFindResult& w) {
        EXPECT_EQ(text(w, "pnlResult"), q("見る の検索結果の表示"));
        EXPECT_EQ(column(w, 0), QStringList{q("see")});
        EXPECT_TRUE(text(w, "moComment").isEmpty());
    });
    search(*frm, q("見る"));
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 2u);
}

TEST_F(FindWindowTest, NoHitsWithAddingOffEndsWithTheStatusClearedAndNoWindow) {
    auto frm = open();
    search(*frm, q("walk"));
    EXPECT_TRUE(platform.calls().empty());
    EXPECT_TRUE(text(*frm, "lblStatus").isEmpty());
    EXPECT_EQ(child<QProgressBar>(*frm, "cgFinding")->value(), 0);
    EXPECT_TRUE(text(*frm, "txtFindString").isEmpty());

    // A text made of bytes across a character boundary is no hit either: "ア" ends in
    // the byte of "A".
    spit(dic, crlf({sj("ice=アイス*x")}));
    search(*frm, q("A"));
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(FindWindowTest, NoHitsWithAddingOnOffersTheWordForTheSearchedDictionary) {
    auto frm = open();
    child<QCheckBox>(*frm, "chkAddDicOn")->click();
    platform.answerModal([&](QDialog& d) {
        EXPECT_TRUE(dynamic_cast<TfrmAddVoc*>(&d));
        EXPECT_EQ(text(d, "txtDicFile"), QString::fromStdString(dic));
        EXPECT_EQ(text(d, "txtEnglish"), q("zebra"));
        EXPECT_EQ(text(d, "txtJapanese"), q("zebra"));
        return QDialog::Rejected;
    });
    search(*frm, q("zebra"));
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 1u);
    EXPECT_TRUE(text(*frm, "lblStatus").isEmpty());
}

TEST_F(FindWindowTest, TheDefaultTypesAndTheComboChooseTheDictionaryToSearch) {
    writeSetup({"[Dictionary Path]", "mine.txt=" + dir.file("elsewhere/mine.txt"),
                "[Dictionary]", "DicNum=1", "1=mine.txt"});
    makeFolder(dir.file("elsewhere"));
    spit(dir.file("elsewhere/mine.txt"), crlf({sj("walk=歩く*x")}));
    auto frm = open();

    child<QRadioButton>(*frm, "rgDicType_0")->click();
    EXPECT_EQ(frm->dictionaryPath(), dir.file("dictionary/noun.txt"));
    EXPECT_EQ(child<QComboBox>(*frm, "cboDicFile")->currentText(), q("noun.txt"));
    expectResults([](TfrmFindResult& w) { EXPECT_EQ(column(w, 0), QStringList{q("apple")}); });
    search(*frm, q("apple"));

    auto* combo = child<QComboBox>(*frm, "cboDicFile");
    combo->setCurrentIndex(0);
    EXPECT_EQ(frm->dictionaryPath(), dir.file("elsewhere/mine.txt"));
    EXPECT_FALSE(child<QRadioButton>(*frm, "rgDicType_0")->isChecked());
    expectResults([](TfrmFindResult& w) { EXPECT_EQ(column(w, 0), QStringList{q("walk")}); });
    search(*frm, q("walk"));

    // Typing a default dictionary's name selects its type and finds its path, though
    // none was remembered for it.
    combo->setEditText(q("noun.txt"));
    EXPECT_TRUE(child<QRadioButton>(*frm, "rgDicType_0")->isChecked());
    EXPECT_EQ(frm->dictionaryPath(), dir.file("dictionary/noun.txt"));
    combo->setEditText(q("verb.txt"));
    EXPECT_TRUE(child<QRadioButton>(*frm, "rgDicType_1")->isChecked());
    EXPECT_EQ(frm->dictionaryPath(), dic);

    // A name known nowhere names no file: the search says so.
    combo->setEditText(q("unknown.txt"));
    EXPECT_FALSE(child<QRadioButton>(*frm, "rgDicType_1")->isChecked());
    EXPECT_TRUE(frm->dictionaryPath().empty());
    platform.answerNotice();
    search(*frm, q("run"));
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice)[0].caption, q("エラー"));
    EXPECT_TRUE(platform.callsOf(PlatformCall::Notice)[0].text.startsWith(q("unknown.txt\n")));
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 2u);
    // The text stays for a search in another dictionary.
    EXPECT_EQ(text(*frm, "txtFindString"), q("run"));
    EXPECT_TRUE(text(*frm, "lblStatus").isEmpty());
    // None of this is the main window's dictionary.
    EXPECT_EQ(settings.files.DicInUse, dic);
}

TEST_F(FindWindowTest, ADictionaryThatCannotBeReadEndsTheSearchWithTheFileError) {
    auto frm = open();
    std::remove(dic.c_str());
    platform.answerNotice();
    search(*frm, q("run"));
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_TRUE(platform.callsOf(PlatformCall::Notice)[0].text.startsWith(QString::fromStdString(dic)));
    EXPECT_TRUE(platform.callsOf(PlatformCall::Modal).empty());
}

TEST_F(FindWindowTest, AChosenOrDroppedFileIsTestedRememberedAndSearched) {
    const std::string chosen = dir.file("chosen.txt");
    spit(chosen, crlf({sj("fly=飛ぶ*x")}));
    auto frm = open();
    platform.answerOpenFile(QString::fromStdString(chosen));
    click(*frm, "cmdSelectDicFile");
    auto dialogs = platform.callsOf(PlatformCall::OpenFile);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, q("辞書ファイル (*.txt)|*.txt"));
    EXPECT_EQ(frm->dictionaryPath(), chosen);
    EXPECT_EQ(child<QComboBox>(*frm, "cboDicFile")->currentText(), q("chosen.txt"));
    IniFile ini(settings.setupIniPath());
    EXPECT_EQ(ini.read("Dictionary Path", "chosen.txt", ""), chosen);

    // A file that is no dictionary is refused and changes nothing.
    const std::string notDic = dir.file("notes.txt");
    spit(notDic, crlf({"just text"}));
    platform.answerNotice();
    frm->FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(notDic))});
    EXPECT_EQ(platform.boxTexts().last(), q("選択されたファイルは、Qor Helper用辞書ファイルではありません"));
    EXPECT_EQ(frm->dictionaryPath(), chosen);

    // Only the first dropped file counts.
    frm->FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(dir.file("dictionary/noun.txt"))),
                        QUrl::fromLocalFile(QString::fromStdString(notDic))});
    EXPECT_EQ(frm->dictionaryPath(), dir.file("dictionary/noun.txt"));
    EXPECT_TRUE(child<QRadioButton>(*frm, "rgDicType_0")->isChecked());
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("Dictionary Path", "noun.txt", ""),
              dir.file("dictionary/noun.txt"));
    EXPECT_EQ(settings.files.DicInUse, dic);
}

TEST_F(FindWindowTest, TheSwitchesAreStoredByTheCloseButtonOnly) {
    writeSetup({"[Find]", "AddDicOn=0", "ByHead=0"});
    const std::string before = slurp(settings.setupIniPath());
    {
        auto frm = open();
        child<QCheckBox>(*frm, "chkAddDicOn")->click();
        frm->reject();  // the window frame
    }
    EXPECT_EQ(slurp(settings.setupIniPath()), before);

    auto frm = open();
    child<QCheckBox>(*frm, "chkByHead")->click();
    click(*frm, "cmdClose");
    EXPECT_EQ(slurp(settings.setupIniPath()), crlf({"[Find]", "AddDicOn=0", "ByHead=1"}));
    EXPECT_EQ(frm->result(), QDialog::Accepted);
}

TEST_F(FindWindowTest, TheVocabularyBookGetsEveryRowOncePerShowing) {
    settings.files.VocBookOn = true;
    settings.files.VocBook = userFile("book.txt");
    spit(settings.files.VocBook, sj("old=古い*x"));  // no line break at its end
    auto frm = open();
    auto addTwice = [](TfrmFindResult& w) {
        auto* book = child<QPushButton>(w, "cmdVocBook");
        EXPECT_EQ(book->text(), q("単語帳に追加 (&A)"));
        ASSERT_TRUE(book->isEnabled());
        clickRow(w, 1);  // the selection does not matter: every row goes
        book->click();
        EXPECT_FALSE(book->isEnabled());
        book->click();
    };
    expectResults(addTwice);
    search(*frm, q("run"));
    const std::string rows = crlf({sj("run=走る*よく使う"), sj("rerun=再放送する*テレビ"),
                                   sj("run out=尽きる*run とは別")});
    EXPECT_EQ(slurp(settings.files.VocBook), crlf({sj("old=古い*x")}) + rows);

    // The next showing may add again.
    expectResults(addTwice);
    search(*frm, q("run"));
    EXPECT_EQ(slurp(settings.files.VocBook), crlf({sj("old=古い*x")}) + rows + rows);
    EXPECT_TRUE(platform.boxTexts().isEmpty());

    // Without the book in use the command is off.
    settings.files.VocBookOn = false;
    auto off = open();
    expectResults([](TfrmFindResult& w) { EXPECT_FALSE(child<QPushButton>(w, "cmdVocBook")->isEnabled()); });
    search(*off, q("see"));
}

TEST_F(FindWindowTest, AVocabularyBookThatCannotBeWrittenIsReportedAndTheCommandStays) {
    settings.files.VocBookOn = true;
    settings.files.VocBook = userFile("book.txt");
    spit(settings.files.VocBook, crlf({sj("old=古い*x")}));
    auto frm = open();
    expectResults([&](TfrmFindResult& w) {
        setWriteStepForTesting([](int, const void*, std::size_t) -> long {
            errno = ENOSPC;
            return -1;
        });
        platform.answerNotice();
        click(w, "cmdVocBook");
        setWriteStepForTesting(nullptr);
        EXPECT_TRUE(child<QPushButton>(w, "cmdVocBook")->isEnabled());
    });
    search(*frm, q("see"));
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice)[0].caption, q("エラー"));
    EXPECT_TRUE(platform.callsOf(PlatformCall::Notice)[0].text.startsWith(
        QString::fromStdString(settings.files.VocBook)));
    EXPECT_EQ(slurp(settings.files.VocBook), crlf({sj("old=古い*x")}));
}

TEST_F(FindWindowTest, PlayUsesTheSoundFileOrTheCompanionForTheSelectedRow) {
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 0;
    settings.sound.HatsuonDir = dir.file("voice/");
    auto frm = open();
    expectResults([](TfrmFindResult& w) {
        auto* play = child<QPushButton>(w, "cmdPlayVoice");
        EXPECT_EQ(play->text(), q("再生 (&P)"));
        ASSERT_TRUE(play->isEnabled());
        play->click();  // no row selected: nothing
        clickRow(w, 1);
        play->click();
    });
    search(*frm, q("run"));
    ASSERT_EQ(platform.callsOf(PlatformCall::Wave).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Wave)[0].text, QString::fromStdString(dir.file("voice/rerun.wav")));

    settings.sound.VoiceType = 1;
    auto companion = open();
    expectResults([](TfrmFindResult& w) {
        clickRow(w, 2);
        click(w, "cmdPlayVoice");
    });
    search(*companion, q("run"));
    EXPECT_EQ(platform.companionTexts(), (QStringList{q("ANI;5"), q("ANI;5"), q("VEXA;run out")}));
    EXPECT_EQ(platform.callsOf(PlatformCall::Wave).size(), 1u);

    settings.sound.VoiceOn = false;
    auto silent = open();
    expectResults([](TfrmFindResult& w) { EXPECT_FALSE(child<QPushButton>(w, "cmdPlayVoice")->isEnabled()); });
    search(*silent, q("run"));
}

TEST_F(FindWindowTest, AMissingSignFileShowsTheCommentAndNoSign) {
    std::remove(signs.c_str());
    auto frm = open();
    expectResults([](TfrmFindResult& w) {
        clickRow(w, 0);
        EXPECT_EQ(text(w, "moComment"), q("目で"));
        EXPECT_TRUE(text(w, "moPhoneticSign").isEmpty());
    });
    search(*frm, q("see"));
    EXPECT_TRUE(platform.boxTexts().isEmpty());
}

} // namespace

TEST_F(FindWindowTest, ALongHitIsCutInItsCellsAndItsComment) {
    const std::string word = "run" + std::string(1000000, 'n');
    spit(dic, crlf({word + "=" + sj("長い") + "*" + std::string(1000000, 'c')}));
    auto frm = open();
    expectResults([&](TfrmFindResult& w) {
        auto* list = child<QTreeView>(w, "lstResult");
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_LE(list->model()->index(0, 0).data().toString().size(), ui::kShownTextMax);
        EXPECT_TRUE(list->model()->index(0, 0).data(Qt::ToolTipRole).toString().contains(
            QStringLiteral("1000003")));
        clickRow(w, 0);
        EXPECT_LE(text(w, "moComment").size(), ui::kShownTextMax);
    });
    search(*frm, q("run"));
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 1u);
}
