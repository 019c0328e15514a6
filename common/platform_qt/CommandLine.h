#pragma once
// What both desktop programs do with --help and --version: declared on a
// QCommandLineParser, answered on standard output before any window system
// is needed (so they work without a display, as when manual pages are made
// from them at build time).

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace platform {

struct InfoOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the program's name and version and exit.")};
    void addTo(QCommandLineParser& parser) const
    {
        parser.addOption(help);
        parser.addOption(version);
    }
};

// argv as Qt would list it, before QApplication removes its own options.
QStringList rawArguments(int argc, char** argv);

// The parser's help, its usage line naming the program as installed rather
// than by the path it was started with.
QString helpText(const QCommandLineParser& parser, const QString& program);

// "program version", e.g. "scrivel 1.1.0".
QString versionText(const QString& program);

// What a desktop program answers on its command line before it opens a
// window: help or version on standard output (status 0), or a usage error
// with the help on standard error (status 2). Empty when it should go on.
enum class CommandLineRequest { Run, Help, Version, UsageError };
std::optional<int> answerCommandLine(CommandLineRequest request, const QString& helpText, const QString& program,
                                     const QString& error = {});

}  // namespace platform
