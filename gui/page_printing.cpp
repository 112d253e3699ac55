// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/page_printing.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include "gui/look.h"
#include "shell/printed_page.h"

namespace velomark::gui {

namespace {

Qt::Alignment AlignmentOf(PrintedText::Align align) {
    switch (align) {
        case PrintedText::Align::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case PrintedText::Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case PrintedText::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

template <class Dots>
void PaintSheet(const PrintedPage& page, int sheet, QPainter& painter, Dots dots) {
    for (const PrintedLine& line : page.lines) {
        if (line.page != sheet) continue;
        painter.setPen(QPen(Qt::black, dots(line.width)));
        painter.drawLine(QPointF(dots(line.x1), dots(line.y1)),
                         QPointF(dots(line.x2), dots(line.y2)));
    }
    for (const PrintedText& text : page.texts) {
        if (text.page != sheet) continue;
        QFont font(kFontFamily);
        font.setPointSizeF(text.points);
        font.setBold(text.bold);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(dots(text.x), dots(text.y), dots(text.width), dots(text.height)),
                         AlignmentOf(text.align) | Qt::TextSingleLine,
                         QString::fromStdString(text.text));
    }
}

}  // namespace

bool PrintLaidOutPage(const PrintedPage& page, QPrinter& printer) {
    if (!page.title.empty()) printer.setDocName(QString::fromStdString(page.title));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter measures in the printer's dots, and the font's points follow its resolution.
    const double dotsPerMm = printer.resolution() / 25.4;
    const auto dots = [dotsPerMm](double millimetres) { return millimetres * dotsPerMm; };
    painter.setRenderHint(QPainter::Antialiasing);
    const int sheets = page.sheets();
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        PaintSheet(page, sheet, painter, dots);
    }
    return painter.end();
}

}  // namespace velomark::gui
