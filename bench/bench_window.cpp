// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_window.h"

#include "app/calculators.h"

namespace velomark::bench {

BenchWindow::BenchWindow(const char* windowName) : program_(RegisterCalculators) {
    // The splash's timer fires: the main menu comes up.
    program_.start();
    form_ = &program_.open(windowName);
}

void BenchWindow::type(const std::string& name, const std::string& text) {
    form_->type(field(name), text);
}

void BenchWindow::enter(const std::string& name, const std::string& text) {
    type(name, text);
    form_->leave();
}

void BenchWindow::pick(const std::string& name, const std::string& item) {
    form_->pick(program_.list(name), item);
}

void BenchWindow::click(const std::string& name) {
    form_->click(control(name));
}

std::string BenchWindow::check(const std::string& name, const std::string& expected) const {
    const auto& messages = program_.platform().messages();
    if (!messages.empty()) return "a message came up: " + messages.front().text;
    const Control* found = form_->find(name);
    const TextField* shown = found ? found->asField() : nullptr;
    if (!shown) return name + " is no field";
    if (shown->text() != expected)
        return name + " shows \"" + shown->text() + "\", not \"" + expected + "\"";
    return {};
}

}  // namespace velomark::bench
