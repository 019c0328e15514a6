#pragma once
// The twin's subcommands, one file each. Every add function declares its
// subcommand with its arguments and options on app (the help text comes from
// these declarations); when the command line names it, the subcommand runs
// the merger's command and puts its exit status in status.

#include <CLI/CLI.hpp>
#include <string>

namespace packwell::cli {

void addMergeCommand(CLI::App& app, int& status);
void addAddCommand(CLI::App& app, int& status);
void addSourceCommand(CLI::App& app, int& status);
void addPackCommand(CLI::App& app, int& status);
void addHuffmanCommand(CLI::App& app, int& status);
void addRleCommand(CLI::App& app, int& status);
void addUnhufCommand(CLI::App& app, int& status);
void addUnrleCommand(CLI::App& app, int& status);

// Refuses an empty path, which names no file.
const CLI::Validator& nonEmptyPath();

}  // namespace packwell::cli
