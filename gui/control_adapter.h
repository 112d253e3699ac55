// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "shell/control.h"

class QObject;
class QWidget;

namespace velomark::gui {

class FormView;

// How one kind of control is drawn and heard: the widget a .ui draws it with, how that widget's
// signals become the model's events and how the model's state shows on it. Each kind has one
// adapter, found through AdapterFor; a new kind is one adapter and one row of the table.
struct ControlAdapter {
    // The Qt class that draws the kind, as a .ui names it, for the binder's messages.
    const char* widgetClass = nullptr;
    // Whether the object that has the control's name draws this kind.
    bool (*draws)(const QObject& object) = nullptr;
    // For a kind that no layout draws (a timer): makes its object, owned by the view.
    QObject* (*make)(FormView& view) = nullptr;
    // Ties the object's signals to the model's events, once, when the window is built.
    void (*connect)(FormView& view, Control& control, QObject& object) = nullptr;
    // Shows the model's state on the object, raising no event.
    void (*push)(const FormView& view, const Control& control, QObject& object) = nullptr;
    // Stops what the object does by itself once its window is unloaded (a timer's ticking).
    void (*release)(QObject& object) = nullptr;
    // A click on the widget itself, not on a child, is the control's own (labels, frames).
    bool hearsOwnClicks = false;
};

const ControlAdapter& AdapterFor(ControlKind kind);

// The adapters, each in the file of its group of kinds.
extern const ControlAdapter kTextFieldAdapter;     // field_adapters.cpp
extern const ControlAdapter kComboBoxAdapter;      // field_adapters.cpp
extern const ControlAdapter kOptionButtonAdapter;  // button_adapters.cpp
extern const ControlAdapter kCheckBoxAdapter;      // button_adapters.cpp
extern const ControlAdapter kButtonAdapter;        // button_adapters.cpp
extern const ControlAdapter kLabelAdapter;         // caption_adapters.cpp
extern const ControlAdapter kPictureAdapter;       // caption_adapters.cpp
extern const ControlAdapter kGroupBoxAdapter;      // caption_adapters.cpp
extern const ControlAdapter kMenuEntryAdapter;     // menu_adapter.cpp
extern const ControlAdapter kTimerAdapter;         // timer_adapter.cpp
extern const ControlAdapter kGridAdapter;          // grid_adapter.cpp
extern const ControlAdapter kChartAdapter;         // chart_adapter.cpp

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// What every widget shows of its control: enabled or not, shown or hidden.
void ShowEnabledAndVisible(const Control& control, QWidget& widget);

}  // namespace velomark::gui
