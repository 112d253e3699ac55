// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "shell/application.h"
#include "tools/harness/program.h"
#include "tools/script/answering_platform.h"
#include "tools/script/driver.h"

class QAction;
class QLineEdit;
class QString;
class QTableWidget;
class QWidget;

namespace velomark {
class Grid;
}

namespace velomark::gui {
class FrontEnd;
}

namespace velomark::script {

// Starts Qt for velomark-script --gui (on the offscreen platform unless QT_QPA_PLATFORM names
// another) and gives the drivers that act through the real widgets of programs with the
// windows compose registers. A picture the scenario asks for is saved into pictureFolder, or
// nowhere when it is empty.
DriverFactory PrepareWidgetDrivers(int argc, char** argv, Compose compose,
                                   std::string pictureFolder = {});

// Runs the person's actions through the widgets of the program's windows, on a platform that
// shows every message box and answers it with OK. Qt must have been started (by
// PrepareWidgetDrivers).
class WidgetDriver : public Driver {
  public:
    // A picture the scenario asks for is saved into pictureFolder, or nowhere when it is empty.
    explicit WidgetDriver(const Compose& compose, std::string pictureFolder = {});
    ~WidgetDriver() override;

    Application& app() override { return program_.app(); }
    RecordingPlatform& platform() override { return platform_; }

    void start(bool atSplash) override;
    void key(char character) override;
    void tick() override;
    void open(Button& menuButton) override;
    void bringToFront(Form& window) override;
    void focus(Control& control) override;
    void type(TextField& field, const std::string& text) override;
    void leave() override;
    void pick(ComboBox& list, const std::string& item) override;
    void click(Control& control) override;
    void shortcut(MenuEntry& entry, const std::string& keys) override;
    void restart() override;
    std::string differenceOnScreen(const Grid& grid) override;
    void savePicture(const Form& window, const std::string& name) override;

    // For those who act on the widgets themselves (the widget fuzzer): the front end, the
    // widget that shows a control, the window made the active one, and the widget that takes
    // the keys pressed in a window (its focused widget, or the window itself).
    gui::FrontEnd& frontEnd() const { return *frontEnd_; }
    QWidget& widgetOf(const Control& control);
    void activate(const Form& window);
    QWidget& keyTarget(const Form& window);
    // Opens the drop-down list with the mouse on its arrow; nothing is picked yet.
    void openList(ComboBox& list);

  private:
    void showProgram();
    void chooseFromMenu(QAction& action);

    const std::string pictureFolder_;
    AnsweringPlatform platform_;
    harness::Program program_;
    std::unique_ptr<gui::FrontEnd> frontEnd_;
};

// Lets Qt deliver what the last action set going, and takes away the windows it closed.
void Settle();

// A click into the field at x (from its left edge), where the cursor then stands.
void ClickInto(QLineEdit& edit, int x);

// Whether Qt's message is only the offscreen platform's note on what it cannot do (raise a
// window, grab the keyboard), which says nothing about the program.
bool IsOffscreenNote(const QString& message);

// Where the table on screen shows other than the grid's model, read as a person reads it: its
// size (the header row and column are its first row and column, none when the grid is empty),
// a cell's text or tip, or a data cell's background (none reads as the default); "" when it
// shows the same.
std::string TableDifference(const Grid& grid, const QTableWidget& table);

// Whether this build can show the named window (it has the window's layout).
bool CanShowWindow(const std::string& window);

}  // namespace velomark::script
