#include "base/IniFile.h"
#include "tests/app/ShellFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

using namespace qor;
using qor::test::crlf;
using qor::test::PlatformCall;
using qor::test::slurp;

namespace {

using DateScheduleTest = test::ShellFixture;

} // namespace

TEST_F(DateScheduleTest, TitleBarInItsThreeFormsAndThePlainOne) {
    const std::pair<const char*, QString> cases[] = {
        {"ShowDate=1\r\nDateType=0",
         QStringLiteral("Qor Helper   2002年3月3日 , 9：5：07   【Taro】")},
        {"ShowDate=1\r\nDateType=1", QStringLiteral("Qor Helper   2002年3月3日   【Taro】")},
        {"ShowDate=1\r\nDateType=2", QStringLiteral("Qor Helper   9：5：07   【Taro】")},
        {"ShowDate=0\r\nDateType=0", QStringLiteral("Qor Helper   【Taro】")},
    };
    knownUser();
    for (const auto& [lines, title] : cases) {
        test::spit(setupIni(), crlf({"[Setup]", lines}));
        auto main = start();
        EXPECT_EQ(main->windowTitle(), title) << lines;
        clock.set({2002, 12, 31, 23, 59, 9});
        main->tmrDateTimer();
        EXPECT_EQ(main->dateTexts().yearMonth, "200212");
        EXPECT_EQ(main->dateTexts().monthDay, "12/31");
        if (std::string_view(lines) == "ShowDate=1\r\nDateType=0") {
            EXPECT_EQ(main->windowTitle(),
                      QStringLiteral("Qor Helper   2002年12月31日 , 23：59：09   【Taro】"));
        }
        clock.set({2002, 3, 3, 9, 5, 7});
    }
}

TEST_F(DateScheduleTest, StatusPanelShowsThePathWhenMaximizedElseTheFileName) {
    knownUser();
    auto main = start();
    const QString full = QStringLiteral(" 現在使用中の辞書 ： ") +
                         QString::fromStdString(dir.folder()) +
                         QStringLiteral("dictionary/noun.txt");
    EXPECT_EQ(main->statusPanelText(0), full);
    main->tmrDateTimer();
    EXPECT_EQ(main->statusPanelText(0), QStringLiteral(" 現在使用中の辞書 ： noun.txt"));
    main->setWindowState(Qt::WindowMaximized);
    main->tmrDateTimer();
    EXPECT_EQ(main->statusPanelText(0), full);
}

TEST_F(DateScheduleTest, AFileNameInTheListFollowsTheDictionaryInUse) {
    knownUser();
    auto main = start();
    ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("other.txt"));
    main->tmrDateTimer();
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("noun.txt"));
    // Text without ".txt" is left as typed.
    ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("oth"));
    main->tmrDateTimer();
    EXPECT_EQ(ctl<QComboBox>(*main, "cboDicFile")->currentText(), QStringLiteral("oth"));
}

TEST_F(DateScheduleTest, AnEntryForTomorrowIsCountedDown) {
    knownUser({"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=1", "0=期末試験,2002/3/4"});
    auto main = start();
    main->tmrDateTimer();
    EXPECT_EQ(main->statusPanelText(3), QStringLiteral("期末試験まで、あと 1日"));
    EXPECT_TRUE(platform.calls().empty());
    // The day comes: its box, the panel emptied, the entry gone, the timer going on.
    clock.set({2002, 3, 4, 0, 0, 1});
    platform.answerNotice();
    main->tmrDateTimer();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, QStringLiteral("今日は、期末試験の日です\nがんばってね(^^)/"));
    EXPECT_EQ(notices[0].caption, QStringLiteral("当日です"));
    EXPECT_EQ(notices[0].noticeKind, 1);
    EXPECT_EQ(main->statusPanelText(3), QString());
    EXPECT_TRUE(ctl<QTimer>(*main, "tmrDate")->isActive());
    IniFile ini(setupIni());
    EXPECT_EQ(ini.read("Plan", "PlanNum", ""), "0");
    EXPECT_EQ(ini.read("Plan", "0", ""), " ");
}

TEST_F(DateScheduleTest, AnEntryForTodayAtStartIsAnnouncedAndDropped) {
    knownUser({"[Setup]", "ShowPlanOn=1", "", "[Plan]", "PlanNum=2", "0=入試,2002/3/3",
               "1=模試,2002/3/10"});
    platform.answerNotice().answerNotice().answerNotice();
    auto main = start();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].text, QStringLiteral("今日は、入試の日です。がんばってね(^^)/\n"));
    EXPECT_EQ(notices[1].text, QStringLiteral("模試まで、あと 7日"));
    EXPECT_EQ(notices[2].text,
              QStringLiteral("入試 ： 2002/3/3 （今日）\n模試 ： 2002/3/10 （あと 7日）"));
    for (const PlatformCall& c : notices) {
        EXPECT_EQ(c.caption, QStringLiteral("スケジュール"));
        EXPECT_EQ(c.noticeKind, 1);
    }
    IniFile ini(setupIni());
    EXPECT_EQ(ini.read("Plan", "PlanNum", ""), "1");
    EXPECT_EQ(ini.read("Plan", "0", ""), sj("模試,2002/3/10"));
}

TEST_F(DateScheduleTest, TodaySecondInTheListIsKeptAndTheCountdownFollowsTheFirst) {
    knownUser({"[Setup]", "ShowPlanOn=1", "PlanOn=1", "", "[Plan]", "PlanNum=2", "0=模試,2002/3/10",
               "1=入試,2002/3/3"});
    platform.answerNotice().answerNotice().answerNotice();
    auto main = start();
    EXPECT_EQ(platform.boxTexts()[1], QStringLiteral("今日は、入試の日です。がんばってね(^^)/\n"));
    EXPECT_EQ(IniFile(setupIni()).read("Plan", "PlanNum", ""), "2");
    main->tmrDateTimer();
    EXPECT_EQ(main->statusPanelText(3), QStringLiteral("模試まで、あと 7日"));
    EXPECT_EQ(IniFile(setupIni()).read("Plan", "PlanNum", ""), "2");
}

TEST_F(DateScheduleTest, PastEntriesDisappearOnePerTickWithoutAWord) {
    knownUser({"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=3", "0=a,2002/3/1", "1=b,2001/12/24",
               "2=c,2002/3/2"});
    auto main = start();
    for (const char* left : {"2", "1", "0"}) {
        main->tmrDateTimer();
        EXPECT_EQ(IniFile(setupIni()).read("Plan", "PlanNum", ""), left);
    }
    EXPECT_TRUE(platform.calls().empty());
    EXPECT_EQ(IniFile(setupIni()).read("Plan", "0", ""), " ");
    main->tmrDateTimer();
    EXPECT_EQ(main->statusPanelText(3), QString());
}

TEST_F(DateScheduleTest, WithoutPlanOnEntriesAreAnnouncedButNeverDroppedByTheTimer) {
    knownUser({"[Setup]", "PlanOn=0", "ShowPlanOn=1", "", "[Plan]", "PlanNum=2", "0=a,2002/3/9",
               "1=b,2002/3/1"});
    platform.answerNotice().answerNotice().answerNotice();
    auto main = start();
    EXPECT_EQ(platform.boxTexts()[0], QStringLiteral("aまで、あと 6日"));
    EXPECT_EQ(platform.boxTexts()[1], QStringLiteral("bまで、あと -2日"));
    const std::string before = slurp(setupIni());
    clock.set({2002, 3, 9, 12, 0, 0});
    for (int i = 0; i < 3; ++i)
        main->tmrDateTimer();
    EXPECT_EQ(slurp(setupIni()), before);
    EXPECT_EQ(main->statusPanelText(3), QString());
}

TEST_F(DateScheduleTest, DroppingTheLastEntryLeavesCountZeroAndABlankKey) {
    knownUser({"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=1", "0=a,2002/3/2"});
    auto main = start();
    main->tmrDateTimer();
    EXPECT_EQ(slurp(setupIni()), crlf({"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=0", "0= ", "",
                                       "[Date]", "PrevYearMonth=20023"}));
}

TEST_F(DateScheduleTest, AnUnreadableEntryIsReportedOnceAndSkipped) {
    knownUser(
        {"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=2", "0=試験は来週", "1=模試,2002/3/5"});
    auto main = start();
    platform.answerNotice();
    main->tmrDateTimer();
    main->tmrDateTimer();
    main->tmrDateTimer();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].text.contains(QStringLiteral("「試験は来週」")));
    EXPECT_EQ(notices[0].caption, QStringLiteral("スケジュール"));
    EXPECT_EQ(notices[0].noticeKind, 0);
    EXPECT_EQ(main->statusPanelText(3), QStringLiteral("模試まで、あと 2日"));
    EXPECT_TRUE(ctl<QTimer>(*main, "tmrDate")->isActive());
    // Nothing was dropped or rewritten.
    EXPECT_EQ(IniFile(setupIni()).read("Plan", "0", ""), sj("試験は来週"));
}

TEST_F(DateScheduleTest, AnUnreadableEntryReportedAtStartIsNotReportedAgainByTheTimer) {
    knownUser({"[Setup]", "PlanOn=1", "ShowPlanOn=1", "", "[Plan]", "PlanNum=2", "0=x,2002/2/30",
               "1=b,2002/3/4"});
    platform.answerNotice().answerNotice().answerNotice();
    auto main = start();
    QStringList boxes = platform.boxTexts();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("x,2002/2/30")));
    EXPECT_EQ(boxes[1], QStringLiteral("bまで、あと 1日"));
    EXPECT_EQ(boxes[2],
              QStringLiteral("x,2002/2/30 ： 日付を読み取れません\nb ： 2002/3/4 （あと 1日）"));
    main->tmrDateTimer();
    EXPECT_EQ(platform.boxTexts().size(), 3);
    EXPECT_EQ(main->statusPanelText(3), QStringLiteral("bまで、あと 1日"));
}

TEST_F(DateScheduleTest, NoEntriesNoBoxes) {
    knownUser({"[Setup]", "PlanOn=1", "ShowPlanOn=1", "", "[Plan]", "PlanNum=0", "0= "});
    auto main = start();
    main->tmrDateTimer();
    EXPECT_TRUE(platform.calls().empty());
    EXPECT_EQ(main->statusPanelText(3), QString());
}
