// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/control.h"

namespace velomark {

// One mark on a chart's axis: a value, the short label drawn beside it, and how it stands out.
struct ChartMark {
    double value = 0;
    std::string label;
    bool flagged = false;  // beyond a limit: drawn in the warning colour
    bool close = false;    // nearly the same as a mark on another lane: drawn ringed
    friend bool operator==(const ChartMark&, const ChartMark&) = default;
};

// One lane of marks, drawn as a row with its name at the left.
struct ChartLane {
    std::string name;
    std::vector<ChartMark> marks;
    bool second = false;  // another set of lanes beside the first: its marks in a second colour
    friend bool operator==(const ChartLane&, const ChartLane&) = default;
};

// A point of a chart that plots one quantity against another, and its label when it is marked.
struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string label;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// A line across the value axis against an upright axis of its own from low to high, with some
// points marked on it.
struct ChartSeries {
    std::string title;
    double low = 0;
    double high = 0;
    std::vector<ChartPoint> points;  // joined in order
    std::vector<ChartPoint> marked;  // drawn as labelled dots
    friend bool operator==(const ChartSeries&, const ChartSeries&) = default;
};

// Lanes of marks over one value axis from low to high, which the front end draws with round
// tick steps between the two ends, and a line above them.
struct ChartData {
    std::string axisTitle;
    double low = 0;
    double high = 0;
    std::vector<ChartLane> lanes;  // top to bottom
    // What a ringed mark and a mark in the warning colour mean, for the legend; "" for a kind
    // of mark the chart has no word for.
    std::string closeMeaning;
    std::string flaggedMeaning;
    // Drawn above the lanes, or in their place when there are none, when it has points.
    ChartSeries series;
    friend bool operator==(const ChartData&, const ChartData&) = default;
};

// A read-only chart; with no lanes and no series it is an empty area.
class Chart : public Control {
  public:
    Chart(Form& form, std::string name);

    const ChartData& data() const { return data_; }
    // Replaces the whole chart; whoever shows it hears of it only when it differs.
    void setData(ChartData data);

  private:
    ChartData data_;
};

}  // namespace velomark
