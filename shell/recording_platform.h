#pragma once

#include <string>
#include <vector>

#include "shell/platform.h"

namespace velomark {

// A platform that answers every message box with OK at once and remembers the messages the
// program showed and the windows it printed. Scenarios and tests run on it.
class RecordingPlatform : public Platform {
  public:
    struct Message {
        std::string title;
        std::string text;
    };

    RecordingPlatform();

    void showMessage(const std::string& title, const std::string& text) override;
    void printWindow(const Form& window) override;
    // There is no printer set-up to ask for.
    void pageSetup(const Form&) override {}
    Date today() override { return today_; }
    void end() override { ended_ = true; }

    void setToday(Date date) { today_ = date; }
    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<std::string>& printed() const { return printed_; }
    bool ended() const { return ended_; }

  private:
    std::vector<Message> messages_;
    std::vector<std::string> printed_;
    Date today_;
    bool ended_ = false;
};

// The machine's date.
Date SystemToday();

}  // namespace velomark
