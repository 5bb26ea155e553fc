#include "records/TfrmShowErrorNum.h"
#include "tests/records/WindowFixture.h"
#include "ui/Fonts.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace qor;
using namespace qor::test;

namespace {

class ShowErrorNumWindowTest : public WindowFixture {
protected:
    ShowErrorNumWindowTest() {
        settings.files.DicInUse = dir.file("verbs.txt");
        settings.look.FontQuestion = sj("ＭＳ 明朝");
        settings.look.FontAnswer = sj("ＭＳ Ｐゴシック");
        spit(settings.setupIniPath(), crlf({"[Dictionary]", "DicNum=2", "1=verbs.txt", "2=nouns.txt"}));
        // Six places; the sixth is never shown. A key whose English part holds "_".
        spit(userFile("error5.cun"),
             crlf({"[verbs.txt]", sj("Error1=run_走る"), sj("Error2=ice_cream_アイス"),
                   sj("Error3=see_見る"), sj("Error4=go_行く"), sj("Error5=eat_食べる"),
                   sj("Error6=swim_泳ぐ"), "Num1=9", "Num2=7", "Num3=4", "Num4=4", "Num5=2",
                   "Num6=1", "[nouns.txt]", sj("Error1=cat_猫"), "Num1=1"}));
    }

    QString text(TfrmShowErrorNum& frm, const char* name, int place) {
        auto* label = frm.findChild<QLabel*>(QString::fromLatin1(name) + QString::number(place));
        EXPECT_NE(label, nullptr) << name << place;
        return label ? label->text() : QString();
    }

    // The five places as "English|Japanese|count".
    QStringList places(TfrmShowErrorNum& frm) {
        QStringList out;
        for (int i = 1; i <= 5; ++i)
            out << text(frm, "lblEnglish_", i) + "|" + text(frm, "lblJapanese_", i) + "|" +
                       text(frm, "lblNum_", i);
        return out;
    }
};

TEST_F(ShowErrorNumWindowTest, ShowsTheFiveMostMissedWordsOfTheDictionaryInUseAtOnce) {
    TfrmShowErrorNum frm(UserFiles(settings), settings.files, settings.look);
    EXPECT_EQ(frm.windowTitle(), q("不正解数の詳細"));
    // Before showing: empty places.
    EXPECT_EQ(places(frm).first(), q("|| ： "));
    frm.show();
    EXPECT_EQ(frm.findChild<QComboBox*>("cboDicFile")->currentText(), q("verbs.txt"));
    EXPECT_EQ(places(frm), (QStringList{q("run|走る| ： 9"), q("ice|cream_アイス| ： 7"),
                                        q("see|見る| ： 4"), q("go|行く| ： 4"),
                                        q("eat|食べる| ： 2")}));
    EXPECT_EQ(frm.findChild<QLabel*>("lblEnglish_1")->font().family(),
              ui::fontFor(settings.look.FontQuestion).family());
    EXPECT_EQ(frm.findChild<QLabel*>("lblJapanese_1")->font().family(),
              ui::fontFor(settings.look.FontAnswer).family());
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(ShowErrorNumWindowTest, AnotherDictionaryShowsItsPlacesAndUnfilledOnesAsNo) {
    TfrmShowErrorNum frm(UserFiles(settings), settings.files, settings.look);
    frm.FormShow();
    frm.findChild<QComboBox*>("cboDicFile")->setEditText(q("nouns.txt"));
    frm.findChild<QPushButton*>("cmdView")->click();
    EXPECT_EQ(places(frm), (QStringList{q("cat|猫| ： 1"), q("|NO| ： 0"), q("|NO| ： 0"),
                                        q("|NO| ： 0"), q("|NO| ： 0")}));
    // A dictionary without a section: five unfilled places.
    frm.findChild<QComboBox*>("cboDicFile")->setEditText(q("adj.txt"));
    frm.findChild<QPushButton*>("cmdView")->click();
    EXPECT_EQ(places(frm), QStringList(5, q("|NO| ： 0")));
}

TEST_F(ShowErrorNumWindowTest, ARankingFileThatCannotBeReadIsReported) {
    removeFile(userFile("error5.cun"));
    ASSERT_TRUE(makeFolder(userFile("error5.cun")));
    platform.answerNotice();
    TfrmShowErrorNum frm(UserFiles(settings), settings.files, settings.look);
    frm.FormShow();
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(QString::fromStdString(userFile("error5.cun"))));
    EXPECT_EQ(places(frm).first(), q("|| ： "));
}

} // namespace

TEST_F(ShowErrorNumWindowTest, AScreenReaderReadsThePlacesWordsNotFixedNames) {
    TfrmShowErrorNum frm(UserFiles(settings), settings.files, settings.look);
    frm.show();
    for (int i = 1; i <= 5; ++i) {
        for (const auto& [name, what] : {std::pair{"lblEnglish_", "位の英語"},
                                         std::pair{"lblJapanese_", "位の日本語"},
                                         std::pair{"lblNum_", "位の不正解数"}}) {
            auto* label = frm.findChild<QLabel*>(QString::fromLatin1(name) + QString::number(i));
            ASSERT_NE(label, nullptr);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->text(QAccessible::Name), label->text()) << name << i;
            EXPECT_EQ(a->text(QAccessible::Description), QString::number(i) + q(what));
        }
    }
    QAccessibleInterface* first =
        QAccessible::queryAccessibleInterface(frm.findChild<QLabel*>("lblEnglish_1"));
    EXPECT_EQ(first->text(QAccessible::Name), q("run"));
}
