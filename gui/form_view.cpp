#include "gui/form_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include "gui/control_widgets.h"
#include "gui/front_end.h"
#include "gui/layouts.h"
#include "shell/application.h"

namespace velomark::gui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsField(const Control& control) {
    return control.kind() == ControlKind::TextField || control.kind() == ControlKind::ComboBox;
}

bool HearsClicksOnItself(const Control& control) {
    return control.kind() == ControlKind::Label || control.kind() == ControlKind::Picture ||
           control.kind() == ControlKind::GroupBox;
}

// Focus that moves to a message box, a drop-down's list, a menu or another window comes back
// to the same control: it is no loss of focus for the model.
bool IsPassingAway(int reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// The keys that edit text keep their meaning inside a field, read-only or not, so selecting
// text can never clear the window or end the program through a menu shortcut.
bool IsEditingKey(const QKeyEvent& key) {
    for (QKeySequence::StandardKey standard :
         {QKeySequence::SelectAll, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
          QKeySequence::Undo, QKeySequence::Redo}) {
        if (key.matches(standard)) return true;
    }
    return false;
}

void SetBackground(QWidget& widget, Colour colour) {
    const QColor wanted(colour.red, colour.green, colour.blue);
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Base) == wanted) return;
    palette.setColor(QPalette::Base, wanted);
    palette.setColor(QPalette::Text, Qt::black);
    widget.setPalette(palette);
}

QStringList Items(const ComboBox& list) {
    QStringList items;
    for (const std::string& item : list.items())
        items << Text(item);
    return items;
}

QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

}  // namespace

std::unique_ptr<FormView> FormView::Create(Form& form, FrontEnd& frontEnd, std::string& error) {
    const Layout* layout = FindLayout(form.name());
    if (!layout) {
        error = "this program was built without a layout (.ui file) for the window " + form.name();
        return nullptr;
    }
    auto* window = new QMainWindow;
    layout->build(window);
    std::unique_ptr<FormView> view = Bind(form, frontEnd, window, error);
    if (!view) error = "its layout " + std::string(layout->file) + " " + error;
    return view;
}

std::unique_ptr<FormView> FormView::Bind(Form& form, FrontEnd& frontEnd, QMainWindow* window,
                                         std::string& error) {
    ControlWidgets match = MatchControls(form, *window);
    if (!match.problems.empty()) {
        delete window;
        error = "does not match the window " + form.name() + ":";
        for (const std::string& problem : match.problems)
            error += "\n- " + problem;
        return nullptr;
    }
    std::unique_ptr<FormView> view(new FormView(form, frontEnd, window, std::move(match.widgets)));
    view->prepare();
    return view;
}

FormView::FormView(Form& form, FrontEnd& frontEnd, QMainWindow* window,
                   std::map<const Control*, QObject*> widgets)
    : form_(&form), frontEnd_(frontEnd), window_(window), widgets_(std::move(widgets)) {
    for (const auto& [control, widget] : widgets_)
        controls_[widget] = const_cast<Control*>(control);
}

FormView::~FormView() {
    if (form_) form_->setObserver(nullptr);
    delete window_.data();
}

void FormView::prepare() {
    for (Control* control : form_->controls()) {
        if (control->kind() == ControlKind::Timer) {
            auto* timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this, [this, control] { tick(*control); });
            timers_[control] = timer;
            widgets_[control] = timer;
            controls_[timer] = control;
        }
    }
    for (const auto& [control, widget] : widgets_)
        prepareWidget(*control, widget);
    for (Control* control : form_->controls())
        push(*control);
    applyTabOrder();

    // A field without a name of its own is called by the caption that leads to it.
    for (QLabel* label : window_->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty()) {
            buddy->setAccessibleName(label->text().remove(QLatin1Char('&')));
        }
    }

    window_->setWindowTitle(Text(form_->caption()));
    if (form_->caption().empty()) window_->setWindowFlag(Qt::FramelessWindowHint);
    if (!window_->testAttribute(Qt::WA_Resized)) window_->adjustSize();
    if (form_->caption().empty()) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            window_->move(screen->availableGeometry().center() - window_->rect().center());
        }
    }
    window_->installEventFilter(this);
    form_->setObserver(this);
}

void FormView::prepareWidget(const Control& control, QObject* widget) {
    auto* model = const_cast<Control*>(&control);
    if (control.takesFocus() || HearsClicksOnItself(control)) widget->installEventFilter(this);
    switch (control.kind()) {
        case ControlKind::TextField: {
            auto* edit = static_cast<QLineEdit*>(widget);
            connect(edit, &QLineEdit::textEdited, this, [this, model](const QString& text) {
                typed(static_cast<TextField&>(*model), text);
            });
            break;
        }
        case ControlKind::ComboBox: {
            auto* combo = static_cast<QComboBox*>(widget);
            combo->setEditable(true);
            // What the person types stays exactly as typed: no completion, no new items, and
            // Enter or leaving the field is no pick.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            QLineEdit* edit = combo->lineEdit();
            disconnect(edit, SIGNAL(editingFinished()), combo, nullptr);
            disconnect(edit, SIGNAL(returnPressed()), combo, nullptr);
            connect(edit, &QLineEdit::textEdited, this, [this, model](const QString& text) {
                typed(static_cast<TextField&>(*model), text);
            });
            connect(combo, &QComboBox::activated, this, [this, model, combo](int index) {
                picked(static_cast<ComboBox&>(*model), combo->itemText(index));
            });
            break;
        }
        case ControlKind::OptionButton:
            // The model keeps the options of a group exclusive.
            static_cast<QRadioButton*>(widget)->setAutoExclusive(false);
            [[fallthrough]];
        case ControlKind::CheckBox:
        case ControlKind::Button:
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, model] { clicked(*model); });
            break;
        case ControlKind::MenuEntry:
            if (auto* action = qobject_cast<QAction*>(widget)) {
                const auto& shortcut = static_cast<const MenuEntry&>(control).shortcut();
                action->setShortcut(QKeySequence(Text(shortcut)));
                connect(action, &QAction::triggered, this, [this, model] { clicked(*model); });
            }
            break;
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            // Texts written by the program show as they are: an "&" is no access key.
            if (!label->buddy()) label->setTextFormat(Qt::PlainText);
            break;
        }
        default:
            break;
    }
}

void FormView::applyTabOrder() {
    std::vector<QWidget*> order;
    for (const Control* control : form_->tabOrder()) {
        if (auto* widget = qobject_cast<QWidget*>(widgetOf(*control))) order.push_back(widget);
    }
    if (order.empty()) return;
    // Controls the window leaves out of its tab order are reached with the mouse only.
    for (const auto& [control, widget] : widgets_) {
        auto* focusable = qobject_cast<QWidget*>(widget);
        if (!control->takesFocus() || !focusable) continue;
        if (std::find(order.begin(), order.end(), focusable) == order.end()) {
            focusable->setFocusPolicy(Qt::ClickFocus);
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QObject* FormView::widgetOf(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

const Control* FormView::controlOf(const QObject* widget) const {
    const auto found = controls_.find(widget);
    return found == controls_.end() ? nullptr : found->second;
}

void FormView::controlChanged(const Control& control) {
    push(control);
}

void FormView::captionChanged() {
    if (form_ && window_) window_->setWindowTitle(Text(form_->caption()));
}

void FormView::push(const Control& control) {
    QObject* object = widgetOf(control);
    if (!object) return;
    if (control.kind() == ControlKind::Timer) return pushTimer(control);
    if (control.kind() == ControlKind::MenuEntry) {
        const QString caption = Text(static_cast<const MenuEntry&>(control).caption());
        QAction* action = qobject_cast<QAction*>(object);
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            action = menu->menuAction();
            if (menu->title() != caption) menu->setTitle(caption);
        } else if (action->text() != caption) {
            action->setText(caption);
        }
        action->setEnabled(control.enabled());
        action->setVisible(control.visible());
        return;
    }

    auto* widget = static_cast<QWidget*>(object);
    widget->setEnabled(control.enabled());
    if (widget->isHidden() == control.visible()) widget->setHidden(!control.visible());
    switch (control.kind()) {
        case ControlKind::TextField: {
            const auto& field = static_cast<const TextField&>(control);
            auto* edit = static_cast<QLineEdit*>(widget);
            const QString text = Text(field.text());
            if (edit->text() != text) {
                QSignalBlocker quiet(edit);
                edit->setText(text);
            }
            edit->setReadOnly(field.locked());
            SetBackground(*edit, field.background());
            break;
        }
        case ControlKind::ComboBox: {
            const auto& list = static_cast<const ComboBox&>(control);
            auto* combo = static_cast<QComboBox*>(widget);
            QSignalBlocker quiet(combo);
            QSignalBlocker quietEdit(combo->lineEdit());
            const QStringList items = Items(list);
            if (Items(*combo) != items) {
                combo->clear();
                combo->addItems(items);
            }
            const QString text = Text(list.text());
            if (combo->currentText() != text) combo->setEditText(text);
            combo->lineEdit()->setReadOnly(list.locked());
            SetBackground(*combo, list.background());
            break;
        }
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: {
            auto* button = static_cast<QAbstractButton*>(widget);
            const bool on = control.kind() == ControlKind::OptionButton
                                ? static_cast<const OptionButton&>(control).value()
                                : static_cast<const CheckBox&>(control).value();
            const QString caption = Text(control.shownText());
            if (button->text() != caption) button->setText(caption);
            if (button->isChecked() != on) {
                QSignalBlocker quiet(button);
                button->setChecked(on);
            }
            break;
        }
        case ControlKind::Button: {
            auto* button = static_cast<QPushButton*>(widget);
            const QString caption = Text(control.shownText());
            if (button->text() != caption) button->setText(caption);
            break;
        }
        case ControlKind::GroupBox: {
            auto* group = static_cast<QGroupBox*>(widget);
            const QString caption = Text(control.shownText());
            if (group->title() != caption) group->setTitle(caption);
            break;
        }
        case ControlKind::Label: {
            auto* label = static_cast<QLabel*>(widget);
            const QString caption = Text(control.shownText());
            if (label->text() != caption) label->setText(caption);
            break;
        }
        default:
            break;
    }
}

void FormView::pushTimer(const Control& control) {
    QTimer* timer = timers_.at(&control);
    const int interval = static_cast<const Timer&>(control).interval();
    if (control.enabled() && interval > 0 && form_ && !frontEnd_.ticksByHand()) {
        if (!timer->isActive() || timer->interval() != interval) timer->start(interval);
    } else {
        timer->stop();
    }
}

void FormView::show() {
    if (!window_) return;
    window_->show();
    window_->raise();
    window_->activateWindow();
    syncFocus();
}

void FormView::detach() {
    if (!form_) return;
    form_->setObserver(nullptr);
    form_ = nullptr;
    for (const auto& [control, timer] : timers_)
        timer->stop();
    if (window_) {
        window_->hide();
        window_->deleteLater();
    }
}

void FormView::syncFocus() {
    if (!form_ || !window_) return;
    QWidget* current = window_->focusWidget();
    if (!form_->focused()) {
        // Qt gives a window it activates a focus of its own; the model has none.
        if (current && controlOf(current)) current->clearFocus();
        return;
    }
    auto* widget = qobject_cast<QWidget*>(widgetOf(*form_->focused()));
    if (!widget || current == widget) return;
    if (!widget->isEnabled() || !widget->isVisibleTo(window_)) return;
    widget->setFocus(Qt::OtherFocusReason);
}

bool FormView::fireTimer() {
    if (!form_) return false;
    for (Control* control : form_->controls()) {
        if (control->kind() != ControlKind::Timer || !control->enabled()) continue;
        if (static_cast<Timer*>(control)->interval() <= 0) continue;
        tick(*control);
        return true;
    }
    return false;
}

void FormView::typed(TextField& field, const QString& text) {
    if (!form_ || frontEnd_.busy()) {
        push(field);
        return;
    }
    Form& form = *form_;
    frontEnd_.dispatch([&] {
        if (form.focused() != &field) form.focus(field);
        if (form_) field.setText(text.toStdString());
    });
}

void FormView::picked(ComboBox& list, const QString& item) {
    if (!form_ || frontEnd_.busy()) {
        push(list);
        return;
    }
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.pick(list, item.toStdString()); });
    if (form_) push(list);
}

void FormView::clicked(Control& control) {
    if (!form_ || frontEnd_.busy()) {
        if (form_) push(control);
        return;
    }
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.click(control); });
    // A click on an option that is already on leaves it on, whatever the widget did.
    if (form_) push(control);
}

void FormView::tick(Control& timer) {
    if (!form_ || frontEnd_.busy()) return;
    frontEnd_.dispatch([&] { timer.raiseClick(); });
}

void FormView::focusGained(Control& control, int reason) {
    if (!form_ || frontEnd_.busy() || IsPassingAway(reason)) return;
    if (form_->focused() == &control) return;
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.focus(control); });
}

void FormView::focusLost(Control&, int reason) {
    if (!form_ || frontEnd_.busy() || IsPassingAway(reason)) return;
    if (QWidget* next = QApplication::focusWidget()) {
        // Moving to another control: its focus event tells the model.
        if (next->window() != window_) return;
        if (const Control* control = controlOf(next); control && control->takesFocus()) return;
    }
    if (!form_->focused()) return;
    Form& form = *form_;
    frontEnd_.dispatch([&] { form.leave(); });
}

bool FormView::keyPressed(QEvent* event) {
    if (!form_ || frontEnd_.busy()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    if (text.size() != 1 || text[0].unicode() == 0 || text[0].unicode() >= 128) return false;
    // A key that a field did not take is not the field's text.
    if (const Control* focused = controlOf(QApplication::focusWidget());
        focused && IsField(*focused)) {
        return false;
    }
    Form& form = *form_;
    const char character = static_cast<char>(text[0].unicode());
    frontEnd_.dispatch([&] { form.pressKey(character); });
    return true;
}

bool FormView::closeRequested() {
    if (!form_) return false;
    if (frontEnd_.busy()) return true;
    Form& form = *form_;
    frontEnd_.dispatch([&] {
        Application& app = form.app();
        app.unload(form);
        // Closing the last window ends the program.
        if (!app.ended() && app.loadedWindows().empty()) app.end();
    });
    return true;
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            Control* control = const_cast<Control*>(controlOf(watched));
            if (!control || !control->takesFocus()) break;
            const int reason = static_cast<QFocusEvent*>(event)->reason();
            if (event->type() == QEvent::FocusIn) {
                focusGained(*control, reason);
            } else {
                focusLost(*control, reason);
            }
            break;
        }
        case QEvent::ShortcutOverride: {
            const Control* control = controlOf(watched);
            if (control && IsField(*control) && IsEditingKey(*static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            const Control* control = controlOf(watched);
            if (!control || !HearsClicksOnItself(*control)) break;
            // The press and release are this control's own: a label's click is not its frame's.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return true;
            if (event->type() == QEvent::MouseButtonPress) {
                pressed_ = control;
            } else if (event->type() == QEvent::MouseButtonRelease) {
                const bool inside =
                    static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
                const bool wasPressed = pressed_ == control;
                pressed_ = nullptr;
                if (wasPressed && inside) clicked(*const_cast<Control*>(control));
            }
            return true;
        }
        case QEvent::KeyPress:
            if (watched == window_) return keyPressed(event);
            break;
        case QEvent::Close:
            if (watched == window_ && closeRequested()) {
                event->ignore();
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velomark::gui
