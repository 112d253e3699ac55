// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/widget_driver.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "gui/form_view.h"
#include "gui/front_end.h"
#include "gui/layouts.h"
#include "gui/look.h"
#include "tools/harness/program.h"
#include "tools/script/answering_platform.h"

namespace velomark::script {

using gui::FormView;
using gui::FrontEnd;

namespace {

// A point of the widget that none of its children covers, where a click is the widget's own.
QPoint OwnPoint(QWidget& widget) {
    for (int y = 2; y < widget.height(); y += 4) {
        for (int x = 2; x < widget.width(); x += 4) {
            if (!widget.childAt(x, y)) return {x, y};
        }
    }
    return widget.rect().center();
}

// Where a click lands on the widget: on an option's or check box's own box and caption, on a
// frame's own area, at the middle of anything else.
QPoint ClickPoint(QWidget& widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (qobject_cast<QRadioButton*>(button)) {
            return widget.style()
                ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button)
                .center();
        }
        if (qobject_cast<QCheckBox*>(button)) {
            return widget.style()
                ->subElementRect(QStyle::SE_CheckBoxClickRect, &option, button)
                .center();
        }
    }
    if (qobject_cast<QGroupBox*>(&widget)) return OwnPoint(widget);
    return widget.rect().center();
}

std::string ColourText(const QColor& colour) {
    return std::to_string(colour.red()) + "," + std::to_string(colour.green()) + "," +
           std::to_string(colour.blue());
}

// Sends one character as the keyboard would.
void TypeCharacter(QWidget& target, QChar character) {
    if (character.unicode() < 128) {
        QTest::keyClick(&target, static_cast<char>(character.unicode()));
    } else {
        QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

// Where the mouse opens a drop-down list: on its arrow.
QPoint ArrowPoint(QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    return combo.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &combo)
        .center();
}

void ClickAtEnd(QLineEdit& edit) {
    ClickInto(edit, edit.width() - 3);
}

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (IsOffscreenNote(text)) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

bool IsOffscreenNote(const QString& message) {
    return message.startsWith("This plugin does not support") ||
           message.startsWith("QStandardPaths:");
}

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ClickInto(QLineEdit& edit, int x) {
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(x, edit.height() / 2));
}

WidgetDriver::WidgetDriver(const Compose& compose, std::string pictureFolder)
    : pictureFolder_(std::move(pictureFolder)), program_(platform_, compose) {
    showProgram();
    // At the start, once the splash is on screen, its timer's tick is fired as the
    // scenario's would be.
    program_.fireSplashTimerWith([this] {
        Settle();
        frontEnd_->fireTimer();
    });
}

WidgetDriver::~WidgetDriver() = default;

void WidgetDriver::start(bool atSplash) {
    program_.start(atSplash);
    Settle();
}

void WidgetDriver::key(char character) {
    Form* window = program_.app().current();
    if (!window) return;
    TypeCharacter(keyTarget(*window), QChar(static_cast<unsigned char>(character)));
    Settle();
}

// The splash's two seconds are not waited out: its timer's tick is fired as it would be.
void WidgetDriver::tick() {
    frontEnd_->fireTimer();
    Settle();
}

void WidgetDriver::open(Button& menuButton) {
    click(menuButton);
}

void WidgetDriver::bringToFront(Form& window) {
    activate(window);
    program_.app().show(window);
    Settle();
}

void WidgetDriver::focus(Control& control) {
    QWidget& widget = widgetOf(control);
    activate(control.form());
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        ClickAtEnd(*combo->lineEdit());
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        ClickAtEnd(*edit);
    } else {
        // Buttons and options are reached with Tab: a mouse press would click them.
        widget.setFocus(Qt::TabFocusReason);
    }
    Settle();
}

void WidgetDriver::type(TextField& field, const std::string& text) {
    focus(field);
    QWidget& widget = widgetOf(field);
    // A keystroke may unload the window, and its model with it.
    const Form* window = &field.form();
    QTest::keySequence(&widget, QKeySequence::SelectAll);
    if (text.empty()) {
        QTest::keyClick(&widget, Qt::Key_Delete);
    } else {
        for (QChar character : QString::fromStdString(text)) {
            if (!frontEnd_->viewOf(*window)) break;
            TypeCharacter(widget, character);
        }
    }
    Settle();
}

void WidgetDriver::leave() {
    Form* window = program_.app().current();
    if (!window) return;
    activate(*window);
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused->window() == frontEnd_->windowOf(*window)) focused->clearFocus();
    Settle();
}

void WidgetDriver::openList(ComboBox& list) {
    auto& combo = static_cast<QComboBox&>(widgetOf(list));
    activate(list.form());
    QTest::mousePress(&combo, Qt::LeftButton, {}, ArrowPoint(combo));
    Settle();
    if (!combo.view()->isVisible()) combo.showPopup();
}

// Picks the item in the list's own view.
void WidgetDriver::pick(ComboBox& list, const std::string& item) {
    openList(list);
    auto& combo = static_cast<QComboBox&>(widgetOf(list));
    QAbstractItemView* view = combo.view();
    const int row =
        combo.findText(QString::fromStdString(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QModelIndex index = view->model()->index(row, combo.modelColumn());
    view->scrollTo(index);
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_Return);
    Settle();
}

void WidgetDriver::click(Control& control) {
    activate(control.form());
    QObject* object = frontEnd_->viewOf(control.form())->widgetOf(control);
    if (auto* action = qobject_cast<QAction*>(object)) {
        chooseFromMenu(*action);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        chooseFromMenu(*menu->menuAction());
    } else {
        auto& widget = static_cast<QWidget&>(*object);
        QTest::mouseClick(&widget, Qt::LeftButton, {}, ClickPoint(widget));
    }
    Settle();
}

void WidgetDriver::shortcut(MenuEntry& entry, const std::string& keys) {
    activate(entry.form());
    QTest::keySequence(&keyTarget(entry.form()), QKeySequence(QString::fromStdString(keys)));
    Settle();
}

// The windows go as they go when the program ends, and a new front end shows the new
// program.
void WidgetDriver::restart() {
    program_.app().end();
    Settle();
    frontEnd_.reset();
    program_.restart();
    showProgram();
    start(false);
}

std::string WidgetDriver::differenceOnScreen(const Grid& grid) {
    auto* table = qobject_cast<QTableWidget*>(&widgetOf(grid));
    if (!table) return "it is not drawn as a table";
    return TableDifference(grid, *table);
}

void WidgetDriver::savePicture(const Form& window, const std::string& name) {
    if (pictureFolder_.empty()) return;
    QMainWindow* shown = frontEnd_->windowOf(window);
    if (!shown) throw std::runtime_error(window.name() + " is not on screen");
    Settle();
    const QString path =
        QDir(QString::fromStdString(pictureFolder_)).filePath(QString::fromStdString(name));
    if (!shown->grab().save(path)) {
        throw std::runtime_error("the picture " + path.toStdString() + " could not be saved");
    }
}

void WidgetDriver::showProgram() {
    frontEnd_ = std::make_unique<FrontEnd>(program_.app());
    // The splash's two seconds pass only when the scenario says "tick".
    frontEnd_->tickOnlyByHand();
}

QWidget& WidgetDriver::widgetOf(const Control& control) {
    FormView* view = frontEnd_->viewOf(control.form());
    auto* widget = view ? qobject_cast<QWidget*>(view->widgetOf(control)) : nullptr;
    if (!widget) throw std::runtime_error(control.name() + " is not on screen");
    return *widget;
}

void WidgetDriver::activate(const Form& window) {
    QMainWindow* shown = frontEnd_->windowOf(window);
    if (!shown) throw std::runtime_error(window.name() + " is not on screen");
    // A menu that has just closed may still count as the active window here.
    if (QApplication::activeWindow() == shown) return;
    struct Sync {
        FormView* view;
        ~Sync() { view->syncFocus(); }
    } sync{frontEnd_->viewOf(window)};
    shown->raise();
    shown->activateWindow();
    if (!QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }, 2000)) {
        throw std::runtime_error(window.name() + " cannot be brought to the front");
    }
}

QWidget& WidgetDriver::keyTarget(const Form& window) {
    activate(window);
    QMainWindow* shown = frontEnd_->windowOf(window);
    QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == shown ? *focused : *shown;
}

// Opens the window's menu on the menu bar, each submenu on the way, and clicks the entry.
void WidgetDriver::chooseFromMenu(QAction& action) {
    std::vector<QAction*> path{&action};
    QMenuBar* bar = nullptr;
    for (QAction* step = &action; step && !bar;) {
        QAction* parent = nullptr;
        for (QObject* holder : step->associatedObjects()) {
            if (auto* menuBar = qobject_cast<QMenuBar*>(holder)) bar = menuBar;
        }
        // A menu of the bar is also held by the bar's own overflow menu: the bar comes first.
        for (QObject* holder : step->associatedObjects()) {
            if (bar) break;
            if (auto* menu = qobject_cast<QMenu*>(holder); menu && menu->menuAction() != step) {
                parent = menu->menuAction();
            }
        }
        if (!bar && !parent) break;
        if (parent) path.insert(path.begin(), parent);
        step = parent;
    }
    if (!bar) {
        action.trigger();
        return;
    }
    QWidget* holder = bar;
    for (QAction* step : path) {
        const QRect place = holder == bar ? bar->actionGeometry(step)
                                          : static_cast<QMenu*>(holder)->actionGeometry(step);
        // The entry may take its window away with it: nothing of it is touched afterwards.
        QMenu* submenu = step->menu<QMenu*>();
        QTest::mouseClick(holder, Qt::LeftButton, {}, place.center());
        if (!submenu) {
            Settle();
            return;
        }
        holder = submenu;
        // A submenu opens a moment after its entry is pressed.
        if (!QTest::qWaitFor([holder] { return holder->isVisible(); }, 1000)) {
            throw std::runtime_error("the menu " + step->text().toStdString() + " did not open");
        }
    }
    // A menu chosen for itself is only opened: close it again.
    if (auto* menu = qobject_cast<QMenu*>(holder)) {
        QTest::keyClick(menu, Qt::Key_Escape);
        bar->setActiveAction(nullptr);
    }
}

DriverFactory PrepareWidgetDrivers(int, char** argv, Compose compose, std::string pictureFolder) {
    if (!QApplication::instance()) {
        qInstallMessageHandler(QuietOffscreenNotes);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int qtArgc = 1;
        static char* qtArgv[] = {argv[0], nullptr};
        // Kept for the whole run: the drivers of all scenarios share it.
        auto* application = new QApplication(qtArgc, qtArgv);
        gui::SetUpLook(*application);
    }
    return [compose = std::move(compose), pictureFolder = std::move(pictureFolder)] {
        return std::make_unique<WidgetDriver>(compose, pictureFolder);
    };
}

std::string TableDifference(const Grid& grid, const QTableWidget& table) {
    const bool empty = grid.rows() == 0 && grid.columns() == 0;
    const int rows = empty ? 0 : grid.rows() + 1;
    const int columns = empty ? 0 : grid.columns() + 1;
    if (table.rowCount() != rows || table.columnCount() != columns) {
        return "the table has " + std::to_string(table.rowCount()) + " x " +
               std::to_string(table.columnCount()) + " cells, headers included, the model " +
               std::to_string(rows) + " x " + std::to_string(columns);
    }
    const auto quoted = [](const std::string& text) { return "\"" + text + "\""; };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QTableWidgetItem* item = table.item(row, column);
            const std::string where = "cell " + std::to_string(row) + "," + std::to_string(column);
            const std::string text = item ? item->text().toStdString() : std::string();
            if (text != grid.cellText(row, column)) {
                return where + " shows " + quoted(text) + ", the model " +
                       quoted(grid.cellText(row, column));
            }
            const std::string tip = item ? item->toolTip().toStdString() : std::string();
            if (tip != grid.cellTip(row, column)) {
                return where + " has the tip " + quoted(tip) + ", the model " +
                       quoted(grid.cellTip(row, column));
            }
            // The headers' look is the table's own.
            if (row == 0 || column == 0) continue;
            const Colour colour = grid.cellColour(row, column);
            const QColor model(colour.red, colour.green, colour.blue);
            const QBrush brush = item ? item->background() : QBrush();
            const QColor shown =
                brush.style() == Qt::NoBrush ? QColor(255, 255, 255) : brush.color();
            if (shown != model) {
                return where + " has the background " + ColourText(shown) + ", the model " +
                       ColourText(model);
            }
        }
    }
    return {};
}

bool CanShowWindow(const std::string& window) {
    return gui::FindLayout(window) != nullptr;
}

}  // namespace velomark::script
