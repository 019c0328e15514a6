// scrivel-cli: the script editor's commands without windows.

#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "Commands.h"
#include "version/Version.h"

using namespace scrivel::cli;

int main(int argc, char** argv)
{
    CLI::App app("The script editor's commands without windows.", "scrivel-cli");
    app.formatter(std::make_shared<UsageFormatter>());
    app.set_version_flag("--version", std::string("scrivel-cli ") + common::ProjectVersion);
    app.require_subcommand(1);
    app.footer("Exit status: 0 on success, 1 when the command ended on an error (which it names on\n"
               "standard error; insert and dump then wrote nothing, check found a problem), 2 for a\n"
               "usage error. \"scrivel-cli COMMAND --help\" describes one command.");

    CommandAction chosen;
    addRenderCommand(app, chosen);
    addCompileCommand(app, chosen);
    addFontsCommand(app, chosen);
    addInsertCommand(app, chosen);
    addDumpCommand(app, chosen);
    addCheckCommand(app, chosen);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        // The chosen subcommand's help, if one was named; otherwise every
        // command with its options, which the manual page is made from.
        const bool commandNamed = !app.get_subcommands().empty();
        std::cout << app.help("", commandNamed ? CLI::AppFormatMode::Normal : CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForVersion& version) {
        std::cout << version.what() << '\n';
        return 0;
    } catch (const CLI::ParseError& error) {
        std::cerr << "scrivel-cli: " << error.what() << '\n' << app.help();
        return 2;
    }

    try {
        return isFailure(chosen()) ? 1 : 0;
    } catch (const std::exception& error) {
        std::cerr << "Error: " << error.what() << '\n';
        return 1;
    }
}
