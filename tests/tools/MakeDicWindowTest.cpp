// "辞書の作成 / 発音記号の追加": the two openings, the target choices, the comma split into
// the sign rows, and the add in its steps with its report box.

#include "tests/support/FullDisk.h"
#include "tests/tools/ToolWindowFixture.h"
#include "tools/TfrmEditDic.h"
#include "tools/TfrmMakeDic.h"
#include "tools/TfrmNewText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace qor;
using namespace qor::test;

namespace {

class MakeDicWindowTest : public ToolWindowFixture {
protected:
    std::string verbs;
    std::string signs;

    void SetUp() override {
        verbs = dictionary("verbs.txt", {"run=走る*x"});
        signs = dictionary("signs.txt", {"Apple=apl"});
        settings.files.DicInUse = verbs;
        settings.files.PhoneticSignFile = signs;
    }

    std::unique_ptr<TfrmMakeDic> open(TfrmMakeDic::Tab tab = TfrmMakeDic::Tab::Words) {
        auto frm = std::make_unique<TfrmMakeDic>(UserFiles(settings), settings.files, settings.look,
                                                 settings.dicTypes, tab);
        frm->FormShow();
        return frm;
    }
    static QLineEdit* edit(TfrmMakeDic& frm, const char* name) {
        return child<QLineEdit>(frm, name);
    }
    static void word(TfrmMakeDic& frm, const char* english, const char* japanese,
                     const char* comment = "") {
        edit(frm, "txtEnglish")->setText(q(english));
        edit(frm, "txtJapanese")->setText(q(japanese));
        edit(frm, "txtComment")->setText(q(comment));
    }
    static void sign(TfrmMakeDic& frm, int row, const char* english, const char* pron) {
        static const char* words[] = {"txtVoc", "txtVoc_1", "txtVoc_2", "txtVoc_3", "txtVoc_4"};
        static const char* prons[] = {"moPron", "moPron_1", "moPron_2", "moPron_3", "moPron_4"};
        edit(frm, words[row])->setText(q(english));
        edit(frm, prons[row])->setText(q(pron));
    }
    static void add(TfrmMakeDic& frm) { child<QPushButton>(frm, "cmdAdd")->click(); }
    static int tab(TfrmMakeDic& frm) { return child<QTabWidget>(frm, "pcMakeDic")->currentIndex(); }
};

} // namespace

TEST_F(MakeDicWindowTest, TheWordTabOpeningShowsTheDefaultsAndTheTargets) {
    settings.files.DicInUse = settings.dicTypes.defDicType_2; // adj.txt of the data folder
    auto frm = open();
    EXPECT_EQ(frm->windowTitle(), q("辞書の作成 / 発音記号の追加"));
    EXPECT_EQ(tab(*frm), 0);
    EXPECT_EQ(child<QGroupBox>(*frm, "rgDicType")->title(), q("単語の種類"));
    EXPECT_EQ(child<QRadioButton>(*frm, "rgDicType")->text(), q("名詞"));
    EXPECT_TRUE(child<QRadioButton>(*frm, "rgDicType_2")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(*frm, "rgDicType")->isChecked());
    EXPECT_EQ(edit(*frm, "txtDicFile")->text(), native(settings.dicTypes.defDicType_2));
    EXPECT_EQ(edit(*frm, "txtDicFile")->toolTip(), native(settings.dicTypes.defDicType_2));
    EXPECT_TRUE(edit(*frm, "txtDicFile")->isReadOnly());
    EXPECT_EQ(edit(*frm, "txtPhoneticSignFile")->text(), native(signs));
    EXPECT_FALSE(child<QCheckBox>(*frm, "chkJapaneseOn")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(*frm, "chkJapaneseOn_1")->isChecked());
    EXPECT_EQ(child<QCheckBox>(*frm, "chkJapaneseOn")->text(), q("日本語入力を\"オン\"にする"));
    EXPECT_TRUE(edit(*frm, "txtEnglish")->inputMethodHints().testFlag(Qt::ImhPreferLatin));
    EXPECT_FALSE(edit(*frm, "txtJapanese")->inputMethodHints().testFlag(Qt::ImhPreferLatin));
    EXPECT_EQ(edit(*frm, "txtComment")->maxLength(), 100);
    EXPECT_FALSE(child<QCheckBox>(*frm, "chkThisTabOnly")->isChecked());
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdAdd")->isDefault());

    // The input method box of the English field asks for Japanese input when ticked.
    child<QCheckBox>(*frm, "chkJapaneseOn")->click();
    EXPECT_FALSE(edit(*frm, "txtEnglish")->inputMethodHints().testFlag(Qt::ImhPreferLatin));
}

TEST_F(MakeDicWindowTest, ChoosingADefaultDictionaryMakesItTheOneInUse) {
    auto frm = open();
    for (const char* item : {"rgDicType", "rgDicType_1", "rgDicType_2", "rgDicType_3"})
        EXPECT_FALSE(child<QRadioButton>(*frm, item)->isChecked()) << item;
    child<QRadioButton>(*frm, "rgDicType_1")->click();
    EXPECT_EQ(frm->dictionaryPath(), settings.dicTypes.defDicType_1);
    EXPECT_EQ(settings.files.DicInUse, settings.dicTypes.defDicType_1);
    EXPECT_EQ(edit(*frm, "txtDicFile")->text(), native(settings.dicTypes.defDicType_1));

    // A chosen file is the target for this window only, and no default is shown chosen.
    platform.answerOpenFile(native(verbs));
    child<QPushButton>(*frm, "cmdSelectDicFile")->click();
    EXPECT_EQ(frm->dictionaryPath(), verbs);
    EXPECT_EQ(settings.files.DicInUse, settings.dicTypes.defDicType_1);
    EXPECT_FALSE(child<QRadioButton>(*frm, "rgDicType_1")->isChecked());
    EXPECT_EQ(platform.calls().back().caption, q("辞書ファイル (*.txt)|*.txt"));

    const std::string other = dictionary("other signs.txt", {});
    platform.answerOpenFile(native(other));
    child<QPushButton>(*frm, "cmdSelectPhoneticSignFile")->click();
    EXPECT_EQ(frm->signFilePath(), other);
    EXPECT_EQ(settings.files.PhoneticSignFile, signs);
    EXPECT_EQ(platform.calls().back().caption, q("発音記号追加先ファイル (*.txt)|*.txt"));
}

TEST_F(MakeDicWindowTest, AWordIsAppendedWithTheDefaultCommentAndReported) {
    auto frm = open();
    word(*frm, "walk", "歩く");
    platform.answerNotice();
    add(*frm);
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x"), sj("walk=歩く*コメントはありません")}));
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, q("【単語】\n\"walk\"を追加しました"));
    EXPECT_EQ(notices[0].caption, q("追加完了"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeInformation);
    EXPECT_TRUE(edit(*frm, "txtEnglish")->text().isEmpty());
    EXPECT_TRUE(edit(*frm, "txtJapanese")->text().isEmpty());
    EXPECT_EQ(slurp(signs), crlf({"Apple=apl"}));
}

TEST_F(MakeDicWindowTest, EmptyFieldsAreRefusedOnTheWordTab) {
    auto frm = open();
    child<QTabWidget>(*frm, "pcMakeDic")->setCurrentIndex(1);
    platform.answerNotice();
    add(*frm);
    EXPECT_EQ(platform.boxTexts(), QStringList{q("英語が書かれていません")});
    EXPECT_EQ(platform.calls()[0].caption, q("エラー"));
    EXPECT_EQ(tab(*frm), 0);
    word(*frm, "walk", "");
    platform.answerNotice();
    add(*frm);
    EXPECT_EQ(platform.boxTexts().last(), q("日本語が書かれていません"));
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x")}));
}

TEST_F(MakeDicWindowTest, ADuplicateAsksFirstYesAddsASecondLineNoEmptiesTheWordFields) {
    auto frm = open();
    word(*frm, "run", "駆ける", "速く");
    platform.answerNotice(ui::Button::Yes).answerNotice();
    add(*frm);
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].text, q("\"run\" はすでに登録されています。\n\n発見したデータ ： "
                                 "run=走る*x\n\n追加しますか？"));
    EXPECT_EQ(notices[0].caption, q("確認"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeQuestion);
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x"), sj("run=駆ける*速く")}));

    platform.clearCalls();
    word(*frm, "run", "逃げる", "c");
    platform.answerNotice(ui::Button::No);
    add(*frm);
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u); // no report box
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x"), sj("run=駆ける*速く")}));
    EXPECT_TRUE(edit(*frm, "txtEnglish")->text().isEmpty());
    EXPECT_TRUE(edit(*frm, "txtComment")->text().isEmpty());

    // No, with a sign row: only the sign part is reported.
    platform.clearCalls();
    word(*frm, "run", "逃げる");
    sign(*frm, 0, "run", "rVn");
    platform.answerNotice(ui::Button::No).answerNotice();
    add(*frm);
    EXPECT_EQ(platform.boxTexts().last(), q("【発音記号の追加】\n\"run\"は、追加しました\n\n\n\n"));
    EXPECT_EQ(slurp(signs), crlf({"Apple=apl", "run=rVn"}));
}

TEST_F(MakeDicWindowTest, TheSignTabOpeningAddsSignsOnlyAndReportsFourLineBreaksWhenEmpty) {
    auto frm = open(TfrmMakeDic::Tab::Signs);
    EXPECT_EQ(tab(*frm), 1);
    EXPECT_TRUE(child<QCheckBox>(*frm, "chkThisTabOnly")->isChecked());
    platform.answerNotice();
    add(*frm);
    EXPECT_EQ(platform.boxTexts(), QStringList{q("【発音記号の追加】\n\n\n\n\n")});
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x")}));

    // Skipped rows, a sign already there in other letter case, one line given twice.
    sign(*frm, 0, "go", "gou");
    sign(*frm, 1, "walk", "");
    sign(*frm, 2, "", "orphan");
    sign(*frm, 3, "apple", "APL");
    sign(*frm, 4, "go", "gou");
    platform.answerNotice();
    add(*frm);
    EXPECT_EQ(
        platform.boxTexts().last(),
        q("【発音記号の追加】\n\"go\"は、追加しました\n\n\n\"apple\"は、すでに登録済みでした\n"
          "\"go\"は、追加しました"));
    EXPECT_EQ(slurp(signs), crlf({"Apple=apl", "go=gou", "go=gou"}));
    EXPECT_TRUE(edit(*frm, "txtVoc")->text().isEmpty());
    EXPECT_TRUE(edit(*frm, "moPron_4")->text().isEmpty());
}

TEST_F(MakeDicWindowTest, AWordAndItsSignsAreReportedTogether) {
    auto frm = open();
    word(*frm, "publish,issue,print out,a,b,c", "発行する");
    child<QTabWidget>(*frm, "pcMakeDic")->setCurrentIndex(1);
    EXPECT_EQ(edit(*frm, "txtVoc")->text(), QStringLiteral("publish"));
    EXPECT_EQ(edit(*frm, "txtVoc_2")->text(), QStringLiteral("print out"));
    EXPECT_EQ(edit(*frm, "txtVoc_4")->text(), QStringLiteral("b"));
    edit(*frm, "moPron")->setText(QStringLiteral("pVbliS"));
    platform.answerNotice();
    add(*frm);
    EXPECT_EQ(platform.boxTexts(),
              QStringList{q("【単語】\n\"publish,issue,print out,a,b,c\"を追加しました\n\n"
                            "【発音記号の追加】\n\"publish\"は、追加しました\n\n\n\n")});
    EXPECT_EQ(slurp(signs), crlf({"Apple=apl", "publish=pVbliS"}));
    EXPECT_TRUE(edit(*frm, "txtVoc_1")->text().isEmpty());
}

TEST_F(MakeDicWindowTest, FailedAppendsAreToldAndNothingIsCleared) {
    auto frm = open();
    word(*frm, "walk", "歩く");
    platform.answerNotice();
    {
        FullDisk disk(3);
        add(*frm);
    }
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("単語を辞書に追加できませんでした。")));
    EXPECT_TRUE(platform.boxTexts()[0].contains(native(verbs)));
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x")}));
    EXPECT_EQ(edit(*frm, "txtEnglish")->text(), QStringLiteral("walk"));

    // The word goes in, the sign file is missing: the learner hears both.
    settings.files.PhoneticSignFile = dir.file("none.txt");
    auto second = open();
    word(*second, "walk", "歩く");
    sign(*second, 0, "walk", "wO:k");
    platform.answerNotice();
    add(*second);
    EXPECT_TRUE(platform.boxTexts().last().startsWith(
        q("発音記号を追加できませんでした。\n（単語 \"walk\" は辞書に追加されています）")));
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x"), sj("walk=歩く*コメントはありません")}));
    EXPECT_EQ(edit(*second, "txtVoc")->text(), QStringLiteral("walk"));

    // A target that cannot be read stops before anything is written.
    auto third = open();
    platform.answerOpenFile(QString::fromStdString(dir.path()));
    child<QPushButton>(*third, "cmdSelectDicFile")->click();
    word(*third, "walk", "歩く");
    platform.answerNotice();
    add(*third);
    EXPECT_EQ(platform.calls().back().caption, q("エラー"));
}

TEST_F(MakeDicWindowTest, ATargetNotSetIsNamedBeforeAnythingIsWritten) {
    settings.files.DicInUse.clear();
    auto frm = open();
    word(*frm, "walk", "歩く");
    sign(*frm, 0, "walk", "wO:k");
    platform.answerNotice();
    add(*frm);
    EXPECT_TRUE(
        platform.boxTexts().last().startsWith(q("追加先の辞書ファイルが指定されていません。")));
    EXPECT_EQ(slurp(signs), crlf({"Apple=apl"}));

    settings.files.DicInUse = verbs;
    settings.files.PhoneticSignFile.clear();
    auto second = open();
    word(*second, "walk", "歩く");
    sign(*second, 0, "walk", "wO:k");
    platform.answerNotice();
    add(*second);
    EXPECT_TRUE(
        platform.boxTexts().last().startsWith(q("発音記号追加先のファイルが指定されていません。")));
    EXPECT_EQ(slurp(verbs), crlf({sj("run=走る*x")}));
    EXPECT_EQ(edit(*second, "txtEnglish")->text(), QStringLiteral("walk"));
}

TEST_F(MakeDicWindowTest, NewMakesTheTargetAndEditOpensTheEditorOnIt) {
    auto frm = open();
    platform.answerModal([this](QDialog& d) {
        auto& newText = dynamic_cast<TfrmNewText&>(d);
        // It opens in the folder of the target dictionary.
        EXPECT_EQ(newText.currentFolder(), QString::fromStdString(dir.path()));
        newText.findChild<QLineEdit*>(QStringLiteral("txtFileName"))
            ->setText(QStringLiteral("mine"));
        newText.findChild<QPushButton*>(QStringLiteral("cmdMake"))->click();
        return QDialog::Accepted;
    });
    platform.answerMessage();
    child<QPushButton>(*frm, "cmdNewText")->click();
    const std::string made = dir.folder() + "mine.txt";
    EXPECT_TRUE(test::exists(made));
    EXPECT_EQ(frm->dictionaryPath(), made);

    platform.answerModal([](QDialog& d) {
        auto& editor = dynamic_cast<TfrmEditDic&>(d);
        EXPECT_EQ(editor.findChild<QComboBox*>(QStringLiteral("cboDicFile"))->currentText(),
                  QStringLiteral("mine.txt"));
        return QDialog::Accepted;
    });
    child<QPushButton>(*frm, "cmdDicEdit")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 2u);
}
