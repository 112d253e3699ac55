// velomark-script: runs scenario files against the program, headless or through the widgets.

#include <iostream>
#include <string>
#include <vector>

#include "tools/script/headless_driver.h"
#include "tools/script/runner.h"

#ifdef VELOMARK_HAVE_GUI
#include "gui/script_driver.h"
#endif

using namespace velomark::script;

int main(int argc, char** argv) {
    DriverFactory makeDriver = &HeadlessDriver::Create;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--gui") {
#ifdef VELOMARK_HAVE_GUI
            makeDriver = velomark::gui::PrepareScriptDriver(argc, argv);
#else
            std::cerr << "velomark-script: this build has no desktop front end for --gui\n";
            return 2;
#endif
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: velomark-script [--gui] FILE...\n";
        return 2;
    }
    int passed = 0;
    int failed = 0;
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
        const Outcome outcome = RunScript(*script, makeDriver);
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
    return failed == 0 ? 0 : 1;
}
