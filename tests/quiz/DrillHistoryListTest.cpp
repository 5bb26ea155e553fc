#include "quiz/DrillHistoryList.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

// Runs one drill as the drill does: its misses go into the current slot, its totals into
// the next one.
void completeDrill(DrillHistory& h, const std::string& name, int wrong) {
    for (int i = 0; i < wrong; ++i)
        h.lines().missed[static_cast<std::size_t>(i)] = name + "-miss" + std::to_string(i);
    DrillRecord& totals = h.advance();
    totals.dictionaryPath = "/d/" + name + ".txt";
    totals.questionCount = 10;
    totals.correctCount = 10 - wrong;
    totals.wrongCount = wrong;
}

} // namespace

TEST(DrillHistoryList, TenSlotsInSlotOrderEachWithTheMissesOfTheSlotBefore) {
    DrillHistory h;
    EXPECT_EQ(listedDrills(h).size(), 10u);
    for (const HistoryDrill& d : listedDrills(h)) {
        EXPECT_TRUE(d.dictionaryPath.empty());
        EXPECT_TRUE(d.missedLines.empty());
    }

    completeDrill(h, "d1", 2);
    completeDrill(h, "d2", 0);
    std::vector<HistoryDrill> drills = listedDrills(h);
    EXPECT_EQ(drills[0].dictionaryPath, "/d/d1.txt");
    EXPECT_EQ(drills[0].missedLines, (std::vector<std::string>{"d1-miss0", "d1-miss1"}));
    EXPECT_EQ(drills[1].dictionaryPath, "/d/d2.txt");
    EXPECT_TRUE(drills[1].missedLines.empty());
    EXPECT_TRUE(drills[2].dictionaryPath.empty());
}

TEST(DrillHistoryList, AfterTwelveDrillsRowOneHoldsTheTwelfth) {
    DrillHistory h;
    for (int i = 1; i <= 12; ++i)
        completeDrill(h, "d" + std::to_string(i), i % 3 + 1);
    std::vector<HistoryDrill> drills = listedDrills(h);
    // The eleventh lies in slot 0, which is not listed.
    EXPECT_EQ(drills[0].dictionaryPath, "/d/d12.txt");
    // Its one miss, not the older lines of the first drill behind it.
    EXPECT_EQ(drills[0].missedLines, std::vector<std::string>{"d12-miss0"});
    EXPECT_EQ(drills[1].dictionaryPath, "/d/d2.txt");
    EXPECT_EQ(drills[9].dictionaryPath, "/d/d10.txt");
    EXPECT_EQ(drills[9].missedLines, (std::vector<std::string>{"d10-miss0", "d10-miss1"}));
}
