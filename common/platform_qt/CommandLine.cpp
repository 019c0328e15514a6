#include "CommandLine.h"

#include <cstdio>

#include "version/Version.h"

namespace platform {

QStringList rawArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

QString helpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    const QString prefix = QStringLiteral("Usage: ");
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (text.startsWith(prefix) && lineEnd > 0) {
        // The name ends where the first option or argument placeholder begins.
        qsizetype nameEnd = text.indexOf(QLatin1Char(' '), prefix.size());
        if (nameEnd < 0 || nameEnd > lineEnd) nameEnd = lineEnd;
        text.replace(prefix.size(), nameEnd - prefix.size(), program);
    }
    return text;
}

QString versionText(const QString& program)
{
    return program + QLatin1Char(' ') + QString::fromLatin1(common::ProjectVersion);
}

std::optional<int> answerCommandLine(CommandLineRequest request, const QString& helpText, const QString& program,
                                     const QString& error)
{
    switch (request) {
    case CommandLineRequest::Run:
        return std::nullopt;
    case CommandLineRequest::Help:
        std::fputs(helpText.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLineRequest::Version:
        std::fputs((versionText(program) + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLineRequest::UsageError:
        std::fputs((program + QStringLiteral(": ") + error + QLatin1Char('\n') + helpText).toLocal8Bit().constData(),
                   stderr);
        return 2;
    }
    return std::nullopt;
}

}  // namespace platform
