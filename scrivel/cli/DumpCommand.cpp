// scrivel-cli dump ROM DATA [--table FILE] [--into DIR]: Open ROM and Load
// Text Block Data File with the given files, then File > Create All Script
// Files: the script file of every block, with the original text of its
// strings when a table is loaded. Prints one line per block; a file that
// exists is never touched, and a failure leaves nothing written.

#include <iostream>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "Commands.h"
#include "TwinSession.h"

namespace scrivel::cli {

namespace {

using namespace scrivel::editor;

struct DumpRequest {
    std::string rom;
    std::string dataFile;
    std::string table;
    std::string into;
};

Severity runDump(const DumpRequest& request)
{
    // The message box is standard error; standard output holds the lines.
    // The session makes no script file on the way: block selection would
    // make the first block's file before the dump could report it.
    TwinSession session;
    EditorCommands& commands = session.commands;
    commands.tableFile = request.table;
    if (!commands.initialise()) return commands.worstSeverity();
    // A refused table (or any other error) stops here: nothing is written.
    if (const Severity opened = session.open(request.rom, request.dataFile); isFailure(opened)) return opened;

    // The lines go out once the work has succeeded: a failure takes back
    // what it made, so then no line would be true.
    const ScriptFilesReport report = commands.createAllScriptFiles(request.into);
    if (report.error.empty())
        for (const ScriptFileLine& line : report.files) std::cout << reportLine(line) << '\n';
    std::cout.flush();
    return commands.worstSeverity();
}

}  // namespace

void addDumpCommand(CLI::App& app, CommandAction& chosen)
{
    auto request = std::make_shared<DumpRequest>();
    CLI::App* command = app.add_subcommand(
        "dump",
        "Open ROM, load the text block data file DATA and write the script file\n"
        "of every block, with the original text when a table is loaded; files\n"
        "that exist are kept. Prints one line per block.");
    addFileArgument(command, "ROM", request->rom, "the ROM image");
    addFileArgument(command, "DATA", request->dataFile, "the text block data file");
    command->add_option("--table", request->table, "the table file, in place of the data file's .TABLE line")
        ->option_text("FILE")
        ->transform(absolutePath());
    command->add_option("--into", request->into, "the folder of the script files (default: Dumps beside ROM)")
        ->option_text("DIR")
        ->transform(absolutePath());
    command->group("Commands");
    command->callback([&chosen, request] { chosen = [request] { return runDump(*request); }; });
}

}  // namespace scrivel::cli
