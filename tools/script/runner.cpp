// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/script/runner.h"

#include "tools/script/commands.h"
#include "tools/script/session.h"

namespace velomark::script {

Outcome RunScript(const Script& script, const DriverFactory& makeDriver) {
    std::unique_ptr<Driver> driver = makeDriver();
    const bool atSplash = !script.commands.empty() && script.commands.front().name == "splash";
    Session session(*driver);
    int line = 0;
    try {
        driver->start(atSplash);
        for (const Command& command : script.commands) {
            line = command.line;
            const CommandDefinition* definition = FindCommand(command.name);
            if (!definition) throw BadScript("no command called " + command.name);
            if (!definition->afterEnd && session.programEnded()) {
                throw Failure("a running program / the program has ended");
            }
            definition->run(session, command.args);
        }
        line = script.lastLine;
        session.finish();
    } catch (const BadScript& error) {
        return {Outcome::Kind::BadScript, line, error.what()};
    } catch (const Failure& failure) {
        return {Outcome::Kind::Failed, line, failure.what()};
    }
    return {};
}

}  // namespace velomark::script
