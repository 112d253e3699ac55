// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/session.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>

#include "shell/field_rules.h"
#include "shell/main_menu.h"

namespace velomark::script {

namespace {

// Inside a field these keys select, cut, copy, paste, undo and redo its text rather than press
// a menu shortcut.
constexpr std::array<const char*, 7> kEditingKeys = {"Ctrl+A", "Ctrl+X", "Ctrl+C",      "Ctrl+V",
                                                     "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z"};

bool IsEditingKey(const std::string& keys) {
    return std::find(kEditingKeys.begin(), kEditingKeys.end(), keys) != kEditingKeys.end();
}

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

std::string ColourText(Colour colour) {
    std::ostringstream shown;
    shown << colour.red << "," << colour.green << "," << colour.blue;
    return shown.str();
}

// A row, column or count as a script writes it: a whole number from 0.
int WholeNumber(const std::string& text, const char* what) {
    int number = -1;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || number < 0) {
        throw BadScript(std::string(what) + " is a whole number from 0, not " + Quoted(text));
    }
    return number;
}

}  // namespace

Form& Session::currentWindow() {
    Form* window = driver_.app().current();
    if (!window) throw Failure("a window in front / none");
    return *window;
}

Control& Session::control(const std::string& name) {
    Form& window = currentWindow();
    if (Control* found = window.find(name)) return *found;
    throw BadScript("no control called " + name + " in " + window.name());
}

Control& Session::usable(const std::string& name) {
    Control& found = control(name);
    if (!found.enabled() || !found.visible()) {
        throw Failure(name + " enabled and visible / " + StateOf(found));
    }
    return found;
}

TextField& Session::typable(const std::string& name) {
    Control& found = usable(name);
    TextField* field = found.asField();
    if (!field) throw BadScript(name + " is a " + KindName(found.kind()) + ", not a field");
    if (field->locked()) throw Failure(name + " editable / " + StateOf(*field));
    return *field;
}

void Session::requireWindowName(const std::string& name) {
    if (!driver_.app().isRegistered(name)) throw BadScript("no window called " + name);
}

Form& Session::loadedWindow(const std::string& name) {
    requireWindowName(name);
    Form* window = driver_.app().loaded(name);
    if (!window) throw Failure(name + " open / closed");
    return *window;
}

void Session::key(const std::string& character) {
    if (character.empty()) throw BadScript("key needs a character");
    driver_.key(character[0]);
}

void Session::open(const std::string& window) {
    requireWindowName(window);
    auto* menu = dynamic_cast<MainMenu*>(driver_.app().loaded(MainMenu::kName));
    if (!menu) throw Failure("the main menu open / closed");
    Button* button = menu->buttonOpening(window);
    if (!button) throw BadScript("no main-menu button opens " + window);
    if (!button->enabled()) throw Failure(button->name() + " enabled / disabled");
    driver_.open(*button);
}

void Session::bringToFront(const std::string& window) {
    driver_.bringToFront(loadedWindow(window));
}

void Session::savePicture(const std::string& window, const std::string& file) {
    driver_.savePicture(loadedWindow(window), file);
}

void Session::focus(const std::string& name) {
    driver_.focus(usable(name));
}

void Session::type(const std::string& name, const std::string& text) {
    driver_.type(typable(name), text);
}

void Session::pick(const std::string& name, const std::string& item) {
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

void Session::click(const std::string& name) {
    driver_.click(usable(name));
}

void Session::shortcut(const std::string& keys) {
    Form& window = currentWindow();
    // On the desktop the field would take these keys for itself.
    if (const Control* focused = window.focused();
        focused && focused->isField() && IsEditingKey(keys)) {
        throw Failure("a shortcut with no text field focused / " + focused->name() +
                      " has the focus, where " + keys + " edits its text");
    }
    for (Control* found : window.controls()) {
        if (found->kind() != ControlKind::MenuEntry) continue;
        auto* entry = static_cast<MenuEntry*>(found);
        if (entry->shortcut() != keys) continue;
        if (!entry->enabled()) throw Failure(entry->name() + " enabled / disabled");
        return driver_.shortcut(*entry, keys);
    }
    throw Failure("a menu entry for " + keys + " in " + window.name() + " / none");
}

void Session::setToday(const std::string& text) {
    auto date = DateFromText(text);
    if (!date) throw BadScript("today needs a date as DD/MM/YYYY, not " + text);
    driver_.platform().setToday(*date);
}

void Session::chooseFile(const std::string& path) {
    if (path.empty()) {
        driver_.platform().queueOpen(std::nullopt);
    } else {
        driver_.platform().queueOpen(path);
    }
}

const RecordingPlatform::Message* Session::nextMessage() {
    const auto& messages = driver_.platform().messages();
    return checked_ < messages.size() ? &messages[checked_] : nullptr;
}

// A window's caption, or the text or caption of a control of the window in front.
std::string Session::shownText(const std::string& name) {
    if (driver_.app().isRegistered(name)) return loadedWindow(name).caption();
    return control(name).shownText();
}

void Session::expectText(const std::string& name, const std::string& wanted) {
    const std::string found = shownText(name);
    if (found != wanted) throw Failure(Quoted(wanted) + " / " + Quoted(found));
}

void Session::expectState(const std::string& name, const std::string& state) {
    Control& found = control(name);
    const bool hasValue =
        found.kind() == ControlKind::OptionButton || found.kind() == ControlKind::CheckBox;
    const auto value = [&] {
        return found.kind() == ControlKind::OptionButton ? static_cast<OptionButton&>(found).value()
                                                         : static_cast<CheckBox&>(found).value();
    };
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
        holds = value() == (state == "on");
    } else {
        throw BadScript("no state called " + state);
    }
    if (!holds) {
        std::string now = StateOf(found);
        if (hasValue) now += value() ? " on" : " off";
        throw Failure(name + " " + state + " / " + now);
    }
}

void Session::expectColour(const std::string& name, const std::string& wanted) {
    Control& found = control(name);
    Colour colour = colours::kDefault;
    if (const TextField* field = found.asField()) colour = field->background();
    const std::string shown = ColourText(colour);
    if (shown != wanted) throw Failure(wanted + " / " + shown);
}

void Session::expectMessage(const std::string* wanted) {
    const auto* message = nextMessage();
    const std::string described = wanted ? Quoted(*wanted) : "a message";
    if (!message) throw Failure(described + " / no message");
    if (wanted && message->text != *wanted) {
        throw Failure(described + " / " + Quoted(message->text));
    }
    if (message->title != kApplicationTitle) {
        throw Failure("title " + Quoted(kApplicationTitle) + " / " + Quoted(message->title));
    }
    ++checked_;
}

void Session::expectNoMessage() {
    if (const auto* message = nextMessage()) throw Failure("no message / " + Quoted(message->text));
}

void Session::expectWindow(const std::string& window, const std::string& state) {
    requireWindowName(window);
    if (state != "open" && state != "closed") throw BadScript("open or closed, not " + state);
    const std::string found = driver_.app().loaded(window) ? "open" : "closed";
    if (found != state) throw Failure(window + " " + state + " / " + found);
}

void Session::expectCurrent(const std::string& window) {
    requireWindowName(window);
    Form* current = driver_.app().current();
    const std::string found = current ? current->name() : "no window";
    if (found != window) throw Failure(window + " in front / " + found);
}

void Session::expectPrinted(const std::string& window) {
    const auto& printed = driver_.platform().printed();
    const std::string found = printed.empty() ? "nothing printed" : printed.back();
    if (found != window) throw Failure(window + " printed / " + found);
}

void Session::expectEnded() {
    if (!driver_.app().ended()) throw Failure("the program ended / still running");
}

const Grid& Session::grid(const std::string& name) {
    Control& found = control(name);
    if (found.kind() != ControlKind::Grid) {
        throw BadScript(name + " is a " + KindName(found.kind()) + ", not a grid");
    }
    return static_cast<const Grid&>(found);
}

void Session::requireSameOnScreen(const Grid& grid) {
    const std::string difference = driver_.differenceOnScreen(grid);
    if (!difference.empty()) {
        throw Failure(grid.name() + " on screen as in its model / " + difference);
    }
}

void Session::expectCell(const std::string& name, const std::string& row, const std::string& column,
                         const std::string& wanted) {
    const Grid& found = grid(name);
    const std::string shown = found.cellText(WholeNumber(row, "ROW"), WholeNumber(column, "COL"));
    if (shown != wanted) throw Failure(Quoted(wanted) + " / " + Quoted(shown));
    requireSameOnScreen(found);
}

void Session::expectCellColour(const std::string& name, const std::string& row,
                               const std::string& column, const std::string& wanted) {
    const Grid& found = grid(name);
    const std::string shown =
        ColourText(found.cellColour(WholeNumber(row, "ROW"), WholeNumber(column, "COL")));
    if (shown != wanted) throw Failure(wanted + " / " + shown);
    requireSameOnScreen(found);
}

void Session::expectRows(const std::string& name, const std::string& count) {
    const Grid& found = grid(name);
    const int wanted = WholeNumber(count, "N");
    if (found.rows() != wanted) {
        throw Failure(std::to_string(wanted) + " rows / " + std::to_string(found.rows()));
    }
    requireSameOnScreen(found);
}

void Session::expectColumns(const std::string& name, const std::string& count) {
    const Grid& found = grid(name);
    const int wanted = WholeNumber(count, "N");
    if (found.columns() != wanted) {
        throw Failure(std::to_string(wanted) + " columns / " + std::to_string(found.columns()));
    }
    requireSameOnScreen(found);
}

void Session::expectClipboard(const std::string& wanted) {
    const std::string& held = driver_.platform().clipboard();
    if (held != wanted) throw Failure(Quoted(wanted) + " / " + Quoted(held));
}

void Session::expectGuide(const std::string& section) {
    const auto& opened = driver_.platform().guideSections();
    if (guidesChecked_ >= opened.size())
        throw Failure("the guide at " + Quoted(section) + " / no guide opened");
    const std::string& found = opened[guidesChecked_];
    if (found != section)
        throw Failure("the guide at " + Quoted(section) + " / at " + Quoted(found));
    ++guidesChecked_;
}

void Session::expectAbout() {
    if (aboutsChecked_ >= driver_.platform().aboutShown()) throw Failure("an About box / none");
    ++aboutsChecked_;
}

void Session::finish() {
    if (checked_ < driver_.platform().messages().size()) {
        throw Failure("no message / message " +
                      Quoted(driver_.platform().messages()[checked_].text));
    }
}

}  // namespace velomark::script
