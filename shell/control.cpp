// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/control.h"

#include "shell/application.h"
#include "shell/form.h"

namespace velomark {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextField:
            return "text field";
        case ControlKind::ComboBox:
            return "drop-down list";
        case ControlKind::OptionButton:
            return "option button";
        case ControlKind::CheckBox:
            return "check box";
        case ControlKind::Label:
            return "label";
        case ControlKind::Button:
            return "button";
        case ControlKind::GroupBox:
            return "group box";
        case ControlKind::MenuEntry:
            return "menu entry";
        case ControlKind::Picture:
            return "picture";
        case ControlKind::Timer:
            return "timer";
        case ControlKind::Grid:
            return "grid";
        case ControlKind::Chart:
            return "chart";
    }
    return "control";
}

Control::Control(Form& form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {
    form_.addControl(*this);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    stateChanged();
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    stateChanged();
}

bool Control::takesFocus() const {
    switch (kind_) {
        case ControlKind::TextField:
        case ControlKind::ComboBox:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::Button:
            return true;
        default:
            return false;
    }
}

bool Control::isField() const {
    return kind_ == ControlKind::TextField || kind_ == ControlKind::ComboBox;
}

TextField* Control::asField() {
    return isField() ? static_cast<TextField*>(this) : nullptr;
}

const TextField* Control::asField() const {
    return isField() ? static_cast<const TextField*>(this) : nullptr;
}

bool Control::isTypable() const {
    const TextField* field = asField();
    return field && enabled_ && visible_ && !field->locked();
}

namespace {
void Run(const Form& form, const Handler& handler) {
    if (handler && !form.app().ended()) handler();
}
}  // namespace

void Control::raiseClick() {
    Run(form_, click_);
}
void Control::raiseChange() {
    Run(form_, change_);
}
void Control::raiseLostFocus() {
    Run(form_, lostFocus_);
}

void Control::stateChanged() {
    form_.notify(*this);
}

TextField::TextField(Form& form, std::string name, ControlKind kind)
    : Control(form, std::move(name), kind) {}

void TextField::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    stateChanged();
    raiseChange();
}

void TextField::assignQuietly(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    stateChanged();
}

void TextField::setLocked(bool locked) {
    if (locked_ == locked) return;
    locked_ = locked;
    stateChanged();
}

void TextField::setBackground(Colour colour) {
    if (background_ == colour) return;
    background_ = colour;
    stateChanged();
}

ComboBox::ComboBox(Form& form, std::string name)
    : TextField(form, std::move(name), ControlKind::ComboBox) {}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    stateChanged();
}

OptionButton::OptionButton(Form& form, std::string name, std::string caption, std::string group)
    : Control(form, std::move(name), ControlKind::OptionButton),
      caption_(std::move(caption)),
      group_(std::move(group)) {}

void OptionButton::setValue(bool on) {
    setValueQuietly(on);
    if (on) raiseClick();
}

void OptionButton::setValueQuietly(bool on) {
    if (on) form().turnOffOthers(*this);
    if (value_ == on) return;
    value_ = on;
    stateChanged();
}

CheckBox::CheckBox(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name), ControlKind::CheckBox), caption_(std::move(caption)) {}

void CheckBox::setValue(bool checked) {
    if (value_ == checked) return;
    value_ = checked;
    stateChanged();
}

CaptionedControl::CaptionedControl(Form& form, std::string name, ControlKind kind,
                                   std::string caption)
    : Control(form, std::move(name), kind), caption_(std::move(caption)) {}

void CaptionedControl::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    stateChanged();
}

Label::Label(Form& form, std::string name, std::string caption)
    : CaptionedControl(form, std::move(name), ControlKind::Label, std::move(caption)) {}

Button::Button(Form& form, std::string name, std::string caption)
    : CaptionedControl(form, std::move(name), ControlKind::Button, std::move(caption)) {}

GroupBox::GroupBox(Form& form, std::string name, std::string caption)
    : CaptionedControl(form, std::move(name), ControlKind::GroupBox, std::move(caption)) {}

Picture::Picture(Form& form, std::string name)
    : CaptionedControl(form, std::move(name), ControlKind::Picture, {}) {}

MenuEntry::MenuEntry(Form& form, std::string name, std::string caption, std::string shortcut)
    : CaptionedControl(form, std::move(name), ControlKind::MenuEntry, std::move(caption)),
      shortcut_(std::move(shortcut)) {}

Timer::Timer(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Timer) {}

void Timer::setInterval(int milliseconds) {
    if (interval_ == milliseconds) return;
    interval_ = milliseconds;
    stateChanged();
}

}  // namespace velomark
