// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/form_view.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>

#include "gui/control_adapter.h"
#include "gui/control_widgets.h"
#include "gui/front_end.h"
#include "gui/layouts.h"

namespace velomark::gui {

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
        const ControlAdapter& adapter = AdapterFor(control->kind());
        if (!adapter.make) continue;
        QObject* made = adapter.make(*this);
        widgets_[control] = made;
        controls_[made] = control;
    }
    for (const auto& [control, widget] : widgets_)
        prepareWidget(*const_cast<Control*>(control), widget);
    for (Control* control : form_->controls())
        push(*control);
    applyTabOrder();

    // A field without a name of its own is called by the caption that leads to it, and the
    // typing part of a list by the list's name.
    for (QLabel* label : window_->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty()) {
            buddy->setAccessibleName(label->text().remove(QLatin1Char('&')));
        }
    }
    for (QComboBox* combo : window_->findChildren<QComboBox*>()) {
        if (combo->lineEdit()) combo->lineEdit()->setAccessibleName(combo->accessibleName());
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

void FormView::prepareWidget(Control& control, QObject* widget) {
    const ControlAdapter& adapter = AdapterFor(control.kind());
    if (control.takesFocus() || adapter.hearsOwnClicks) widget->installEventFilter(this);
    if (adapter.connect) adapter.connect(*this, control, *widget);
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

void FormView::push(const Control& control) {
    if (QObject* object = widgetOf(control))
        AdapterFor(control.kind()).push(*this, control, *object);
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
    for (const auto& [control, object] : widgets_) {
        if (auto release = AdapterFor(control->kind()).release) release(*object);
    }
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
    Timer* timer = form_->firstRunningTimer();
    if (!timer) return false;
    tick(*timer);
    return true;
}

}  // namespace velomark::gui
