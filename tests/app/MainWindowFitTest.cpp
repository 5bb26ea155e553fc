// What the main window shows at its first-start width under every style Qt brings and at
// any scale: the dictionary list beside the toolbar buttons (not behind the toolbar's
// overflow arrow), and the dictionary in use named whole in the status bar, also beside a
// countdown. CTest runs these once as they are and once with QT_SCALE_FACTOR=2.

#include "tests/app/ShellFixture.h"
#include "ui/ElidedLabel.h"

#include <QApplication>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

using namespace qor;

namespace {

class MainWindowFitTest : public test::ShellFixture {
protected:
    QString oldStyle;
    QFont oldFont;

    void SetUp() override {
        ShellFixture::SetUp();
        oldStyle = QApplication::style()->name();
        oldFont = QApplication::font();
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        if (!scale.isEmpty()) {
            // The scale asked for is the one drawn with.
            QWidget probe;
            probe.show();
            EXPECT_DOUBLE_EQ(probe.devicePixelRatio(), scale.toDouble());
        }
    }
    void TearDown() override {
        QApplication::setStyle(QStyleFactory::create(oldStyle));
        QApplication::setFont(oldFont);
        ShellFixture::TearDown();
    }

    // Whether everything of a toolbar is in view: no overflow arrow, its last widget inside
    // the bar and the bar inside the window.
    static void expectWhole(TfrmMain& main, QToolBar* bar, QWidget* last, const QString& style) {
        SCOPED_TRACE((style + QStringLiteral(": ") + bar->objectName()).toStdString());
        auto* arrow = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        EXPECT_TRUE(arrow == nullptr || !arrow->isVisible()) << "the overflow arrow shows";
        EXPECT_TRUE(last->isVisible());
        const QRect inBar = QRect(last->mapTo(bar, QPoint(0, 0)), last->size());
        EXPECT_TRUE(bar->rect().contains(inBar));
        const QRect inWindow = QRect(bar->mapTo(&main, QPoint(0, 0)), bar->size());
        EXPECT_LE(inWindow.right(), main.width() - 1);
    }
};

} // namespace

TEST_F(MainWindowFitTest, TheDictionaryListIsBesideTheButtonsUnderEveryStyle) {
    QStringList styles = QStyleFactory::keys();
    ASSERT_TRUE(styles.contains(QStringLiteral("Fusion")));
    // The desktops' own fonts: 9 points here, 10 (KDE's Noto Sans), 11 (GNOME's Cantarell).
    for (const QString& style : styles) {
        for (int points : {9, 10, 11}) {
            QApplication::setStyle(QStyleFactory::create(style));
            QFont font = oldFont;
            font.setPointSize(points);
            QApplication::setFont(font);
            const QString what = QStringLiteral("%1 %2pt").arg(style).arg(points);
            knownUser();
            auto main = start();
            main->show();
            QApplication::processEvents();
            ASSERT_EQ(main->width(), 604) << what.toStdString();
            expectWhole(*main, ctl<QToolBar>(*main, "tbFileToolBar"), ctl<QComboBox>(*main, "cboDicFile"), what);
            QWidget* lastButton = ctl<QToolBar>(*main, "tbStandardToolBar")->widgetForAction(ctl<QAction>(*main, "actShowHistory"));
            ASSERT_NE(lastButton, nullptr);
            expectWhole(*main, ctl<QToolBar>(*main, "tbStandardToolBar"), lastButton, what);
            // Room for a dictionary's name.
            EXPECT_GE(ctl<QComboBox>(*main, "cboDicFile")->width(),
                      ctl<QComboBox>(*main, "cboDicFile")->fontMetrics().horizontalAdvance(QStringLiteral("noun.txt")))
                << what.toStdString();

            // The question toolbar on its row, whole too.
            ctl<QAction>(*main, "actQuestionSetupToolBar")->trigger();
            QApplication::processEvents();
            expectWhole(*main, ctl<QToolBar>(*main, "tbQuestionSetupToolBar"), ctl<QToolButton>(*main, "cmdOk"), what);
            if (!qEnvironmentVariableIsEmpty("QOR_SHOTS"))
                main->grab().save(qEnvironmentVariable("QOR_SHOTS") +
                                  QStringLiteral("/toolbars-%1-%2pt.png").arg(style).arg(points));

            // Alone it takes the first row; with the standard toolbar back, it is whole.
            const int firstRow = ctl<QToolBar>(*main, "tbStandardToolBar")->y();
            ctl<QAction>(*main, "actStandardToolBar")->trigger();
            QApplication::processEvents();
            EXPECT_EQ(ctl<QToolBar>(*main, "tbFileToolBar")->y(), firstRow) << what.toStdString();
            ctl<QAction>(*main, "actStandardToolBar")->trigger();
            QApplication::processEvents();
            expectWhole(*main, ctl<QToolBar>(*main, "tbFileToolBar"), ctl<QComboBox>(*main, "cboDicFile"), what);

            // A window wide enough has both on one row again.
            main->resize(1000, 441);
            QApplication::processEvents();
            EXPECT_EQ(ctl<QToolBar>(*main, "tbFileToolBar")->y(), ctl<QToolBar>(*main, "tbStandardToolBar")->y()) << what.toStdString();
            main->close();
        }
    }
}

TEST_F(MainWindowFitTest, TheDictionaryInUseIsNamedWholeAlsoBesideACountdown) {
    knownUser(
        {"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=1", "0=英検準２級の二次試験,2002/3/20"});
    writeLines(dir.file("words.txt"), {sj("run=走る*x")});
    auto main = start();
    main->settings().files.DicInUse = dir.file("words.txt");
    main->show();
    QApplication::processEvents();
    ASSERT_EQ(main->width(), 604);
    auto* panel = qobject_cast<ui::ElidedLabel*>(main->statusPanel(0));
    ASSERT_NE(panel, nullptr);

    main->settings().schedule.PlanOn = false;
    main->tmrDateTimer();
    QApplication::processEvents();
    EXPECT_EQ(main->statusPanelText(0), QStringLiteral(" 現在使用中の辞書 ： words.txt"));
    EXPECT_FALSE(panel->elided()) << panel->shownText().toStdString();

    main->settings().schedule.PlanOn = true;
    main->tmrDateTimer();
    QApplication::processEvents();
    EXPECT_EQ(main->statusPanelText(3), QStringLiteral("英検準２級の二次試験まで、あと 17日"));
    EXPECT_FALSE(panel->elided()) << panel->shownText().toStdString();
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->shownText()),
              panel->contentsRect().width());
    // The countdown is there beside it, whole or shortened with the whole text as tooltip.
    auto* countdown = qobject_cast<ui::ElidedLabel*>(main->statusPanel(3));
    ASSERT_NE(countdown, nullptr);
    EXPECT_TRUE(countdown->isVisible());
    EXPECT_GE(countdown->width(), 50);
    EXPECT_LT(panel->geometry().right(), main->statusPanel(1)->x());
    EXPECT_LE(countdown->geometry().right(), ctl<QStatusBar>(*main, "sbInfo")->width());
    if (!qEnvironmentVariableIsEmpty("QOR_SHOTS"))
        ctl<QStatusBar>(*main, "sbInfo")->grab().save(
            qEnvironmentVariable("QOR_SHOTS") +
            QStringLiteral("/statusbar-x%1.png").arg(main->devicePixelRatio()));
    main->close();
}
