// The file merger: the main window with its memo and menu, then the progress
// window, hidden until the GAME Pack build shows it.

#include <QApplication>
#include <QCommandLineParser>
#include <exception>

#include "ApplicationTitle.h"
#include "MergerWindow.h"
#include "ProgressWindow.h"
#include "platform_qt/CommandLine.h"
#include "platform_qt/QtPlatform.h"

namespace {

const QString kProgram = QStringLiteral("packwell");

// packwell [options]: every command starts from the menu, so the command
// line only answers --help and --version.
struct CommandLine {
    QCommandLineParser parser;
    platform::InfoOptions info;
    platform::CommandLineRequest request = platform::CommandLineRequest::Run;
    QString error;

    explicit CommandLine(const QStringList& args)
    {
        using platform::CommandLineRequest;
        parser.setApplicationDescription(
            QStringLiteral("The file merger: merges groups of files, builds GAME Packs and compresses files\n"
                           "with Huffman or RLE coding, each command from its menu."));
        info.addTo(parser);
        if (!parser.parse(args)) {
            request = CommandLineRequest::UsageError;
            error = parser.errorText();
        } else if (parser.isSet(info.help)) {
            request = CommandLineRequest::Help;
        } else if (parser.isSet(info.version)) {
            request = CommandLineRequest::Version;
        } else if (!parser.positionalArguments().isEmpty()) {
            request = CommandLineRequest::UsageError;
            error = QStringLiteral("no files are taken: every command chooses its files in a dialog");
        }
    }
    bool asksForInfo() const
    {
        return request == platform::CommandLineRequest::Help || request == platform::CommandLineRequest::Version;
    }
    std::optional<int> answer() const
    {
        return platform::answerCommandLine(request, platform::helpText(parser, kProgram), kProgram, error);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    using namespace packwell::app;
    // --help and --version need no display: answered before Qt looks for one.
    if (const CommandLine early(platform::rawArguments(argc, argv)); early.asksForInfo()) return *early.answer();
    QApplication app(argc, argv);
    if (const auto status = CommandLine(app.arguments()).answer()) return *status;

    platform::QtPlatform platform(QString::fromLatin1(kApplicationTitle));
    try {
        MergerWindow mergerWindow(platform);
        platform.setParentWindow(&mergerWindow);
        ProgressWindow progressWindow;
        mergerWindow.setProgressWindow(&progressWindow);
        mergerWindow.show();
        return app.exec();
    } catch (const std::exception& e) {
        platform.setParentWindow(nullptr);
        platform.showMessage(e.what());
    }
    return 0;
}
