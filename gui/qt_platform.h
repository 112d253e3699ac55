// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <memory>
#include <string>
#include <utility>

#include "shell/platform.h"

class QString;
class QWidget;

namespace velomark::gui {

class FrontEnd;
class GuideWindow;

// What the About box says: the program's name, version, what it is about, licence, and the Qt
// it runs on.
QString AboutText(const std::string& description);

// Writes the bytes to the file in one piece, replacing what it held: a write that fails leaves
// the file as it was, and no part of the new one.
SaveOutcome SaveBytes(const QString& path, const std::string& bytes);

// The desktop the program runs on: Qt's message boxes, the default printer and its page-setup
// dialog, the machine's calendar, the clipboard, the person's settings (an INI file under the
// program's organisation and application names), saving files, the user guide and the About
// box, and the end of the event loop.
class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // Where the windows' widgets are found for printing and for placing dialogs.
    void setFrontEnd(const FrontEnd* frontEnd) { frontEnd_ = frontEnd; }
    // What the program is about, as the About box says it.
    void setDescription(std::string description) { description_ = std::move(description); }

    void showMessage(const std::string& title, const std::string& text) override;
    void printWindow(const Form& window) override;
    void printPage(const Form& window, const PrintedPage& page) override;
    void pageSetup(const Form& window) override;
    Date today() override;
    void end() override;
    void setClipboardText(const std::string& text) override;
    StoredSettings readSettings(const std::string& section) override;
    bool writeSettings(const std::string& section, const SettingsSection& values) override;
    SaveOutcome saveFileAs(const Form& window, const std::string& suggestedName,
                           const std::string& filter, const std::string& bytes) override;
    FileContents readFile(const std::string& path, std::size_t largest) override;
    std::optional<std::string> chooseFileToOpen(const Form& window,
                                                const std::string& filter) override;
    void showGuide(const std::string& section) override;
    void showAbout() override;

  private:
    QWidget* widgetOf(const Form& window) const;
    QPrinter& printer();
    // The printer made ready for the window's print job, or null when the person declined to
    // save the page as a PDF on a computer with no printer.
    QPrinter* preparePrinter(const Form& window, QWidget* parent);

    const FrontEnd* frontEnd_ = nullptr;
    std::string description_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<GuideWindow> guide_;
};

}  // namespace velomark::gui
