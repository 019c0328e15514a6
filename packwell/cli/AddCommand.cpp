// packwell-cli add [-C DIR] FILE: Edit > Add File to Merged File with FILE
// chosen, in the working folder DIR.

#include "Subcommands.h"
#include "Twin.h"
#include "pack/MergerCommands.h"

namespace packwell::cli {
namespace {

int run(const std::string& file, const std::string* folder)
{
    Twin twin;
    // The file is taken from where the command was given, before -C.
    twin.choose(file, false);
    if (!folder || twin.enterFolder(platform::absolutePath(*folder))) pack::addFileToMerged(twin.session());
    return twin.finish();
}

}  // namespace

void addAddCommand(CLI::App& app, int& status)
{
    auto folder = std::make_shared<std::string>();
    auto file = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand("add", "append FILE to Merged.dat in DIR and print its #define line");
    CLI::Option* folderOption =
        command->add_option("-C", *folder, "the folder whose Merged.dat grows (default: the current folder)")
            ->type_name("DIR")
            ->check(nonEmptyPath());
    command->add_option("FILE", *file, "the file to append")->required()->check(nonEmptyPath());
    command->callback([=, &status] { status = run(*file, folderOption->count() ? folder.get() : nullptr); });
}

}  // namespace packwell::cli
