#include "records/ErrorReview.h"

#include "RecordsFixture.h"

using namespace qor;
using namespace qor::test;

TEST(ErrorReview, RowsTakeTheFirstWrongCountLinesAndSwapColumnsByDirection) {
    std::vector<std::string> lines{sj("a=b=c*d*e"), sj("りんご*果物"), "x=y*z"};
    std::vector<ReviewRow> rows = reviewRows(lines, 2, 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].question, "b=c");
    EXPECT_EQ(rows[0].answer, "a");
    EXPECT_EQ(rows[0].comment, "d*e");
    EXPECT_EQ(rows[0].wordKey(), "a_b=c");
    EXPECT_EQ(rows[0].dictionaryLine(), "a=b=c*d*e");
    // A line without "=": empty English part.
    EXPECT_EQ(rows[1].question, sj("りんご"));
    EXPECT_EQ(rows[1].answer, "");
    EXPECT_EQ(rows[1].dictionaryLine(), sj("=りんご*果物"));

    EXPECT_EQ(reviewRows(lines, 2, 0)[0].question, "a");
    // A count beyond the lines kept, or below zero, never reads past them.
    EXPECT_EQ(reviewRows(lines, 5, 0).size(), 3u);
    EXPECT_TRUE(reviewRows(lines, -1, 0).empty());
}

TEST_F(RecordsTest, MissCountsReadTheDayAndMonthSectionsOfTheMonthsFile) {
    DateTexts now = at(1999, 8, 9);
    const std::string goKey = sj("go_行く");
    const std::string seeKey = sj("see_見る");
    put("19998_verbs.dat", crlf({"[Error]", "Date=8/9", "[8]", goKey + "=3", "[8/9]", goKey + "=2",
                                 "[8/8]", seeKey + "=4"}));
    MissCounts go = missCounts(user, "verbs", goKey, now);
    EXPECT_EQ(go.today, 2);
    EXPECT_EQ(go.month, 3);
    MissCounts see = missCounts(user, "verbs", seeKey, now);
    EXPECT_EQ(see.today, 0);
    EXPECT_EQ(see.month, 0);
    // Another dictionary, another month: no file, no misses.
    EXPECT_EQ(missCounts(user, "nouns", goKey, now).month, 0);
    EXPECT_EQ(missCounts(user, "verbs", goKey, at(1999, 9, 1)).month, 0);
}
