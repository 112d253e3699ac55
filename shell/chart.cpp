// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/chart.h"

namespace velomark {

Chart::Chart(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Chart) {}

void Chart::setData(ChartData data) {
    if (data == data_) return;
    data_ = std::move(data);
    stateChanged();
}

}  // namespace velomark
