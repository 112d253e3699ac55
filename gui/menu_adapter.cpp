// SPDX-License-Identifier: GPL-3.0-or-later
// Menu entries: a command is a QAction, a menu or submenu a QMenu; both answer to the entry's
// caption, state and shortcut.

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "gui/control_adapter.h"
#include "gui/form_view.h"

namespace velomark::gui {

const ControlAdapter kMenuEntryAdapter{
    .widgetClass = "QAction or QMenu",
    .draws =
        [](const QObject& object) {
            return qobject_cast<const QAction*>(&object) != nullptr ||
                   qobject_cast<const QMenu*>(&object) != nullptr;
        },
    .connect =
        [](FormView& view, Control& control, QObject& object) {
            auto* action = qobject_cast<QAction*>(&object);
            if (!action) return;
            action->setShortcut(
                QKeySequence(Text(static_cast<const MenuEntry&>(control).shortcut())));
            QObject::connect(action, &QAction::triggered, &view,
                             [&view, &control] { view.clicked(control); });
        },
    .push =
        [](const FormView&, const Control& control, QObject& object) {
            const QString caption = Text(static_cast<const MenuEntry&>(control).caption());
            QAction* action = qobject_cast<QAction*>(&object);
            if (auto* menu = qobject_cast<QMenu*>(&object)) {
                action = menu->menuAction();
                if (menu->title() != caption) menu->setTitle(caption);
            } else if (action->text() != caption) {
                action->setText(caption);
            }
            action->setEnabled(control.enabled());
            action->setVisible(control.visible());
        },
};

}  // namespace velomark::gui
