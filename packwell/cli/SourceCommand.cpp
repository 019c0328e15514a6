// packwell-cli source FILE...: Edit > Create GAME Pack Source File, each FILE
// one choice of its repeated dialog.

#include <vector>

#include "Subcommands.h"
#include "Twin.h"
#include "pack/MergerCommands.h"

namespace packwell::cli {
namespace {

int run(const std::vector<std::string>& files)
{
    Twin twin;
    bool chosen = true;
    for (const std::string& file : files) chosen = chosen && twin.choose(file, true);
    if (chosen) pack::createPackSource(twin.session());
    return twin.finish();
}

}  // namespace

void addSourceCommand(CLI::App& app, int& status)
{
    auto files = std::make_shared<std::vector<std::string>>();
    CLI::App* command = app.add_subcommand("source", "print the group of each FILE as GAME Pack source lines");
    command->add_option("FILE", *files, "a file of each group, in order")->required()->check(nonEmptyPath());
    command->callback([files, &status] { status = run(*files); });
}

}  // namespace packwell::cli
