// SPDX-License-Identifier: GPL-3.0-or-later
// Charts: painted into the plain widget the layout names for them.

#include <QVBoxLayout>
#include <QWidget>

#include "gui/chart_view.h"
#include "gui/control_adapter.h"
#include "shell/chart.h"

namespace velomark::gui {

namespace {

ChartView* ViewIn(QWidget& area) {
    return area.findChild<ChartView*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

const ControlAdapter kChartAdapter{
    .widgetClass = "QWidget",
    // Only a plain widget: anything more would draw something of its own under the chart.
    .draws =
        [](const QObject& object) { return object.metaObject() == &QWidget::staticMetaObject; },
    .connect =
        [](FormView&, Control&, QObject& object) {
            auto& area = static_cast<QWidget&>(object);
            auto* layout = area.layout();
            if (!layout) layout = new QVBoxLayout(&area);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(new ChartView(&area));
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            auto& area = static_cast<QWidget&>(object);
            ShowEnabledAndVisible(control, area);
            if (ChartView* view = ViewIn(area))
                view->setData(static_cast<const Chart&>(control).data());
        },
};

}  // namespace velomark::gui
