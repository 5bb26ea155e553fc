#include "records/DueSelection.h"
#include "tests/support/StudyDays.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qor;
using qor::test::day;

namespace {

std::vector<std::string> keys(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back("w" + std::to_string(i) + "_x");
    return out;
}

WordReview reviewed(StudyDay last, double stability, int reviews = 3) {
    return WordReview{last, {stability, 5}, reviews, 0};
}

} // namespace

TEST(DueSelectionTest, DueWordsMostOverdueFirstThenNewWordsInDictionaryOrder) {
    const StudyDay today = day(2025, 3, 14);
    const std::vector<std::string> k = keys(12);
    ReviewRecords records;
    records[k[1]] = reviewed(today.plus(-12), 10);  // R a little under 0.9
    records[k[3]] = reviewed(today.plus(-30), 2);   // long forgotten
    records[k[5]] = reviewed(today.plus(-3), 10);   // not due
    records[k[6]] = reviewed(today.plus(-8), 4);    // between the two
    records[k[8]] = reviewed(today.plus(-8), 4);    // the same: dictionary order
    records[k[9]] = reviewed(today, 0.212);         // answered today: not due again today

    DueSelection s(k, records, ReviewSettings{0.9, 3});
    ReviewPlan p = s.plan(today);
    EXPECT_EQ(p.lines, (std::vector<int>{3, 6, 8, 1, 0, 2, 4}));
    EXPECT_EQ(p.due, 4);
    EXPECT_EQ(p.fresh, 3);
    EXPECT_EQ(s.dueCount(today), 4);
}

TEST(DueSelectionTest, ADueWordIsOneWhoseRetrievabilityHasReachedTheTarget) {
    MemoryModel m;
    const StudyDay last = day(2025, 1, 1);
    for (double target : {0.8, 0.9, 0.95}) {
        for (double s : {0.05, 0.212, 1.0, 2.3065, 10.0, 37.5, 400.0}) {
            const WordReview r = reviewed(last, s);
            const StudyDay due = DueSelection::dueDay(r, target, m);
            ASSERT_GE(due - last, 1);
            EXPECT_LE(m.retrievability(due - last, s), target + 1e-12) << s << " " << target;
            if (due - last > 1) {
                EXPECT_GT(m.retrievability(due - last - 1, s), target) << s << " " << target;
            }
        }
    }
    // A stability of exactly ten days at 90 % is due after exactly ten days, not eleven.
    EXPECT_EQ(DueSelection::dueDay(reviewed(last, 10), 0.9, m) - last, 10);
    // A lower target lets the word wait longer.
    EXPECT_GT(DueSelection::dueDay(reviewed(last, 10), 0.8, m), DueSelection::dueDay(reviewed(last, 10), 0.9, m));
}

TEST(DueSelectionTest, NewWordLimitCountsTodaysNewWordsAndStartsAgainTheNextDay) {
    MemoryModel m;
    const std::vector<std::string> k = keys(10);
    ReviewRecords records;
    const StudyDay monday = day(2025, 3, 10);
    const ReviewSettings settings{0.9, 4};

    // Two words were met today in another drill already: two new words are left.
    for (int i : {2, 5}) {
        std::optional<WordReview> r;
        applyAnswer(r, Grade::Good, monday, m);
        records[k[static_cast<std::size_t>(i)]] = *r;
    }
    ReviewPlan first = DueSelection(k, records, settings).plan(monday);
    EXPECT_EQ(first.lines, (std::vector<int>{0, 1}));
    EXPECT_EQ(first.due, 0);

    // The learner answers them (one forgotten at once), and asks for the review again.
    auto answer = [&](int line, Grade g, StudyDay d) {
        std::optional<WordReview> r;
        auto it = records.find(k[static_cast<std::size_t>(line)]);
        if (it != records.end())
            r = it->second;
        applyAnswer(r, g, d, m);
        records[k[static_cast<std::size_t>(line)]] = *r;
    };
    answer(0, Grade::Good, monday);
    answer(1, Grade::Again, monday);
    ReviewPlan again = DueSelection(k, records, settings).plan(monday);
    EXPECT_TRUE(again.lines.empty());
    EXPECT_EQ(DueSelection(k, records, settings).introducedOn(monday), 4);

    // Tuesday: the forgotten word is due, and four new words are allowed again.
    const StudyDay tuesday = monday.plus(1);
    ReviewPlan next = DueSelection(k, records, settings).plan(tuesday);
    EXPECT_EQ(next.lines, (std::vector<int>{1, 3, 4, 6, 7}));
    EXPECT_EQ(next.due, 1);
    EXPECT_EQ(next.fresh, 4);

    // Thursday, three days after Monday's Good (stability 2.3065): Monday's right words are
    // due; so is the word recalled on Tuesday (stability about 1.9 after its Again), less
    // overdue; then the last new words. Tuesday's new words wait until Friday.
    for (int line : next.lines)
        answer(line, Grade::Good, tuesday);
    ReviewPlan thursday = DueSelection(k, records, settings).plan(monday.plus(3));
    EXPECT_EQ(thursday.lines, (std::vector<int>{0, 2, 5, 1, 8, 9}));
    EXPECT_EQ(thursday.due, 4);
    EXPECT_NEAR(records.at(k[1]).memory.stability, 1.8868, 0.0001);
}

TEST(DueSelectionTest, AnEditedLineStartsAgainAndADoubledKeyIsAskedOnce) {
    const StudyDay today = day(2025, 3, 14);
    ReviewRecords records;
    records["apple_りんご"] = reviewed(today.plus(-40), 3);
    records["pear_なし"] = reviewed(today.plus(-40), 3);
    // "pear_なし" was edited to "pear_梨": the old record stays in the file, unused.
    const std::vector<std::string> k = {"pear_梨", "apple_りんご", "dog_犬", "apple_りんご"};
    ReviewPlan p = DueSelection(k, records, ReviewSettings{0.9, 20}).plan(today);
    EXPECT_EQ(p.lines, (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(p.due, 1);
    EXPECT_EQ(p.fresh, 2);
}

TEST(DueSelectionTest, DueCountsAndTheForecastOfTheNextThirtyDays) {
    const StudyDay today = day(2025, 3, 14);
    const std::vector<std::string> k = keys(8);
    ReviewRecords records;
    // Stability 10 at 90 %: due ten days after the last review.
    records[k[0]] = reviewed(today.plus(-20), 10);  // overdue: today
    records[k[1]] = reviewed(today.plus(-10), 10);  // due today
    records[k[2]] = reviewed(today.plus(-9), 10);   // tomorrow
    records[k[3]] = reviewed(today.plus(-9), 10);   // tomorrow
    records[k[4]] = reviewed(today.plus(-7), 10);   // in three days
    records[k[5]] = reviewed(today, 30);            // in thirty days
    records[k[6]] = reviewed(today, 31);            // in thirty-one: beyond the forecast
    DueSelection s(k, records, ReviewSettings{});

    EXPECT_EQ(s.dueCount(today), 2);
    EXPECT_EQ(s.dueCount(today.plus(1)), 4);
    EXPECT_EQ(s.dueCount(today.plus(31)), 7);
    std::vector<int> expected(30, 0);
    expected[0] = 2;
    expected[2] = 1;
    expected[29] = 1;
    EXPECT_EQ(s.forecast(today), expected);
    EXPECT_EQ(s.forecast(today, 3), (std::vector<int>{2, 0, 1}));
}

TEST(DueSelectionTest, ATargetOutsideZeroToOneIsTakenAsNinetyPercent) {
    const StudyDay today = day(2025, 3, 14);
    const std::vector<std::string> k = keys(2);
    ReviewRecords records;
    records[k[0]] = reviewed(today.plus(-10), 10);
    records[k[1]] = reviewed(today.plus(-9), 10);
    for (double bad : {0.0, 1.0, -3.0, 42.0})
        EXPECT_EQ(DueSelection(k, records, ReviewSettings{bad, 0}).plan(today).lines,
                  (std::vector<int>{0}))
            << bad;
}
