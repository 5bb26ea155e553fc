// "今日の復習" in the question setup dialog: an option of the option group like the order
// options, setting its flag in the plan the drill gets.

#include "tests/quiz/QuestionSetupFixture.h"
#include "tools/TfrmCustomQuestion.h"
#include "ui/UpDown.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QGroupBox>
#include <QPalette>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTableView>
#include <QtTest/QTest>
#include <cmath>
#include <cstdlib>

using namespace qor;

namespace {

class QuestionSetupDailyReviewTest : public test::QuestionSetupFixture {
protected:
    QRadioButton* daily() const { return ctl<QRadioButton>(*setup, "rbDailyReview"); }
    QCheckBox* group() const { return ctl<QCheckBox>(*setup, "chkOption"); }
    QLineEdit* countField() const { return ctl<QLineEdit>(*setup, "txtQuestionNum"); }
    bool dictionaryFree() const {
        return ctl<QGroupBox>(*setup, "rgDicType")->isEnabled() &&
               ctl<QComboBox>(*setup, "cboDicFile")->isEnabled() &&
               ctl<QPushButton>(*setup, "cmdSelectDicFile")->isEnabled();
    }
    bool countFree() const {
        return !countField()->isReadOnly() && ctl<ui::UpDown>(*setup, "udQuestionNum")->isEnabled();
    }
};

} // namespace

TEST_F(QuestionSetupDailyReviewTest, ItIsTheLastOptionOfTheGroupAndOffUntilChosen) {
    setup->show(); // laid out
    EXPECT_EQ(daily()->text(), QStringLiteral("今日の復習"));
    EXPECT_EQ(daily()->parentWidget(), ctl<QGroupBox>(*setup, "gbOption"));
    // Below the last of the other options.
    for (const char* name : {"rbSameQuestion", "rbYesterdayOn", "rbNotSameQuestion", "rbNotRandom"})
        EXPECT_GT(daily()->y(), ctl<QRadioButton>(*setup, name)->y()) << name;
    EXPECT_GT(daily()->y(), ctl<QCheckBox>(*setup, "chkNotRandomContinue")->y());
    EXPECT_FALSE(daily()->isChecked());
    EXPECT_FALSE(daily()->isEnabled()); // the group is off
    EXPECT_FALSE(setup->plan().modes.dailyReview);
    group()->click();
    EXPECT_TRUE(daily()->isEnabled());
    EXPECT_FALSE(setup->plan().modes.dailyReview);
    setup->hide();
}

TEST_F(QuestionSetupDailyReviewTest, ChoosingItSetsTheFlagAndAnotherOptionClearsIt) {
    show();
    group()->click();
    daily()->click();
    EXPECT_TRUE(daily()->isChecked());
    EXPECT_TRUE(setup->plan().modes.dailyReview);
    EXPECT_EQ(activeSource(setup->plan().modes), QuestionSource::DailyReview);

    ctl<QRadioButton>(*setup, "rbNotSameQuestion")->click();
    EXPECT_FALSE(daily()->isChecked());
    EXPECT_FALSE(setup->plan().modes.dailyReview);
    EXPECT_TRUE(setup->plan().modes.notSameQuestion);

    daily()->click();
    EXPECT_TRUE(setup->plan().modes.dailyReview);
    EXPECT_FALSE(setup->plan().modes.notSameQuestion);

    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    EXPECT_FALSE(setup->plan().modes.dailyReview);
    EXPECT_TRUE(setup->plan().modes.notRandom);
    ctl<QCheckBox>(*setup, "chkNotRandomContinue")->click();
    ASSERT_TRUE(setup->plan().modes.notRandomContinue);
    // The continuation belongs to the ordered drill alone.
    daily()->click();
    EXPECT_FALSE(setup->plan().modes.notRandom);
    EXPECT_FALSE(setup->plan().modes.notRandomContinue);
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkNotRandomContinue")->isEnabled());

    // Switching the group off clears it.
    group()->click();
    EXPECT_FALSE(daily()->isChecked());
    EXPECT_FALSE(setup->plan().modes.dailyReview);
}

TEST_F(QuestionSetupDailyReviewTest, ItFreesTheCountAndTheDictionaryAsTheOrderOptionsDo) {
    completeDrill(3);
    show();
    group()->click();
    ctl<QRadioButton>(*setup, "rbSameQuestion")->click();
    ASSERT_FALSE(countFree());
    ASSERT_FALSE(dictionaryFree());

    daily()->click();
    EXPECT_TRUE(countFree());
    EXPECT_TRUE(dictionaryFree());
    EXPECT_EQ(setup->questionMaximum(), kMaxQuestions);
    EXPECT_FALSE(setup->plan().modes.sameQuestions);
    // The count typed is the drill's length.
    countField()->setText(QStringLiteral("7"));
    EXPECT_TRUE(setup->plan().modes.dailyReview);

    // Another dictionary can be chosen with it.
    numberedDictionary("nouns.txt", 4, "n");
    ctl<QComboBox>(*setup, "cboDicFile")->setEditText(QStringLiteral("nouns.txt"));
    takeTypedDictionaryName();
    EXPECT_EQ(settings.files.DicInUse, dir.file("nouns.txt"));
    EXPECT_TRUE(daily()->isChecked());
    EXPECT_TRUE(setup->plan().modes.dailyReview);
}

TEST_F(QuestionSetupDailyReviewTest, TheCustomListAndImportanceStandAsideAsForTheOtherOptions) {
    settings.drill.ImportantOn = 1;
    show();
    platform.answerModal([](QDialog& d) {
        auto& w = dynamic_cast<TfrmCustomQuestion&>(d);
        QAbstractItemModel* model = w.findChild<QTableView*>(QStringLiteral("lstData"))->model();
        model->setData(model->index(1, 0), Qt::Checked, Qt::CheckStateRole);
        w.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        return w.result();
    });
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    ASSERT_TRUE(setup->plan().modes.custom);

    group()->click();
    daily()->click();
    EXPECT_TRUE(setup->plan().modes.dailyReview);
    EXPECT_FALSE(setup->plan().modes.custom);
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isEnabled());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());
    EXPECT_EQ(setup->questionMaximum(), kMaxQuestions);

    group()->click();
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isEnabled());
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());
}

TEST_F(QuestionSetupDailyReviewTest, CancelHandsThePlanOverAndTheNextShowingKeepsIt) {
    show();
    group()->click();
    daily()->click();
    ctl<QPushButton>(*setup, "cmdCancel")->click();
    EXPECT_EQ(setup->result(), QDialog::Rejected);
    EXPECT_TRUE(drill->plan().modes.dailyReview);
    EXPECT_FALSE(drill->running());

    show();
    EXPECT_TRUE(group()->isChecked());
    EXPECT_TRUE(daily()->isChecked());
    EXPECT_TRUE(setup->plan().modes.dailyReview);

    // A plan without it (another option chosen meanwhile) shows it off.
    DrillPlan other = drill->plan();
    other.modes.dailyReview = false;
    other.modes.notSameQuestion = true;
    drill->setPlan(other);
    show();
    EXPECT_FALSE(daily()->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbNotSameQuestion")->isChecked());
}

TEST_F(QuestionSetupDailyReviewTest, ADrillStartsWithItAndKeepsItInThePlan) {
    show();
    group()->click();
    daily()->click();
    count("4");
    ASSERT_TRUE(ok());
    EXPECT_TRUE(drill->plan().modes.dailyReview);
    EXPECT_EQ(host.countText, "4");
}

TEST_F(QuestionSetupDailyReviewTest, CompletedAndStoppedDrillsDoNotLockIt) {
    completeDrill(2);
    show();
    group()->click();
    EXPECT_TRUE(daily()->isEnabled());
    daily()->click();
    ASSERT_TRUE(ok());
    answerRight();
    drill->stop();
    // The stop switches the group off, as for every option; the option itself stays open
    // while the last drill's replays are locked.
    EXPECT_FALSE(group()->isChecked());
    show();
    group()->click();
    EXPECT_FALSE(ctl<QRadioButton>(*setup, "rbSameQuestion")->isEnabled());
    EXPECT_TRUE(daily()->isEnabled());
    daily()->click();
    EXPECT_TRUE(setup->plan().modes.dailyReview);
}

TEST_F(QuestionSetupDailyReviewTest, TheKeyboardReachesIt) {
    show();
    group()->click();
    setup->show();
    QApplication::setActiveWindow(setup.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(setup.get()));
    auto tabFromGroupSwitch = [this] {
        group()->setFocus();
        QTest::keyClick(group(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    // Tab enters the options at the first one that can be chosen; the arrow keys go
    // through them, as in every group of radio buttons.
    QWidget* entered = tabFromGroupSwitch();
    ASSERT_NE(qobject_cast<QRadioButton*>(entered), nullptr);
    ASSERT_EQ(entered->parentWidget(), ctl<QGroupBox>(*setup, "gbOption"));
    for (int i = 0; i < 10 && QApplication::focusWidget() != daily(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), daily());
    EXPECT_FALSE(setup->plan().modes.dailyReview); // moving over options chooses none
    QTest::keyClick(daily(), Qt::Key_Space);
    EXPECT_TRUE(setup->plan().modes.dailyReview);
    // Once chosen, Tab goes straight to it.
    EXPECT_EQ(tabFromGroupSwitch(), daily());
    setup->hide();
}

TEST_F(QuestionSetupDailyReviewTest, ItsCaptionIsWholeAndReadableInLightAndDarkColours) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    for (const QPalette& palette : {QPalette(QColor(240, 240, 240)), dark}) {
        setup->setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        setup->setPalette(palette);
        show();
        group()->click();
        setup->show();
        QCoreApplication::processEvents();
        // Wholly inside its group, as wide as its caption needs.
        const QRect inGroup(daily()->mapTo(ctl<QGroupBox>(*setup, "gbOption"), QPoint(0, 0)),
                            daily()->size());
        EXPECT_TRUE(ctl<QGroupBox>(*setup, "gbOption")->contentsRect().contains(inGroup));
        EXPECT_GE(daily()->width(), daily()->sizeHint().width());
        EXPECT_GE(daily()->height(), daily()->fontMetrics().height());
        // Its text stands apart from the window behind it.
        const QColor text = daily()->palette().color(QPalette::Active, QPalette::WindowText);
        const QColor back = daily()->palette().color(QPalette::Active, QPalette::Window);
        EXPECT_GT(std::abs(text.lightness() - back.lightness()), 120);
        if (const char* folder = std::getenv("QOR_SHOT_DIR")) {
            const QString name = palette.color(QPalette::Window).lightness() < 128
                                     ? QStringLiteral("/question-setup-dark.png")
                                     : QStringLiteral("/question-setup-light.png");
            setup->grab().save(QString::fromLocal8Bit(folder) + name);
        }
        group()->click();
        setup->hide();
    }
}
