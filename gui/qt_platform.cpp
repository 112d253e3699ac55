#include "gui/qt_platform.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinterInfo>

#include "gui/front_end.h"
#include "gui/window_printing.h"
#include "shell/application.h"

namespace velomark::gui {

namespace {

constexpr const char* kNoPrinter =
    "No printer is set up on this computer. Would you like to save the page as a PDF file "
    "instead?";
constexpr const char* kPrintFailed = "The page could not be printed.";

bool HasPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::widgetOf(const Form& window) const {
    return frontEnd_ ? frontEnd_->windowOf(window) : nullptr;
}

// One printer for the whole run, so the page setup chosen applies to every print.
QPrinter& QtPlatform::printer() {
    if (!printer_) {
        const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
        printer_ = chosen.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                   : std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
    }
    return *printer_;
}

void QtPlatform::showMessage(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtPlatform::printWindow(const Form& window) {
    QWidget* widget = widgetOf(window);
    if (!widget) return;
    QPrinter& target = printer();
    if (HasPrinter()) {
        target.setOutputFormat(QPrinter::NativeFormat);
    } else {
        const auto answer =
            QMessageBox::question(widget, kApplicationTitle, kNoPrinter,
                                  QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save);
        if (answer != QMessageBox::Save) return;
        const QString suggested =
            QDir::home().filePath(QString::fromStdString(window.caption()) + ".pdf");
        const QString file = QFileDialog::getSaveFileName(widget, "Save the page as PDF", suggested,
                                                          "PDF files (*.pdf)");
        if (file.isEmpty()) return;
        target.setOutputFormat(QPrinter::PdfFormat);
        target.setOutputFileName(file);
    }
    target.setDocName(QString::fromStdString(window.caption()));
    if (!PrintWindowImage(*widget, target)) {
        QMessageBox::warning(widget, kApplicationTitle, kPrintFailed);
    }
}

void QtPlatform::pageSetup(const Form& window) {
    QPageSetupDialog dialog(&printer(), widgetOf(window));
    dialog.exec();
}

Date QtPlatform::today() {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

void QtPlatform::end() {
    QCoreApplication::exit(0);
}

}  // namespace velomark::gui
