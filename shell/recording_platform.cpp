#include "shell/recording_platform.h"

#include <chrono>

#include "shell/form.h"

namespace velomark {

Date SystemToday() {
    const auto now = std::chrono::system_clock::now();
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(now)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

RecordingPlatform::RecordingPlatform() : today_(SystemToday()) {}

void RecordingPlatform::showMessage(const std::string& title, const std::string& text) {
    messages_.push_back({title, text});
}

void RecordingPlatform::printWindow(const Form& window) {
    printed_.push_back(window.name());
}

void RecordingPlatform::pageSetup(const Form& window) {
    pageSetups_.push_back(window.name());
}

}  // namespace velomark
