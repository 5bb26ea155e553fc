#include "app/MainWindowState.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

class MainWindowStateTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("Setup.ini");
    std::vector<BadSetting> bad;

    Placement placement(std::initializer_list<std::string_view> lines) {
        spit(path, crlf(lines));
        IniFile ini(path);
        return readPlacement(ini, bad);
    }
};

} // namespace

TEST_F(MainWindowStateTest, WithoutSettingsTheWindowIsWiderThanTheStoredDefault) {
    IniFile ini(path);
    Placement p = readPlacement(ini, bad);
    EXPECT_EQ(p.width, 604);
    EXPECT_EQ(p.height, 441);
    EXPECT_FALSE(p.maximized);
    EXPECT_FALSE(p.left);
    EXPECT_TRUE(bad.empty());
}

TEST_F(MainWindowStateTest, SaveSizeWithNothingStoredGivesTheStoredDefault) {
    Placement p = placement({"[Setup]", "SaveSize=1"});
    EXPECT_EQ(p.width, 582);
    EXPECT_EQ(p.height, 441);
    EXPECT_FALSE(p.left);
}

TEST_F(MainWindowStateTest, StoredBoundsAreUsedOnlyWhereTheSwitchesSaySo) {
    spit(path, crlf({"[Setup]", "SavePosition=1", "", "[Form Information]", "Maximized=0",
                     "Height=500", "Width=700", "Top=30", "Left=40"}));
    IniFile positionOnly(path);
    Placement p = readPlacement(positionOnly, bad);
    EXPECT_EQ(*p.left, 40);
    EXPECT_EQ(*p.top, 30);
    EXPECT_EQ(p.width, 604);
    EXPECT_EQ(p.height, 441);

    p = placement({"[Setup]", "SaveSize=1", "", "[Form Information]", "Maximized=0", "Height=500",
                   "Width=700", "Top=30", "Left=40"});
    EXPECT_FALSE(p.left);
    EXPECT_EQ(p.width, 700);
    EXPECT_EQ(p.height, 500);
}

TEST_F(MainWindowStateTest, MaximizedIsRestoredThroughEitherSwitch) {
    EXPECT_TRUE(placement({"[Setup]", "SavePosition=1", "", "[Form Information]", "Maximized=1"})
                    .maximized);
    EXPECT_TRUE(
        placement({"[Setup]", "SaveSize=1", "", "[Form Information]", "Maximized=1"}).maximized);
    EXPECT_FALSE(
        placement({"[Setup]", "SaveToolBar=1", "", "[Form Information]", "Maximized=1"}).maximized);
    // Any value other than 0 counts.
    Placement p =
        placement({"[Setup]", "SavePosition=1", "", "[Form Information]", "Maximized=2", "Top=9"});
    EXPECT_TRUE(p.maximized);
    EXPECT_FALSE(p.top);
}

TEST_F(MainWindowStateTest, ValuesThatAreNoNumbersTakeTheirDefaultsAndAreListed) {
    Placement p =
        placement({"[Setup]", "SaveSize=1", "", "[Form Information]", "Height=tall", "Width=700"});
    EXPECT_EQ(p.height, 441);
    EXPECT_EQ(p.width, 700);
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].section, "Form Information");
    EXPECT_EQ(bad[0].key, "Height");
    EXPECT_EQ(bad[0].value, "tall");
    EXPECT_EQ(bad[0].used, "441");
    EXPECT_EQ(bad[0].file, path);
}

TEST_F(MainWindowStateTest, ToolbarSectionShowsEverythingButZero) {
    IniFile empty(path);
    ViewVisibility v = readToolbarSection(empty, bad);
    EXPECT_TRUE(v.standardToolBar);
    EXPECT_TRUE(v.fileToolBar);
    EXPECT_FALSE(v.questionSetupToolBar);
    EXPECT_TRUE(v.rightCommandButton);
    EXPECT_TRUE(v.statusBar);

    spit(path, crlf({"[Toolbar]", "StandardToolBar=0", "FileToolBar=2", "QuestionSetupToolBar=1",
                     "RightCommandButton=0", "StatusBar=no"}));
    IniFile ini(path);
    v = readToolbarSection(ini, bad);
    EXPECT_FALSE(v.standardToolBar);
    EXPECT_TRUE(v.fileToolBar);
    EXPECT_TRUE(v.questionSetupToolBar);
    EXPECT_FALSE(v.rightCommandButton);
    EXPECT_TRUE(v.statusBar); // its default
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].key, "StatusBar");
}

TEST_F(MainWindowStateTest, ClosingWritesExactlyTheFourSections) {
    ClosingState s;
    s.answerType = 2;
    s.questionType = 1;
    s.questionNum = "007";
    s.dicFilePath = dir.folder() + sj("辞書/verb.txt");
    s.views.fileToolBar = false;
    s.views.questionSetupToolBar = true;
    s.maximized = true;
    s.height = 500;
    s.width = 700;
    s.top = -4;
    s.left = 12;
    s.showHazureNum = 1;
    s.showTime = 0;
    ASSERT_TRUE(saveClosingState(path, s));
    EXPECT_EQ(slurp(path), crlf({"[QuestionSetup]",
                                 "AnswerType=2",
                                 "QuestionType=1",
                                 "QuestionNum=007",
                                 "DicFilePath=" + dir.folder() + sj("辞書/verb.txt"),
                                 "",
                                 "[Toolbar]",
                                 "StandardToolBar=1",
                                 "FileToolBar=0",
                                 "QuestionSetupToolBar=1",
                                 "RightCommandButton=1",
                                 "StatusBar=1",
                                 "",
                                 "[Form Information]",
                                 "Maximized=1",
                                 "Height=500",
                                 "Width=700",
                                 "Top=-4",
                                 "Left=12",
                                 "",
                                 "[Data Bar]",
                                 "ShowQuestionNum=1",
                                 "ShowAtariNum=1",
                                 "ShowHazureNum=1",
                                 "ShowPercent=1",
                                 "ShowTime=0"}));
}

TEST_F(MainWindowStateTest, ClosingKeepsTheOtherSectionsAndReplacesOldValuesInPlace) {
    spit(path, crlf({"[Setup]", "ShowDate=1", "", "[QuestionSetup]", "NotRandom=1",
                     "QuestionNum=20", "", "[Plan]", "PlanNum=0"}));
    ClosingState s;
    ASSERT_TRUE(saveClosingState(path, s));
    std::string text = slurp(path);
    EXPECT_EQ(
        text.substr(0, text.find("[Toolbar]")),
        crlf({"[Setup]", "ShowDate=1", "", "[QuestionSetup]", "NotRandom=1", "QuestionNum=10",
              "AnswerType=0", "QuestionType=0", "DicFilePath=", "", "[Plan]", "PlanNum=0", ""}));
}

TEST_F(MainWindowStateTest, ClosingReportsAFileThatCannotBeWritten) {
    makeFolder(path); // a folder where the file should be
    FileStatus status = saveClosingState(path, ClosingState{});
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), path);
}

TEST(TitleTextTest, ThreeFormsWithDateAndThePlainOne) {
    const DateTime t{2002, 3, 3, 9, 5, 7};
    const std::string user = sj("太郎");
    EXPECT_EQ(titleText(1, 0, t, user), sj("Qor Helper   2002年3月3日 , 9：5：07   【太郎】"));
    EXPECT_EQ(titleText(1, 1, t, user), sj("Qor Helper   2002年3月3日   【太郎】"));
    EXPECT_EQ(titleText(1, 2, t, user), sj("Qor Helper   9：5：07   【太郎】"));
    EXPECT_EQ(titleText(1, 7, {2002, 12, 31, 23, 59, 0}, user),
              sj("Qor Helper   23：59：00   【太郎】"));
    EXPECT_EQ(titleText(0, 0, t, user), sj("Qor Helper   【太郎】"));
    EXPECT_EQ(titleText(2, 1, t, user), sj("Qor Helper   【太郎】"));
}
