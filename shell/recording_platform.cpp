#include "shell/recording_platform.h"

#include <ctime>

#include "shell/form.h"

namespace velomark {

Date SystemToday() {
    // The local date: near midnight a UK rider's today is not the UTC day.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

RecordingPlatform::RecordingPlatform() : today_(SystemToday()) {}

void RecordingPlatform::showMessage(const std::string& title, const std::string& text) {
    messages_.push_back({title, text});
}

void RecordingPlatform::printWindow(const Form& window) {
    printed_.push_back(window.name());
}

}  // namespace velomark
