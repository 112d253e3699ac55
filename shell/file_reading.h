// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "shell/platform.h"

namespace velomark {

// Reads a file as Platform::readFile describes, with the standard library.
FileContents ReadFileBytes(const std::string& path, std::size_t largest);

}  // namespace velomark
