// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/front_end.h"

#include <QApplication>
#include <QMainWindow>
#include <exception>
#include <iostream>

#include "gui/form_view.h"

namespace velomark::gui {

FrontEnd::FrontEnd(Application& app) : app_(app) {
    app_.setObserver(this);
}

FrontEnd::~FrontEnd() {
    app_.setObserver(nullptr);
    for (auto& [form, view] : views_)
        delete view;
    views_.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormView* FrontEnd::viewOf(const Form& window) const {
    const auto found = views_.find(&window);
    return found == views_.end() ? nullptr : found->second;
}

QMainWindow* FrontEnd::windowOf(const Form& window) const {
    FormView* view = viewOf(window);
    return view ? view->window() : nullptr;
}

void FrontEnd::dispatch(const std::function<void()>& action) {
    if (busy() || app_.ended()) return;
    ++depth_;
    windowLeft_ = false;
    try {
        Application::EventScope scope(app_);
        action();
        // The program ends with its last window, whichever way that window went: its close
        // box, or its Main Menu button once the main menu itself was closed.
        if (windowLeft_ && !app_.ended() && app_.loadedWindows().empty()) app_.end();
    } catch (const std::exception& error) {
        report(std::string("Something went wrong: ") + error.what());
    }
    settle();
    --depth_;
}

// After an action each window's keyboard focus is where its model has it.
void FrontEnd::settle() {
    if (app_.ended()) return;
    for (auto& [form, view] : views_)
        view->syncFocus();
}

bool FrontEnd::fireTimer() {
    for (Form* window : app_.loadedWindows()) {
        if (FormView* view = viewOf(*window); view && view->fireTimer()) return true;
    }
    return false;
}

void FrontEnd::report(const std::string& text) {
    std::cerr << "velomark: " << text << "\n";
    app_.platform().showMessage(kApplicationTitle, text);
}

void FrontEnd::windowLoaded(Form& window) {
    std::string error;
    std::unique_ptr<FormView> view = FormView::Create(window, *this, error);
    if (!view) {
        report("The window " + window.name() + " cannot be shown: " + error + ".");
        app_.unload(window);
        return;
    }
    views_[&window] = view.release();
}

void FrontEnd::windowShown(Form& window) {
    if (FormView* view = viewOf(window)) view->show();
}

void FrontEnd::windowUnloaded(Form& window) {
    windowLeft_ = true;
    const auto found = views_.find(&window);
    if (found == views_.end()) return;
    FormView* view = found->second;
    views_.erase(found);
    view->detach();
    // Its widgets may be in the middle of sending the signal that unloaded it.
    view->deleteLater();
}

void FrontEnd::ended() {
    for (auto& [form, view] : views_) {
        view->detach();
        view->deleteLater();
    }
    views_.clear();
}

}  // namespace velomark::gui
