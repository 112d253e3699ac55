// SPDX-License-Identifier: GPL-3.0-or-later
// velomark-script: runs scenario files against the program, headless or through the widgets.

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "tools/script/commands.h"
#include "tools/script/headless_driver.h"
#include "tools/script/runner.h"

#ifdef VELOMARK_HAVE_GUI
#include "tools/script/widget_driver.h"
#endif

using namespace velomark::script;

namespace {

constexpr const char* kUsage = "usage: velomark-script [--gui [--pictures DIR]] FILE...";

void PrintHelp() {
    std::cout
        << kUsage << "\n\n"
        << "Runs each scenario FILE from a fresh start of the program, headless or with --gui\n"
           "through the real widgets, and prints ok FILE or FAIL FILE:LINE: expected / found\n"
           "for each, then N passed, M failed. With --pictures DIR (and --gui), the picture\n"
           "command saves a window's image into DIR.\n\n"
           "Commands, one a line (# starts a comment; quote an argument holding blanks):\n";
    std::size_t width = 0;
    for (const CommandDefinition& command : Commands()) {
        width = std::max(
            width, std::string(command.name).size() + 1 + std::string(command.arguments).size());
    }
    for (const CommandDefinition& command : Commands()) {
        std::string written = command.name;
        if (*command.arguments) written += std::string(" ") + command.arguments;
        written.resize(width, ' ');
        std::cout << "  " << written << "  " << command.summary << "\n";
    }
}

// Exit status of a --gui run that passed everything it could run but had to leave out
// scenarios whose windows this build cannot show yet.
constexpr int kSomeSkipped = 77;

// The first window the scenario opens that the desktop front end cannot show, or "".
std::string WindowWithoutLayout([[maybe_unused]] const Script& script) {
#ifdef VELOMARK_HAVE_GUI
    for (const Command& command : script.commands) {
        if (command.name == "open" && !command.args.empty() && !CanShowWindow(command.args[0])) {
            return command.args[0];
        }
    }
#endif
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    DriverFactory makeDriver = HeadlessDriver::Factory(velomark::RegisterCalculators);
    bool throughWidgets = false;
    std::string pictureFolder;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintHelp();
            return 0;
        }
        if (arg == "--pictures") {
            if (i + 1 == argc) {
                std::cerr << kUsage << "\n";
                return 2;
            }
            pictureFolder = argv[++i];
        } else if (arg == "--gui") {
            throughWidgets = true;
        } else {
            files.push_back(arg);
        }
    }
    if (throughWidgets) {
#ifdef VELOMARK_HAVE_GUI
        makeDriver = PrepareWidgetDrivers(argc, argv, velomark::RegisterCalculators, pictureFolder);
#else
        std::cerr << "velomark-script: this build has no desktop front end for --gui\n";
        return 2;
#endif
    }
    if (files.empty()) {
        std::cerr << kUsage << "\n";
        return 2;
    }
    int passed = 0;
    int failed = 0;
    int skipped = 0;
    bool badScript = false;
    for (const std::string& file : files) {
        std::string error;
        auto script = ParseScript(file, error);
        if (!script) {
            std::cout << "FAIL " << error << "\n";
            ++failed;
            badScript = true;
            continue;
        }
        if (throughWidgets) {
            if (const std::string window = WindowWithoutLayout(*script); !window.empty()) {
                std::cout << "skip " << file << ": this build has no layout for " << window << "\n";
                ++skipped;
                continue;
            }
        }
        Outcome outcome;
        try {
            outcome = RunScript(*script, makeDriver);
        } catch (const std::exception& problem) {
            outcome = {Outcome::Kind::Failed, 0, problem.what()};
        }
        if (outcome.kind == Outcome::Kind::Passed) {
            std::cout << "ok " << file << "\n";
            ++passed;
            continue;
        }
        std::cout << "FAIL " << file << ":" << outcome.line << ": " << outcome.what << "\n";
        ++failed;
        if (outcome.kind == Outcome::Kind::BadScript) badScript = true;
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    if (badScript) return 2;
    if (failed != 0) return 1;
    return skipped != 0 ? kSomeSkipped : 0;
}
