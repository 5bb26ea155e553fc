// The print drop-down of the main window: the test sheet maker and the dictionary listing
// open through the window registry, and take the drill of this run and the records.

#include "print/TfrmMakeTest.h"
#include "print/TfrmPrintDic.h"
#include "tests/app/ShellFixture.h"
#include "tests/support/PdfText.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace qor;

namespace {

class MainWindowPrintTest : public test::DrillWindowFixture {
protected:
    // A typed drill of five questions with eat and see missed (lines 1 and 3).
    void drillWithTwoMisses() {
        startMain(0, {"MultiRandomOn=0", "VocBookOn=1"});
        ctl<QAction>(*main, "actOk")->trigger();
        const QString typed[] = {QStringLiteral("走る"), QStringLiteral("x"), QStringLiteral("行く"),
                                 QStringLiteral("y"), QStringLiteral("泳ぐ")};
        for (int i = 0; i < 6; ++i)  // five verdicts and the end window
            platform.answerModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
        for (const QString& answer : typed) {
            ctl<QLineEdit>(*main, "txtAnswer")->setText(answer);
            QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return);
        }
        ASSERT_EQ(platform.pendingAnswers(), 0u);
        platform.clearCalls();
    }

    template <typename T>
    static T* child(QDialog& d, const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
};

TEST_F(MainWindowPrintTest, TheDropDownHoldsBothPrintCommands) {
    startMain(0, {});
    const QList<QAction*> entries = ctl<QToolButton>(*main, "cmdPrint")->menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], ctl<QAction>(*main, "actPrintDic"));
    EXPECT_EQ(entries[1], ctl<QAction>(*main, "actMakeTest"));
    EXPECT_EQ(ctl<QAction>(*main, "actMakeTest")->shortcut(), QKeySequence(Qt::Key_F7));
}

TEST_F(MainWindowPrintTest, TodaysMistakesBecomeAChoiceSheetWithItsKeyInAPdf) {
    drillWithTwoMisses();
    const QString pdf = QString::fromStdString(dir.file("today.pdf"));
    platform.answerModal([&](QDialog& d) {
        EXPECT_NE(dynamic_cast<TfrmMakeTest*>(&d), nullptr);
        child<QComboBox>(d, "cboPrintType")->setCurrentIndex(1);  // 今日、間違えた問題
        child<QCheckBox>(d, "chkSelectOn")->click();
        child<QCheckBox>(d, "chkPrintAnswer")->click();
        child<QPushButton>(d, "cmdView")->click();
        platform.answerPrint(pdf);
        child<QPushButton>(d, "cmdPrint")->click();
        child<QPushButton>(d, "cmdClose")->click();
        return d.result();
    });
    main->cmdMakeTestClick();
    ASSERT_EQ(platform.callsOf(test::PlatformCall::Modal).size(), 1u);
    EXPECT_EQ(platform.callsOf(test::PlatformCall::Modal)[0].caption,
              QStringLiteral("簡易テスト用紙の作成"));

    const QStringList pages = test::pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("問題 1： eatの意味を選びなさい")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("問題 2： seeの意味を選びなさい")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("食べる")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("No.1：")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("、No.2：")));
    // The choices are kept for the next opening.
    EXPECT_NE(test::slurp(setupIni()).find("SelectOn=1"), std::string::npos);
}

TEST_F(MainWindowPrintTest, TheLastDrillsErrorsAndItsScore) {
    drillWithTwoMisses();
    QStringList lines;
    platform.answerModal([&](QDialog& d) {
        auto& maker = dynamic_cast<TfrmMakeTest&>(d);
        child<QCheckBox>(d, "chkPrintOption")->click();
        child<QPushButton>(d, "cmdView")->click();
        for (const std::string& line : maker.sheetLines())
            lines << ui::toQ(line);
        return static_cast<int>(QDialog::Rejected);
    });
    main->cmdMakeTestClick();
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[1], QStringLiteral("出題数 ： 5、正解数 ： 3、正解率 ： 60％"));
    EXPECT_EQ(lines[4], QStringLiteral("問題 1： eatの意味を書きなさい"));
    EXPECT_EQ(lines[7], QStringLiteral("問題 2： seeの意味を書きなさい"));
}

TEST_F(MainWindowPrintTest, TheListingNumbersTheDictionaryAndItsEditorButtonOpensTheBookEditor) {
    startMain(0, {"VocBookOn=1"});
    bool editorShown = false;
    main->openers().add(MainCommand::EditVocBook, [](TfrmMain& m) {
        auto d = std::make_unique<QDialog>(&m);
        d->setWindowTitle(QStringLiteral("単語帳の編集"));
        return d;
    });
    platform.answerModal([&](QDialog& d) {
        auto& listing = dynamic_cast<TfrmPrintDic&>(d);
        EXPECT_EQ(child<QComboBox>(d, "cboDicFile")->currentText(), QStringLiteral("verbs.txt"));
        child<QCheckBox>(d, "chkNumberOn")->click();
        child<QPushButton>(d, "cmdLoad")->click();
        EXPECT_EQ(listing.listingLines().size(), 5u);
        EXPECT_EQ(ui::toQ(listing.listingLines()[4]), QStringLiteral("5：\tswim\t泳ぐ\tv"));
        platform.answerModal([&](QDialog& editor) {
            editorShown = editor.windowTitle() == QStringLiteral("単語帳の編集");
            return static_cast<int>(QDialog::Rejected);
        });
        child<QPushButton>(d, "cmdEditVocBook")->click();
        return static_cast<int>(QDialog::Rejected);
    });
    main->cmdPrintDicClick();
    EXPECT_TRUE(editorShown);
    EXPECT_EQ(platform.pendingAnswers(), 0u);
}

} // namespace
