// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/answering_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace velomark::script {

void AnsweringPlatform::showMessage(const std::string& title, const std::string& text) {
    RecordingPlatform::showMessage(title, text);
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, owner);
    QTimer::singleShot(0, &box, [&box] { box.button(QMessageBox::Ok)->click(); });
    box.exec();
    // A desktop gives the window the box came from its activation back; the offscreen platform
    // leaves no window active, and a list opened next would then keep the focus once it closed.
    if (owner && owner->isVisible()) {
        owner->activateWindow();
        QCoreApplication::processEvents();
    }
}

}  // namespace velomark::script
