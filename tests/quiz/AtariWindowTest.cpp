#include "quiz/TfrmAtari.h"
#include "tests/records/WindowFixture.h"
#include "tests/support/Controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace qor;
using namespace qor::test;

namespace {

class AtariWindowTest : public WindowFixture {
protected:
    Verdict verdict;

    AtariWindowTest() {
        verdict.lineText = sj("apple=りんご,林檎*果物");
        verdict.answerSide = sj("りんご,林檎");
        verdict.comment = sj("果物");
        verdict.shown = "apple";
        verdict.typedAnswer = sj("林檎");
        verdict.pronunciation = "aepl";
        verdict.wordAsked = 1;
        verdict.wordPercentage = "100";
        verdict.dictionaryName = "fruit";
    }

    std::string importanceFile() const { return userFile("fruit_imp.dat"); }
};

TEST_F(AtariWindowTest, ShowsTheVerdictInTheCommentAndSignFonts) {
    settings.look.FontComment = sj("ＭＳ 明朝");
    settings.look.FontCommentSize = 13;
    settings.look.FontCommentColor = 0xFF0000;  // blue: red is the lowest byte
    settings.look.FontPhoneticSign = "Qor PronSign";
    settings.look.FontPhoneticSignColor = 0x0000FF;
    TfrmAtari frm(verdict, UserFiles(settings), settings.drill, settings.look);
    frm.show();
    QApplication::processEvents();

    EXPECT_EQ(frm.windowTitle(), q("結果発表！！"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblResult")->text(), q("★ 正解 ★"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblData")->text(), q("出題数 ： 1問 、 正解率 ： 100％"));
    EXPECT_EQ(ctl<QLabel>(frm, "lblAnswer")->text(), q("他の正解 ： りんご,林檎"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->toPlainText(), q("果物"));
    EXPECT_TRUE(ctl<QPlainTextEdit>(frm, "moComment")->isReadOnly());
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->font().family(), q("ＭＳ 明朝"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->font().pointSize(), 13);
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_EQ(ctl<QLabel>(frm, "lblPhoneticSign")->text(), q("発音記号 ： "));
    EXPECT_EQ(ctl<QLabel>(frm, "lblPhoneticSign")->buddy(), ctl<QPlainTextEdit>(frm, "moPhoneticSign"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moPhoneticSign")->toPlainText(), q("aepl"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moPhoneticSign")->font().family(), q("Qor PronSign"));
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moPhoneticSign")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdOk")->text(), q("&OK"));
    EXPECT_EQ(frm.focusWidget(), ctl<QPushButton>(frm, "cmdOk"));

    EXPECT_EQ(ctl<QLabel>(frm, "lblImportant")->text(), q("重要度の設定 >> "));
    EXPECT_FALSE(ctl<QLabel>(frm, "lblImportant")->isEnabled());
    QStringList captions;
    for (QPushButton* b : {ctl<QPushButton>(frm, "cmd1"), ctl<QPushButton>(frm, "cmd2"), ctl<QPushButton>(frm, "cmd3"), ctl<QPushButton>(frm, "cmd4"), ctl<QPushButton>(frm, "cmd5")}) {
        captions << b->text();
        EXPECT_FALSE(b->isEnabled());
        EXPECT_FALSE(b->isFlat());
    }
    EXPECT_EQ(captions, (QStringList{"1", "2", "3", "4", "5"}));
    ctl<QPushButton>(frm, "cmdOk")->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_FALSE(exists(importanceFile()));  // importance is off: nothing written
}

TEST_F(AtariWindowTest, TheCurrentLevelIsDownAndTheTitleBarCloseStoresTheNewOne) {
    settings.drill.ImportantOn = true;
    spit(importanceFile(), crlf({"2_" + verdict.lineText}));
    TfrmAtari frm(verdict, UserFiles(settings), settings.drill, settings.look);
    EXPECT_TRUE(ctl<QLabel>(frm, "lblImportant")->isEnabled());
    for (QPushButton* b : {ctl<QPushButton>(frm, "cmd1"), ctl<QPushButton>(frm, "cmd2"), ctl<QPushButton>(frm, "cmd3"), ctl<QPushButton>(frm, "cmd4"), ctl<QPushButton>(frm, "cmd5")}) {
        EXPECT_TRUE(b->isEnabled());
        EXPECT_FALSE(b->isFlat());
        EXPECT_EQ(b->isChecked(), b == ctl<QPushButton>(frm, "cmd2"));
    }
    frm.show();
    ctl<QPushButton>(frm, "cmd4")->click();
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmd2")->isChecked());
    frm.close();
    EXPECT_FALSE(frm.isVisible());
    EXPECT_EQ(slurp(importanceFile()), crlf({"4_" + verdict.lineText}));
}

TEST_F(AtariWindowTest, EscAndOkStoreTheLevelToo) {
    settings.drill.ImportantOn = true;
    const std::string other = sj("pear=梨*x");
    spit(importanceFile(), crlf({"5_" + other}));
    {
        TfrmAtari frm(verdict, UserFiles(settings), settings.drill, settings.look);
        frm.show();
        ctl<QPushButton>(frm, "cmd1")->click();
        QTest::keyClick(&frm, Qt::Key_Escape);
        EXPECT_EQ(frm.result(), QDialog::Rejected);
    }
    EXPECT_EQ(slurp(importanceFile()), crlf({"1_" + verdict.lineText, "5_" + other}));
    {
        TfrmAtari frm(verdict, UserFiles(settings), settings.drill, settings.look);
        EXPECT_TRUE(ctl<QPushButton>(frm, "cmd1")->isChecked());
        ctl<QPushButton>(frm, "cmd1")->click();  // all buttons up: level 0
        ctl<QPushButton>(frm, "cmdOk")->click();
    }
    EXPECT_EQ(slurp(importanceFile()), crlf({"5_" + other}));
}

TEST_F(AtariWindowTest, AnUnchangedLevelLeavesTheFileAsItWas) {
    settings.drill.ImportantOn = true;
    // Not in sorted order: any rewrite would sort it.
    const std::string bytes = crlf({"3_" + verdict.lineText, sj("1_pear=梨*x")});
    spit(importanceFile(), bytes);
    TfrmAtari frm(verdict, UserFiles(settings), settings.drill, settings.look);
    ctl<QPushButton>(frm, "cmdOk")->click();
    EXPECT_EQ(slurp(importanceFile()), bytes);
}

} // namespace
