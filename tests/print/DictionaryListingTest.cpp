#include "print/DictionaryListing.h"

#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::test;

namespace {

class DictionaryListingTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("verbs.txt");

    void SetUp() override {
        spit(path, crlf({sj("apple=りんご*果物"), sj("run,dash=走る,急ぐ*コメントはありません"),
                         sj("see=見る=目で見る*a*b")}));
    }
};

TEST_F(DictionaryListingTest, NumbersStartEachLineFollowedByColonAndTab) {
    std::size_t total = 0;
    std::vector<std::size_t> steps;
    Listing listing = buildListing(
        path, true, false, [&](std::size_t n) { total = n; },
        [&](std::size_t i) { steps.push_back(i); });
    ASSERT_TRUE(listing.status);
    EXPECT_EQ(listing.lines, (std::vector<std::string>{
                                 sj("1：\tapple\tりんご\t果物"),
                                 sj("2：\trun,dash\t走る,急ぐ\tコメントはありません"),
                                 sj("3：\tsee\t見る=目で見る\ta*b"),
                             }));
    EXPECT_EQ(total, 3u);
    EXPECT_EQ(steps, (std::vector<std::size_t>{0, 1, 2}));

    Listing plain = buildListing(path, false, false);
    EXPECT_EQ(plain.lines[0], sj("apple\tりんご\t果物"));
}

TEST_F(DictionaryListingTest, TheCommentRuleEmptiesOnlyTheExactNoCommentText) {
    EXPECT_EQ(buildListing(path, false, false).lines[1],
              sj("run,dash\t走る,急ぐ\tコメントはありません"));
    Listing on = buildListing(path, false, true);
    EXPECT_EQ(on.lines[1], sj("run,dash\t走る,急ぐ\t"));
    EXPECT_EQ(on.lines[0], sj("apple\tりんご\t果物"));
    EXPECT_EQ(listingLine(0, sj("x=y*コメントはありません。"), false, true),
              sj("x\ty\tコメントはありません。"));
    // A line without separators still lists its three columns.
    EXPECT_EQ(listingLine(4, "", true, true), sj("5：\t\t\t"));
}

TEST_F(DictionaryListingTest, AnUnreadableSourceListsNothing) {
    bool started = false;
    Listing listing = buildListing(dir.file("gone.txt"), true, true,
                                   [&](std::size_t) { started = true; });
    EXPECT_FALSE(listing.status);
    EXPECT_EQ(listing.status.path(), dir.file("gone.txt"));
    EXPECT_TRUE(listing.lines.empty());
    EXPECT_FALSE(started);
    EXPECT_FALSE(buildListing("", false, false).status);
}

TEST(ListingTabStopsTest, EnglishAtTheEdgeOrAfterTheNumber) {
    EXPECT_EQ(listingTabStops(100, false), (std::vector<double>{100, 200}));
    EXPECT_EQ(listingTabStops(120, true), (std::vector<double>{25, 120, 240}));
    // A number column narrower than 25 points changes nothing.
    EXPECT_EQ(listingTabStops(120, true, 20), (std::vector<double>{25, 120, 240}));
}

TEST(ListingTabStopsTest, AWideNumberColumnMovesOnlyTheStopsItPasses) {
    EXPECT_EQ(listingTabStops(100, true, 32.5), (std::vector<double>{32.5, 100, 200}));
    // Past the second stop: the parts keep their widths behind it.
    EXPECT_EQ(listingTabStops(30, true, 40), (std::vector<double>{40, 70, 100}));
    EXPECT_EQ(listingTabStops(50, true, 60), (std::vector<double>{60, 110, 160}));
    EXPECT_EQ(listingTabStops(100, false, 60), (std::vector<double>{100, 200}));
}

TEST(PrintDicSettingsTest, DefaultsAndTheThreeKeys) {
    TempDir dir;
    std::string ini = dir.file("Setup.ini");
    PrintDicSettings s = PrintDicSettings::load(ini);
    EXPECT_FALSE(s.CommentOn);
    EXPECT_FALSE(s.NumberOn);
    EXPECT_EQ(s.Tab, 100);
    s.NumberOn = true;
    s.Tab = 0;
    ASSERT_TRUE(s.save(ini));
    EXPECT_EQ(slurp(ini), crlf({"[Print Dic]", "CommentOn=0", "NumberOn=1", "Tab=0"}));
    PrintDicSettings back = PrintDicSettings::load(ini);
    EXPECT_TRUE(back.NumberOn);
    EXPECT_EQ(back.Tab, 0);

    spit(ini, crlf({"[Print Dic]", "Tab=", "CommentOn=1"}));
    back = PrintDicSettings::load(ini);
    EXPECT_EQ(back.Tab, 100);
    EXPECT_TRUE(back.CommentOn);
}

} // namespace
