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
    friend bool operator==(const ChartLane&, const ChartLane&) = default;
};

// One point of a line: where it lies on the value axis and its level on the line's own scale.
struct ChartPoint {
    double value = 0;
    double level = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// A line over the value axis (an elevation profile), drawn above the lanes against a level
// scale of its own from low to high; with no points there is none.
struct ChartLine {
    std::string title;
    double low = 0;
    double high = 0;
    std::vector<ChartPoint> points;  // in order along the axis
    friend bool operator==(const ChartLine&, const ChartLine&) = default;
};

// Lanes of marks over one value axis from low to high, which the front end draws with round
// tick steps between the two ends, and a line above them.
struct ChartData {
    std::string axisTitle;
    double low = 0;
    double high = 0;
    std::vector<ChartLane> lanes;  // top to bottom
    ChartLine line = {};
    friend bool operator==(const ChartData&, const ChartData&) = default;
};

// A read-only chart; with no lanes and no line it is an empty area.
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
