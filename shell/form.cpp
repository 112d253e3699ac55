// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form.h"

#include "shell/application.h"
#include "shell/field_rules.h"

namespace velomark {

Form::Form(Application& app, std::string name, std::string caption)
    : app_(app), name_(std::move(name)), caption_(std::move(caption)) {}

Control* Form::find(const std::string& name) const {
    for (Control* control : controls_) {
        if (control->name() == name) return control;
    }
    return nullptr;
}

Timer* Form::firstRunningTimer() const {
    for (Control* control : controls_) {
        if (control->kind() != ControlKind::Timer || !control->enabled()) continue;
        auto* timer = static_cast<Timer*>(control);
        if (timer->interval() > 0) return timer;
    }
    return nullptr;
}

void Form::addControl(Control& control) {
    controls_.push_back(&control);
}

void Form::notify(const Control& control) {
    if (observer_) observer_->controlChanged(control);
}

void Form::setTabOrder(std::vector<Control*> order) {
    tabOrder_ = std::move(order);
}

void Form::ShowMessage(const std::string& text) {
    velomark::ShowMessage(app_.platform(), text);
}

void Form::turnOffOthers(const OptionButton& chosen) {
    for (Control* control : controls_) {
        if (control == &chosen || control->kind() != ControlKind::OptionButton) continue;
        auto* option = static_cast<OptionButton*>(control);
        if (option->group() == chosen.group()) option->setValueQuietly(false);
    }
}

void Form::focusFirstInTabOrder() {
    for (Control* control : tabOrder_) {
        if (control->enabled() && control->visible()) {
            focused_ = control;
            return;
        }
    }
}

void Form::moveFocus(Control* next) {
    if (focused_ == next) return;
    // The control keeps the focus while its LostFocus runs, as a message box it shows does
    // not take the focus away from it.
    Control* previous = focused_;
    if (previous) previous->raiseLostFocus();
    focused_ = next;
}

void Form::focus(Control& control) {
    Application::EventScope scope(app_);
    moveFocus(&control);
}

void Form::leave() {
    Application::EventScope scope(app_);
    moveFocus(nullptr);
}

void Form::type(TextField& field, const std::string& text) {
    Application::EventScope scope(app_);
    moveFocus(&field);
    // The whole text is selected, so the first character replaces it.
    if (text.empty()) {
        field.setText({});
        return;
    }
    for (std::size_t length = 1; length <= text.size(); ++length) {
        field.setText(text.substr(0, length));
    }
}

void Form::pick(ComboBox& list, const std::string& item) {
    Application::EventScope scope(app_);
    moveFocus(&list);
    list.assignQuietly(item);
    list.raiseClick();
}

void Form::click(Control& control) {
    Application::EventScope scope(app_);
    if (control.takesFocus()) moveFocus(&control);
    if (app_.ended()) return;
    switch (control.kind()) {
        case ControlKind::OptionButton:
            static_cast<OptionButton&>(control).setValueQuietly(true);
            break;
        case ControlKind::CheckBox: {
            auto& box = static_cast<CheckBox&>(control);
            box.setValue(!box.value());
            break;
        }
        default:
            break;
    }
    control.raiseClick();
}

void Form::pressKey(char key) {
    Application::EventScope scope(app_);
    if (Form_KeyPress(key)) return;
    if (TextField* field = focused_ ? focused_->asField() : nullptr) {
        if (!field->locked()) field->setText(field->text() + key);
    }
}

}  // namespace velomark
