// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_reading.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velomark {

std::filesystem::path PathOfText(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string FileStemText(const std::string& path) {
    const std::u8string stem = PathOfText(path).stem().u8string();
    return std::string(stem.begin(), stem.end());
}

FileContents ReadFileBytes(const std::string& text, std::size_t largest) {
    const std::filesystem::path path = PathOfText(text);
    std::error_code error;
    // A device or a pipe could give bytes for ever; only a plain file has a size to judge.
    if (text.empty() || !std::filesystem::is_regular_file(path, error)) {
        return {ReadOutcome::Unreadable, {}};
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) return {ReadOutcome::Unreadable, {}};
    if (size > largest) return {ReadOutcome::TooLarge, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {ReadOutcome::Unreadable, {}};
    FileContents contents;
    contents.bytes.resize(static_cast<std::size_t>(size));
    in.read(contents.bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return {ReadOutcome::Unreadable, {}};
    contents.bytes.resize(static_cast<std::size_t>(in.gcount()));
    // A file that grew since its size was taken is still held to the limit.
    if (in && in.peek() != std::char_traits<char>::eof()) return {ReadOutcome::TooLarge, {}};
    return contents;
}

}  // namespace velomark
