// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/control_adapter.h"

#include <QWidget>
#include <stdexcept>

namespace velomark::gui {

namespace {

struct AdapterRow {
    ControlKind kind;
    const ControlAdapter* adapter;
};

constexpr AdapterRow kAdapters[] = {
    {ControlKind::TextField, &kTextFieldAdapter},
    {ControlKind::ComboBox, &kComboBoxAdapter},
    {ControlKind::OptionButton, &kOptionButtonAdapter},
    {ControlKind::CheckBox, &kCheckBoxAdapter},
    {ControlKind::Label, &kLabelAdapter},
    {ControlKind::Button, &kButtonAdapter},
    {ControlKind::GroupBox, &kGroupBoxAdapter},
    {ControlKind::MenuEntry, &kMenuEntryAdapter},
    {ControlKind::Picture, &kPictureAdapter},
    {ControlKind::Timer, &kTimerAdapter},
    {ControlKind::Grid, &kGridAdapter},
    {ControlKind::Chart, &kChartAdapter},
};

}  // namespace

const ControlAdapter& AdapterFor(ControlKind kind) {
    for (const AdapterRow& row : kAdapters) {
        if (row.kind == kind) return *row.adapter;
    }
    throw std::logic_error(std::string("the front end cannot show a ") + KindName(kind));
}

void ShowEnabledAndVisible(const Control& control, QWidget& widget) {
    widget.setEnabled(control.enabled());
    if (widget.isHidden() == control.visible()) widget.setHidden(!control.visible());
}

}  // namespace velomark::gui
