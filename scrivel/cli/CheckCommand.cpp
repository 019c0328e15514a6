// scrivel-cli check ROM DATA [--scripts DIR] [--vwf] [--rewrap]: Open ROM and
// Load Text Block Data File with the given files, then the fit check over
// the script files of every block: one line per problem on standard output,
// exit status 1 when there is any. --rewrap first rewraps the lines that do
// not fit, in place.

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "Commands.h"
#include "TwinSession.h"
#include "editor/ScriptFit.h"

namespace scrivel::cli {

namespace {

using namespace scrivel::editor;

struct CheckRequest {
    std::string rom;
    std::string dataFile;
    std::string scripts;  // the script files' folder; default: Dumps beside ROM
    bool variableWidth = false;
    bool rewrap = false;
};

std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

Severity runCheck(const CheckRequest& request)
{
    TwinSession session;
    EditorState& state = session.state;
    EditorCommands& commands = session.commands;
    Severity worst = Severity::Info;
    auto tell = [&](Severity severity, const std::string& text) {
        session.platform.showMessage(text);
        if (severity > worst) worst = severity;
    };

    if (!commands.initialise()) return commands.worstSeverity();
    // As if Use VWF Routine had been checked before Open ROM.
    state.checks.variableWidth = request.variableWidth;
    if (const Severity opened = session.open(request.rom, request.dataFile); isFailure(opened)) return opened;

    const std::string folder = request.scripts.empty()
                                   ? (std::filesystem::path(request.rom).parent_path() / "Dumps").string()
                                   : request.scripts;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        tell(Severity::Error, "Error: Could not open the script folder!\n" + folder);
        return worst;
    }

    if (request.rewrap) {
        for (const FileRewrap& file : rewrapWholeScript(state, folder)) {
            if (!file.error.empty())
                tell(Severity::Error, "Error: " + file.error + "\n" + file.path);
            else
                tell(Severity::Info, fileName(file.path) + ": " + std::to_string(file.linesRewrapped) +
                                         (file.linesRewrapped == 1 ? " line rewrapped" : " lines rewrapped"));
        }
    }

    const ScriptCheck check = checkWholeScript(state, folder);
    for (const script::FitProblem& problem : check.problems) std::cout << script::problemText(problem) << '\n';
    std::cout.flush();
    for (const std::string& path : check.unreadable) tell(Severity::Error, "Error: Could not open script file!\n" + path);
    if (!check.problems.empty()) {
        const size_t n = check.problems.size();
        tell(Severity::Error, "Error: The fit check found " + std::to_string(n) + (n == 1 ? " problem." : " problems."));
    }
    return std::max(worst, commands.worstSeverity());
}

}  // namespace

void addCheckCommand(CLI::App& app, CommandAction& chosen)
{
    auto request = std::make_shared<CheckRequest>();
    CLI::App* command = app.add_subcommand(
        "check",
        "Open ROM and load the text block data file DATA, then check that every\n"
        "line of the translated sections fits the window, has a glyph for each\n"
        "character and does not end in a code that takes the byte after it;\n"
        "print one line per problem: BLOCK STRING LINE: description.");
    addFileArgument(command, "ROM", request->rom, "the ROM image");
    addFileArgument(command, "DATA", request->dataFile, "the text block data file");
    command->add_option("--scripts", request->scripts, "the script files' folder (default: Dumps beside ROM)")
        ->option_text("DIR")
        ->transform(absolutePath());
    command->add_flag("--vwf", request->variableWidth, "measure as with Use VWF Routine checked");
    command->add_flag("--rewrap", request->rewrap, "first rewrap the lines that do not fit, in place");
    command->group("Commands");
    command->callback([&chosen, request] { chosen = [request] { return runCheck(*request); }; });
}

}  // namespace scrivel::cli
