#pragma once
// The desktop program's command line: scrivel [ROM [DATA]].

#include <QStringList>
#include <optional>
#include <string>

namespace scrivel::app {

struct LaunchArguments {
    std::optional<std::string> rom;   // run Open ROM with this file
    std::optional<std::string> data;  // Load Text Block Data File takes this file
    bool help = false;
    bool usageError = false;
};

// args: the arguments after the program name, Qt's own already removed.
LaunchArguments parseLaunchArguments(const QStringList& args);

inline constexpr const char* LaunchUsage =
    "Usage: scrivel [ROM [DATA]]\n"
    "  ROM   the ROM image to open at start, as Open ROM File would\n"
    "  DATA  the text block data file that Load Text Block Data File then takes\n";

}  // namespace scrivel::app
