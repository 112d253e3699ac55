// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_window.h"

#include <string>

#include "app/calculators.h"
#include "shell/grid.h"

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

void BenchWindow::keystroke(const std::string& name, const std::string& text) {
    TextField& typed = field(name);
    if (form_->focused() != &typed) form_->focus(typed);
    typed.setText(text);
}

void BenchWindow::pick(const std::string& name, const std::string& item) {
    form_->pick(program_.list(name), item);
}

void BenchWindow::click(const std::string& name) {
    form_->click(control(name));
}

std::string BenchWindow::messageShown() const {
    const auto& messages = program_.platform().messages();
    if (!messages.empty()) return "a message came up: " + messages.front().text;
    return {};
}

std::string BenchWindow::check(const std::string& name, const std::string& expected) const {
    if (std::string message = messageShown(); !message.empty()) return message;
    const Control* found = form_->find(name);
    const TextField* shown = found ? found->asField() : nullptr;
    if (!shown) return name + " is no field";
    if (shown->text() != expected)
        return name + " shows \"" + shown->text() + "\", not \"" + expected + "\"";
    return {};
}

std::string BenchWindow::checkCell(const std::string& grid, int row, int column,
                                   const std::string& expected) const {
    if (std::string message = messageShown(); !message.empty()) return message;
    const Control* found = form_->find(grid);
    const auto* shown = dynamic_cast<const Grid*>(found);
    if (!shown) return grid + " is no grid";
    const std::string text = shown->cellText(row, column);
    if (text != expected) {
        return grid + " shows \"" + text + "\" at " + std::to_string(row) + "," +
               std::to_string(column) + ", not \"" + expected + "\"";
    }
    return {};
}

}  // namespace velomark::bench
