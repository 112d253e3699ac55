// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "shell/platform.h"

namespace velomark {

// Reads a file as Platform::readFile describes, with the standard library.
FileContents ReadFileBytes(const std::string& path, std::size_t largest);

// A file's path from its name as the Platform gives it, UTF-8, and a path's last name without
// its extension as UTF-8: a plain narrow string would be taken in the code page of a Windows
// machine, where a name beyond ASCII then names another file or none.
std::filesystem::path PathOfText(const std::string& text);
std::string FileStemText(const std::string& path);

}  // namespace velomark
