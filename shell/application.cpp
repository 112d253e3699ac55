// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application.h"

#include <algorithm>
#include <stdexcept>

#include "shell/main_menu.h"
#include "shell/splash.h"

namespace velomark {

Application::Application(Platform& platform) : platform_(platform) {
    registerWindow(Splash::kName, [](Application& app) { return std::make_unique<Splash>(app); });
    registerWindow(MainMenu::kName,
                   [](Application& app) { return std::make_unique<MainMenu>(app); });
}

Application::~Application() {
    // Tell the front end before the models go, so no widget outlives its model.
    if (observer_) {
        for (auto& window : windows_)
            observer_->windowUnloaded(*window);
    }
}

void Application::registerWindow(const std::string& name, Factory factory) {
    factories_[name] = std::move(factory);
}

bool Application::isRegistered(const std::string& name) const {
    return factories_.count(name) != 0;
}

void Application::start() {
    open(Splash::kName);
}

Form* Application::loaded(const std::string& name) const {
    for (const auto& window : windows_) {
        if (window->name() == name) return window.get();
    }
    return nullptr;
}

Form& Application::load(const std::string& name) {
    if (Form* window = loaded(name)) return *window;
    auto factory = factories_.find(name);
    if (factory == factories_.end()) throw std::invalid_argument("no window called " + name);
    EventScope scope(*this);
    windows_.insert(windows_.begin(), factory->second(*this));
    Form& window = *windows_.front();
    window.Form_Load();
    window.focusFirstInTabOrder();
    if (observer_) observer_->windowLoaded(window);
    return window;
}

void Application::show(Form& window) {
    auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& loadedWindow) {
        return loadedWindow.get() == &window;
    });
    if (found == windows_.end()) return;
    std::rotate(found, found + 1, windows_.end());
    if (observer_) observer_->windowShown(window);
}

Form& Application::open(const std::string& name) {
    Form& window = load(name);
    show(window);
    return window;
}

void Application::unload(Form& window) {
    auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& loadedWindow) {
        return loadedWindow.get() == &window;
    });
    if (found == windows_.end()) return;
    if (observer_) observer_->windowUnloaded(window);
    unloaded_.push_back(std::move(*found));
    windows_.erase(found);
    if (eventDepth_ == 0) unloaded_.clear();
}

void Application::end() {
    if (ended_) return;
    ended_ = true;
    platform_.end();
    if (observer_) observer_->ended();
}

Form* Application::current() const {
    return windows_.empty() ? nullptr : windows_.back().get();
}

std::vector<Form*> Application::loadedWindows() const {
    std::vector<Form*> result;
    for (const auto& window : windows_)
        result.push_back(window.get());
    return result;
}

bool Application::tick() {
    if (ended_) return false;
    for (Form* window : loadedWindows()) {
        if (Timer* timer = window->firstRunningTimer()) {
            EventScope scope(*this);
            timer->raiseClick();
            return true;
        }
    }
    return false;
}

Application::EventScope::EventScope(Application& app) : app_(app) {
    ++app_.eventDepth_;
}

Application::EventScope::~EventScope() {
    if (--app_.eventDepth_ == 0) app_.unloaded_.clear();
}

}  // namespace velomark
