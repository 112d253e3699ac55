// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QSettings>
#include <QtGlobal>

#include "gui/front_end.h"
#include "gui/guide_window.h"
#include "gui/page_printing.h"
#include "gui/window_printing.h"
#include "shell/application.h"
#include "shell/file_reading.h"
#include "shell/printed_page.h"
#include "velomark/version.h"

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

QPrinter* QtPlatform::preparePrinter(const Form& window, QWidget* parent) {
    QPrinter& target = printer();
    if (HasPrinter()) {
        target.setOutputFormat(QPrinter::NativeFormat);
    } else {
        const auto answer =
            QMessageBox::question(parent, kApplicationTitle, kNoPrinter,
                                  QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save);
        if (answer != QMessageBox::Save) return nullptr;
        const QString suggested =
            QDir::home().filePath(QString::fromStdString(window.caption()) + ".pdf");
        const QString file = QFileDialog::getSaveFileName(parent, "Save the page as PDF", suggested,
                                                          "PDF files (*.pdf)");
        if (file.isEmpty()) return nullptr;
        target.setOutputFormat(QPrinter::PdfFormat);
        target.setOutputFileName(file);
    }
    target.setDocName(QString::fromStdString(window.caption()));
    return &target;
}

void QtPlatform::printWindow(const Form& window) {
    QWidget* widget = widgetOf(window);
    if (!widget) return;
    QPrinter* target = preparePrinter(window, widget);
    if (target && !PrintWindowImage(*widget, *target)) {
        QMessageBox::warning(widget, kApplicationTitle, kPrintFailed);
    }
}

void QtPlatform::printPage(const Form& window, const PrintedPage& page) {
    QWidget* widget = widgetOf(window);
    QPrinter* target = preparePrinter(window, widget);
    if (!target) return;
    if (!PrintLaidOutPage(page, *target)) {
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

void QtPlatform::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

namespace {

// The person's settings file: INI, under the names the program sets at start-up.
QSettings OpenSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

}  // namespace

StoredSettings QtPlatform::readSettings(const std::string& section) {
    QSettings settings = OpenSettings();
    if (settings.status() != QSettings::NoError) return {false, {}};
    StoredSettings stored;
    settings.beginGroup(QString::fromStdString(section));
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        // A value QSettings reads back as a list or a number was not written by this program.
        if (value.typeId() != QMetaType::QString) return {false, {}};
        stored.values[key.toStdString()] = value.toString().toStdString();
    }
    return stored;
}

bool QtPlatform::writeSettings(const std::string& section, const SettingsSection& values) {
    QSettings settings = OpenSettings();
    settings.remove(QString::fromStdString(section));
    settings.beginGroup(QString::fromStdString(section));
    for (const auto& [key, value] : values)
        settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

SaveOutcome QtPlatform::saveFileAs(const Form& window, const std::string& suggestedName,
                                   const std::string& filter, const std::string& bytes) {
    const QString suggested = QDir::home().filePath(QString::fromStdString(suggestedName));
    const QString path = QFileDialog::getSaveFileName(widgetOf(window), "Save As", suggested,
                                                      QString::fromStdString(filter));
    if (path.isEmpty()) return SaveOutcome::Cancelled;
    return SaveBytes(path, bytes);
}

FileContents QtPlatform::readFile(const std::string& path, std::size_t largest) {
    return ReadFileBytes(path, largest);
}

std::optional<std::string> QtPlatform::chooseFileToOpen(const Form& window,
                                                        const std::string& filter) {
    const QString path = QFileDialog::getOpenFileName(widgetOf(window), "Open", QString(),
                                                      QString::fromStdString(filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

void QtPlatform::showGuide(const std::string& section) {
    if (!guide_) guide_ = std::make_unique<GuideWindow>();
    guide_->showSection(QString::fromStdString(section));
}

QString AboutText(const std::string& description) {
    QString qt = QString::fromLatin1(qVersion());
    if (qt != QLatin1String(QT_VERSION_STR))
        qt += QStringLiteral(" (built with %1)").arg(QT_VERSION_STR);
    return QStringLiteral(
               "<h3>%1</h3>"
               "<p>Version %2</p>"
               "<p>%3</p>"
               "<p>Free software under the GNU General Public License, version 3 or later "
               "(GPL-3.0-or-later): you may share and change it under its terms. It comes with "
               "no warranty, to the extent permitted by law.</p>"
               "<p>Runs on Qt %4; reads GPX routes with pugixml and measures them with "
               "GeographicLib.</p>")
        .arg(kApplicationTitle, kVersionText, QString::fromStdString(description).toHtmlEscaped(),
             qt);
}

void QtPlatform::showAbout() {
    QMessageBox::about(QApplication::activeWindow(),
                       QStringLiteral("About %1").arg(kApplicationTitle), AboutText(description_));
}

SaveOutcome SaveBytes(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveOutcome::Failed;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return SaveOutcome::Failed;
    }
    return file.commit() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

}  // namespace velomark::gui
