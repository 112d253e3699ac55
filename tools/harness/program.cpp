// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/harness/program.h"

#include <stdexcept>

#include "shell/main_menu.h"

namespace velomark::harness {

namespace {

std::string WithArticle(const std::string& kind) {
    const bool vowel = kind.find_first_of("aeiou") == 0;
    return (vowel ? "an " : "a ") + kind;
}

template <class Kind>
Kind& OfKind(Control& control, const char* kind) {
    if (auto* found = dynamic_cast<Kind*>(&control)) return *found;
    throw std::logic_error(control.name() + " in " + control.form().name() + " is " +
                           WithArticle(KindName(control.kind())) + ", not " + WithArticle(kind));
}

}  // namespace

Program::Program(const Compose& compose)
    : ownPlatform_(std::make_unique<RecordingPlatform>()),
      platform_(*ownPlatform_),
      compose_(compose),
      app_(std::make_unique<Application>(platform_)) {
    compose_(*app_);
}

Program::Program(RecordingPlatform& platform, const Compose& compose)
    : platform_(platform), compose_(compose), app_(std::make_unique<Application>(platform_)) {
    compose_(*app_);
}

void Program::start(bool atSplash) {
    app_->start();
    if (atSplash) return;
    if (fireSplashTimer_) {
        fireSplashTimer_();
    } else {
        app_->tick();
    }
}

void Program::restart() {
    app_->end();
    // The windows' working values belong to the application, so they go with it.
    app_.reset();
    app_ = std::make_unique<Application>(platform_);
    compose_(*app_);
}

MainMenu& Program::mainMenu() const {
    auto* menu = dynamic_cast<MainMenu*>(app_->loaded(MainMenu::kName));
    if (!menu) throw std::logic_error("the main menu is not open");
    return *menu;
}

Form& Program::open(const std::string& window) {
    MainMenu& menu = mainMenu();
    Button* button = menu.buttonOpening(window);
    if (!button) throw std::logic_error("no main-menu button opens " + window);
    menu.click(*button);
    Form* opened = app_->loaded(window);
    if (!opened) throw std::logic_error(window + " did not open");
    return *opened;
}

Control& Program::control(const std::string& name) const {
    Form* window = app_->current();
    if (!window) throw std::logic_error("no window is in front to have " + name);
    Control* found = window->find(name);
    if (!found) throw std::logic_error(window->name() + " has no control called " + name);
    return *found;
}

TextField& Program::textField(const std::string& name) const {
    return OfKind<TextField>(control(name), "field");
}

ComboBox& Program::list(const std::string& name) const {
    return OfKind<ComboBox>(control(name), "drop-down list");
}

OptionButton& Program::option(const std::string& name) const {
    return OfKind<OptionButton>(control(name), "option button");
}

Button& Program::button(const std::string& name) const {
    return OfKind<Button>(control(name), "button");
}

CheckBox& Program::checkBox(const std::string& name) const {
    return OfKind<CheckBox>(control(name), "check box");
}

MenuEntry& Program::menuEntry(const std::string& name) const {
    return OfKind<MenuEntry>(control(name), "menu entry");
}

}  // namespace velomark::harness
