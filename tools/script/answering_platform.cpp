// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/answering_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace velomark::script {

void AnsweringPlatform::showMessage(const std::string& title, const std::string& text) {
    RecordingPlatform::showMessage(title, text);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    QTimer::singleShot(0, &box, [&box] { box.button(QMessageBox::Ok)->click(); });
    box.exec();
}

}  // namespace velomark::script
