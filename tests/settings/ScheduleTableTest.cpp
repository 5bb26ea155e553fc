// The schedule table of the settings dialog and the plan entries it stores.

#include "settings/ScheduleTable.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "settings/SettingsStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

ScheduleRow row(const char* utf8Purpose, int y, int m, int d) {
    return ScheduleRow{sj(utf8Purpose), y, m, d, {}};
}

} // namespace

TEST(ScheduleTableTest, AtMostFiveRowsAndTheFullTableIsToldFirst) {
    ScheduleTable t;
    for (int i = 1; i <= 5; ++i)
        ASSERT_EQ(t.add(row("試験", 2002, 3, i)), ScheduleProblem::None);
    // Even a row without purpose is told that the table is full.
    EXPECT_EQ(t.add(row("", 2002, 4, 1)), ScheduleProblem::Full);
    EXPECT_EQ(t.add(row("英検", 2002, 4, 1)), ScheduleProblem::Full);
    EXPECT_EQ(t.size(), 5);
    EXPECT_EQ(scheduleProblemText(ScheduleProblem::Full, {}),
              sj("登録できるのは、最大５つまでです"));
}

TEST(ScheduleTableTest, ThePurposeIsNeededAndCountsBytes) {
    ScheduleTable t;
    EXPECT_EQ(t.add(row("", 2002, 3, 15)), ScheduleProblem::NoPurpose);
    EXPECT_EQ(scheduleProblemText(ScheduleProblem::NoPurpose, {}), sj("目的が記入されていません"));
    // Seven full-width or fourteen half-width characters, or a mixture of as many bytes.
    EXPECT_EQ(t.add(row("期末試験の前日", 2002, 3, 15)), ScheduleProblem::None);
    EXPECT_EQ(t.add(row("期末試験の前日だ", 2002, 3, 15)), ScheduleProblem::PurposeTooLong);
    EXPECT_EQ(t.add(row("abcdefghijklmn", 2002, 3, 15)), ScheduleProblem::None);
    EXPECT_EQ(t.add(row("abcdefghijklmno", 2002, 3, 15)), ScheduleProblem::PurposeTooLong);
    EXPECT_EQ(t.add(row("TOEIC本番試験ab", 2002, 3, 15)), ScheduleProblem::PurposeTooLong);
    EXPECT_EQ(t.add(row("TOEIC本番試験a", 2002, 3, 15)), ScheduleProblem::None);
    // A comma would end the purpose early when the entry is read back.
    EXPECT_EQ(t.add(row("a,b", 2002, 3, 15)), ScheduleProblem::CommaInPurpose);
    EXPECT_EQ(t.size(), 3);
}

TEST(ScheduleTableTest, ADateThatDoesNotExistIsRefusedNamingTheField) {
    ScheduleTable t;
    EXPECT_EQ(t.add(row("試験", 2002, 2, 31)), ScheduleProblem::NoSuchDate);
    EXPECT_EQ(t.add(row("試験", 2003, 2, 29)), ScheduleProblem::NoSuchDate);
    EXPECT_EQ(t.add(row("試験", 0, 1, 1)), ScheduleProblem::NoSuchDate);
    EXPECT_EQ(t.add(row("試験", 2004, 2, 29)), ScheduleProblem::None);
    EXPECT_EQ(scheduleProblemText(ScheduleProblem::NoSuchDate, row("試験", 2002, 2, 31)),
              sj("日程の日付が正しくありません。\n2002年2月31日 という日はありません。"));
    EXPECT_EQ(t.entryTexts(), std::vector<std::string>{sj("試験,2004/2/29")});
}

TEST(ScheduleTableTest, ChangeDeleteAndMoveKeepTheLearnersOrder) {
    ScheduleTable t;
    t.add(row("A", 2002, 3, 1));
    t.add(row("B", 2002, 3, 2));
    t.add(row("C", 2002, 3, 3));
    EXPECT_EQ(t.change(1, row("B2", 2002, 12, 24)), ScheduleProblem::None);
    EXPECT_EQ(t.change(1, row("", 2002, 12, 24)), ScheduleProblem::NoPurpose);
    EXPECT_EQ(t.move(2, -1), 1);
    EXPECT_EQ(t.move(0, -1), -1);
    EXPECT_EQ(t.move(2, 1), -1);
    EXPECT_EQ(t.entryTexts(),
              (std::vector<std::string>{"A,2002/3/1", "C,2002/3/3", "B2,2002/12/24"}));
    EXPECT_TRUE(t.remove(0));
    EXPECT_FALSE(t.remove(5));
    EXPECT_EQ(t.entryTexts(), (std::vector<std::string>{"C,2002/3/3", "B2,2002/12/24"}));
}

TEST(ScheduleTableTest, AnEntryThatCannotBeReadIsKeptUntilChanged) {
    PlanList plan;
    plan.items.push_back(
        {0, sj("期末試験,2002/3/15"), parsePlanEntry(sj("期末試験,2002/3/15")), 12});
    plan.items.push_back({1, sj("英検,2002/2/31"), std::nullopt, 0});
    ScheduleTable t = ScheduleTable::fromPlan(plan);
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t.rows()[1].purpose, sj("英検"));
    EXPECT_EQ(t.rows()[1].dateText(), "");
    EXPECT_EQ(t.entryTexts(),
              (std::vector<std::string>{sj("期末試験,2002/3/15"), sj("英検,2002/2/31")}));
    ASSERT_EQ(t.change(1, row("英検", 2002, 2, 28)), ScheduleProblem::None);
    EXPECT_EQ(t.entryTexts()[1], sj("英検,2002/2/28"));
}

TEST(ScheduleTableTest, OptionsAndThePlanAreStoredTogetherWithoutOldEntries) {
    test::TempDir dir;
    TUserSettings s;
    s.ProgramFolder = dir.folder();
    s.UserName = "Taro";
    makeFolder(s.userFolder());
    spit(s.setupIniPath(), crlf({"[Plan]", "PlanNum=3", "0=a,2002/3/1", "1=b,2002/3/2",
                                 "2=c,2002/3/3", "", "[Find]", "ByHead=1"}));
    SettingsStore::load(s);
    s.schedule.PlanOn = true;
    ASSERT_TRUE(SettingsStore::saveOptions(s, {sj("英検,2002/6/9")}));
    std::string file = slurp(s.setupIniPath());
    EXPECT_NE(file.find(crlf(
                  {"[Plan]", "PlanNum=1", "0=" + sj("英検,2002/6/9"), "", "[Find]", "ByHead=1"})),
              std::string::npos);
    EXPECT_NE(file.find("PlanOn=1\r\nShowPlanOn=0\r\n"), std::string::npos);
    PlanList read = PlanFile(s.setupIniPath()).read({2002, 3, 3});
    ASSERT_EQ(read.items.size(), 1u);
    EXPECT_EQ(read.items[0].entry->purpose, sj("英検"));
}

TEST(ScheduleTableTest, EntriesUnderACountThatIsNoNumberAreNotRemoved) {
    test::TempDir dir;
    const std::string path = dir.file("Setup.ini");
    spit(path, crlf({"[Plan]", "PlanNum=x", "0=a,2002/3/1", "1=b,2002/3/2"}));
    {
        IniFile ini(path);
        PlanFile::write(ini, {});
        ASSERT_TRUE(ini.save());
    }
    EXPECT_EQ(slurp(path), crlf({"[Plan]", "PlanNum=0", "0=a,2002/3/1", "1=b,2002/3/2"}));
}
