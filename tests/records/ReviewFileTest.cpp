#include "records/ReviewFile.h"

#include "RecordsFixture.h"
#include "tests/support/FullDisk.h"
#include "tests/support/StudyDays.h"

#include <unistd.h>

using namespace qor;
using qor::test::day;
using namespace qor::test;

namespace {

// A program killed while it writes: a few bytes reach the file, then the process ends.
long dieWhileWriting(int fd, const void* data, std::size_t size) {
    if (::write(fd, data, size < 12 ? size : 12) < 0)
        ::_exit(8);
    ::_exit(9);
}

} // namespace

class ReviewFileTest : public RecordsTest {
protected:
    // A Japanese part with commas, and one with "=" (the line splits at the last "=").
    std::string run = sj("run,dash_走る,急ぐ");
    std::string apple = sj("apple_りんご");
    std::string equal = sj("equal_等しい=同じ");
};

// The figures were worked out from the published formulas apart from this program (the
// model's own tests check it against the published reference figures).
TEST_F(ReviewFileTest, AnswersOnFixedDaysWriteTheFileByteForByte) {
    const StudyDay d14 = day(2025, 3, 14);
    {
        ReviewFile file(user, "verbs");
        ASSERT_TRUE(file.recordAnswer(run, Grade::Good, d14));     // new: S0(Good), D0(Good)
        ASSERT_TRUE(file.recordAnswer(apple, Grade::Again, d14));  // new: S0(Again), D0(Again)
        ASSERT_TRUE(file.recordAnswer(apple, Grade::Hard, d14));   // the retry: same-day rule
        ASSERT_TRUE(file.recordAnswer(run, Grade::Easy, d14));     // same day, right: no change
        ASSERT_TRUE(file.recordAnswer(equal, Grade::Easy, d14));
    }
    EXPECT_EQ(read("verbs.rev"),
              crlf({"[FSRS-6]",
                    run + "=2025-03-14,2.3065,2.118103970459015,1,0",
                    apple + "=2025-03-14,0.14339874769184835,7.60998139978,1,0",
                    equal + "=2025-03-14,8.2956,1,1,0",
                    "",
                    "[Answers]",
                    "2025-03-14=5"}));

    // Two days later, in another drill: a review after two days, and a lapse.
    const StudyDay d16 = day(2025, 3, 16);
    {
        ReviewFile file(user, "verbs");
        ASSERT_TRUE(file.recordAnswer(run, Grade::Good, d16));
        ASSERT_TRUE(file.recordAnswer(apple, Grade::Again, d16));
    }
    EXPECT_EQ(read("verbs.rev"),
              crlf({"[FSRS-6]",
                    run + "=2025-03-16,10.964332335820703,2.1169858664885557,2,0",
                    apple + "=2025-03-16,0.08213219829206198,9.205417138234166,2,1",
                    equal + "=2025-03-14,8.2956,1,1,0",
                    "",
                    "[Answers]",
                    "2025-03-14=5",
                    "2025-03-16=2"}));

    // And read back as written.
    ReviewFile again(user, "verbs");
    EXPECT_EQ(again.records().size(), 3u);
    EXPECT_EQ(again.record(equal), (WordReview{d14, {8.2956, 1}, 1, 0}));
    EXPECT_EQ(again.record(apple)->lapses, 1);
    EXPECT_FALSE(again.record(sj("equal_等しい")));
    EXPECT_EQ(ReviewFile::answersPerDay(file("verbs.rev")),
              (std::map<StudyDay, int>{{d14, 5}, {d16, 2}}));
}

TEST_F(ReviewFileTest, TheFileIsReadOncePerDrill) {
    const StudyDay d = day(2025, 3, 14);
    put("verbs.rev", crlf({"[FSRS-6]", apple + "=2025-03-10,3,5,2,0"}));
    ReviewFile file(user, "verbs");
    ASSERT_EQ(file.records().size(), 1u);
    // A change on disk during the drill is not read again.
    put("verbs.rev", crlf({"[FSRS-6]"}));
    EXPECT_TRUE(file.record(apple));
    ASSERT_TRUE(file.recordAnswer(run, Grade::Good, d));
    EXPECT_NE(read("verbs.rev").find(apple + "=2025-03-10,3,5,2,0"), std::string::npos);
}

TEST_F(ReviewFileTest, BrokenLinesAreSkippedAndKept) {
    const std::string broken = crlf({"[FSRS-6]",
                                     "no equals sign here",
                                     apple + "=2025-03-10,3,5,2,0",
                                     run + "=2025-03-10,abc,5,2,0",
                                     sj("bad_日付") + "=2025-02-30,3,5,2,0",
                                     "=",
                                     apple + "=2025-03-01,9,9,9,9",  // a doubled key: the first counts
                                     sj("cat_猫") + "=broken",
                                     sj("cat_猫") + "=2025-03-01,9,9,9,9",  // even when broken
                                     "\xff\xfe=\x81",
                                     "",
                                     "[Answers]",
                                     "2025-03-10=4",
                                     "yesterday=3",
                                     "2025-03-11=many"});
    put("verbs.rev", broken);
    ReviewFile file(user, "verbs");
    ASSERT_TRUE(file.readStatus());
    EXPECT_EQ(file.records().size(), 1u);
    EXPECT_EQ(file.record(apple), (WordReview{day(2025, 3, 10), {3, 5}, 2, 0}));
    EXPECT_FALSE(file.record(run));
    EXPECT_FALSE(file.record(sj("cat_猫")));
    EXPECT_EQ(ReviewFile::answersPerDay(file.path()),
              (std::map<StudyDay, int>{{day(2025, 3, 10), 4}}));

    // An answer to another word rewrites the file with the unreadable lines as they were.
    ASSERT_TRUE(file.recordAnswer(sj("new_新しい"), Grade::Good, day(2025, 3, 14)));
    std::string expected = broken;
    expected.insert(expected.find("\r\n\r\n[Answers]") + 2,
                    sj("new_新しい") + "=2025-03-14,2.3065,2.118103970459015,1,0\r\n");
    expected += "2025-03-14=1\r\n";
    EXPECT_EQ(read("verbs.rev"), expected);

    // The word whose line was broken starts again.
    ASSERT_TRUE(file.recordAnswer(run, Grade::Easy, day(2025, 3, 14)));
    EXPECT_EQ(file.record(run)->reviews, 1);
    EXPECT_NE(read("verbs.rev").find(run + "=2025-03-14,8.2956,1,1,0\r\n"), std::string::npos);
}

TEST_F(ReviewFileTest, AMissingFileHasNoRecordsAndAnEmptyOneToo) {
    ReviewFile missing(user, "verbs");
    EXPECT_TRUE(missing.readStatus());
    EXPECT_TRUE(missing.records().empty());
    EXPECT_FALSE(exists(file("verbs.rev")));
    EXPECT_TRUE(ReviewFile::answersPerDay(file("verbs.rev")).empty());

    put("nouns.rev", "");
    ReviewFile empty(user, "nouns");
    EXPECT_TRUE(empty.records().empty());
}

TEST_F(ReviewFileTest, AFailedWriteLeavesTheOldFileWholeAndIsReported) {
    const StudyDay d = day(2025, 3, 14);
    {
        ReviewFile file(user, "verbs");
        ASSERT_TRUE(file.recordAnswer(apple, Grade::Good, d));
    }
    const std::string before = read("verbs.rev");

    ReviewFile file(user, "verbs");
    ASSERT_EQ(file.records().size(), 1u);
    {
        ReadOnlyFolder lock(user);
        if (!lock.active())
            GTEST_SKIP() << "no way to make a folder read-only here";
        FileStatus st = file.recordAnswer(run, Grade::Good, d.plus(1));
        EXPECT_FALSE(st);
        EXPECT_EQ(st.path(), file.path());
        EXPECT_EQ(read("verbs.rev"), before);
    }
    // The answer was kept in memory and goes out with the next store.
    EXPECT_TRUE(file.record(run));
    ASSERT_TRUE(file.recordAnswer(apple, Grade::Good, d.plus(1)));
    const std::string after = read("verbs.rev");
    EXPECT_NE(after.find(run + "=2025-03-15,"), std::string::npos);
    EXPECT_NE(after.find("2025-03-15=2\r\n"), std::string::npos);
    // No temporary file is left behind.
    for (const std::string& name : files())
        EXPECT_FALSE(isSafeWriteTemporary(name)) << name;
}

TEST_F(ReviewFileTest, AWriteKilledPartWayLeavesTheOldFileWhole) {
    const StudyDay d = day(2025, 3, 14);
    {
        ReviewFile file(user, "verbs");
        ASSERT_TRUE(file.recordAnswer(apple, Grade::Good, d));
    }
    const std::string before = read("verbs.rev");
    EXPECT_EXIT(
        {
            setWriteStepForTesting(&dieWhileWriting);
            ReviewFile file(user, "verbs");
            file.recordAnswer(run, Grade::Good, d.plus(1));
        },
        ::testing::ExitedWithCode(9), "");
    EXPECT_EQ(read("verbs.rev"), before);
    // What the killed write left is a temporary file the start-up clean-up knows.
    int leftovers = 0;
    for (const std::string& name : files())
        leftovers += isSafeWriteTemporary(name) ? 1 : 0;
    EXPECT_EQ(leftovers, 1);

    // A disk that fills up part-way is refused the same way, and said so.
    {
        FullDisk disk(20);
        ReviewFile file(user, "verbs");
        FileStatus st = file.recordAnswer(run, Grade::Good, d.plus(1));
        EXPECT_FALSE(st);
        EXPECT_EQ(st.errorNumber(), ENOSPC);
    }
    EXPECT_EQ(read("verbs.rev"), before);
}

TEST_F(ReviewFileTest, AFileThatCannotBeReadIsReportedAndNeverOverwritten) {
    // A folder in the file's place cannot be read as a file, whoever runs the test.
    makeFolder(file("verbs.rev"));
    put("verbs.rev/inside", "kept");
    ReviewFile review(user, "verbs");
    EXPECT_FALSE(review.readStatus());
    EXPECT_TRUE(review.records().empty());
    FileStatus st = review.recordAnswer(apple, Grade::Good, day(2025, 3, 14));
    EXPECT_FALSE(st);
    EXPECT_EQ(st.path(), review.path());
    EXPECT_EQ(read("verbs.rev/inside"), "kept");
}
