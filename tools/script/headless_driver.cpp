// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/headless_driver.h"

namespace velomark::script {

HeadlessDriver::HeadlessDriver(const Compose& compose) : program_(compose) {}

DriverFactory HeadlessDriver::Factory(Compose compose) {
    return [compose = std::move(compose)] { return std::make_unique<HeadlessDriver>(compose); };
}

void HeadlessDriver::start(bool atSplash) {
    program_.start(atSplash);
}

void HeadlessDriver::key(char character) {
    if (Form* window = program_.app().current()) window->pressKey(character);
}

void HeadlessDriver::tick() {
    program_.app().tick();
}

void HeadlessDriver::open(Button& menuButton) {
    menuButton.form().click(menuButton);
}

void HeadlessDriver::bringToFront(Form& window) {
    program_.app().show(window);
}

void HeadlessDriver::focus(Control& control) {
    control.form().focus(control);
}

void HeadlessDriver::type(TextField& field, const std::string& text) {
    field.form().type(field, text);
}

void HeadlessDriver::leave() {
    if (Form* window = program_.app().current()) window->leave();
}

void HeadlessDriver::pick(ComboBox& list, const std::string& item) {
    list.form().pick(list, item);
}

void HeadlessDriver::click(Control& control) {
    control.form().click(control);
}

void HeadlessDriver::shortcut(MenuEntry& entry, const std::string&) {
    entry.form().click(entry);
}

void HeadlessDriver::restart() {
    program_.restart();
    program_.start();
}

}  // namespace velomark::script
