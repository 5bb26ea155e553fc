#pragma once
// The percentage graph: twelve points per line, for the last twelve drills of a
// dictionary ("Temp.dat") or the twelve months of a year (the year statistics file), on a
// picture of 326 x 199 pixels whose coordinates are fixed here. Up to six lines are told
// apart by colour (black, blue, red, green, yellow, purple, by view number 0 to 5) and by
// their legend labels; the seventh view starts again at the first colour and label, and
// the lines already drawn stay. A red marker under the x axis shows the slot of the most
// recent drill or the current month.

#include "base/FileStatus.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class GraphType { PerDrill = 0, PerMonth = 1 };

constexpr int kGraphWidth = 326;
constexpr int kGraphHeight = 199;
constexpr int kGraphPositions = 12;
constexpr int kGraphViews = 6;

struct GraphPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GraphPoint&) const = default;
};

// Where every line starts: the foot of the y axis, value 0 before position 1.
constexpr GraphPoint kGraphOrigin{47, 163};

// y of a value 0 to 100 (outside values are taken as 0 or 100): 15 pixels for each step
// of ten (16 from 0 to 10), one pixel for each percent within a step.
int graphY(int value);
// x of position 1 to 12. Position 5 lies at 138 for a multiple of ten, at 136 otherwise.
int graphX(int position, int value);
GraphPoint graphPoint(int position, int value);

// The marker under position 1 to 12: a horizontal segment from `left` to `right` at `y`.
struct MarkerSpan {
    int left = 0;
    int right = 0;
    int y = 179;
};
MarkerSpan markerSpan(int position);

// One drawn line: the colour (view number 0 to 5) and the twelve values.
struct GraphLine {
    int colour = 0;
    std::array<int, kGraphPositions> values{};
    // The origin followed by the twelve points.
    std::array<GraphPoint, kGraphPositions + 1> points() const;
};

struct GraphValues {
    std::array<int, kGraphPositions> values{};  // missing ones are 0
    FileStatus status;                          // the file exists but cannot be read
};

// Key 1 to 12 of the section named dicFileName: per drill the percentages of Temp.dat
// (default "0"), per month the third field of the year statistics file of `year`
// (default "0,0,0").
GraphValues readGraphValues(const std::string& userFolder, GraphType type,
                            std::string_view dicFileName, std::string_view year);

// What the graph window shows: the type, the marker, the lines drawn since the type was
// chosen and the six legend labels (CP932).
class StatisticsGraph {
public:
    StatisticsGraph();

    // Chooses a type: no lines, view number 0, the six labels reset to " ： ", the marker
    // under `recentSlot` (per drill, 0 for none) or `currentMonth` (per month).
    void chooseType(GraphType type, int recentSlot, int currentMonth);

    // "表示": reads the values of dicFileName ("verbs.txt") for the current type and adds
    // the line in the colour of the view number, whose label becomes " : verbs" (per
    // drill) or " : verbs-2001" (per month); the view number then advances (5 -> 0).
    // A file that cannot be read changes nothing; its status is returned.
    FileStatus view(const std::string& userFolder, std::string_view dicFileName,
                    std::string_view year);

    GraphType type() const { return type_; }
    // 1 to 12, or 0 when nothing is marked.
    int markerPosition() const { return marker_; }
    int viewNumber() const { return viewNumber_; }
    const std::vector<GraphLine>& lines() const { return lines_; }
    const std::array<std::string, kGraphViews>& legends() const { return legends_; }

private:
    GraphType type_ = GraphType::PerDrill;
    int marker_ = 0;
    int viewNumber_ = 0;
    std::vector<GraphLine> lines_;
    std::array<std::string, kGraphViews> legends_;
};

} // namespace qor
