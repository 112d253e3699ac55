// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

#include "shell/application.h"

namespace velomark::gui {

void SetUpLook(QApplication& application) {
    // The person's settings file is named after these: ~/.config/Velomark/velomark.ini.
    QApplication::setOrganizationName("Velomark");
    QApplication::setApplicationName("velomark");
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor));
    QGuiApplication::setDesktopFileName(kDesktopName);
    if (QStyle* style = QStyleFactory::create("Fusion")) application.setStyle(style);
    QFont::insertSubstitutions(kFontFamily,
                               {"Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"});
    QApplication::setWindowIcon(QIcon(":/velomark/icon.png"));
}

}  // namespace velomark::gui
