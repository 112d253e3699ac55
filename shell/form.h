// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/control.h"

namespace velomark {

class Application;

// Whoever shows a form (the Qt binder) hears of every change to its controls' state.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(const Control& control) = 0;
};

// A window model: its controls, its focus and the person's actions on it. A window class
// derives from Form, declares its controls as members and wires their handlers in its
// constructor.
class Form {
  public:
    Form(Application& app, std::string name, std::string caption);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;

    // The order in which Tab visits the controls; the first one has the focus on loading.
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    Control* focused() const { return focused_; }

    // The first of the window's timers that is enabled with an interval above 0, or null.
    Timer* firstRunningTimer() const;

    // Runs once, right after the window is created.
    virtual void Form_Load() {}
    // A character key pressed while the window is in front (the splash listens for it).
    virtual bool Form_KeyPress(char) { return false; }

    // The person's actions. Each one is a whole user event: windows unloaded by its handlers
    // are destroyed only when it is over.
    void focus(Control& control);
    void leave();
    void type(TextField& field, const std::string& text);
    void pick(ComboBox& list, const std::string& item);
    void click(Control& control);
    void pressKey(char key);

    void setObserver(FormObserver* observer) { observer_ = observer; }
    Application& app() const { return app_; }

  protected:
    void setTabOrder(std::vector<Control*> order);
    void ShowMessage(const std::string& text);

  private:
    friend class Control;
    friend class OptionButton;
    void addControl(Control& control);
    void notify(const Control& control);
    void turnOffOthers(const OptionButton& chosen);
    void moveFocus(Control* next);
    void focusFirstInTabOrder();

    friend class Application;

    Application& app_;
    std::string name_;
    std::string caption_;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    Control* focused_ = nullptr;
    FormObserver* observer_ = nullptr;
};

}  // namespace velomark
