// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/script/driver.h"

namespace velomark::script {

// A check that did not hold, or an action a person could not do.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A script that names something the program does not have.
struct BadScript : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One scenario's run: each command's action or check on the program its driver started. Every
// action is first checked to be one a person could do, so both drivers refuse the same ones
// with the same words.
class Session {
  public:
    explicit Session(Driver& driver) : driver_(driver) {}

    bool programEnded() { return driver_.app().ended(); }

    void key(const std::string& character);
    void tick() { driver_.tick(); }
    void open(const std::string& window);
    void bringToFront(const std::string& window);
    void savePicture(const std::string& window, const std::string& file);
    void focus(const std::string& name);
    void type(const std::string& name, const std::string& text);
    void leave() { driver_.leave(); }
    void pick(const std::string& name, const std::string& item);
    void click(const std::string& name);
    void shortcut(const std::string& keys);
    void setToday(const std::string& text);
    void chooseFile(const std::string& path);
    void restart() { driver_.restart(); }

    void expectText(const std::string& name, const std::string& wanted);
    void expectState(const std::string& name, const std::string& state);
    void expectColour(const std::string& name, const std::string& wanted);
    // The next unchecked message, with this text, or with any text when wanted is null.
    void expectMessage(const std::string* wanted);
    void expectNoMessage();
    void expectWindow(const std::string& window, const std::string& state);
    void expectCurrent(const std::string& window);
    void expectPrinted(const std::string& window);
    void expectEnded();
    // A grid's cell at a row and column, counted from the headers at 0; what the grid shows on
    // screen must be what its model holds.
    void expectCell(const std::string& name, const std::string& row, const std::string& column,
                    const std::string& wanted);
    void expectCellColour(const std::string& name, const std::string& row,
                          const std::string& column, const std::string& wanted);
    // The grid's data rows or columns, headers not counted.
    void expectRows(const std::string& name, const std::string& count);
    void expectColumns(const std::string& name, const std::string& count);
    void expectClipboard(const std::string& wanted);
    // The oldest opening of the user guide not yet checked, at this section; it is then checked.
    void expectGuide(const std::string& section);
    void expectAbout();

    // A message box the script never looked at is an unexpected message.
    void finish();

  private:
    Form& currentWindow();
    Control& control(const std::string& name);
    Control& usable(const std::string& name);
    TextField& typable(const std::string& name);
    Form& loadedWindow(const std::string& name);
    void requireWindowName(const std::string& name);
    const RecordingPlatform::Message* nextMessage();
    std::string shownText(const std::string& name);
    const Grid& grid(const std::string& name);
    void requireSameOnScreen(const Grid& grid);

    Driver& driver_;
    std::size_t checked_ = 0;
    std::size_t guidesChecked_ = 0;
    int aboutsChecked_ = 0;
};

}  // namespace velomark::script
