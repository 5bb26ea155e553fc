#include "ui/ActionLink.h"
#include "ui/DataLabel.h"
#include "ui/ElidedLabel.h"
#include "ui/FileDrops.h"
#include "ui/Gauge.h"
#include "ui/HoverLabel.h"
#include "ui/RadioGroup.h"
#include "ui/Switch.h"
#include "ui/UpDown.h"

#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QDropEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(UpDownTest, StepsTheFieldsNumberWithinItsRange) {
    QLineEdit edit(QStringLiteral("999"));
    ui::UpDown ud(&edit);
    ud.setRange(1, 1000);
    QSignalSpy stepped(&ud, &ui::UpDown::stepped);
    ud.upButton()->click();
    EXPECT_EQ(edit.text(), QStringLiteral("1000"));
    ud.upButton()->click();
    EXPECT_EQ(edit.text(), QStringLiteral("1000"));
    edit.setText(QStringLiteral("2"));
    ud.downButton()->click();
    ud.downButton()->click();
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
    EXPECT_EQ(stepped.count(), 4);
}

TEST(UpDownTest, TypedTextStaysAsTypedAndTheArrowKeysStepIt) {
    QLineEdit edit(QStringLiteral("10"));
    ui::UpDown ud(&edit);
    ud.setRange(1, 1000);
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("2500"));
    EXPECT_EQ(edit.text(), QStringLiteral("2500"));  // refused later by its dialog, not here
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), QStringLiteral("1000"));
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), QStringLiteral("999"));
    // A text that is no number steps from the minimum.
    edit.setText(QStringLiteral("ab"));
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
    ud.setEnabled(false);
    ud.upButton()->click();
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
}

TEST(RadioGroupTest, ItemsIndexAndEveryWayOfChoosing) {
    ui::RadioGroup group;
    group.setItems(
        {QStringLiteral("正解 １"), QStringLiteral("正解 ２"), QStringLiteral("正解 ３")});
    EXPECT_EQ(group.count(), 3);
    EXPECT_EQ(group.itemIndex(), -1);
    QSignalSpy chosen(&group, &ui::RadioGroup::itemChosen);
    group.button(2)->click();
    EXPECT_EQ(group.itemIndex(), 2);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 2);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(chosen.count(), 1);  // clearing chooses nothing
    group.setItemIndex(1);
    EXPECT_EQ(group.itemIndex(), 1);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen[1][0].toInt(), 1);
    // A screen reader's "toggle" chooses as a click does.
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(group.button(0));
    ASSERT_NE(item, nullptr);
    ASSERT_NE(item->actionInterface(), nullptr);
    item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(group.itemIndex(), 0);
    ASSERT_EQ(chosen.count(), 3);
    EXPECT_EQ(chosen[2][0].toInt(), 0);
    group.setItems({QStringLiteral("a")});
    EXPECT_EQ(group.items(), QStringList({"a"}));
    EXPECT_EQ(group.itemIndex(), -1);
}

namespace {
// Takes every key press it sees and counts it.
class KeyCounter : public QObject {
public:
    int keys = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        ++keys;
        return true;
    }
};
} // namespace

TEST(RadioGroupTest, TheItemFilterSeesTheKeysOfLaterItemsToo) {
    ui::RadioGroup group;
    group.setItems({QStringLiteral("a"), QStringLiteral("b")});
    KeyCounter first, second;
    group.setItemEventFilter(&first);
    QTest::keyClick(group.button(1), Qt::Key_3);
    group.setItems({QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
    QTest::keyClick(group.button(2), Qt::Key_3);
    EXPECT_EQ(first.keys, 2);

    // A new filter takes the old one's place.
    group.setItemEventFilter(&second);
    QTest::keyClick(group.button(0), Qt::Key_1);
    group.setItems({QStringLiteral("f")});
    QTest::keyClick(group.button(0), Qt::Key_1);
    EXPECT_EQ(first.keys, 2);
    EXPECT_EQ(second.keys, 2);
}

TEST(ActionLinkTest, AButtonFollowsAndRunsItsAction) {
    QAction action(QStringLiteral("結果"));
    QPushButton button(QStringLiteral("結果"));
    int runs = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++runs; });
    ui::linkButton(&button, &action);
    button.click();
    EXPECT_EQ(runs, 1);
    action.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    action.setEnabled(true);
    EXPECT_TRUE(button.isEnabled());
}

TEST(ActionLinkTest, ATwinFollowsTheTickAndTogglesItsAction) {
    QAction action(QStringLiteral("x"));
    action.setCheckable(true);
    action.setChecked(true);
    QAction twin(QStringLiteral("x (&X)"));
    ui::linkTwin(&twin, &action);
    EXPECT_TRUE(twin.isChecked());
    int runs = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++runs; });
    twin.trigger();
    EXPECT_FALSE(action.isChecked());
    EXPECT_FALSE(twin.isChecked());
    EXPECT_EQ(runs, 1);
    action.trigger();
    EXPECT_TRUE(twin.isChecked());
    action.setEnabled(false);
    EXPECT_FALSE(twin.isEnabled());
}

TEST(GaugeTest, KeepsValueMaximumAndColour) {
    ui::Gauge gauge;
    gauge.setMaximum(10);
    gauge.setValue(3);
    gauge.setColor(QColor(0, 128, 128));
    EXPECT_EQ(gauge.value(), 3);
    EXPECT_EQ(gauge.maximum(), 10);
    gauge.resize(100, 12);
    QImage image(gauge.size(), QImage::Format_RGB32);
    gauge.render(&image);
    // Filled in its colour up to 30 % of the inner width, empty beyond.
    EXPECT_EQ(QColor(image.pixel(10, 6)), QColor(0, 128, 128));
    EXPECT_NE(QColor(image.pixel(60, 6)), QColor(0, 128, 128));
}

TEST(HoverLabelTest, ReportsClicksAndKeys) {
    ui::HoverLabel label(QStringLiteral("link"));
    label.resize(80, 20);
    QSignalSpy clicked(&label, &ui::HoverLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::keyClick(&label, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 2);
}

TEST(ElidedLabelTest, ALongTextIsShortenedInItsMiddleAndNeverWidensItsWindow) {
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* label = new ui::ElidedLabel(&window);
    layout->addWidget(label);
    label->setPreferredWidth(260);
    window.resize(280, 30);
    const QString path = QStringLiteral("/home/taro/") + QStringLiteral("lists/").repeated(30) +
                         QStringLiteral("verbs.txt");
    label->setText(path);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(label->text(), path);  // the whole text stays the label's own
    EXPECT_TRUE(label->elided());
    EXPECT_TRUE(label->shownText().startsWith(QStringLiteral("/home")));
    EXPECT_TRUE(label->shownText().endsWith(QStringLiteral("verbs.txt")));
    EXPECT_LT(window.minimumSizeHint().width(), 280);
    // A window made narrower takes the label with it.
    window.resize(60, 30);
    QApplication::processEvents();
    EXPECT_LE(window.width(), 80);
    label->setText(QStringLiteral("short"));
    window.resize(300, 30);
    QApplication::processEvents();
    EXPECT_FALSE(label->elided());
}

TEST(FileDropsTest, AWindowTakesDroppedFilesButNotWebAddresses) {
    QWidget window;
    QList<QUrl> dropped;
    int drops = 0;
    ui::acceptFileDrops(&window, [&](const QList<QUrl>& urls) {
        dropped = urls;
        ++drops;
    });
    EXPECT_TRUE(window.acceptDrops());
    auto dropOf = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        return enter.isAccepted();
    };
    const QUrl list = QUrl::fromLocalFile(QStringLiteral("/tmp/verbs.txt"));
    const QUrl other = QUrl::fromLocalFile(QStringLiteral("/tmp/nouns.txt"));
    EXPECT_TRUE(dropOf({list, other}));
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(dropped, (QList<QUrl>{list, other}));  // the handler takes the first
    EXPECT_FALSE(dropOf({QUrl(QStringLiteral("https://example.org/verbs.txt")), list}));
    EXPECT_EQ(drops, 1);
}

namespace {

// Counts the runs of a switch's handler.
struct Runs {
    int count = 0;
    void run() { ++count; }
};

} // namespace

TEST(SwitchTest, ACheckBoxActsOnEveryChangeWhoeverMadeIt) {
    QCheckBox box(QStringLiteral("記録する"));
    Runs runs;
    ui::onToggled(&box, &runs, &Runs::run);
    box.click();
    EXPECT_EQ(runs.count, 1);
    box.setChecked(false);  // by code
    EXPECT_EQ(runs.count, 2);
    box.toggle();
    EXPECT_EQ(runs.count, 3);
    // A screen reader's "toggle" action.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(runs.count, 4);
}

TEST(SwitchTest, ARadioButtonActsWhenItBecomesTheChosenOne) {
    QWidget parent;
    auto* midi = new QRadioButton(QStringLiteral("MIDI"), &parent);
    auto* cd = new QRadioButton(QStringLiteral("CD"), &parent);
    Runs midiRuns;
    Runs cdRuns;
    ui::onToggled(midi, &midiRuns, &Runs::run);
    ui::onToggled(cd, &cdRuns, &Runs::run);
    midi->setChecked(true);
    EXPECT_EQ(midiRuns.count, 1);
    cd->click();  // midi is unticked on the way: that runs nothing
    EXPECT_EQ(midiRuns.count, 1);
    EXPECT_EQ(cdRuns.count, 1);
    cd->click();  // chosen already
    EXPECT_EQ(cdRuns.count, 1);
}

TEST(SwitchTest, AnExclusiveGroupTellsTheIdChosen) {
    QWidget parent;
    QButtonGroup group;
    for (int i = 0; i < 3; ++i)
        group.addButton(new QRadioButton(QString::number(i), &parent), i);
    std::vector<int> chosen;
    ui::onChosen(&group, [&](int id) { chosen.push_back(id); });
    group.button(1)->setChecked(true);
    group.button(2)->click();
    EXPECT_EQ(chosen, (std::vector<int>{1, 2}));
}

TEST(SwitchTest, SetSwitchRunsTheHandlerOnceAndShowingAStateRunsNothing) {
    QCheckBox box;
    Runs runs;
    ui::onToggled(&box, &runs, &Runs::run);
    ui::setSwitch(&box, true);  // a change: once
    EXPECT_EQ(runs.count, 1);
    ui::setSwitch(&box, true);  // no change: still once, to bring the dependents in line
    EXPECT_EQ(runs.count, 2);
    ui::showSwitchState(&box, false);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(runs.count, 2);

    QWidget parent;
    auto* a = new QRadioButton(&parent);
    auto* b = new QRadioButton(&parent);
    Runs aRuns;
    ui::onToggled(a, &aRuns, &Runs::run);
    b->setChecked(true);
    ui::setSwitch(a, false);  // an unchosen radio button set unchosen: nothing to do
    EXPECT_EQ(aRuns.count, 0);
    ui::setSwitch(a, true);
    ui::setSwitch(a, true);
    EXPECT_EQ(aRuns.count, 2);
}

TEST(DataLabelTest, ALabelThatShowsDataIsNamedByWhatItShows) {
    QLabel label;
    ui::showsData(&label, QStringLiteral("1位の英語"));
    label.setText(QStringLiteral("apple"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("apple"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("1位の英語"));
    label.setText(QStringLiteral("orange"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("orange"));
}
