#pragma once

#include <QPrinter>
#include <memory>

#include "shell/platform.h"

class QWidget;

namespace velomark::gui {

class FrontEnd;

// The desktop the program runs on: Qt's message boxes, the default printer and its page-setup
// dialog, the machine's calendar, and the end of the event loop.
class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // Where the windows' widgets are found for printing and for placing dialogs.
    void setFrontEnd(const FrontEnd* frontEnd) { frontEnd_ = frontEnd; }

    void showMessage(const std::string& title, const std::string& text) override;
    void printWindow(const Form& window) override;
    void pageSetup(const Form& window) override;
    Date today() override;
    void end() override;

  private:
    QWidget* widgetOf(const Form& window) const;
    QPrinter& printer();

    const FrontEnd* frontEnd_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace velomark::gui
