// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window_printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace velomark::gui {

bool PrintWindowImage(QWidget& window, QPrinter& printer) {
    const QPixmap image = window.grab();
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

}  // namespace velomark::gui
