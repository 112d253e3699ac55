#include "tools/script/runner.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

#include "shell/field_rules.h"
#include "shell/main_menu.h"

namespace velomark::script {

namespace {

// A check that did not hold, or an action a person could not do.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A script that names something the program does not have.
struct BadScript : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string StateOf(const Control& control) {
    std::string state = control.enabled() ? "enabled" : "disabled";
    state += control.visible() ? " visible" : " hidden";
    if (const TextField* field = control.asField()) {
        state += field->locked() ? " locked" : " editable";
    }
    return state;
}

class Run {
  public:
    explicit Run(Driver& driver) : driver_(driver) {}

    void command(const Command& c) {
        const auto& a = c.args;
        const std::string& n = c.name;
        if (n == "splash") return;
        if (n == "today") return setToday(a[0]);
        if (n.starts_with("expect")) return check(c);
        if (driver_.app().ended()) throw Failure("a running program / the program has ended");
        if (n == "key") {
            if (a[0].empty()) throw BadScript("key needs a character");
            return driver_.key(a[0][0]);
        }
        if (n == "tick") return driver_.tick();
        if (n == "open") return open(a[0]);
        if (n == "window") return driver_.bringToFront(loadedWindow(a[0]));
        if (n == "focus") return driver_.focus(usable(a[0]));
        if (n == "type" || n == "enter") {
            driver_.type(typable(a[0]), a[1]);
            if (n == "enter") driver_.leave();
            return;
        }
        if (n == "leave") return driver_.leave();
        if (n == "pick") return pick(a[0], a[1]);
        if (n == "click") return driver_.click(usable(a[0]));
        if (n == "shortcut") return shortcut(a[0]);
        throw BadScript("no command called " + n);
    }

    // A message box the script never looked at is an unexpected message.
    void finish() {
        if (checked_ < driver_.platform().messages().size()) {
            throw Failure("no message / message " +
                          Quoted(driver_.platform().messages()[checked_].text));
        }
    }

  private:
    Form& currentWindow() {
        Form* window = driver_.app().current();
        if (!window) throw Failure("a window in front / none");
        return *window;
    }

    Control& control(const std::string& name) {
        Form& window = currentWindow();
        if (Control* found = window.find(name)) return *found;
        throw BadScript("no control called " + name + " in " + window.name());
    }

    Control& usable(const std::string& name) {
        Control& found = control(name);
        if (!found.enabled() || !found.visible()) {
            throw Failure(name + " enabled and visible / " + StateOf(found));
        }
        return found;
    }

    TextField& typable(const std::string& name) {
        Control& found = usable(name);
        TextField* field = found.asField();
        if (!field) throw BadScript(name + " is a " + KindName(found.kind()) + ", not a field");
        if (field->locked()) throw Failure(name + " editable / " + StateOf(*field));
        return *field;
    }

    Form& loadedWindow(const std::string& name) {
        if (!driver_.app().isRegistered(name)) throw BadScript("no window called " + name);
        Form* window = driver_.app().loaded(name);
        if (!window) throw Failure(name + " open / closed");
        return *window;
    }

    void open(const std::string& name) {
        if (!driver_.app().isRegistered(name)) throw BadScript("no window called " + name);
        auto* menu = dynamic_cast<MainMenu*>(driver_.app().loaded(MainMenu::kName));
        if (!menu) throw Failure("the main menu open / closed");
        Button* button = menu->buttonOpening(name);
        if (!button) throw BadScript("no main-menu button opens " + name);
        if (!button->enabled()) throw Failure(button->name() + " enabled / disabled");
        driver_.open(*button);
    }

    void pick(const std::string& name, const std::string& item) {
        Control& found = usable(name);
        if (found.kind() != ControlKind::ComboBox) {
            throw BadScript(name + " is a " + KindName(found.kind()) + ", not a list");
        }
        auto& list = static_cast<ComboBox&>(found);
        for (const std::string& listed : list.items()) {
            if (listed == item) return driver_.pick(list, item);
        }
        throw Failure("item " + Quoted(item) + " in " + name + " / no such item");
    }

    void shortcut(const std::string& keys) {
        Form& window = currentWindow();
        for (Control* found : window.controls()) {
            if (found->kind() != ControlKind::MenuEntry) continue;
            auto* entry = static_cast<MenuEntry*>(found);
            if (entry->shortcut() != keys) continue;
            if (!entry->enabled()) throw Failure(entry->name() + " enabled / disabled");
            return driver_.shortcut(*entry, keys);
        }
        throw Failure("a menu entry for " + keys + " in " + window.name() + " / none");
    }

    void setToday(const std::string& text) {
        auto date = DateFromText(text);
        if (!date) throw BadScript("today needs a date as DD/MM/YYYY, not " + text);
        driver_.platform().setToday(*date);
    }

    const RecordingPlatform::Message* nextMessage() {
        const auto& messages = driver_.platform().messages();
        return checked_ < messages.size() ? &messages[checked_] : nullptr;
    }

    void check(const Command& c) {
        const auto& a = c.args;
        const std::string& n = c.name;
        if (n == "expect") return expectText(a[0], a[1]);
        if (n == "expect-state") {
            for (std::size_t i = 1; i < a.size(); ++i)
                expectState(a[0], a[i]);
            return;
        }
        if (n == "expect-colour") return expectColour(a[0], a[1]);
        if (n == "expect-message" || n == "expect-any-message") {
            const auto* message = nextMessage();
            const std::string wanted = n == "expect-message" ? Quoted(a[0]) : "a message";
            if (!message) throw Failure(wanted + " / no message");
            if (n == "expect-message" && message->text != a[0]) {
                throw Failure(wanted + " / " + Quoted(message->text));
            }
            if (message->title != kApplicationTitle) {
                throw Failure("title " + Quoted(kApplicationTitle) + " / " +
                              Quoted(message->title));
            }
            ++checked_;
            return;
        }
        if (n == "expect-no-message") {
            if (const auto* message = nextMessage()) {
                throw Failure("no message / " + Quoted(message->text));
            }
            return;
        }
        if (n == "expect-window") {
            if (!driver_.app().isRegistered(a[0])) throw BadScript("no window called " + a[0]);
            if (a[1] != "open" && a[1] != "closed") throw BadScript("open or closed, not " + a[1]);
            const std::string found = driver_.app().loaded(a[0]) ? "open" : "closed";
            if (found != a[1]) throw Failure(a[0] + " " + a[1] + " / " + found);
            return;
        }
        if (n == "expect-current") {
            if (!driver_.app().isRegistered(a[0])) throw BadScript("no window called " + a[0]);
            Form* window = driver_.app().current();
            const std::string found = window ? window->name() : "no window";
            if (found != a[0]) throw Failure(a[0] + " in front / " + found);
            return;
        }
        if (n == "expect-printed") {
            const auto& printed = driver_.platform().printed();
            const std::string found = printed.empty() ? "nothing printed" : printed.back();
            if (found != a[0]) throw Failure(a[0] + " printed / " + found);
            return;
        }
        if (n == "expect-ended") {
            if (!driver_.app().ended()) throw Failure("the program ended / still running");
            return;
        }
        throw BadScript("no command called " + n);
    }

    // A window's caption, or the text or caption of a control of the window in front.
    std::string shownText(const std::string& name) {
        if (driver_.app().isRegistered(name)) return loadedWindow(name).caption();
        return control(name).shownText();
    }

    void expectText(const std::string& name, const std::string& wanted) {
        const std::string found = shownText(name);
        if (found != wanted) throw Failure(Quoted(wanted) + " / " + Quoted(found));
    }

    void expectState(const std::string& name, const std::string& state) {
        Control& found = control(name);
        const bool hasValue =
            found.kind() == ControlKind::OptionButton || found.kind() == ControlKind::CheckBox;
        bool holds = false;
        if (state == "enabled" || state == "disabled") {
            holds = found.enabled() == (state == "enabled");
        } else if (state == "visible" || state == "hidden") {
            holds = found.visible() == (state == "visible");
        } else if (state == "locked" || state == "editable") {
            const TextField* field = found.asField();
            if (!field) throw BadScript(name + " is not a field");
            holds = field->locked() == (state == "locked");
        } else if (state == "on" || state == "off") {
            if (!hasValue) throw BadScript(name + " is not an option button or check box");
            const bool value = found.kind() == ControlKind::OptionButton
                                   ? static_cast<OptionButton&>(found).value()
                                   : static_cast<CheckBox&>(found).value();
            holds = value == (state == "on");
        } else {
            throw BadScript("no state called " + state);
        }
        if (!holds) {
            std::string now = StateOf(found);
            if (hasValue) {
                const bool value = found.kind() == ControlKind::OptionButton
                                       ? static_cast<OptionButton&>(found).value()
                                       : static_cast<CheckBox&>(found).value();
                now += value ? " on" : " off";
            }
            throw Failure(name + " " + state + " / " + now);
        }
    }

    void expectColour(const std::string& name, const std::string& wanted) {
        Control& found = control(name);
        Colour colour = colours::kDefault;
        if (const TextField* field = found.asField()) colour = field->background();
        std::ostringstream shown;
        shown << colour.red << "," << colour.green << "," << colour.blue;
        if (shown.str() != wanted) throw Failure(wanted + " / " + shown.str());
    }

    Driver& driver_;
    std::size_t checked_ = 0;
};

}  // namespace

Outcome RunScript(const Script& script, const DriverFactory& makeDriver) {
    std::unique_ptr<Driver> driver = makeDriver();
    const bool atSplash = !script.commands.empty() && script.commands.front().name == "splash";
    Run run(*driver);
    int line = 0;
    try {
        driver->start(atSplash);
        for (const Command& command : script.commands) {
            line = command.line;
            run.command(command);
        }
        line = script.lastLine;
        run.finish();
    } catch (const BadScript& error) {
        return {Outcome::Kind::BadScript, line, error.what()};
    } catch (const Failure& failure) {
        return {Outcome::Kind::Failed, line, failure.what()};
    }
    return {};
}

}  // namespace velomark::script
