#include "records/StatisticsGraph.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "records/RecordFiles.h"

#include <algorithm>

namespace qor {

namespace {

// y of 0, 10, 20 ... 100.
constexpr std::array<int, 11> kTenBase{163, 147, 132, 117, 102, 87, 72, 57, 42, 27, 12};
constexpr std::array<int, kGraphPositions> kPositionX{62,  80,  100, 118, 138, 153,
                                                      171, 189, 207, 225, 250, 275};
constexpr std::array<std::array<int, 2>, kGraphPositions> kMarker{{{57, 67},
                                                                   {75, 85},
                                                                   {93, 103},
                                                                   {112, 122},
                                                                   {129, 139},
                                                                   {147, 157},
                                                                   {165, 175},
                                                                   {183, 193},
                                                                   {201, 211},
                                                                   {222, 234},
                                                                   {246, 257},
                                                                   {270, 282}}};

int clampValue(int value) {
    return std::clamp(value, 0, 100);
}

const std::string& emptyLegend() {
    static const std::string text = sj(" ： ");
    return text;
}

} // namespace

int graphY(int value) {
    const int v = clampValue(value);
    return kTenBase[static_cast<std::size_t>(v / 10)] - v % 10;
}

int graphX(int position, int value) {
    const int p = std::clamp(position, 1, kGraphPositions);
    if (p == 5 && clampValue(value) % 10 != 0)
        return 136;
    return kPositionX[static_cast<std::size_t>(p - 1)];
}

GraphPoint graphPoint(int position, int value) {
    return {graphX(position, value), graphY(value)};
}

MarkerSpan markerSpan(int position) {
    const auto& span = kMarker[static_cast<std::size_t>(std::clamp(position, 1, kGraphPositions) - 1)];
    return {span[0], span[1], 179};
}

std::array<GraphPoint, kGraphPositions + 1> GraphLine::points() const {
    std::array<GraphPoint, kGraphPositions + 1> out;
    out[0] = kGraphOrigin;
    for (int i = 0; i < kGraphPositions; ++i)
        out[static_cast<std::size_t>(i + 1)] = graphPoint(i + 1, values[static_cast<std::size_t>(i)]);
    return out;
}

GraphValues readGraphValues(const std::string& userFolder, GraphType type,
                            std::string_view dicFileName, std::string_view year) {
    GraphValues out;
    const bool perDrill = type == GraphType::PerDrill;
    IniFile file(perDrill ? recentDrillsPath(userFolder)
                          : yearStatisticsPath(userFolder, std::string(year)));
    if (FileStatus read = file.readStatus(); !read) {
        out.status = read;
        return out;
    }
    for (int i = 0; i < kGraphPositions; ++i) {
        const std::string key = std::to_string(i + 1);
        const std::string value =
            perDrill ? file.read(dicFileName, key, "0")
                     : splitFigures(file.read(dicFileName, key, "0,0,0")).percent;
        out.values[static_cast<std::size_t>(i)] = clampValue(recordCount(value));
    }
    return out;
}

StatisticsGraph::StatisticsGraph() {
    legends_.fill(emptyLegend());
}

void StatisticsGraph::chooseType(GraphType type, int recentSlot, int currentMonth) {
    type_ = type;
    viewNumber_ = 0;
    lines_.clear();
    const int position = type == GraphType::PerDrill ? recentSlot : currentMonth;
    marker_ = position >= 1 && position <= kGraphPositions ? position : 0;
    legends_.fill(emptyLegend());
}

FileStatus StatisticsGraph::view(const std::string& userFolder, std::string_view dicFileName,
                                 std::string_view year) {
    GraphValues read = readGraphValues(userFolder, type_, dicFileName, year);
    if (!read.status)
        return read.status;
    // The legend names the dictionary without its extension: the text up to its first ".".
    const std::string name(dicFileName.substr(0, find(dicFileName, '.')));
    std::string legend = " : " + name;
    if (type_ == GraphType::PerMonth)
        legend += "-" + std::string(year);
    legends_[static_cast<std::size_t>(viewNumber_)] = std::move(legend);
    lines_.push_back(GraphLine{viewNumber_, read.values});
    viewNumber_ = (viewNumber_ + 1) % kGraphViews;
    return {};
}

} // namespace qor
