// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>

namespace velomark {

// What velomark's command line asks for, read before any window can come up.
struct CommandLine {
    // Set when the command line has been answered (--help, --version) or refused: the program
    // ends there, with this status.
    std::optional<int> exitStatus;
    // -platform says where the windows go, so the program needs no DISPLAY to start.
    bool namesPlatform = false;
};

// Reads velomark's own options, answering on out and refusing on err (status 2), without a
// display. Qt's own options (-platform, -style, -reverse ...) pass through untouched: Qt reads
// them again when it starts.
CommandLine ReadCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace velomark
