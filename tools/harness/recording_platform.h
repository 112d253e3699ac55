// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/file_reading.h"
#include "shell/platform.h"
#include "shell/printed_page.h"

namespace velomark {

// A platform that answers every message box with OK at once and remembers what the program
// showed, printed, copied, saved and kept in its settings, and which help it opened. Scenarios and
// tests run on it; its settings and clipboard start empty and are never the person's own.
class RecordingPlatform : public Platform {
  public:
    struct Message {
        std::string title;
        std::string text;
    };

    RecordingPlatform();

    void showMessage(const std::string& title, const std::string& text) override;
    void printWindow(const Form& window) override;
    void printPage(const Form& window, const PrintedPage& page) override;
    // There is no printer set-up to ask for.
    void pageSetup(const Form&) override {}
    Date today() override { return today_; }
    void end() override { ended_ = true; }
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    StoredSettings readSettings(const std::string& section) override;
    bool writeSettings(const std::string& section, const SettingsSection& values) override;
    SaveOutcome saveFileAs(const Form& window, const std::string& suggestedName,
                           const std::string& filter, const std::string& bytes) override;
    FileContents readFile(const std::string& path, std::size_t largest) override {
        return ReadFileBytes(path, largest);
    }
    std::optional<std::string> chooseFileToOpen(const Form& window,
                                                const std::string& filter) override;
    void showGuide(const std::string& section) override { guideSections_.push_back(section); }
    void showAbout() override { ++aboutShown_; }

    void setToday(Date date) { today_ = date; }
    const std::vector<Message>& messages() const { return messages_; }
    // The windows printed, their image or a page of their own, oldest first.
    const std::vector<std::string>& printed() const { return printed_; }
    const std::vector<PrintedPage>& pages() const { return pages_; }
    bool ended() const { return ended_; }
    const std::string& clipboard() const { return clipboard_; }
    // The guide's sections asked for, oldest first ("" for its first page).
    const std::vector<std::string>& guideSections() const { return guideSections_; }
    int aboutShown() const { return aboutShown_; }

    // The settings as a store on disk would hold them; a store that cannot be read or written
    // stands for a damaged or locked settings file.
    std::map<std::string, SettingsSection>& settingsStore() { return settings_; }
    void setSettingsReadable(bool readable) { settingsReadable_ = readable; }
    void setSettingsWritable(bool writable) { settingsWritable_ = writable; }

    // The answer to the next save: the path the person chooses (written there for real), or
    // nothing for Cancel. With nothing queued the person cancels.
    void queueSave(std::optional<std::string> path) { saves_.push_back(std::move(path)); }
    std::size_t queuedSaves() const { return saves_.size(); }
    struct Saved {
        std::string path;
        std::string bytes;
    };
    const std::vector<Saved>& saved() const { return saved_; }

    // The answer to the next file dialog: the path the person chooses, or nothing for Cancel.
    // With nothing queued the person cancels.
    void queueOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
    std::size_t queuedOpens() const { return opens_.size(); }

  private:
    std::vector<Message> messages_;
    std::vector<std::string> printed_;
    std::vector<PrintedPage> pages_;
    Date today_;
    bool ended_ = false;
    std::string clipboard_;
    std::map<std::string, SettingsSection> settings_;
    bool settingsReadable_ = true;
    bool settingsWritable_ = true;
    std::deque<std::optional<std::string>> saves_;
    std::vector<Saved> saved_;
    std::deque<std::optional<std::string>> opens_;
    std::vector<std::string> guideSections_;
    int aboutShown_ = 0;
};

// The machine's date.
Date SystemToday();

}  // namespace velomark
