#include "LaunchArguments.h"

namespace scrivel::app {

LaunchArguments parseLaunchArguments(const QStringList& args)
{
    LaunchArguments result;
    QStringList files;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.help = true;
            return result;
        }
        if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            result.usageError = true;
            return result;
        }
        files << arg;
    }
    if (files.size() > 2) {
        result.usageError = true;
        return result;
    }
    if (files.size() >= 1) result.rom = files[0].toStdString();
    if (files.size() >= 2) result.data = files[1].toStdString();
    return result;
}

}  // namespace scrivel::app
