// The learner's input during a drill: the answer field's input method and the keys of
// the choices, whichever drill control has the focus.

#include "base/Random.h"
#include "quiz/Drill.h"
#include "tests/app/ShellFixture.h"
#include "ui/RadioGroup.h"

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace qor;

namespace {

class MainWindowInputTest : public test::DrillWindowFixture {
protected:
    void startMain(int answerType) { DrillWindowFixture::startMain(answerType, {"AutoImeOn=0"}); }

    // What the window system asks before it sends input method text to the field.
    bool takesInputMethod() const {
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(ctl<QLineEdit>(*main, "txtAnswer"), &query);
        return ctl<QLineEdit>(*main, "txtAnswer")->testAttribute(Qt::WA_InputMethodEnabled) &&
               query.value(Qt::ImEnabled).toBool();
    }
};

} // namespace

TEST_F(MainWindowInputTest, JapaneseInputStaysPossibleAfterAChoiceDrill) {
    startMain(1);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_TRUE(main->drill().state().choiceMode);
    // The choices take the answer: the field is disabled meanwhile.
    EXPECT_FALSE(ctl<QLineEdit>(*main, "txtAnswer")->isEnabled());
    EXPECT_TRUE(ctl<QLineEdit>(*main, "txtAnswer")->inputMethodHints().testFlag(Qt::ImhPreferLatin));
    ctl<QAction>(*main, "actStop")->trigger();

    // A typed English-to-Japanese drill without the automatic input method switch: the
    // learner turns Japanese input on and types the answer.
    ctl<QComboBox>(*main, "cboAnswerType")->setCurrentIndex(0);
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_FALSE(main->drill().state().choiceMode);
    EXPECT_TRUE(takesInputMethod());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("走る"));
    QApplication::sendEvent(ctl<QLineEdit>(*main, "txtAnswer"), &commit);
    EXPECT_EQ(ctl<QLineEdit>(*main, "txtAnswer")->text(), QStringLiteral("走る"));
}

TEST_F(MainWindowInputTest, ChoiceKeysWorkAfterAChoiceWasClickedWithTheMouse) {
    startMain(2);
    main->show();
    QApplication::setActiveWindow(main.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ctl<QAction>(*main, "actOk")->trigger();
    ASSERT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->count(), 4);
    ASSERT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("run"));
    QApplication::processEvents();  // the new choices appear on screen
    ASSERT_TRUE(ctl<ui::RadioGroup>(*main, "rgAnswer")->button(0)->isVisible());

    // On its round mark, at the left (the button is wider than its text).
    QRadioButton* first = ctl<ui::RadioGroup>(*main, "rgAnswer")->button(0);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(8, first->height() / 2));
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), 0);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);

    // "3" chooses the third item, wherever the click left the focus; it is not typed.
    QTest::keyClick(focus, Qt::Key_3);
    EXPECT_EQ(ctl<ui::RadioGroup>(*main, "rgAnswer")->itemIndex(), 2);
    EXPECT_TRUE(ctl<QLineEdit>(*main, "txtAnswer")->text().isEmpty());

    // Enter submits the choice: its verdict window opens and the next question follows.
    int verdicts = 0;
    platform.answerModal([&](QDialog&) {
        ++verdicts;
        return static_cast<int>(QDialog::Rejected);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(verdicts, 1);
    const DrillState& state = main->drill().state();
    EXPECT_EQ(state.correctCount + state.wrongCount, 1);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("eat"));
    ctl<QAction>(*main, "actStop")->trigger();
    main->close();
}

TEST_F(MainWindowInputTest, AChoiceThatAnswersAtOnceAnswersOnceHoweverItWasChosen) {
    // "選択肢をクリックしたら結果を表示する": a choice answers without Enter.
    DrillWindowFixture::startMain(2, {"AutoImeOn=0", "ClickResult=1"});
    ctl<QAction>(*main, "actOk")->trigger();
    const DrillState& state = main->drill().state();
    int verdicts = 0;
    auto countVerdict = [&](QDialog&) {
        ++verdicts;
        return static_cast<int>(QDialog::Rejected);
    };

    // A screen reader's "toggle" on a choice: it is chosen and answers, as a click.
    platform.answerModal(countVerdict);
    QAccessibleInterface* choice = QAccessible::queryAccessibleInterface(ctl<ui::RadioGroup>(*main, "rgAnswer")->button(1));
    ASSERT_NE(choice, nullptr);
    ASSERT_NE(choice->actionInterface(), nullptr);
    choice->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(verdicts, 1);
    EXPECT_EQ(state.correctCount + state.wrongCount, 1);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("eat"));

    // A digit chooses and answers once: the next question is not answered with it.
    platform.answerModal(countVerdict);
    QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_2);
    EXPECT_EQ(verdicts, 2);
    EXPECT_EQ(state.correctCount + state.wrongCount, 2);
    EXPECT_EQ(ctl<QPlainTextEdit>(*main, "moQuestion")->toPlainText(), QStringLiteral("go"));

    platform.answerModal(countVerdict);
    ctl<ui::RadioGroup>(*main, "rgAnswer")->button(0)->click();
    EXPECT_EQ(verdicts, 3);
    EXPECT_EQ(state.correctCount + state.wrongCount, 3);
    EXPECT_EQ(platform.pendingAnswers(), 0u);
    ctl<QAction>(*main, "actStop")->trigger();
}
