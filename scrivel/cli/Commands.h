#pragma once
// The subcommands of scrivel-cli. Each lives in its own file, which declares
// the subcommand and its options on the command line and runs the editor's
// engine when the command line chose it. A new subcommand is one more file
// and one more add...Command line in main.cpp.

#include <functional>

#include "editor/Message.h"

namespace CLI {
class App;
}

namespace scrivel::cli {

using editor::Severity;

// The chosen subcommand, ready to run. It reports the gravest severity of
// what it told the user; an error or worse ends the program with status 1,
// and the command has then said why on standard error.
using CommandAction = std::function<Severity()>;

// Each declares its subcommand on app; once the command line has been read
// and names it, chosen holds its action.
void addRenderCommand(CLI::App& app, CommandAction& chosen);
void addCompileCommand(CLI::App& app, CommandAction& chosen);
void addFontsCommand(CLI::App& app, CommandAction& chosen);
void addInsertCommand(CLI::App& app, CommandAction& chosen);
void addDumpCommand(CLI::App& app, CommandAction& chosen);
void addCheckCommand(CLI::App& app, CommandAction& chosen);

}  // namespace scrivel::cli
