// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QLayout>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "desktop.h"
#include "gui/chart_view.h"
#include "shell/chart.h"

namespace velomark::gui {
namespace {

// A patch of pixels of one colour, touching one another, and its middle.
struct Blob {
    double x = 0;
    double y = 0;
    int pixels = 0;
};

std::vector<Blob> BlobsOf(const QImage& image, QRgb colour) {
    std::vector<Blob> blobs;
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()), false);
    const auto at = [&image](int x, int y) {
        return static_cast<std::size_t>(y * image.width() + x);
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[at(x, y)] || image.pixel(x, y) != colour) continue;
            int left = x, right = x, top = y, bottom = y, count = 0;
            std::vector<QPoint> open{{x, y}};
            seen[at(x, y)] = true;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                ++count;
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
                for (const QPoint next :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (!image.rect().contains(next) || seen[at(next.x(), next.y())]) continue;
                    if (image.pixel(next) != colour) continue;
                    seen[at(next.x(), next.y())] = true;
                    open.push_back(next);
                }
            }
            blobs.push_back({(left + right) / 2.0, (top + bottom) / 2.0, count});
        }
    }
    return blobs;
}

QImage Render(ChartView& view) {
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    return image;
}

ChartMark Mark(double value, std::string label, bool flagged = false, bool close = false) {
    return {value, std::move(label), flagged, close};
}

// 53/39 on a gear-inch axis.
// A chart of lanes alone, with no legend and no line.
ChartData LaneChart(std::string title, double low, double high, std::vector<ChartLane> lanes) {
    ChartData data;
    data.axisTitle = std::move(title);
    data.low = low;
    data.high = high;
    data.lanes = std::move(lanes);
    return data;
}

ChartData TwoLanes() {
    return LaneChart("Gear inches", 40, 130,
                     {{"53", {Mark(120, "11"), Mark(100, "13"), Mark(80, "17")}},
                      {"39", {Mark(90, "11"), Mark(70, "14"), Mark(50, "21")}}});
}

class ChartViewTest : public ::testing::Test {
  protected:
    ChartViewTest() { view.resize(480, 220); }

    // The mark's dot: within 2 pixels of where its value and lane put it.
    static const Blob* DotAt(const std::vector<Blob>& blobs, double x, double y) {
        for (const Blob& blob : blobs) {
            if (std::abs(blob.x - x) <= 2 && std::abs(blob.y - y) <= 2) return &blob;
        }
        return nullptr;
    }

    ChartView view;
};

TEST_F(ChartViewTest, MarksFallWhereTheirValuesSayLanesTopToBottom) {
    const ChartData data = TwoLanes();
    view.setData(data);
    const std::vector<Blob> dots = BlobsOf(Render(view), ChartView::kMarkFill);
    ASSERT_EQ(dots.size(), 6u);
    const ChartScale scale = view.scale();
    EXPECT_NEAR(scale.x(40), scale.left, 1e-9);
    EXPECT_NEAR(scale.x(130), scale.right, 1e-9);
    std::vector<double> laneYs[2];
    for (int lane = 0; lane < 2; ++lane) {
        for (const ChartMark& mark : data.lanes[lane].marks) {
            const Blob* dot = nullptr;
            for (const Blob& blob : dots) {
                if (std::abs(blob.x - scale.x(mark.value)) <= 2) dot = &blob;
            }
            ASSERT_NE(dot, nullptr) << "no dot at " << mark.value;
            EXPECT_GT(dot->pixels, 20);
            laneYs[lane].push_back(dot->y);
        }
    }
    // Each lane's dots stand in one row, the first lane's above the second's.
    for (const auto& ys : laneYs) {
        EXPECT_LE(*std::max_element(ys.begin(), ys.end()) - *std::min_element(ys.begin(), ys.end()),
                  1);
    }
    EXPECT_LT(laneYs[0].front() + 20, laneYs[1].front());
    EXPECT_NEAR(laneYs[0].front(), view.laneMiddle(0), 2);
    EXPECT_NEAR(laneYs[1].front(), view.laneMiddle(1), 2);
}

TEST_F(ChartViewTest, FlaggedMarksWarnAndCloseOnesAreRinged) {
    view.setData(
        LaneChart("Development (m)", 3, 9,
                  {{"50", {Mark(4, "28"), Mark(8.2, "11", true), Mark(6, "17", false, true)}}}));
    const QImage image = Render(view);
    const ChartScale scale = view.scale();
    const double middle = view.laneMiddle(0);
    const std::vector<Blob> plain = BlobsOf(image, ChartView::kMarkFill);
    const std::vector<Blob> flagged = BlobsOf(image, ChartView::kFlaggedFill);
    ASSERT_EQ(plain.size(), 2u);
    ASSERT_EQ(flagged.size(), 1u);
    EXPECT_NE(DotAt(plain, scale.x(4), middle), nullptr);
    EXPECT_NE(DotAt(plain, scale.x(6), middle), nullptr);
    EXPECT_NE(DotAt(flagged, scale.x(8.2), middle), nullptr);
    // Orange ink around the close mark only.
    const auto ringedNear = [&](double value) {
        const int reach = static_cast<int>(view.markRadius()) + 5;
        const QPoint centre(qRound(scale.x(value)), qRound(middle));
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                const QColor c = image.pixelColor(centre + QPoint(dx, dy));
                if (c.red() > 200 && c.green() > 100 && c.green() < 190 && c.blue() < 90) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(ringedNear(6));
    EXPECT_FALSE(ringedNear(4));
    EXPECT_FALSE(ringedNear(8.2));
}

TEST_F(ChartViewTest, NothingToShowDrawsNoMarks) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ChartData nothing[] = {
        {},
        LaneChart("Gear inches", 40, 130, {}),
        LaneChart("Gear inches", 40, 130, {{"53", {}}, {"39", {}}}),
        // Values the axis does not reach, or that are no number, are left out.
        LaneChart("Gear inches", 40, 130,
                  {{"53", {Mark(nan, "11"), Mark(200, "12"), Mark(-5, "13")}}}),
    };
    for (const ChartData& data : nothing) {
        view.setData(data);
        const QImage image = Render(view);
        EXPECT_TRUE(BlobsOf(image, ChartView::kMarkFill).empty()) << data.lanes.size();
        EXPECT_TRUE(BlobsOf(image, ChartView::kFlaggedFill).empty()) << data.lanes.size();
    }
}

TEST_F(ChartViewTest, ASingleGearStandsInTheMiddleOfItsAxis) {
    view.setData(LaneChart("Gear inches", 66.3, 66.3, {{"53", {Mark(66.3, "21")}}}));
    const ChartScale scale = view.scale();
    EXPECT_NEAR(scale.x(66.3), (scale.left + scale.right) / 2, 1e-9);
    const std::vector<Blob> dots = BlobsOf(Render(view), ChartView::kMarkFill);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_NEAR(dots[0].x, scale.x(66.3), 2);
}

TEST(AxisTicks, FallOnRoundStepsBetweenTheEnds) {
    const struct {
        double low;
        double high;
        int most;
        double step;
        std::vector<QString> labels;
    } cases[] = {
        {40, 130, 10, 10, {"40", "50", "60", "70", "80", "90", "100", "110", "120", "130"}},
        {35.2, 128.9, 5, 20, {"40", "60", "80", "100", "120"}},
        {0, 7.93, 5, 2, {"0", "2", "4", "6"}},
        {1.2, 3.4, 10, 0.5, {"1.5", "2.0", "2.5", "3.0"}},
        {-0.3, 0.3, 4, 0.2, {"-0.2", "0.0", "0.2"}},
        {12.1, 61.7, 1, 50, {"50"}},
    };
    for (const auto& axis : cases) {
        const double step = RoundStep(axis.low, axis.high, axis.most);
        EXPECT_DOUBLE_EQ(step, axis.step) << axis.low << ".." << axis.high;
        std::vector<QString> labels;
        for (double value : TickValues(axis.low, axis.high, step)) {
            EXPECT_GE(value, axis.low);
            EXPECT_LE(value, axis.high);
            labels.push_back(TickLabel(value, step));
        }
        EXPECT_EQ(labels, axis.labels) << axis.low << ".." << axis.high;
    }
}

// The chart's plain widget in a window gets the painting view, filling it.
class ChartWindow : public Form {
  public:
    explicit ChartWindow(Application& app) : Form(app, "frmChart", "Chart") {}
    Chart picLadder{*this, "picLadder"};
};

TEST(ChartAdapter, PaintsIntoThePlainWidgetOfItsName) {
    Desktop desktop;
    ChartWindow form(desktop.app);
    auto* window = new QMainWindow;
    window->setObjectName("frmChart");
    auto* area = new QWidget(window);
    area->setObjectName("picLadder");
    area->setMinimumSize(300, 150);
    window->setCentralWidget(area);
    std::string error;
    auto view = FormView::Bind(form, desktop.frontEnd, window, error);
    ASSERT_TRUE(view) << error;
    form.picLadder.setData(TwoLanes());
    view->show();
    auto* chart = area->findChild<ChartView*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->data(), TwoLanes());
    area->layout()->activate();
    EXPECT_EQ(chart->geometry(), area->rect());
    form.picLadder.setVisible(false);
    EXPECT_TRUE(area->isHidden());
}

}  // namespace
}  // namespace velomark::gui
