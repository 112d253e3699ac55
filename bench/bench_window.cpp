#include "bench/bench_window.h"

#include <stdexcept>

#include "app/calculators.h"
#include "shell/main_menu.h"

namespace velomark::bench {

BenchWindow::BenchWindow(const char* windowName) : app_(platform_) {
    RegisterCalculators(app_);
    app_.start();
    // The splash's timer: the main menu comes up.
    app_.tick();
    auto* menu = dynamic_cast<MainMenu*>(app_.loaded(MainMenu::kName));
    Button* button = menu ? menu->buttonOpening(windowName) : nullptr;
    if (!button) throw std::logic_error(std::string("no main-menu button opens ") + windowName);
    menu->click(*button);
    form_ = app_.loaded(windowName);
    if (!form_) throw std::logic_error(std::string(windowName) + " did not open");
}

Control& BenchWindow::control(const std::string& name) {
    Control* found = form_->find(name);
    if (!found) throw std::logic_error(form_->name() + " has no control " + name);
    return *found;
}

TextField& BenchWindow::field(const std::string& name) {
    auto* found = dynamic_cast<TextField*>(&control(name));
    if (!found) throw std::logic_error(name + " is no field");
    return *found;
}

void BenchWindow::type(const std::string& name, const std::string& text) {
    form_->type(field(name), text);
}

void BenchWindow::enter(const std::string& name, const std::string& text) {
    type(name, text);
    form_->leave();
}

void BenchWindow::pick(const std::string& name, const std::string& item) {
    auto* list = dynamic_cast<ComboBox*>(&control(name));
    if (!list) throw std::logic_error(name + " is no list");
    form_->pick(*list, item);
}

void BenchWindow::click(const std::string& name) {
    form_->click(control(name));
}

std::string BenchWindow::check(const std::string& name, const std::string& expected) const {
    if (!platform_.messages().empty())
        return "a message came up: " + platform_.messages().front().text;
    Control* found = form_->find(name);
    const auto* shown = dynamic_cast<const TextField*>(found);
    if (!shown) return name + " is no field";
    if (shown->text() != expected)
        return name + " shows \"" + shown->text() + "\", not \"" + expected + "\"";
    return {};
}

}  // namespace velomark::bench
