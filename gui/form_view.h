// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <map>
#include <memory>
#include <string>

#include "shell/form.h"

class QString;
class QWidget;

namespace velomark::gui {

class FrontEnd;

// One loaded window on screen: the widgets built from its layout, kept in step with its model,
// and the person's actions on them passed to the model as the model's own events.
class FormView : public QObject, public FormObserver {
    Q_OBJECT

  public:
    // Builds the window from its layout; null, with the reason in error, when the layout is
    // missing or does not match the model.
    static std::unique_ptr<FormView> Create(Form& form, FrontEnd& frontEnd, std::string& error);
    // Binds the form to a window already built (the view owns it from then on); null, with the
    // reason in error, when its widgets do not match the form's controls.
    static std::unique_ptr<FormView> Bind(Form& form, FrontEnd& frontEnd, QMainWindow* window,
                                          std::string& error);
    ~FormView() override;

    QMainWindow* window() const { return window_; }
    // The model, or null once it has been unloaded.
    Form* form() const { return form_; }

    void show();
    // The model is being unloaded: no more events go to it, and the window goes.
    void detach();
    // Puts the keyboard focus where the model has it, or nowhere when it has none.
    void syncFocus();
    // Fires the window's first running timer, as its tick would; false when none runs.
    bool fireTimer();

    QObject* widgetOf(const Control& control) const;
    FrontEnd& frontEnd() const { return frontEnd_; }

    void controlChanged(const Control& control) override;

    // The person's actions on the widgets, each passed to the model as one of its events; the
    // control adapters connect the widgets' signals to them.
    void typed(TextField& field, const QString& text);
    void picked(ComboBox& list, const QString& item);
    void clicked(Control& control);
    void tick(Control& timer);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FormView(Form& form, FrontEnd& frontEnd, QMainWindow* window,
             std::map<const Control*, QObject*> widgets);

    void prepare();
    void prepareWidget(Control& control, QObject* widget);
    void applyTabOrder();
    void push(const Control& control);

    const Control* controlOf(const QObject* widget) const;
    void focusGained(Control& control, int reason);
    void focusLost(Control& control, int reason);
    bool keyPressed(QEvent* event);
    bool closeRequested();

    Form* form_;
    FrontEnd& frontEnd_;
    QPointer<QMainWindow> window_;
    std::map<const Control*, QObject*> widgets_;
    std::map<const QObject*, Control*> controls_;
    const Control* pressed_ = nullptr;
};

}  // namespace velomark::gui
