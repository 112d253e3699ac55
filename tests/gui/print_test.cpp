// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "desktop.h"
#include "gui/page_printing.h"
#include "gui/window_printing.h"
#include "road/road.h"
#include "shell/printed_page.h"

namespace velomark::gui {
namespace {

// The part of the page that is not blank paper.
QRect InkedArea(const QImage& page) {
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 250) area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// The mean difference of two images of one size, from 0 (the same) to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * a.width() * a.height());
}

// The road window printed through the print path to a PDF file fills the page's width with the
// window's own image.
TEST(Printing, TheRoadWindowPrintsItsImageOnThePage) {
    const QString rasteriser = QStandardPaths::findExecutable("pdftoppm");
    if (rasteriser.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    Desktop desktop;
    Form& road = desktop.open(road::Road::kName);
    desktop.widget<QLineEdit>(road, "txtSchedDist").setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(&desktop.widget<QLineEdit>(road, "txtSchedDist"), "40");
    QMainWindow& window = *desktop.frontEnd.windowOf(road);
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("road.pdf"));
    ASSERT_TRUE(PrintWindowImage(window, printer));

    QProcess process;
    process.start(rasteriser, {"-r", "60", "-png", "-singlefile", folder.filePath("road.pdf"),
                               folder.filePath("page")});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QImage page(folder.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    page = page.convertToFormat(QImage::Format_RGB32);

    const QRect inked = InkedArea(page);
    ASSERT_TRUE(inked.isValid());
    // Fitted to the page: the full printable width, in the window's proportions.
    EXPECT_GT(inked.width(), page.width() * 0.8);
    const double printedShape = double(inked.width()) / inked.height();
    const double windowShape = double(image.width()) / image.height();
    EXPECT_NEAR(printedShape, windowShape, windowShape * 0.05);
    // And it is the window's picture.
    const QSize small(120, qRound(120 / windowShape));
    const QImage printed =
        page.copy(inked).scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage shown = image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(printed, shown), 12.0);
    const QImage other = QImage(small, QImage::Format_RGB32);
    QImage blank = other;
    blank.fill(Qt::white);
    EXPECT_GT(MeanDifference(printed, blank), 12.0);
}

// A laid-out page with texts on a second sheet prints as a job of two pages.
TEST(Printing, ALaidOutPageGoesOnOverTheSheetsItNames) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("schedule.pdf"));
    PrintedPage page;
    page.texts.push_back({.x = 10, .y = 10, .width = 50, .height = 6, .text = "Start"});
    page.texts.push_back({.x = 10, .y = 10, .width = 50, .height = 6, .text = "Finish", .page = 1});
    ASSERT_TRUE(PrintLaidOutPage(page, printer));
    QFile pdf(folder.filePath("schedule.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/Count 2"));
}

}  // namespace
}  // namespace velomark::gui
