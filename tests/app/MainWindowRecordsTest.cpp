// The statistics and history windows opened from the main window's commands, on the
// records of a drill answered in it.

#include "quiz/TfrmFinish.h"
#include "records/GraphView.h"
#include "records/TfrmShowErrorNum.h"
#include "records/TfrmShowGraph.h"
#include "records/TfrmShowHistory.h"
#include "records/TfrmShowPercent.h"
#include "tests/app/ShellFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

using namespace qor;

namespace {

class MainWindowRecordsTest : public test::DrillWindowFixture {
protected:
    // Five questions in dictionary order, eat and see missed, no verdict windows.
    void answerADrill() {
        startMain(0, {"ShowResult=0"});
        ctl<QAction>(*main, "actOk")->trigger();
        const QString answers[] = {q("走る"), q("x"), q("行く"), q("y"), q("泳ぐ")};
        for (int i = 0; i < 5; ++i) {
            if (i == 4)
                platform.answerModal([](QDialog& d) {
                    EXPECT_NE(dynamic_cast<TfrmFinish*>(&d), nullptr);
                    return static_cast<int>(QDialog::Rejected);
                });
            ctl<QLineEdit>(*main, "txtAnswer")->setText(answers[i]);
            QTest::keyClick(ctl<QLineEdit>(*main, "txtAnswer"), Qt::Key_Return);
        }
        ASSERT_EQ(platform.pendingAnswers(), 0u);
        platform.clearCalls();
    }

    // Opens the command's window and hands it to `check` while it is shown.
    template <class Window>
    void open(QAction* command, std::function<void(Window&)> check) {
        bool opened = false;
        platform.answerModal([&](QDialog& d) {
            auto* w = dynamic_cast<Window*>(&d);
            EXPECT_NE(w, nullptr) << d.metaObject()->className();
            if (w) {
                opened = true;
                check(*w);
            }
            return static_cast<int>(QDialog::Rejected);
        });
        command->trigger();
        EXPECT_TRUE(opened);
        EXPECT_TRUE(platform.boxTexts().isEmpty()) << platform.boxTexts().join("|").toStdString();
    }
};

TEST_F(MainWindowRecordsTest, TheFourCommandsOpenTheirWindowsOnTheDrillsRecords) {
    answerADrill();

    open<TfrmShowPercent>(ctl<QAction>(*main, "actShowPercent"), [this](TfrmShowPercent& w) {
        EXPECT_EQ(w.findChild<QComboBox*>("cboDicFile")->currentText(), q("verbs.txt"));
        EXPECT_EQ(w.findChild<QComboBox*>("cboYear")->currentText(), q("2002"));
        w.cmdViewClick();
        EXPECT_EQ(w.findChild<QTreeView*>("lstData")->model()->rowCount(), 5);
        EXPECT_EQ(w.findChild<QLabel*>("lblAchieve")->text(), q("習得数 ： 3 / 5"));
    });

    open<TfrmShowErrorNum>(ctl<QAction>(*main, "actShowErrorNum"), [this](TfrmShowErrorNum& w) {
        // The dictionary in use is shown at once.
        EXPECT_EQ(w.findChild<QLabel*>("lblEnglish_1")->text(), q("eat"));
        EXPECT_EQ(w.findChild<QLabel*>("lblJapanese_2")->text(), q("見る"));
        EXPECT_EQ(w.findChild<QLabel*>("lblNum_2")->text(), q(" ： 1"));
        EXPECT_EQ(w.findChild<QLabel*>("lblJapanese_3")->text(), q("NO"));
    });

    open<TfrmShowGraph>(ctl<QAction>(*main, "actShowGraph"), [this](TfrmShowGraph& w) {
        // The drill went to slot 1 of Temp.dat: marked there.
        EXPECT_EQ(w.graph().markerPosition(), 1);
        EXPECT_EQ(w.findChild<QComboBox*>("cboDicFile")->currentText(), q("verbs.txt"));
        w.cmdViewClick();
        const QImage image = w.findChild<GraphView*>("imgGraph")->picture();
        const GraphPoint first = graphPoint(1, 60);
        EXPECT_EQ(image.pixelColor(first.x, first.y), graphColour(0));
        EXPECT_EQ(w.findChild<QLabel*>("lblOne")->text(), q(" : verbs"));
    });

    open<TfrmShowHistory>(ctl<QAction>(*main, "actShowHistory"), [this](TfrmShowHistory& w) {
        auto* list = w.findChild<QTreeWidget*>("lstHistory");
        ASSERT_EQ(list->topLevelItemCount(), 10);
        EXPECT_EQ(list->topLevelItem(0)->text(3), q("verbs.txt"));
        EXPECT_EQ(list->topLevelItem(0)->text(4), q("5"));
        EXPECT_EQ(list->topLevelItem(0)->text(6), q("2"));
        EXPECT_EQ(list->topLevelItem(0)->text(7), q("60％"));
        EXPECT_TRUE(list->topLevelItem(1)->text(3).isEmpty());
        platform.answerMessage();
        list->setCurrentItem(list->topLevelItem(0));
        w.lstHistoryDblClick();
        EXPECT_EQ(platform.callsOf(test::PlatformCall::Message).back().text,
                  q("★間違えた問題リスト★\neat-食べる-y\nsee-見る-w\n"));
        platform.clearCalls();
    });
}

} // namespace
