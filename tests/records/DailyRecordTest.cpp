#include "records/DailyRecord.h"

#include "RecordsFixture.h"

#include <cctype>
#include <random>

using namespace qor;
using namespace qor::test;

namespace {

RecordWord word(int number, const char* utf8Key) {
    RecordWord w;
    w.number = number;
    w.key = sj(utf8Key);
    return w;
}

// An error5.cun section holding one word with count n and five unfilled places.
std::string rankedAlone(const std::string& section, const std::string& key, int n) {
    return crlf({"[" + section + "]", "Error1=" + key, "Error2=NO", "Error3=NO", "Error4=NO",
                 "Error5=NO", "Error6=NO", "Num1=" + std::to_string(n), "Num2=0", "Num3=0",
                 "Num4=0", "Num5=0", "Num6=0"});
}

// A rolled-over file that nothing was missed in yet.
std::string freshDay(const std::string& monthDay) {
    return crlf({"[Error]", "Date=" + monthDay, "Num=0", "Today=", "YesterdayNum=0",
                 "Yesterday=0"});
}

} // namespace

class DailyRecordTest : public RecordsTest {
protected:
    DailyRecord record{user};
    RecordWord run = word(3, "run,dash_走る,急ぐ");
    RecordWord go = word(5, "go_行く");
    RecordWord see = word(7, "see_見る");
};

TEST_F(DailyRecordTest, FirstMissEverCreatesTheMonthFileAndTheRanking) {
    DateTexts now = at(1999, 8, 9);
    ASSERT_TRUE(record.SaveData(verbs, run, now));

    EXPECT_EQ(files(), (std::set<std::string>{"19998_verbs.dat", "error5.cun"}));
    EXPECT_EQ(read("19998_verbs.dat"),
              crlf({"[Error]", "Date=8/9", "Num=1", "Today=3", "YesterdayNum=0", "Yesterday=0",
                    "", "[8]", run.key + "=1", "", "[8/9]", run.key + "=1"}));
    EXPECT_EQ(read("error5.cun"), rankedAlone("verbs.txt", run.key, 1));
}

TEST_F(DailyRecordTest, SameWordTwiceADayCountsButIsListedOnce) {
    DateTexts now = at(1999, 8, 9);
    ASSERT_TRUE(record.SaveData(verbs, run, now));
    ASSERT_TRUE(record.SaveData(verbs, run, now));

    EXPECT_EQ(read("19998_verbs.dat"),
              crlf({"[Error]", "Date=8/9", "Num=1", "Today=3", "YesterdayNum=0", "Yesterday=0",
                    "", "[8]", run.key + "=2", "", "[8/9]", run.key + "=2"}));
    // The ranking's own count gains 1 for the word already ranked.
    EXPECT_EQ(read("error5.cun"), rankedAlone("verbs.txt", run.key, 2));
}

TEST_F(DailyRecordTest, WordNumbersCompareAsWholeElements) {
    DateTexts now = at(1999, 8, 9);
    ASSERT_TRUE(record.SaveData(verbs, word(12, "twelve_十二"), now));
    ASSERT_TRUE(record.SaveData(verbs, word(1, "one_一"), now));
    ASSERT_TRUE(record.SaveData(verbs, word(2, "two_二"), now));
    ASSERT_TRUE(record.SaveData(verbs, word(12, "twelve_十二"), now));
    ASSERT_TRUE(record.SaveData(verbs, word(0, "zero_零"), now));

    IniFile ini(file("19998_verbs.dat"));
    EXPECT_EQ(ini.read("Error", "Today", "?"), "12,1,2,0");
    EXPECT_EQ(ini.read("Error", "Num", "?"), "4");

    DailyRecord other{user};
    ASSERT_TRUE(other.SaveData(nouns, word(1, "one_一"), now));
    ASSERT_TRUE(other.SaveData(nouns, word(12, "twelve_十二"), now));
    IniFile second(file("19998_nouns.dat"));
    EXPECT_EQ(second.read("Error", "Today", "?"), "1,12");
    EXPECT_EQ(second.read("Error", "Num", "?"), "2");
}

TEST_F(DailyRecordTest, TodaysListIsThatOfTheDictionaryAndSurvivesARestart) {
    DateTexts now = at(1999, 8, 9);
    ASSERT_TRUE(record.SaveData(verbs, run, now));
    ASSERT_TRUE(record.SaveData(nouns, go, now));
    ASSERT_TRUE(record.SaveData(verbs, see, now));
    {
        DailyRecord restarted{user};  // the program started again the same day
        ASSERT_TRUE(restarted.SaveData(verbs, go, now));
    }
    IniFile v(file("19998_verbs.dat"));
    EXPECT_EQ(v.read("Error", "Num", "?"), "3");
    EXPECT_EQ(v.read("Error", "Today", "?"), "3,7,5");
    IniFile n(file("19998_nouns.dat"));
    EXPECT_EQ(n.read("Error", "Num", "?"), "1");
    EXPECT_EQ(n.read("Error", "Today", "?"), "5");
}

TEST_F(DailyRecordTest, ALaterDayMovesTheLastUsedDaysMissesToYesterday) {
    DateTexts aug9 = at(1999, 8, 9);
    ASSERT_TRUE(record.SaveData(verbs, run, aug9));
    ASSERT_TRUE(record.SaveData(verbs, go, aug9));
    // Three days later, the same program still running.
    DateTexts aug12 = at(1999, 8, 12);
    ASSERT_TRUE(record.SaveData(verbs, see, aug12));
    ASSERT_TRUE(record.SaveData(verbs, run, aug12));

    EXPECT_EQ(read("19998_verbs.dat"),
              crlf({"[Error]", "Date=8/12", "Num=2", "Today=7,3", "YesterdayNum=2",
                    "Yesterday=3,5", "", "[8]", run.key + "=2", go.key + "=1", see.key + "=1", "", "[8/9]",
                    run.key + "=1", go.key + "=1", "", "[8/12]", see.key + "=1",
                    run.key + "=1"}));
}

TEST_F(DailyRecordTest, OnDecemberNinthAFileWithoutDateIsNotRolledByAMiss) {
    DateTexts dec9 = at(2001, 12, 9);
    ASSERT_TRUE(record.SaveData(verbs, go, dec9));
    EXPECT_EQ(read("200112_verbs.dat"),
              crlf({"[Error]", "Num=1", "Today=5", "", "[12]", go.key + "=1", "", "[12/9]",
                    go.key + "=1"}));

    // The next day rolls it over as usual; the date is added after the lists.
    DateTexts dec10 = at(2001, 12, 10);
    ASSERT_TRUE(record.SaveData(verbs, run, dec10));
    EXPECT_EQ(read("200112_verbs.dat"),
              crlf({"[Error]", "Num=1", "Today=3", "Date=12/10", "YesterdayNum=1", "Yesterday=5",
                    "", "[12]", go.key + "=1", run.key + "=1", "", "[12/9]", go.key + "=1", "",
                    "[12/10]", run.key + "=1"}));
}

TEST_F(DailyRecordTest, ANewMonthMissDeletesOnlyThisDictionarysOldFile) {
    put("Setup.ini", crlf({"[Date]", "PrevYearMonth=19998"}));
    put("19998_verbs.dat", crlf({"[Error]", "Date=8/31", "Num=1", "Today=3"}));
    put("19998_nouns.dat", crlf({"[Error]", "Date=8/31", "Num=1", "Today=4"}));

    DateTexts sep1 = at(1999, 9, 1, 0, 0, 5);
    ASSERT_TRUE(record.SaveData(verbs, go, sep1));

    EXPECT_EQ(files(), (std::set<std::string>{"Setup.ini", "19998_nouns.dat", "19999_verbs.dat",
                                              "error5.cun"}));
    EXPECT_EQ(read("19999_verbs.dat"),
              crlf({"[Error]", "Date=9/1", "Num=1", "Today=5", "YesterdayNum=0", "Yesterday=0",
                    "", "[9]", go.key + "=1", "", "[9/1]", go.key + "=1"}));
    // The stored month is the start-up's to change.
    EXPECT_EQ(read("Setup.ini"), crlf({"[Date]", "PrevYearMonth=19998"}));
}

// --- start-up roll-over ---

TEST_F(DailyRecordTest, NewMonthStartUpRollsEveryListedDictionary) {
    put("Setup.ini", crlf({"[Dictionary]", "DicNum=3", "1=verbs.txt", "2=nouns.txt", "3=adj.txt",
                           "", "[Date]", "PrevYearMonth=199912"}));
    put("199912_verbs.dat", crlf({"[Error]", "Date=12/30", "Num=1", "Today=3"}));
    put("199912_nouns.dat", crlf({"[Error]", "Date=12/31", "Num=2", "Today=1,2"}));
    put("199912_other.dat", crlf({"[Error]", "Date=12/31"}));  // not listed
    put("199911_verbs.dat", crlf({"[Error]", "Date=11/30"}));  // not the stored month

    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, at(2000, 1, 3)));

    EXPECT_EQ(files(),
              (std::set<std::string>{"Setup.ini", "199912_other.dat", "199911_verbs.dat",
                                     "20001_verbs.dat", "20001_nouns.dat", "20001_adj.dat"}));
    EXPECT_EQ(read("20001_verbs.dat"), freshDay("1/3"));
    EXPECT_EQ(read("20001_nouns.dat"), freshDay("1/3"));
    EXPECT_EQ(read("20001_adj.dat"), freshDay("1/3"));
    EXPECT_EQ(read("Setup.ini"), crlf({"[Dictionary]", "DicNum=3", "1=verbs.txt", "2=nouns.txt",
                                       "3=adj.txt", "", "[Date]", "PrevYearMonth=20001"}));
}

TEST_F(DailyRecordTest, StartUpFindsTheLastUsedDayUnderYesterday) {
    const std::string setup =
        crlf({"[Dictionary]", "DicNum=1", "1=verbs.txt", "", "[Date]", "PrevYearMonth=19998"});
    put("Setup.ini", setup);
    put("19998_verbs.dat",
        crlf({"[Error]", "Date=8/6", "Num=2", "Today=3,5", "YesterdayNum=1", "Yesterday=9", "",
              "[8]", run.key + "=1", go.key + "=2", "", "[8/6]", run.key + "=1", go.key + "=1"}));

    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, at(1999, 8, 9)));

    EXPECT_EQ(read("19998_verbs.dat"),
              crlf({"[Error]", "Date=8/9", "Num=0", "Today=", "YesterdayNum=2", "Yesterday=3,5",
                    "", "[8]", run.key + "=1", go.key + "=2", "", "[8/6]", run.key + "=1",
                    go.key + "=1"}));
    EXPECT_EQ(read("Setup.ini"), setup);

    // A second start the same day changes nothing; the next miss extends today's list.
    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, at(1999, 8, 9, 18)));
    ASSERT_TRUE(record.SaveData(verbs, see, at(1999, 8, 9, 18)));
    IniFile ini(file("19998_verbs.dat"));
    EXPECT_EQ(ini.read("Error", "Today", "?"), "7");
    EXPECT_EQ(ini.read("Error", "Yesterday", "?"), "3,5");
}

TEST_F(DailyRecordTest, OnJanuaryNinthStartUpLeavesAFileWithoutDate) {
    put("Setup.ini", crlf({"[Dictionary]", "DicNum=1", "1=verbs.txt", "", "[Date]",
                           "PrevYearMonth=200012"}));
    put("200012_verbs.dat", crlf({"[Error]", "Date=12/20", "Num=1", "Today=3"}));

    DateTexts jan9 = at(2001, 1, 9);
    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, jan9));
    // "1/9" is the default of the missing Date, so nothing is rolled or written.
    EXPECT_EQ(files(), (std::set<std::string>{"Setup.ini"}));

    // The first miss rolls over by its own default "12/9".
    ASSERT_TRUE(record.SaveData(verbs, go, jan9));
    EXPECT_EQ(read("20011_verbs.dat"),
              crlf({"[Error]", "Date=1/9", "Num=1", "Today=5", "YesterdayNum=0", "Yesterday=0",
                    "", "[1]", go.key + "=1", "", "[1/9]", go.key + "=1"}));
}

TEST_F(DailyRecordTest, FirstStartCreatesSetupWithTheMonthAndSkipsEmptyEntries) {
    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, at(2002, 3, 3)));
    EXPECT_EQ(read("Setup.ini"), crlf({"[Date]", "PrevYearMonth=20023"}));

    // Entries left empty by clearing the history, and a count beyond the keys present.
    put("Setup.ini", crlf({"[Dictionary]", "DicNum=999999999", "1=", "2=verbs.txt", "3=",
                           "", "[Date]", "PrevYearMonth=20023"}));
    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, at(2002, 3, 4)));
    EXPECT_EQ(files(), (std::set<std::string>{"Setup.ini", "20023_verbs.dat"}));
    EXPECT_EQ(read("20023_verbs.dat"), freshDay("3/4"));
}

// --- error list file ---
TEST_F(DailyRecordTest, StartUpRollsTheListedNamesEvenWithGapsInTheList) {
    // A hand-edited list: keys 1 and 2 gone, DicNum still 3.
    put("Setup.ini", crlf({"[Dictionary]", "DicNum=3", "3=adj.txt", "", "[Date]",
                           "PrevYearMonth=199912"}));
    put("199912_adj.dat", crlf({"[Error]", "Date=12/31"}));
    ASSERT_TRUE(DailyRecord::rollOverAtStartup(user, at(2000, 1, 3)));
    EXPECT_EQ(files(), (std::set<std::string>{"Setup.ini", "20001_adj.dat"}));
}

TEST_F(DailyRecordTest, WordKeysWithEqualsSignsAndBracketsCountUp) {
    // "a=b=c*d" has the Japanese part "b=c"; "[be] going=x*y" an English part in brackets.
    RecordWord equals = word(0, "a_b=c");
    RecordWord bracket = word(1, "[be] going_x");
    DateTexts now = at(1999, 8, 9);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(record.SaveData(verbs, equals, now));
        ASSERT_TRUE(record.SaveData(verbs, bracket, now));
    }
    EXPECT_EQ(read("19998_verbs.dat"),
              crlf({"[Error]", "Date=8/9", "Num=2", "Today=0,1", "YesterdayNum=0", "Yesterday=0",
                    "", "[8]", "a_b=c=2", "[be] going_x=2", "", "[8/9]", "a_b=c=2",
                    "[be] going_x=2"}));
}

TEST_F(DailyRecordTest, AWordWithoutALineNumberIsCountedButNotListed) {
    ASSERT_TRUE(record.SaveData(verbs, word(-1, "gone_x"), at(1999, 8, 9)));
    EXPECT_EQ(read("19998_verbs.dat"),
              crlf({"[Error]", "Date=8/9", "Num=0", "Today=", "YesterdayNum=0", "Yesterday=0", "",
                    "[8]", "gone_x=1", "", "[8/9]", "gone_x=1"}));
}

class ErrorListTest : public DailyRecordTest {
protected:
    std::string list = dir.file("errors.txt");
    TUserSettings settings() const {
        TUserSettings s;
        s.files.SaveError = true;
        s.files.SaveErrorFile = list;
        return s;
    }
};

TEST_F(ErrorListTest, MissingFileIsCreatedAndCaseDifferentLinesAreNotAddedAgain) {
    const std::string line = sj("Run,dash=走る,急ぐ*コメントはありません");
    ASSERT_TRUE(record.SaveErrorData(list, line));
    EXPECT_EQ(slurp(list), crlf({line}));

    ASSERT_TRUE(record.SaveErrorData(list, sj("run,DASH=走る,急ぐ*コメントはありません")));
    ASSERT_TRUE(record.SaveErrorData(list, line));
    EXPECT_EQ(slurp(list), crlf({line}));

    // Only letter case is ignored: a different Japanese part is a different line.
    const std::string other = sj("run,dash=走る*コメントはありません");
    ASSERT_TRUE(record.SaveErrorData(list, other));
    EXPECT_EQ(slurp(list), crlf({line, other}));
}

TEST_F(ErrorListTest, ALastLineWithoutLineBreakIsClosedFirst) {
    spit(list, sj("apple=りんご*x"));
    ASSERT_TRUE(record.SaveErrorData(list, "pear=x*y"));
    EXPECT_EQ(slurp(list), sj("apple=りんご*x") + crlf({"", "pear=x*y"}));
    // A bare LF file is extended with CR LF lines.
    spit(list, "a=b*c\n");
    ASSERT_TRUE(record.SaveErrorData(list, "d=e*f"));
    ASSERT_TRUE(record.SaveErrorData(list, "A=B*C"));
    EXPECT_EQ(slurp(list), "a=b*c\nd=e*f\r\n");
}

TEST_F(ErrorListTest, RecordMissAppendsOnlyWithSaveErrorOn) {
    RecordWord w = run;
    w.line = sj("run,dash=走る,急ぐ*コメントはありません");
    TUserSettings s = settings();
    s.files.SaveError = false;
    ASSERT_TRUE(record.recordMiss(s.files, verbs, w, at(1999, 8, 9)));
    EXPECT_FALSE(exists(list));
    EXPECT_TRUE(exists(file("19998_verbs.dat")));

    s.files.SaveError = true;
    ASSERT_TRUE(record.recordMiss(s.files, verbs, w, at(1999, 8, 9)));
    EXPECT_EQ(slurp(list), crlf({w.line}));
    IniFile ini(file("19998_verbs.dat"));
    EXPECT_EQ(ini.read("8/9", w.key, "?"), "2");
}

TEST_F(ErrorListTest, NoListChosenMeansNothingToKeep) {
    TUserSettings s = settings();
    s.files.SaveErrorFile.clear();
    RecordWord w = run;
    w.line = "run=x*y";
    EXPECT_TRUE(record.recordMiss(s.files, verbs, w, at(1999, 8, 9)));
    EXPECT_TRUE(exists(file("19998_verbs.dat")));
}

TEST_F(ErrorListTest, AnUnusableListIsReportedOnceAndTheRestIsRecorded) {
    // A folder where the file should be: it can be neither read nor appended to.
    makeFolder(list);
    RecordWord w = run;
    w.line = "run=x*y";

    RecordStatus first = record.recordMiss(settings().files, verbs, w, at(1999, 8, 9));
    ASSERT_EQ(first.failures().size(), 1u);
    EXPECT_EQ(first.failures()[0].path(), list);
    EXPECT_FALSE(first.failures()[0].reason().empty());
    EXPECT_TRUE(exists(file("19998_verbs.dat")));

    // Not again for the same file while it stays unusable.
    EXPECT_TRUE(record.recordMiss(settings().files, verbs, w, at(1999, 8, 9)));
    IniFile ini(file("19998_verbs.dat"));
    EXPECT_EQ(ini.read("8/9", w.key, "?"), "2");

    // Once it works again, a later failure is told again.
    std::filesystem::remove(list);
    EXPECT_TRUE(record.SaveErrorData(list, w.line));
    std::filesystem::remove(list);
    makeFolder(list);
    EXPECT_FALSE(record.SaveErrorData(list, "other=x*y"));
}

TEST_F(ErrorListTest, ALineIsFoundExactlyAsByLoweringEveryLine) {
    // The check compares lines in place; the reference lowers every line and compares
    // whole strings, as the list was checked before. Random lists of letters in both
    // cases, double-byte characters whose trail byte is a letter ("ア" is 0x83 0x41, "ャ"
    // 0x83 0x61), lone lead bytes, CRs inside lines, LF and CR LF breaks, with and without
    // a last break.
    const std::vector<std::string> pieces{"a", "A", "b", "Z", "z", "=", "*", "\r", "\x83\x41",
                                          "\x83\x61", "\x83", "\x81", "1", ","};
    auto reference = [](const std::string& bytes, const std::string& line) {
        for (const std::string& present : splitLines(bytes))
            if (compareNoCase(present, line) == 0)
                return true;
        return false;
    };
    std::mt19937 chance(20010304);
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(chance() % n); };
    auto randomLine = [&] {
        std::string line;
        for (std::size_t i = pick(5); i > 0; --i)
            line += pieces[pick(pieces.size())];
        return line;
    };
    int found = 0;
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> lines(pick(6));
        for (std::string& l : lines)
            l = randomLine();
        std::string bytes;
        for (std::size_t i = 0; i < lines.size(); ++i)
            bytes += lines[i] + (i + 1 < lines.size() || pick(2) ? (pick(2) ? "\r\n" : "\n") : "");
        // The missed line: one of the list's in other letter case (its letters flipped,
        // trail bytes included), or a line of its own.
        std::string missed = randomLine();
        if (!lines.empty() && pick(3) > 0) {
            missed = lines[pick(lines.size())];
            for (char& c : missed) {
                if (pick(2) && std::isalpha(static_cast<unsigned char>(c)))
                    c = static_cast<char>(c ^ 0x20);
            }
        }
        spit(list, bytes);
        ASSERT_TRUE(record.SaveErrorData(list, missed));
        const bool listed = reference(bytes, missed);
        found += listed ? 1 : 0;
        if (listed)
            EXPECT_EQ(slurp(list), bytes) << "round " << round;
        else
            EXPECT_NE(slurp(list), bytes) << "round " << round;
    }
    EXPECT_GT(found, 100) << "too few listed lines to tell anything";
    EXPECT_LT(found, 400) << "too few new lines to tell anything";
}

// --- failing writes ---

TEST_F(DailyRecordTest, AReadOnlyUserFolderKeepsTheOldFilesAndReportsEachOne) {
    const std::string daily = crlf({"[Error]", "Date=8/8", "Num=1", "Today=4", "YesterdayNum=0",
                                    "Yesterday=0", "", "[8]", go.key + "=1"});
    const std::string ranking = rankedAlone("verbs.txt", go.key, 1);
    put("19998_verbs.dat", daily);
    put("error5.cun", ranking);
    ReadOnlyFolder readOnly(user);
    if (!readOnly.active())
        GTEST_SKIP() << "no way to make a folder read-only here";

    RecordStatus status = record.SaveData(verbs, run, at(1999, 8, 9));
    readOnly.release();

    ASSERT_EQ(status.failures().size(), 2u);
    EXPECT_EQ(status.failures()[0].path(), file("19998_verbs.dat"));
    EXPECT_EQ(status.failures()[1].path(), file("error5.cun"));
    EXPECT_FALSE(status.failures()[0].reason().empty());
    EXPECT_FALSE(status.failures()[0].message().empty());
    EXPECT_EQ(read("19998_verbs.dat"), daily);
    EXPECT_EQ(read("error5.cun"), ranking);
    EXPECT_EQ(files(), (std::set<std::string>{"19998_verbs.dat", "error5.cun"}));
}

TEST_F(DailyRecordTest, AReadOnlyUserFolderAtStartUpReportsAndDeletesNothing) {
    const std::string setup =
        crlf({"[Dictionary]", "DicNum=1", "1=verbs.txt", "", "[Date]", "PrevYearMonth=19998"});
    const std::string old = crlf({"[Error]", "Date=8/31", "Num=1", "Today=3"});
    put("Setup.ini", setup);
    put("19998_verbs.dat", old);
    ReadOnlyFolder readOnly(user);
    if (!readOnly.active())
        GTEST_SKIP() << "no way to make a folder read-only here";

    RecordStatus status = DailyRecord::rollOverAtStartup(user, at(1999, 9, 1));
    readOnly.release();

    std::set<std::string> failed;
    for (const FileStatus& f : status.failures())
        failed.insert(f.path());
    EXPECT_EQ(failed, (std::set<std::string>{file("19998_verbs.dat"), file("19999_verbs.dat"),
                                             file("Setup.ini")}));
    EXPECT_EQ(read("Setup.ini"), setup);
    EXPECT_EQ(read("19998_verbs.dat"), old);
    EXPECT_EQ(files(), (std::set<std::string>{"Setup.ini", "19998_verbs.dat"}));
}
