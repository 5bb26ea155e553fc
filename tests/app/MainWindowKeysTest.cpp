// The keyboard in the main window, wherever the focus is: Enter starts a drill when idle
// (at start, after a stop and after a drill's end), and Enter and the digits answer a
// choice question after a click on the question or comment box or a context menu. The
// choices show the digit that chooses them; the typed-answer field takes no typing in a
// choice drill.

#include "quiz/Drill.h"
#include "quiz/TfrmQuestionSetup.h"
#include "tests/app/ShellFixture.h"
#include "ui/RadioGroup.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace qor;

namespace {

class MainWindowKeysTest : public test::DrillWindowFixture {
protected:
    void startShown(int answerType, std::vector<std::string> setupKeys = {}) {
        setupKeys.push_back("AutoImeOn=0");
        startMain(answerType, setupKeys);
        main->createLongLivedDialogs();
        main->show();
        activate();
    }

    // The main window active again, as the desktop makes it when a dialog closes (the
    // test platform leaves no window active).
    void activate() {
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Presses Enter where the focus is and tells whether it opened the question setup
    // (which is then cancelled).
    bool enterOpensTheQuestionSetup() {
        QWidget* focus = QApplication::focusWidget();
        EXPECT_NE(focus, nullptr);
        if (focus == nullptr)
            return false;
        EXPECT_TRUE(focus->isEnabled() && focus->isVisible()) << focus->objectName().toStdString();
        bool opened = false;
        platform.answerModal([&](QDialog& d) {
            opened = dynamic_cast<TfrmQuestionSetup*>(&d) != nullptr;
            return static_cast<int>(QDialog::Rejected);
        });
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_FALSE(main->drill().running());
        return opened;
    }

    static std::string focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->metaObject()->className() + std::string(" ") +
                           focus->objectName().toStdString()
                     : std::string("no focus");
    }

    // Answers every verdict and end window that opens, counting them.
    void answerAllWindows(int& count, int times) {
        for (int i = 0; i < times; ++i)
            platform.answerModal([&count](QDialog&) {
                ++count;
                return static_cast<int>(QDialog::Rejected);
            });
    }

    // The texts the drill set, without the digits shown before them.
    QStringList choiceTexts() const {
        QStringList texts;
        for (const std::string& t : main->drill().state().choiceTexts)
            texts << ui::toQ(t);
        return texts;
    }
};

} // namespace

TEST_F(MainWindowKeysTest, EnterStartsADrillAtTheStart) {
    startShown(0);
    EXPECT_TRUE(enterOpensTheQuestionSetup())
        << focusName();
    main->close();
}

TEST_F(MainWindowKeysTest, EnterStartsADrillAfterAStopByTheButton) {
    startShown(0);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_TRUE(main->drill().running());
    QTest::mouseClick(ctl<QPushButton>(*main, "cmdStop"), Qt::LeftButton);
    ASSERT_FALSE(main->drill().running());
    EXPECT_TRUE(enterOpensTheQuestionSetup())
        << focusName();
    main->close();
}

TEST_F(MainWindowKeysTest, EnterStartsADrillAfterAChoiceDrillAnsweredByTheMouse) {
    startShown(2, {"ClickResult=1"});
    ctl<QAction>(*main, "actOk")->trigger();
    int windows = 0;
    answerAllWindows(windows, 6);  // five verdicts and the end window
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(main->drill().running()) << i;
        QApplication::processEvents();
        QRadioButton* first = ctl<ui::RadioGroup>(*main, "rgAnswer")->button(0);
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(8, first->height() / 2));
    }
    ASSERT_FALSE(main->drill().running());
    EXPECT_EQ(windows, 6);
    activate();
    EXPECT_TRUE(enterOpensTheQuestionSetup())
        << focusName();
    main->close();
}

TEST_F(MainWindowKeysTest, DigitsAndEnterAnswerAChoiceWhereverTheFocusIs) {
    startShown(2);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_TRUE(main->drill().state().choiceMode);
    QApplication::processEvents();
    const DrillState& state = main->drill().state();

    // A click in the question box leaves the focus there.
    QTest::mouseClick(ctl<QPlainTextEdit>(*main, "moQuestion")->viewport(), Qt::LeftButton);
    ctl<QPlainTextEdit>(*main, "moQuestion")->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), ctl<QPlainTextEdit>(*main, "moQuestion"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), 1);
    int windows = 0;
    answerAllWindows(windows, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(state.correctCount + state.wrongCount, 1);
    activate();

    // The comment box, as after a click in it.
    ctl<QPlainTextEdit>(*main, "moComment")->show();
    ctl<QPlainTextEdit>(*main, "moComment")->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), ctl<QPlainTextEdit>(*main, "moComment"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4);
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), 3);
    answerAllWindows(windows, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(windows, 2);
    EXPECT_EQ(state.correctCount + state.wrongCount, 2);
    activate();

    // After the window's pop-up menu was opened and closed without a choice.
    QMenu* menu = ctl<QMenu>(*main, "pmMain");
    QTimer::singleShot(0, menu, [menu] { menu->close(); });
    menu->exec(main->mapToGlobal(QPoint(100, 100)));
    QApplication::processEvents();
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : main.get();
    QTest::keyClick(focus, Qt::Key_1);
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), 0);
    answerAllWindows(windows, 1);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : main.get(),
                    Qt::Key_Return);
    EXPECT_EQ(windows, 3);
    EXPECT_EQ(state.correctCount + state.wrongCount, 3);
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    ctl<QAction>(*main, "actStop")->trigger();
    main->close();
}

TEST_F(MainWindowKeysTest, TheChoicesShowTheirDigits) {
    startShown(3);  // five choices
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->count(), 5);
    const QStringList texts = choiceTexts();
    ASSERT_EQ(texts.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->button(i)->text(), QStringLiteral("%1 %2").arg(i + 1).arg(texts[i]));
    // The item index is still that of the text chosen.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), 4);
    ctl<QAction>(*main, "actStop")->trigger();
    main->close();
}

TEST_F(MainWindowKeysTest, TheAnswerFieldTakesNoTypingInAChoiceDrill) {
    startShown(2);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_TRUE(main->drill().state().choiceMode);
    EXPECT_FALSE(ctl<QLineEdit>(*main, "txtAnswer")->isEnabled());
    // Clicked and typed into, it keeps no text that would be judged as the answer.
    QTest::mouseClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::LeftButton);
    QTest::keyClicks(ctl<QLineEdit>(*main, "txtAnswer"), QStringLiteral("abc"));
    EXPECT_TRUE(ctl<QLineEdit>(*main, "txtAnswer")->text().isEmpty());
    ctl<QAction>(*main, "actStop")->trigger();

    // A typed drill has it back.
    ctl<QComboBox>(*main, "cboAnswerType")->setCurrentIndex(0);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_FALSE(main->drill().state().choiceMode);
    EXPECT_TRUE(ctl<QLineEdit>(*main, "txtAnswer")->isEnabled());
    QTest::keyClicks(ctl<QLineEdit>(*main, "txtAnswer"), QStringLiteral("abc"));
    EXPECT_EQ(ctl<QLineEdit>(*main, "txtAnswer")->text(), QStringLiteral("abc"));
    ctl<QAction>(*main, "actStop")->trigger();
    main->close();
}
