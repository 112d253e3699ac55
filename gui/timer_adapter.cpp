// SPDX-License-Identifier: GPL-3.0-or-later
// Timers: no layout draws them; each gets a QTimer of its window's view, which ticks while the
// model's timer runs, unless a scenario keeps the clock by hand.

#include <QTimer>

#include "gui/control_adapter.h"
#include "gui/form_view.h"
#include "gui/front_end.h"

namespace velomark::gui {

const ControlAdapter kTimerAdapter{
    .widgetClass = "no widget",
    .draws = [](const QObject&) { return false; },
    .make = [](FormView& view) -> QObject* { return new QTimer(&view); },
    .connect =
        [](FormView& view, Control& control, QObject& object) {
            QObject::connect(static_cast<QTimer*>(&object), &QTimer::timeout, &view,
                             [&view, &control] { view.tick(control); });
        },
    .push =
        [](const FormView& view, const Control& control, QObject& object) {
            auto& timer = static_cast<QTimer&>(object);
            const int interval = static_cast<const Timer&>(control).interval();
            if (control.enabled() && interval > 0 && view.form() &&
                !view.frontEnd().ticksByHand()) {
                if (!timer.isActive() || timer.interval() != interval) timer.start(interval);
            } else {
                timer.stop();
            }
        },
    .release = [](QObject& object) { static_cast<QTimer&>(object).stop(); },
};

}  // namespace velomark::gui
