// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/harness/recording_platform.h"

#include <ctime>
#include <fstream>

#include "shell/form.h"

namespace velomark {

Date SystemToday() {
    // The local date: near midnight a UK rider's today is not the UTC day.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

RecordingPlatform::RecordingPlatform() : today_(SystemToday()) {}

void RecordingPlatform::showMessage(const std::string& title, const std::string& text) {
    messages_.push_back({title, text});
}

void RecordingPlatform::printWindow(const Form& window) {
    printed_.push_back(window.name());
}

void RecordingPlatform::printPage(const Form& window, const PrintedPage& page) {
    printed_.push_back(window.name());
    pages_.push_back(page);
}

StoredSettings RecordingPlatform::readSettings(const std::string& section) {
    if (!settingsReadable_) return {false, {}};
    const auto found = settings_.find(section);
    return {true, found == settings_.end() ? SettingsSection{} : found->second};
}

bool RecordingPlatform::writeSettings(const std::string& section, const SettingsSection& values) {
    if (!settingsWritable_) return false;
    settings_[section] = values;
    return true;
}

SaveOutcome RecordingPlatform::saveFileAs(const Form&, const std::string&, const std::string&,
                                          const std::string& bytes) {
    if (saves_.empty()) return SaveOutcome::Cancelled;
    const std::optional<std::string> path = std::move(saves_.front());
    saves_.pop_front();
    if (!path) return SaveOutcome::Cancelled;
    std::ofstream out(PathOfText(*path), std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
        return SaveOutcome::Failed;
    }
    saved_.push_back({*path, bytes});
    return SaveOutcome::Saved;
}

std::optional<std::string> RecordingPlatform::chooseFileToOpen(const Form&, const std::string&) {
    if (opens_.empty()) return std::nullopt;
    std::optional<std::string> path = std::move(opens_.front());
    opens_.pop_front();
    return path;
}

}  // namespace velomark
