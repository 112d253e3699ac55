// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

#include "shell/chart.h"

namespace velomark::gui {

// Where a value falls across a chart: the one mapping from the axis's values to x.
struct ChartScale {
    double low = 0;
    double high = 1;
    double left = 0;
    double right = 1;
    double x(double value) const { return left + (value - low) / (high - low) * (right - left); }
};

// The round step (1, 2 or 5 times a power of ten) between an axis's ticks: the smallest that
// puts at most `most` ticks between low and high.
double RoundStep(double low, double high, int most);
// Every multiple of the step from low to high.
std::vector<double> TickValues(double low, double high, double step);
// A tick's value as its label shows it, with as many decimals as the step needs.
QString TickLabel(double value, double step);

// Paints a chart: its lanes top to bottom, each with its name at the left and its marks as dots
// at their values, each dot labelled; below them the value axis with round ticks and its title.
// A chart with a series draws it as a line over the value axis: above the lanes when it has
// lanes too (a profile over its checkpoints), in their place when it has none.
class ChartView : public QWidget {
    Q_OBJECT

  public:
    static constexpr QRgb kMarkFill = qRgb(30, 90, 170);
    static constexpr QRgb kMarkOutline = qRgb(15, 45, 100);
    // A mark beyond a limit warns in light red.
    static constexpr QRgb kFlaggedFill = qRgb(255, 192, 192);
    static constexpr QRgb kFlaggedOutline = qRgb(176, 32, 32);
    // The ring around a mark nearly the same as one on another lane.
    static constexpr QRgb kCloseRing = qRgb(230, 140, 0);
    // The marks of a second set of lanes (another bike beside the first).
    static constexpr QRgb kSecondFill = qRgb(0, 150, 120);
    static constexpr QRgb kSecondOutline = qRgb(0, 80, 60);

    explicit ChartView(QWidget* parent = nullptr);

    const ChartData& data() const { return data_; }
    // Repaints only when the chart differs from what is shown.
    void setData(const ChartData& data);

    // How values map to x at the view's present size.
    ChartScale scale() const;
    // The y of the middle of a lane, counted from 0 at the top.
    double laneMiddle(int lane) const;
    // The radius of a mark's dot at the present size.
    double markRadius() const;

    QSize sizeHint() const override { return {360, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double laneHeight() const;
    // Where the lanes begin: below the series when there is one.
    double lanesTop() const;
    double axisY() const;
    void paintAxis(QPainter& painter, const ChartScale& scale) const;
    void paintLanes(QPainter& painter, const ChartScale& scale) const;
    // A series: a line against an upright axis of its own, its marked points labelled.
    double seriesY(double value) const;
    double seriesBottom() const;
    void paintSeries(QPainter& painter, const ChartScale& scale) const;
    void paintLegend(QPainter& painter) const;
    bool hasLegend() const;

    ChartData data_;
};

}  // namespace velomark::gui
