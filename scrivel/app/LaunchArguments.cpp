#include "LaunchArguments.h"

#include <QCommandLineParser>

#include "platform_qt/CommandLine.h"

namespace scrivel::app {

namespace {

const QString Program = QStringLiteral("scrivel");

void declare(QCommandLineParser& parser, const platform::InfoOptions& info)
{
    parser.setApplicationDescription(
        QStringLiteral("The script editor: shows the strings of the game's ROM on an emulated game screen\n"
                       "and keeps a translation script per text block beside the ROM."));
    info.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("ROM"),
                                 QStringLiteral("The ROM image to open at start, as Open ROM File would."),
                                 QStringLiteral("[ROM"));
    parser.addPositionalArgument(QStringLiteral("DATA"),
                                 QStringLiteral("The text block data file that Load Text Block Data File then takes."),
                                 QStringLiteral("[DATA]]"));
}

}  // namespace

LaunchArguments parseLaunchArguments(const QStringList& args)
{
    LaunchArguments result;
    QCommandLineParser parser;
    const platform::InfoOptions info;
    declare(parser, info);
    if (!parser.parse(QStringList{Program} + args)) {
        result.usageError = true;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(info.help)) {
        result.help = true;
        return result;
    }
    if (parser.isSet(info.version)) {
        result.version = true;
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 2) {
        result.usageError = true;
        result.error = QStringLiteral("at most two files, ROM and DATA, are taken");
        return result;
    }
    if (files.size() >= 1) result.rom = files[0].toStdString();
    if (files.size() >= 2) result.data = files[1].toStdString();
    return result;
}

QString launchHelp()
{
    QCommandLineParser parser;
    const platform::InfoOptions info;
    declare(parser, info);
    return platform::helpText(parser, Program);
}

std::optional<int> answerLaunchRequest(const LaunchArguments& args)
{
    using platform::CommandLineRequest;
    const CommandLineRequest request = args.help          ? CommandLineRequest::Help
                                       : args.version     ? CommandLineRequest::Version
                                       : args.usageError  ? CommandLineRequest::UsageError
                                                          : CommandLineRequest::Run;
    return platform::answerCommandLine(request, launchHelp(), Program, args.error);
}

}  // namespace scrivel::app
