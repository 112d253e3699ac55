// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chart_view.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <utility>

#include "gui/control_adapter.h"

namespace velomark::gui {

namespace {

constexpr double kPadding = 6;
constexpr double kNameGap = 10;
constexpr double kTickLength = 4;
// Under a series, each lane takes this many text lines' height.
constexpr double kLaneLinesUnderASeries = 2.5;
// However wide the window, an axis never carries more ticks than this.
constexpr std::size_t kMostTicks = 40;

const QColor kGridLine(226, 226, 226);
const QColor kLaneLine(190, 190, 190);

// The axis's range as drawn: one that holds no span (or no number) is widened around its value,
// so a single gear still stands on an axis.
std::pair<double, double> DrawnRange(double low, double high) {
    const bool finite = std::isfinite(low) && std::isfinite(high);
    if (finite && high > low) return {low, high};
    const double middle = std::isfinite(low) ? low : 0;
    return {middle - 1, middle + 1};
}

bool HasSeries(const ChartData& data) {
    return !data.series.points.empty();
}

QFont LabelFont(const QFont& font) {
    QFont small = font;
    if (font.pointSizeF() > 0) {
        small.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.85));
    } else if (font.pixelSize() > 0) {
        small.setPixelSize(std::max(8, font.pixelSize() * 85 / 100));
    }
    return small;
}

}  // namespace

double RoundStep(double low, double high, int most) {
    const double span = high - low;
    if (!(span > 0) || !std::isfinite(span)) return 1;
    most = std::max(1, most);
    double power = std::pow(10.0, std::floor(std::log10(span / most)));
    while (true) {
        for (double multiple : {1.0, 2.0, 5.0}) {
            const double step = multiple * power;
            const double ticks = std::floor(high / step + 1e-9) - std::ceil(low / step - 1e-9) + 1;
            if (ticks <= most) return step;
        }
        power *= 10;
    }
}

std::vector<double> TickValues(double low, double high, double step) {
    std::vector<double> ticks;
    if (!(step > 0) || !std::isfinite(low) || !std::isfinite(high)) return ticks;
    // A whisker of slack, so a bound that is itself a multiple is not lost to rounding.
    const double first = std::ceil(low / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    for (double k = first; k <= last && ticks.size() < kMostTicks; ++k)
        ticks.push_back(k * step);
    return ticks;
}

QString TickLabel(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    // No "-0" where the axis crosses zero.
    if (std::abs(value) < step / 2) value = 0;
    return QString::number(value, 'f', decimals);
}

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setData(const ChartData& data) {
    if (data == data_) return;
    data_ = data;
    update();
}

ChartScale ChartView::scale() const {
    const QFontMetricsF metrics(font());
    double names = 0;
    for (const ChartLane& lane : data_.lanes)
        names = std::max(names, metrics.horizontalAdvance(Text(lane.name)));
    // A series has its upright axis's title and tick labels at the left instead.
    if (HasSeries(data_)) names = metrics.height() + metrics.horizontalAdvance("0000.0");
    const double left = kPadding + names + kNameGap;
    // Room for half the last tick's label past the axis's end.
    const double right = std::max(left + 1, width() - kPadding - metrics.horizontalAdvance("000"));
    const auto [low, high] = DrawnRange(data_.low, data_.high);
    return {low, high, left, right};
}

bool ChartView::hasLegend() const {
    return !data_.closeMeaning.empty() || !data_.flaggedMeaning.empty();
}

// Below the axis: a line of tick labels, the axis's title and, when the marks have meanings to
// tell, a line of legend.
double ChartView::axisY() const {
    const QFontMetricsF metrics(font());
    const double lines = hasLegend() ? 3 : 2;
    return height() - kPadding - lines * metrics.height() - kTickLength;
}

double ChartView::laneHeight() const {
    if (data_.lanes.empty()) return 0;
    if (HasSeries(data_)) return QFontMetricsF(font()).height() * kLaneLinesUnderASeries;
    return std::max(1.0, (axisY() - 2 * kPadding) / static_cast<double>(data_.lanes.size()));
}

double ChartView::lanesTop() const {
    if (!HasSeries(data_)) return kPadding;
    return std::max(2 * kPadding, axisY() - laneHeight() * static_cast<double>(data_.lanes.size()));
}

double ChartView::laneMiddle(int lane) const {
    return lanesTop() + laneHeight() * (lane + 0.5);
}

double ChartView::markRadius() const {
    return std::clamp(laneHeight() / 6, 2.5, 5.0);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (data_.lanes.empty() && !HasSeries(data_)) return;
    const ChartScale scale = this->scale();
    paintAxis(painter, scale);
    if (HasSeries(data_)) paintSeries(painter, scale);
    paintLanes(painter, scale);
    paintLegend(painter);
}

// Each kind of mark drawn as on the chart, followed by what it means.
void ChartView::paintLegend(QPainter& painter) const {
    if (!hasLegend()) return;
    const QFontMetricsF metrics(font());
    const double radius = 4;
    const double middle = height() - kPadding - metrics.height() / 2;
    double x = kPadding + radius + 3;
    const auto entry = [&](const std::string& meaning, bool ringed) {
        if (meaning.empty()) return;
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(x, middle);
        painter.setPen(QPen(QColor(ringed ? kMarkOutline : kFlaggedOutline), 1));
        painter.setBrush(QColor(ringed ? kMarkFill : kFlaggedFill));
        painter.drawEllipse(centre, radius, radius);
        if (ringed) {
            painter.setPen(QPen(QColor(kCloseRing), 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, radius + 3, radius + 3);
        }
        const QString text = Text(meaning);
        const double left = x + radius + 6;
        const double width = metrics.horizontalAdvance(text) + 1;
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(left, middle - metrics.height() / 2, width, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        x = left + width + kNameGap + 2 * radius + 3;
    };
    entry(data_.closeMeaning, true);
    entry(data_.flaggedMeaning, false);
}

void ChartView::paintAxis(QPainter& painter, const ChartScale& scale) const {
    const QFontMetricsF metrics(font());
    const double axis = axisY();
    const double labelWidth = metrics.horizontalAdvance("000.0") + 12;
    const int most = std::clamp(static_cast<int>((scale.right - scale.left) / labelWidth), 2,
                                static_cast<int>(kMostTicks));
    const double step = RoundStep(scale.low, scale.high, most);
    const QColor ink = palette().color(QPalette::Text);
    for (double value : TickValues(scale.low, scale.high, step)) {
        const double x = scale.x(value);
        painter.setPen(kGridLine);
        painter.drawLine(QPointF(x, kPadding), QPointF(x, axis));
        painter.setPen(ink);
        painter.drawLine(QPointF(x, axis), QPointF(x, axis + kTickLength));
        const QRectF box(x - labelWidth / 2, axis + kTickLength, labelWidth, metrics.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, TickLabel(value, step));
    }
    painter.setPen(ink);
    painter.drawLine(QPointF(scale.left, axis), QPointF(scale.right, axis));
    const QRectF title(scale.left, axis + kTickLength + metrics.height(), scale.right - scale.left,
                       metrics.height());
    painter.drawText(title, Qt::AlignHCenter | Qt::AlignTop, Text(data_.axisTitle));
}

void ChartView::paintLanes(QPainter& painter, const ChartScale& scale) const {
    const QColor ink = palette().color(QPalette::Text);
    const double radius = markRadius();
    const auto shown = [&scale](const ChartMark& mark) {
        return std::isfinite(mark.value) && mark.value >= scale.low && mark.value <= scale.high;
    };
    // Names, lane lines and labels first, so no text covers a dot.
    const QFont labelFont = LabelFont(font());
    const double labelHeight = QFontMetricsF(labelFont).height();
    for (std::size_t i = 0; i < data_.lanes.size(); ++i) {
        const ChartLane& lane = data_.lanes[i];
        const double middle = laneMiddle(static_cast<int>(i));
        painter.setFont(font());
        painter.setPen(lane.second ? QColor(kSecondOutline) : ink);
        painter.drawText(QRectF(kPadding, middle - laneHeight() / 2,
                                scale.left - kNameGap - kPadding, laneHeight()),
                         Qt::AlignRight | Qt::AlignVCenter, Text(lane.name));
        painter.setPen(kLaneLine);
        painter.drawLine(QPointF(scale.left, middle), QPointF(scale.right, middle));
        painter.setFont(labelFont);
        painter.setPen(ink);
        for (std::size_t j = 0; j < lane.marks.size(); ++j) {
            const ChartMark& mark = lane.marks[j];
            if (!shown(mark)) continue;
            const double x = scale.x(mark.value);
            // Labels take turns above and below the lane, so neighbours' labels rarely meet.
            const bool above = j % 2 == 0;
            const double top = above ? middle - radius - 1 - labelHeight : middle + radius + 1;
            // As wide as its label, so a checkpoint's name shows whole.
            const double half = std::max(
                20.0, QFontMetricsF(labelFont).horizontalAdvance(Text(mark.label)) / 2 + 2);
            painter.drawText(QRectF(x - half, top, 2 * half, labelHeight),
                             Qt::AlignHCenter | (above ? Qt::AlignBottom : Qt::AlignTop),
                             Text(mark.label));
        }
    }
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < data_.lanes.size(); ++i) {
        const double middle = laneMiddle(static_cast<int>(i));
        for (const ChartMark& mark : data_.lanes[i].marks) {
            if (!shown(mark)) continue;
            const QPointF centre(scale.x(mark.value), middle);
            const bool second = data_.lanes[i].second;
            const QRgb outline = second ? kSecondOutline : kMarkOutline;
            const QRgb fill = second ? kSecondFill : kMarkFill;
            painter.setPen(QPen(QColor(mark.flagged ? kFlaggedOutline : outline), 1));
            painter.setBrush(QColor(mark.flagged ? kFlaggedFill : fill));
            painter.drawEllipse(centre, radius, radius);
            if (mark.close) {
                painter.setPen(QPen(QColor(kCloseRing), 1.5));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(centre, radius + 3, radius + 3);
            }
        }
    }
}

// The series has the room above the lanes, or all of it when there are none.
double ChartView::seriesBottom() const {
    return data_.lanes.empty() ? axisY() : lanesTop() - kPadding;
}

double ChartView::seriesY(double value) const {
    const auto [low, high] = DrawnRange(data_.series.low, data_.series.high);
    const double top = kPadding + QFontMetricsF(font()).height() / 2;
    const double bottom = std::max(top + 1, seriesBottom());
    return bottom - (value - low) / (high - low) * (bottom - top);
}

void ChartView::paintSeries(QPainter& painter, const ChartScale& scale) const {
    const ChartSeries& series = data_.series;
    const QFontMetricsF metrics(font());
    const QColor ink = palette().color(QPalette::Text);
    const auto [low, high] = DrawnRange(series.low, series.high);
    const double top = seriesY(high);
    const double bottom = seriesY(low);
    const int most = std::clamp(static_cast<int>((bottom - top) / (1.5 * metrics.height())), 2,
                                static_cast<int>(kMostTicks));
    const double step = RoundStep(low, high, most);
    const double labelsLeft = kPadding + metrics.height();
    for (double value : TickValues(low, high, step)) {
        const double y = seriesY(value);
        painter.setPen(kGridLine);
        painter.drawLine(QPointF(scale.left, y), QPointF(scale.right, y));
        painter.setPen(ink);
        painter.drawLine(QPointF(scale.left - kTickLength, y), QPointF(scale.left, y));
        const QRectF box(labelsLeft, y - metrics.height() / 2,
                         scale.left - kTickLength - 2 - labelsLeft, metrics.height());
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TickLabel(value, step));
    }
    painter.drawLine(QPointF(scale.left, top), QPointF(scale.left, bottom));
    painter.save();
    painter.translate(kPadding, (top + bottom) / 2);
    painter.rotate(-90);
    painter.drawText(QRectF(-(bottom - top) / 2, 0, bottom - top, metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, Text(series.title));
    painter.restore();

    const auto shown = [](const ChartPoint& point) {
        return std::isfinite(point.x) && std::isfinite(point.y);
    };
    QPolygonF line;
    for (const ChartPoint& point : series.points) {
        if (shown(point)) line << QPointF(scale.x(point.x), seriesY(point.y));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kMarkFill), 1.5));
    painter.drawPolyline(line);
    const double radius = 4;
    for (const ChartPoint& point : series.marked) {
        if (!shown(point)) continue;
        const QPointF centre(scale.x(point.x), seriesY(point.y));
        painter.setPen(QPen(QColor(kMarkOutline), 1));
        painter.setBrush(QColor(kMarkFill));
        painter.drawEllipse(centre, radius, radius);
        painter.setPen(ink);
        painter.drawText(QRectF(centre.x() + radius + 2, centre.y() - radius - metrics.height(),
                                scale.right - centre.x(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignBottom, Text(point.label));
    }
}

}  // namespace velomark::gui
