#pragma once
// The desktop program's command line: scrivel [options] [ROM [DATA]].

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace scrivel::app {

struct LaunchArguments {
    std::optional<std::string> rom;   // run Open ROM with this file
    std::optional<std::string> data;  // Load Text Block Data File takes this file
    bool help = false;
    bool version = false;
    bool usageError = false;
    QString error;  // what is wrong, with usageError
};

// args: the arguments after the program name, Qt's own already removed.
LaunchArguments parseLaunchArguments(const QStringList& args);

// The --help text: usage, options and arguments.
QString launchHelp();

// Prints the help, the version or the usage error that args ask for and
// returns the exit status; empty when the program should start.
std::optional<int> answerLaunchRequest(const LaunchArguments& args);

}  // namespace scrivel::app
