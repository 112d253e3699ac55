// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/colour.h"

namespace velomark {

class Form;
class TextField;

enum class ControlKind {
    TextField,
    ComboBox,
    OptionButton,
    CheckBox,
    Label,
    Button,
    GroupBox,
    MenuEntry,
    Picture,
    Timer,
    Grid,
    Chart,
};

const char* KindName(ControlKind kind);

using Handler = std::function<void()>;

// One named control of a window. Controls belong to their form and are members of the window
// model; the form keeps a list of them in declaration order so drivers can find them by name.
class Control {
  public:
    Control(Form& form, std::string name, ControlKind kind);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // Whether a person can move the focus into this kind of control.
    bool takesFocus() const;

    // A text field or a drop-down list: a control whose text a person types.
    bool isField() const;
    TextField* asField();
    const TextField* asField() const;
    // A field a person can type in now: enabled, visible and not locked.
    bool isTypable() const;

    // What a person reads on the control: a field's text or a caption.
    virtual std::string shownText() const { return {}; }

    // Handlers, wired by the window's constructor. A control without a handler ignores the event.
    void onClick(Handler handler) { click_ = std::move(handler); }
    void onChange(Handler handler) { change_ = std::move(handler); }
    void onLostFocus(Handler handler) { lostFocus_ = std::move(handler); }

    // Raise an event as the form dispatches it (no handler runs once the program has ended).
    void raiseClick();
    void raiseChange();
    void raiseLostFocus();

  protected:
    // Tells whoever shows the form that this control's state changed.
    void stateChanged();

  private:
    Form& form_;
    std::string name_;
    ControlKind kind_;
    bool enabled_ = true;
    bool visible_ = true;
    Handler click_;
    Handler change_;
    Handler lostFocus_;
};

// A single-line text box. Writing a different text raises Change before the call returns.
class TextField : public Control {
  public:
    TextField(Form& form, std::string name, ControlKind kind = ControlKind::TextField);

    const std::string& text() const { return text_; }
    void setText(std::string text);

    bool locked() const { return locked_; }
    void setLocked(bool locked);
    Colour background() const { return background_; }
    void setBackground(Colour colour);

    std::string shownText() const override { return text_; }

    // Replaces the text without a Change, as picking a list item does.
    void assignQuietly(std::string text);

  private:
    std::string text_;
    bool locked_ = false;
    Colour background_ = colours::kDefault;
};

// A drop-down list whose edit text the person may also type into.
class ComboBox : public TextField {
  public:
    ComboBox(Form& form, std::string name);

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);

  private:
    std::vector<std::string> items_;
};

// Option buttons of one group exclude each other; turning one on by code raises its Click.
class OptionButton : public Control {
  public:
    OptionButton(Form& form, std::string name, std::string caption, std::string group = {});

    const std::string& caption() const { return caption_; }
    const std::string& group() const { return group_; }
    bool value() const { return value_; }
    void setValue(bool on);

    std::string shownText() const override { return caption_; }

  private:
    friend class Form;
    void setValueQuietly(bool on);

    std::string caption_;
    std::string group_;
    bool value_ = false;
};

class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, std::string caption);

    const std::string& caption() const { return caption_; }
    bool value() const { return value_; }
    void setValue(bool checked);

    std::string shownText() const override { return caption_; }

  private:
    std::string caption_;
    bool value_ = false;
};

// Labels, buttons, group boxes, menu entries and pictures: controls with a caption.
class CaptionedControl : public Control {
  public:
    CaptionedControl(Form& form, std::string name, ControlKind kind, std::string caption);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    std::string shownText() const override { return caption_; }

  private:
    std::string caption_;
};

class Label : public CaptionedControl {
  public:
    Label(Form& form, std::string name, std::string caption = {});
};

class Button : public CaptionedControl {
  public:
    Button(Form& form, std::string name, std::string caption);
};

class GroupBox : public CaptionedControl {
  public:
    GroupBox(Form& form, std::string name, std::string caption);
};

class Picture : public CaptionedControl {
  public:
    Picture(Form& form, std::string name);
};

// An entry of a window's menu bar: a top menu, a submenu or a command. Separators are layout
// only and are not controls.
class MenuEntry : public CaptionedControl {
  public:
    MenuEntry(Form& form, std::string name, std::string caption, std::string shortcut = {});

    // The key sequence that clicks the entry, in the form "Ctrl+A"; empty for none.
    const std::string& shortcut() const { return shortcut_; }

  private:
    std::string shortcut_;
};

// A timer ticks every interval milliseconds while its interval is above 0.
class Timer : public Control {
  public:
    Timer(Form& form, std::string name);

    int interval() const { return interval_; }
    void setInterval(int milliseconds);

    void onTimer(Handler handler) { onClick(std::move(handler)); }

  private:
    int interval_ = 0;
};

}  // namespace velomark
