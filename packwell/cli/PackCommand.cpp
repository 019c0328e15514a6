// packwell-cli pack [-C DIR] SOURCE: File > Open GAME Pack Source File with
// SOURCE chosen, then Edit > Create GAME Pack in the working folder DIR.

#include "Subcommands.h"
#include "Twin.h"
#include "pack/MergerCommands.h"

namespace packwell::cli {
namespace {

int run(const std::string& source, const std::string& folder)
{
    Twin twin;
    // Taken before loading the source, whose dialog changes the folder.
    const std::string workingFolder = platform::absolutePath(folder);
    twin.choose(source, false);
    pack::MergerSession& session = twin.session();
    pack::openPackSource(session);
    if (!session.failed() && twin.enterFolder(workingFolder)) pack::buildPack(session);
    return twin.finish();
}

}  // namespace

void addPackCommand(CLI::App& app, int& status)
{
    auto folder = std::make_shared<std::string>(".");
    auto source = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "pack", "build GPACK.dbp and GPACK.h in DIR from the GAME Pack source file SOURCE");
    command
        ->add_option("-C", *folder,
                     "the folder that gets GPACK.dbp and GPACK.h and from which relative paths of the source "
                     "are taken (default: the current folder)")
        ->type_name("DIR")
        ->check(nonEmptyPath());
    command->add_option("SOURCE", *source, "the GAME Pack source file")->required()->check(nonEmptyPath());
    command->callback([=, &status] { status = run(*source, *folder); });
}

}  // namespace packwell::cli
