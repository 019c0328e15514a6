// packwell-cli rle FILE: Edit > Compress a group of Files... [ RLE ] with
// FILE chosen.

#include "Subcommands.h"
#include "Twin.h"
#include "pack/MergerCommands.h"

namespace packwell::cli {

void addRleCommand(CLI::App& app, int& status)
{
    auto file = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand("rle", "compress every file of FILE's group into a .rle file beside it");
    command->add_option("FILE", *file, "a file of the group; its folder becomes the working folder")
        ->required()
        ->check(nonEmptyPath());
    command->callback([file, &status] { status = runGroupCommand(*file, pack::compressGroupRle); });
}

}  // namespace packwell::cli
