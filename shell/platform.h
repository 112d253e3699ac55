// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "shell/date.h"

namespace velomark {

class Form;
struct PrintedPage;

// One section of the person's saved settings, as texts under keys; a key may hold "/" to group
// its entries ("Setups/1/Name").
using SettingsSection = std::map<std::string, std::string>;

// What reading a section of the settings found. A store that could not be read at all is not
// readable; its values are then empty.
struct StoredSettings {
    bool readable = true;
    SettingsSection values;
};

// What came of asking to save a file.
enum class SaveOutcome { Saved, Cancelled, Failed };

// What came of reading a file: its bytes, or why there are none.
enum class ReadOutcome { Read, Unreadable, TooLarge };
struct FileContents {
    ReadOutcome outcome = ReadOutcome::Read;
    std::string bytes;  // only when read
};

// What the program needs from the desktop it runs on. The Qt front end implements it for real;
// RecordingPlatform (tools/harness/) stands in for it in tests and scenarios.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal box with the text, an OK button and the title; returns when OK is pressed.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Prints the window's image on the default printer and ends the print job at once.
    virtual void printWindow(const Form& window) = 0;
    // Prints a page the window laid out itself, on the same printer, and ends the job.
    virtual void printPage(const Form& window, const PrintedPage& page) = 0;
    // The page-setup dialog for the printer that printWindow uses.
    virtual void pageSetup(const Form& window) = 0;
    virtual Date today() = 0;
    // Stops the program: every window closes, no further handler runs.
    virtual void end() = 0;

    // Puts the text on the clipboard for other programs to paste.
    virtual void setClipboardText(const std::string& text) = 0;

    // The person's saved settings, kept between runs.
    virtual StoredSettings readSettings(const std::string& section) = 0;
    // Replaces the whole section; false when the store could not be written.
    virtual bool writeSettings(const std::string& section, const SettingsSection& values) = 0;

    // Asks the person where to save, suggesting a file name and offering the filter (such as
    // "CSV files (*.csv)"), then writes the bytes in one piece: a write that fails leaves no
    // part of the file behind.
    virtual SaveOutcome saveFileAs(const Form& window, const std::string& suggestedName,
                                   const std::string& filter, const std::string& bytes) = 0;

    // The whole of the file at the path (a relative one from the program's working folder); a
    // file of more than `largest` bytes is refused before anything of it is read, and only a
    // plain file is read at all.
    virtual FileContents readFile(const std::string& path, std::size_t largest) = 0;
    // Asks the person for a file to open, offering the filter (such as "GPX files (*.gpx)");
    // nothing when they cancel.
    virtual std::optional<std::string> chooseFileToOpen(const Form& window,
                                                        const std::string& filter) = 0;

    // Opens the user guide that comes with the program at the section with this heading (a
    // window's title), or at its first page when the section is empty; one guide window serves
    // every request.
    virtual void showGuide(const std::string& section) = 0;
    // The program's name, version and licence, and the libraries it runs on, in a modal box.
    virtual void showAbout() = 0;
};

}  // namespace velomark
