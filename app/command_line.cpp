// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <QtGlobal>
#include <ostream>
#include <string>

#include "app/calculators.h"

#include "shell/application.h"
#include "velomark/version.h"

namespace velomark {

namespace {

constexpr std::size_t kHelpWidth = 79;

// The text in lines no wider than the help's, broken between words.
std::string Wrapped(const std::string& text) {
    std::string lines;
    std::size_t lineStart = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const bool first = start == lineStart;
        if (!first && end - lineStart > kHelpWidth) {
            lines += '\n';
            lineStart = start;
        } else if (!first) {
            lines += ' ';
        }
        lines += text.substr(start, end - start);
        start = end + 1;
    }
    return lines + '\n';
}

constexpr const char* kUsage = "Usage: velomark [options]\n\n";
constexpr const char* kOptions =
    "\n"
    "Options:\n"
    "  -h, --help       Show this help and exit.\n"
    "  -v, --version    Show the version and the licence and exit.\n"
    "\n"
    "Qt's own options work as in every Qt program, among them:\n"
    "  -platform NAME   Where the windows go: xcb (X11), wayland, offscreen ...\n"
    "  -style NAME      The look of the controls, such as Fusion.\n"
    "  -reverse         Lay the windows out from right to left.\n"
    "\n"
    "velomark needs a graphical display; without one, run it as: xvfb-run -a velomark\n";

constexpr const char* kLicence =
    "Copyright (C) 2026 the Velomark (Lite) developers.\n"
    "Licence GPLv3+: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// The options QGuiApplication and QApplication read on Linux: accepted here so that they reach
// Qt, and left out of the help but for the few it names.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"display", true},         {"geometry", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},
};

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    // Qt spells its options with one dash (-platform, -style); read them as whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help", "?"}, {});
    const QCommandLineOption version({"v", "version"}, {});
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), {});
        if (qt.takesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    CommandLine commandLine;
    if (!parser.parse(arguments)) {
        err << "velomark: " << parser.errorText().toStdString()
            << "\nTry 'velomark --help' for the options.\n";
        commandLine.exitStatus = 2;
        return commandLine;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "velomark: '" << parser.positionalArguments().constFirst().toStdString()
            << "' is not an option; velomark opens no files and takes no other arguments.\n"
               "Try 'velomark --help' for the options.\n";
        commandLine.exitStatus = 2;
        return commandLine;
    }
    if (parser.isSet(help)) {
        out << kUsage << Wrapped(ProgramDescription()) << kOptions;
        commandLine.exitStatus = 0;
        return commandLine;
    }
    if (parser.isSet(version)) {
        out << kApplicationTitle << ' ' << kVersionText << " (Qt " << qVersion() << ")\n"
            << kLicence;
        commandLine.exitStatus = 0;
        return commandLine;
    }
    commandLine.namesPlatform = parser.isSet(QStringLiteral("platform"));
    return commandLine;
}

}  // namespace velomark
