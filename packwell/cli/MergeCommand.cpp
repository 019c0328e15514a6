// packwell-cli merge FILE: Edit > Merge a Group of files... with FILE chosen.

#include "Subcommands.h"
#include "Twin.h"
#include "pack/MergerCommands.h"

namespace packwell::cli {

void addMergeCommand(CLI::App& app, int& status)
{
    auto file = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "merge", "merge the group of FILE's extension (in FILE's folder) into Merged.dat and list it in Merged.cpp");
    command->add_option("FILE", *file, "a file of the group; its folder becomes the working folder")
        ->required()
        ->check(nonEmptyPath());
    command->callback([file, &status] { status = runGroupCommand(*file, pack::mergeGroup); });
}

}  // namespace packwell::cli
