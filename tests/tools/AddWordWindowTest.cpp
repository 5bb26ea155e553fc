// "単語の追加": the pre-filled fields, the comma rule, the seven steps of "追加 (&A)" with
// the duplicate box and the sign step, the reports, and failed writes. The appended
// dictionary and sign file are compared byte for byte.

#include "tests/tools/FindFixture.h"
#include "tools/TfrmAddVoc.h"
#include "tools/TfrmFind.h"
#include "tools/TfrmFindResult.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

#include <cstdio>
#include <memory>

using namespace qor;
using namespace qor::test;

namespace {

class AddWordWindowTest : public FindFixture {
protected:
    std::string dicBefore;
    std::string signsBefore;

    AddWordWindowTest() {
        dicBefore = slurp(dic);
        signsBefore = slurp(signs);
    }

    std::unique_ptr<TfrmAddVoc> open(const char* findString) {
        auto frm = std::make_unique<TfrmAddVoc>(settings.files, settings.look, dic, sj(findString));
        frm->show();
        return frm;
    }

    static QLineEdit* field(TfrmAddVoc& frm, const char* name) { return child<QLineEdit>(frm, name); }
    static QPlainTextEdit* sign(TfrmAddVoc& frm) { return child<QPlainTextEdit>(frm, "moPhoneticSign"); }

    // Types a word and presses "追加 (&A)".
    static void add(TfrmAddVoc& frm, const char* english, const char* japanese,
                    const char* comment = "", const char* signText = "") {
        field(frm, "txtEnglish")->setText(q(english));
        field(frm, "txtJapanese")->setText(q(japanese));
        field(frm, "txtComment")->setText(q(comment));
        if (sign(frm)->isEnabled())
            sign(frm)->setPlainText(q(signText));
        click(frm, "cmdAdd");
    }

    bool fieldsEmpty(TfrmAddVoc& frm) {
        return field(frm, "txtEnglish")->text().isEmpty() &&
               field(frm, "txtJapanese")->text().isEmpty() &&
               field(frm, "txtComment")->text().isEmpty() && sign(frm)->toPlainText().isEmpty();
    }
};

TEST_F(AddWordWindowTest, OpensWithTheSearchTextInBothWordFields) {
    auto frm = open("zebra");
    EXPECT_EQ(frm->windowTitle(), q("単語の追加"));
    EXPECT_EQ(child<QLabel>(*frm, "lblBanner")->text(),
              q("ここでは、検索で見つからなかった単語の追加を行います"));
    EXPECT_TRUE(field(*frm, "txtDicFile")->isReadOnly());
    EXPECT_EQ(field(*frm, "txtDicFile")->text(), QString::fromStdString(dic));
    EXPECT_EQ(field(*frm, "txtEnglish")->text(), q("zebra"));
    EXPECT_EQ(field(*frm, "txtJapanese")->text(), q("zebra"));
    EXPECT_TRUE(field(*frm, "txtComment")->text().isEmpty());
    EXPECT_TRUE(sign(*frm)->isEnabled());
    EXPECT_TRUE(sign(*frm)->toPlainText().isEmpty());
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdAdd")->isDefault());
    EXPECT_EQ(child<QPushButton>(*frm, "cmdAdd")->text(), q("追加 (&A)"));
    EXPECT_EQ(child<QPushButton>(*frm, "cmdCancel")->text(), q("キャンセル"));
    // Every field is found by the caption in front of it.
    for (const char* caption : {"追加先の辞書 （変更はできません）", "追加する英語", "発音記号 （オプション）",
                                "追加する日本語", "コメントの記入 （オプション）"}) {
        bool found = false;
        for (QLabel* l : frm->findChildren<QLabel*>())
            found = found || (l->text() == q(caption) && l->buddy());
        EXPECT_TRUE(found) << caption;
    }
}

TEST_F(AddWordWindowTest, ACommaInTheEnglishDisablesAndEmptiesTheSign) {
    auto frm = open("run,dash");
    EXPECT_FALSE(sign(*frm)->isEnabled());
    field(*frm, "txtEnglish")->setText(q("run"));
    ASSERT_TRUE(sign(*frm)->isEnabled());
    sign(*frm)->setPlainText(q("rVn"));
    field(*frm, "txtEnglish")->setText(q("run,"));
    EXPECT_FALSE(sign(*frm)->isEnabled());
    EXPECT_TRUE(sign(*frm)->toPlainText().isEmpty());

    // Added with two forms: the entry is stored, no sign.
    platform.answerMessage();
    add(*frm, "walk,stroll", "歩く");
    EXPECT_EQ(slurp(dic), dicBefore + crlf({sj("walk,stroll=歩く*コメントはありません")}));
    EXPECT_EQ(slurp(signs), signsBefore);
    EXPECT_EQ(platform.boxTexts(), QStringList{q("【単語】\n\"walk,stroll\"を追加しました")});
}

TEST_F(AddWordWindowTest, EmptyWordFieldsAreAskedFor) {
    auto frm = open("zebra");
    platform.answerMessage().answerMessage();
    add(*frm, "", "しまうま");
    add(*frm, "zebra", "");
    EXPECT_EQ(platform.boxTexts(), (QStringList{q("英語が書かれていません"), q("日本語が書かれていません")}));
    EXPECT_EQ(slurp(dic), dicBefore);
}

TEST_F(AddWordWindowTest, ANewWordAndItsSignAreAppendedAndTheWindowStaysForMore) {
    auto frm = open("zebra");
    platform.answerMessage();
    add(*frm, "zebra", "しまうま", "動物", "zi:br@\nsecond line");
    EXPECT_EQ(slurp(dic), dicBefore + crlf({sj("zebra=しまうま*動物")}));
    EXPECT_EQ(slurp(signs), signsBefore + crlf({"zebra=zi:br@"}));
    EXPECT_EQ(platform.boxTexts(),
              QStringList{q("【単語】\n\"zebra\"を追加しました\n\n【発音記号の追加】\n\"zebra\"は、追加しました")});
    EXPECT_TRUE(fieldsEmpty(*frm));
    EXPECT_TRUE(frm->isVisible());

    // The next word, without comment or sign.
    platform.answerMessage();
    add(*frm, "lion", "ライオン");
    EXPECT_EQ(slurp(dic), dicBefore + crlf({sj("zebra=しまうま*動物"), sj("lion=ライオン*コメントはありません")}));
    EXPECT_EQ(slurp(signs), signsBefore + crlf({"zebra=zi:br@"}));
    EXPECT_EQ(platform.boxTexts().last(), q("【単語】\n\"lion\"を追加しました"));

    click(*frm, "cmdCancel");
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(AddWordWindowTest, ADuplicateAnsweredCancelWithoutSignAddsNothing) {
    auto frm = open("run");
    platform.answerNotice(ui::Button::Cancel).answerMessage();
    add(*frm, "run", "走らせる");
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, q("追加の確認"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeOkCancel);
    EXPECT_EQ(notices[0].text,
              q("\"run\" はすでに登録されています。\n\n発見したデータ ： run=走る*よく使う\n\n追加しますか？"));
    EXPECT_EQ(platform.boxTexts().last(), q("追加されたデータはありません"));
    EXPECT_EQ(slurp(dic), dicBefore);
    EXPECT_EQ(slurp(signs), signsBefore);
}

TEST_F(AddWordWindowTest, ADuplicateAnsweredCancelStillStoresANewSign) {
    auto frm = open("see");
    platform.answerNotice(ui::Button::Cancel).answerMessage();
    add(*frm, "see", "見る", "", "SI:");  // the same sign in other letters
    EXPECT_EQ(platform.boxTexts().last(), q("【発音記号の追加】\n\"see\"は、すでに登録済みでした"));
    EXPECT_EQ(slurp(signs), signsBefore);

    platform.answerNotice(ui::Button::Cancel).answerMessage();
    add(*frm, "see", "見る", "", "si:y");
    EXPECT_EQ(platform.boxTexts().last(), q("【発音記号の追加】\n\"see\"は、追加しました"));
    EXPECT_EQ(slurp(signs), signsBefore + crlf({"see=si:y"}));
    EXPECT_EQ(slurp(dic), dicBefore);
}

TEST_F(AddWordWindowTest, ADuplicateAnsweredOkIsAddedAgain) {
    auto frm = open("run");
    platform.answerNotice(ui::Button::Ok).answerMessage();
    add(*frm, "run", "走らせる", "他動詞", "rVn");
    EXPECT_EQ(slurp(dic), dicBefore + crlf({sj("run=走らせる*他動詞")}));
    EXPECT_EQ(platform.boxTexts().last(),
              q("【単語】\n\"run\"を追加しました\n\n【発音記号の追加】\n\"run\"は、すでに登録済みでした"));
}

TEST_F(AddWordWindowTest, TextThatWouldNotReadBackAsTypedIsRefused) {
    auto frm = open("zebra");
    platform.answerMessage().answerMessage().answerNotice().answerNotice();
    add(*frm, "a=b", "え");
    add(*frm, "zebra", "しま*うま");
    add(*frm, "zebra😀", "しまうま");
    add(*frm, "zebra", "しまうま", "", "zi😀");
    QStringList boxes = platform.boxTexts();
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_TRUE(boxes[0].startsWith(q("英語に「=」は使えません")));
    EXPECT_TRUE(boxes[1].startsWith(q("日本語に「*」は使えません")));
    EXPECT_TRUE(boxes[2].contains(q("😀")));
    EXPECT_TRUE(boxes[3].contains(q("😀")));
    EXPECT_EQ(slurp(dic), dicBefore);
    EXPECT_EQ(slurp(signs), signsBefore);
    // The fields are kept for the learner to mend.
    EXPECT_EQ(field(*frm, "txtEnglish")->text(), q("zebra"));
}

TEST_F(AddWordWindowTest, AFailedDictionaryAppendIsReportedAndKeepsTheFields) {
    auto frm = open("zebra");
    setWriteStepForTesting([](int, const void*, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    });
    platform.answerNotice();
    add(*frm, "zebra", "しまうま", "", "zi:br@");
    setWriteStepForTesting(nullptr);
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, q("エラー"));
    EXPECT_TRUE(notices[0].text.startsWith(QString::fromStdString(dic)));
    // No report of an addition, no sign, nothing lost.
    EXPECT_EQ(platform.callsOf(PlatformCall::Message).size(), 0u);
    EXPECT_EQ(slurp(dic), dicBefore);
    EXPECT_EQ(slurp(signs), signsBefore);
    EXPECT_EQ(field(*frm, "txtEnglish")->text(), q("zebra"));
    EXPECT_EQ(sign(*frm)->toPlainText(), q("zi:br@"));
}

TEST_F(AddWordWindowTest, AMissingSignFileIsReportedAndTheWordIsStillReportedAdded) {
    std::remove(signs.c_str());
    auto frm = open("zebra");
    platform.answerNotice().answerMessage();
    add(*frm, "zebra", "しまうま", "", "zi:br@");
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].text.startsWith(QString::fromStdString(signs)));
    EXPECT_EQ(platform.boxTexts().last(), q("【単語】\n\"zebra\"を追加しました"));
    EXPECT_EQ(slurp(dic), dicBefore + crlf({sj("zebra=しまうま*コメントはありません")}));
    EXPECT_FALSE(exists(signs));
    // The fields stay, so the sign can be stored once the file is back.
    EXPECT_EQ(sign(*frm)->toPlainText(), q("zi:br@"));
}

TEST_F(AddWordWindowTest, ADictionaryThatCannotBeReadIsReportedBeforeAnythingIsWritten) {
    auto frm =
        std::make_unique<TfrmAddVoc>(settings.files, settings.look, dir.file("gone.txt"), "zebra");
    frm->show();
    platform.answerNotice();
    add(*frm, "zebra", "しまうま");
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_FALSE(exists(dir.file("gone.txt")));
}

// The whole way: nothing found, the word added, the next search finds it.
TEST_F(AddWordWindowTest, AWordAddedFromTheSearchIsFoundByTheNextSearch) {
    TfrmFind find(UserFiles(settings), settings.sound, settings.files, settings.look,
                  settings.dicTypes);
    find.show();
    child<QCheckBox>(find, "chkAddDicOn")->click();
    platform.answerModal([this](QDialog& d) {
        auto& frm = dynamic_cast<TfrmAddVoc&>(d);
        field(frm, "txtJapanese")->setText(q("しまうま"));
        sign(frm)->setPlainText(q("zi:br@"));
        platform.answerMessage();
        click(frm, "cmdAdd");
        click(frm, "cmdCancel");
        return QDialog::Rejected;
    });
    child<QLineEdit>(find, "txtFindString")->setText(q("zebra"));
    click(find, "cmdFind");
    EXPECT_EQ(slurp(dic), dicBefore + crlf({sj("zebra=しまうま*コメントはありません")}));

    platform.answerModal([](QDialog& d) {
        auto& w = dynamic_cast<TfrmFindResult&>(d);
        auto* list = child<QTreeView>(w, "lstResult");
        EXPECT_EQ(list->model()->rowCount(), 1);
        list->setCurrentIndex(list->model()->index(0, 0));
        EXPECT_EQ(child<QLineEdit>(w, "moPhoneticSign")->text(), q("zi:br@"));
        EXPECT_EQ(child<QPlainTextEdit>(w, "moComment")->toPlainText(), q("コメントはありません"));
        return QDialog::Accepted;
    });
    child<QLineEdit>(find, "txtFindString")->setText(q("zebra"));
    click(find, "cmdFind");
    EXPECT_EQ(platform.callsOf(PlatformCall::Modal).size(), 2u);
}

} // namespace
