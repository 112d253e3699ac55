#include "tools/script/headless_driver.h"

#include "app/calculators.h"

namespace velomark::script {

HeadlessDriver::HeadlessDriver() : app_(platform_) {
    RegisterCalculators(app_);
}

std::unique_ptr<Driver> HeadlessDriver::Create() {
    return std::make_unique<HeadlessDriver>();
}

void HeadlessDriver::start(bool atSplash) {
    app_.start();
    if (!atSplash) app_.tick();
}

void HeadlessDriver::key(char character) {
    if (Form* window = app_.current()) window->pressKey(character);
}

void HeadlessDriver::tick() {
    app_.tick();
}

void HeadlessDriver::open(Button& menuButton) {
    menuButton.form().click(menuButton);
}

void HeadlessDriver::bringToFront(Form& window) {
    app_.show(window);
}

void HeadlessDriver::focus(Control& control) {
    control.form().focus(control);
}

void HeadlessDriver::type(TextField& field, const std::string& text) {
    field.form().type(field, text);
}

void HeadlessDriver::leave() {
    if (Form* window = app_.current()) window->leave();
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

}  // namespace velomark::script
