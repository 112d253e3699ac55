// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tools/harness/program.h"

namespace velomark::bench {

// One calculator window opened from the main menu of a fresh headless program, driven through
// the person's actions on its model as the scenarios drive it.
class BenchWindow {
  public:
    explicit BenchWindow(const char* windowName);

    Form& form() { return *form_; }
    TextField& field(const std::string& name) { return program_.textField(name); }
    Control& control(const std::string& name) { return program_.control(name); }

    void type(const std::string& name, const std::string& text);
    void enter(const std::string& name, const std::string& text);
    // One keystroke in the field that leaves it holding the text, as the front end hands a
    // character typed over a selection to the model.
    void keystroke(const std::string& name, const std::string& text);
    void pick(const std::string& name, const std::string& item);
    void click(const std::string& name);
    void leave() { form_->leave(); }

    // Empty when the field shows the expected text and no message box came up; otherwise what
    // went wrong, so a case that would time the wrong path stops instead.
    std::string check(const std::string& name, const std::string& expected) const;
    // The same for a cell of a grid, row and column counted from the headers (0).
    std::string checkCell(const std::string& grid, int row, int column,
                          const std::string& expected) const;

  private:
    std::string messageShown() const;

    harness::Program program_;
    Form* form_ = nullptr;
};

}  // namespace velomark::bench
