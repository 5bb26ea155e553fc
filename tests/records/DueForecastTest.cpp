#include "records/DueForecast.h"

#include "RecordsFixture.h"
#include "tests/support/StudyDays.h"

#include <cmath>

using namespace qor;
using qor::test::day;
using namespace qor::test;

class DueForecastTest : public RecordsTest {
protected:
    const std::string setup = file("Setup.ini");
    const std::string dictionary = dir.file("verbs.txt");

    void SetUp() override {
        RecordsTest::SetUp();
        spit(dictionary, crlf({sj("apple=りんご*果物"), sj("dog=犬*動物"), sj("cat=猫*動物"),
                               sj("new=新しい*まだ答えていない"), sj("dog=犬*同じ単語の二行目")}));
        // At the default retention of 90 % a word falls due its stability in days after
        // its last review.
        put("verbs.rev", crlf({"[FSRS-6]",
                               sj("apple_りんご=2027-01-01,3,5,2,0"), // due 2027-01-04
                               sj("dog_犬=2026-12-31,1,5,1,0"),       // due 2027-01-01: overdue
                               sj("cat_猫=2026-12-30,33,5,3,0"),      // due 2027-02-01
                               sj("gone_消えた=2027-01-01,1,5,1,0"),  // no longer a line
                               "", "[Answers]", "2027-01-01=12"}));
    }
};

TEST_F(DueForecastTest, CountsTheWordsOfTheDictionaryFallingDueOnEachComingDay) {
    const DueForecast f = readDueForecast(user, dictionary, ReviewSettings{}, day(2027, 1, 2), 30);
    ASSERT_TRUE(f.status) << f.status.reason();
    EXPECT_TRUE(f.dictionaryFound);
    EXPECT_EQ(f.words, 5u);
    EXPECT_EQ(f.dueToday, 1); // dog, once for its two lines
    std::vector<int> expected(30, 0);
    expected[1] = 1;  // apple on 4 January
    expected[29] = 1; // cat on 1 February, across the month's end
    EXPECT_EQ(f.days, expected);

    // A day later the same records: apple comes a day closer, the stale word stays out.
    const DueForecast next =
        readDueForecast(user, dictionary, ReviewSettings{}, day(2027, 1, 3), 30);
    EXPECT_EQ(next.days[0], 1);
    EXPECT_EQ(next.days[28], 1);
    EXPECT_EQ(next.dueToday, 1);
}

TEST_F(DueForecastTest, ALowerTargetRetentionPutsTheDueDaysLater) {
    const DueForecast f =
        readDueForecast(user, dictionary, ReviewSettings{0.8, 20}, day(2027, 1, 2), 30);
    const auto days = [](double stability) {
        return static_cast<int>(std::ceil(MemoryModel().intervalDays(stability, 0.8)));
    };
    const int apple = days(3);
    const int dog = days(1);
    ASSERT_GT(apple, 3);
    ASSERT_GT(dog, 2);
    std::vector<int> expected(30, 0);
    // Reviewed on 1 January and 31 December; the first bar is 3 January.
    expected[static_cast<std::size_t>(apple - 2)] += 1;
    expected[static_cast<std::size_t>(dog - 3)] += 1;
    EXPECT_EQ(f.days, expected);
    EXPECT_EQ(f.dueToday, 0); // dog's one day of stability lasts longer at 80 %
}

TEST_F(DueForecastTest, AMissingDictionaryOrReviewFileIsNoFailure) {
    const DueForecast unknown = readDueForecast(user, "", ReviewSettings{}, day(2027, 1, 2), 30);
    EXPECT_TRUE(unknown.status);
    EXPECT_FALSE(unknown.dictionaryFound);
    EXPECT_EQ(unknown.days, std::vector<int>(30, 0));

    const DueForecast missing =
        readDueForecast(user, dir.file("nouns.txt"), ReviewSettings{}, day(2027, 1, 2), 30);
    EXPECT_TRUE(missing.status);
    EXPECT_FALSE(missing.dictionaryFound);

    spit(dir.file("nouns.txt"), crlf({sj("book=本*c")}));
    const DueForecast fresh =
        readDueForecast(user, dir.file("nouns.txt"), ReviewSettings{}, day(2027, 1, 2), 30);
    EXPECT_TRUE(fresh.status);
    EXPECT_TRUE(fresh.dictionaryFound);
    EXPECT_EQ(fresh.dueToday, 0);
    EXPECT_EQ(fresh.days, std::vector<int>(30, 0));
}

TEST_F(DueForecastTest, AnUnreadableReviewFileOrDictionaryIsToldAndChangesNothing) {
    std::filesystem::remove(file("verbs.rev"));
    ASSERT_TRUE(makeFolder(file("verbs.rev")));
    const DueForecast f = readDueForecast(user, dictionary, ReviewSettings{}, day(2027, 1, 2), 30);
    EXPECT_FALSE(f.status);
    EXPECT_EQ(f.status.path(), file("verbs.rev"));
    EXPECT_EQ(f.days, std::vector<int>(30, 0));
    EXPECT_TRUE(std::filesystem::is_directory(file("verbs.rev")));

    ASSERT_TRUE(makeFolder(dir.file("folder.txt")));
    const DueForecast g =
        readDueForecast(user, dir.file("folder.txt"), ReviewSettings{}, day(2027, 1, 2), 30);
    EXPECT_FALSE(g.status);
    EXPECT_EQ(g.status.path(), dir.file("folder.txt"));
}

TEST_F(DueForecastTest, TheDictionaryIsFoundByItsRememberedPathOrAsTheOneInUse) {
    spit(setup, crlf({"[Dictionary Path]", "verbs.txt=" + dictionary}));
    EXPECT_EQ(dictionaryPathFor(setup, "verbs.txt", ""), dictionary);
    EXPECT_EQ(dictionaryPathFor(setup, "nouns.txt", "/elsewhere/nouns.txt"),
              "/elsewhere/nouns.txt");
    EXPECT_EQ(dictionaryPathFor(setup, "nouns.txt", "/elsewhere/other.txt"), "");
    EXPECT_EQ(dictionaryPathFor(setup, "", "/elsewhere/other.txt"), "");
}
