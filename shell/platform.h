#pragma once

#include <string>

#include "shell/date.h"

namespace velomark {

class Form;

// What the program needs from the desktop it runs on. The Qt front end implements it for real;
// RecordingPlatform implements it for tests and scenarios.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal box with the text, an OK button and the title; returns when OK is pressed.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Prints the window's image on the default printer and ends the print job at once.
    virtual void printWindow(const Form& window) = 0;
    // The page-setup dialog for the printer that printWindow uses.
    virtual void pageSetup(const Form& window) = 0;
    virtual Date today() = 0;
    // Stops the program: every window closes, no further handler runs.
    virtual void end() = 0;
};

}  // namespace velomark
