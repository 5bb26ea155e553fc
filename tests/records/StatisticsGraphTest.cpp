#include "records/StatisticsGraph.h"

#include "RecordsFixture.h"

using namespace qor;
using namespace qor::test;

class StatisticsGraphTest : public RecordsTest {};

TEST_F(StatisticsGraphTest, ValuesLandOnTheirHeights) {
    EXPECT_EQ(graphY(57), 80);  // base 87 of the fifties, minus 7
    EXPECT_EQ(graphY(100), 12);
    EXPECT_EQ(graphY(5), 158);
    EXPECT_EQ(graphY(0), 163);
    EXPECT_EQ(graphY(10), 147);  // the first step is 16 pixels high
    // Hand-edited values outside 0..100 stay on the picture.
    EXPECT_EQ(graphY(250), 12);
    EXPECT_EQ(graphY(-3), 163);
    // Position 5 moves left for a value that is not a multiple of ten.
    EXPECT_EQ(graphX(5, 40), 138);
    EXPECT_EQ(graphX(5, 45), 136);
    EXPECT_EQ(graphX(4, 45), 118);
}

TEST_F(StatisticsGraphTest, PerDrillReadsTempDatAndPerMonthTheThirdFieldOfTheYear) {
    put("Temp.dat", crlf({"[verbs.txt]", "Check=1", "Count=2", "1=70", "2=85", "3=0",
                          "[nouns.txt]", "1=10"}));
    GraphValues drills = readGraphValues(user, GraphType::PerDrill, "verbs.txt", "2001");
    ASSERT_TRUE(drills.status);
    EXPECT_EQ(drills.values, (std::array<int, 12>{70, 85}));

    put("2001.dat", crlf({"[verbs.txt]", "Check=1", "1=0,0,0", "3=4,3,75", "12=2,1,50"}));
    GraphValues months = readGraphValues(user, GraphType::PerMonth, "verbs.txt", "2001");
    EXPECT_EQ(months.values, (std::array<int, 12>{0, 0, 75, 0, 0, 0, 0, 0, 0, 0, 0, 50}));
    // Another year, another dictionary: twelve zeros.
    EXPECT_EQ(readGraphValues(user, GraphType::PerMonth, "verbs.txt", "2000").values,
              (std::array<int, 12>{}));
    EXPECT_EQ(readGraphValues(user, GraphType::PerDrill, "adj.txt", "2001").values,
              (std::array<int, 12>{}));
}

TEST_F(StatisticsGraphTest, SevenViewsCycleTheColoursAndTheSeventhTakesTheFirstLabel) {
    put("Temp.dat", crlf({"[verbs.txt]", "1=50", "[nouns.txt]", "1=20"}));
    StatisticsGraph graph;
    graph.chooseType(GraphType::PerDrill, 3, 8);
    EXPECT_EQ(graph.markerPosition(), 3);
    for (const std::string& label : graph.legends())
        EXPECT_EQ(label, sj(" ： "));

    for (int i = 0; i < 6; ++i)
        ASSERT_TRUE(graph.view(user, "verbs.txt", "2001"));
    ASSERT_TRUE(graph.view(user, "nouns.txt", "2001"));
    ASSERT_EQ(graph.lines().size(), 7u);
    std::vector<int> colours;
    for (const GraphLine& line : graph.lines())
        colours.push_back(line.colour);
    EXPECT_EQ(colours, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(graph.legends()[0], " : nouns");
    EXPECT_EQ(graph.legends()[1], " : verbs");
    EXPECT_EQ(graph.viewNumber(), 1);
    EXPECT_EQ(graph.lines()[6].values[0], 20);

    // Choosing a type again erases the lines and the labels.
    graph.chooseType(GraphType::PerMonth, 3, 8);
    EXPECT_TRUE(graph.lines().empty());
    EXPECT_EQ(graph.viewNumber(), 0);
    EXPECT_EQ(graph.markerPosition(), 8);
    EXPECT_EQ(graph.legends()[0], sj(" ： "));
    ASSERT_TRUE(graph.view(user, "verbs.txt", "2001"));
    EXPECT_EQ(graph.legends()[0], " : verbs-2001");
}

TEST_F(StatisticsGraphTest, EveryLineStartsAtTheOriginAndHasTwelvePoints) {
    GraphLine line{2, {57, 100, 5, 0, 45}};
    auto points = line.points();
    EXPECT_EQ(points[0], kGraphOrigin);
    EXPECT_EQ(points[1], (GraphPoint{62, 80}));
    EXPECT_EQ(points[2], (GraphPoint{80, 12}));
    EXPECT_EQ(points[5], (GraphPoint{136, 97}));
    EXPECT_EQ(points[12], (GraphPoint{275, 163}));
}

TEST_F(StatisticsGraphTest, NoDrillYetMarksNothingAndAnUnreadableFileDrawsNothing) {
    StatisticsGraph graph;
    graph.chooseType(GraphType::PerDrill, 0, 8);
    EXPECT_EQ(graph.markerPosition(), 0);

    ASSERT_TRUE(makeFolder(file("Temp.dat")));
    FileStatus status = graph.view(user, "verbs.txt", "2001");
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), file("Temp.dat"));
    EXPECT_TRUE(graph.lines().empty());
    EXPECT_EQ(graph.viewNumber(), 0);
    EXPECT_EQ(graph.legends()[0], sj(" ： "));
}
