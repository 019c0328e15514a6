// packwell-cli: the file merger's commands without the window.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <sstream>
#include <string>

#include "Subcommands.h"
#include "version/Version.h"

namespace packwell::cli {
namespace {

// The help with the usage line first, so that the text starts the way a
// usage text does.
class UsageFirstFormatter : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override
    {
        if (mode == CLI::AppFormatMode::Sub) return make_expanded(app);
        std::stringstream out;
        out << make_usage(app, name);
        const std::string description = make_description(app);
        if (!description.empty()) out << '\n' << description;
        out << make_positionals(app) << make_groups(app, mode) << make_subcommands(app, mode) << '\n'
            << make_footer(app);
        return out.str();
    }
};

void print(std::FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

}  // namespace

const CLI::Validator& nonEmptyPath()
{
    static const CLI::Validator check(
        [](std::string& path) { return path.empty() ? std::string("an empty path was given") : std::string(); },
        std::string());
    return check;
}

}  // namespace packwell::cli

int main(int argc, char** argv)
{
    using namespace packwell::cli;
    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);

    CLI::App app("Runs one command of the file merger on the files named, as the menu command does with those\n"
                 "files chosen in its file dialogs. Report lines go to standard output, message texts to\n"
                 "standard error. Paths are taken from the current folder.",
                 "packwell-cli");
    app.formatter(std::make_shared<UsageFirstFormatter>());
    app.footer("Exit status: 0 on success, 1 when the command ended on an error, 2 for a usage error.\n"
               "\"packwell-cli COMMAND --help\" describes one command.");
    app.set_version_flag("--version", std::string("packwell-cli ") + common::ProjectVersion,
                         "print the program's version and exit");
    app.require_subcommand(1);

    int status = 0;
    addMergeCommand(app, status);
    addAddCommand(app, status);
    addSourceCommand(app, status);
    addPackCommand(app, status);
    addHuffmanCommand(app, status);
    addRleCommand(app, status);
    addUnhufCommand(app, status);
    addUnrleCommand(app, status);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        // The chosen command's help, if one was named; otherwise every
        // command with its options, which the manual page is made from.
        const bool commandNamed = !app.get_subcommands().empty();
        print(stdout, app.help("", commandNamed ? CLI::AppFormatMode::Normal : CLI::AppFormatMode::All));
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        print(stdout, app.help("", CLI::AppFormatMode::All));
        return 0;
    } catch (const CLI::CallForVersion& version) {
        print(stdout, std::string(version.what()) + "\n");
        return 0;
    } catch (const CLI::ParseError& error) {
        // The reason, then the usage of the subcommand named, or of the program.
        std::string reason = error.what();
        if (app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-')
            reason = "unknown command \"" + std::string(argv[1]) + "\"";
        print(stderr, "packwell-cli: " + reason + "\n\n" + app.help());
        return 2;
    }
    std::fflush(stdout);
    return status;
}
