// packwell-cli huffman FILE: Edit > Compress a group of Files... [ Huffman ]
// with FILE chosen.

#include "Subcommands.h"
#include "Twin.h"
#include "pack/MergerCommands.h"

namespace packwell::cli {

void addHuffmanCommand(CLI::App& app, int& status)
{
    auto file = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("huffman", "compress every file of FILE's group into a .huf file beside it");
    command->add_option("FILE", *file, "a file of the group; its folder becomes the working folder")
        ->required()
        ->check(nonEmptyPath());
    command->callback([file, &status] { status = runGroupCommand(*file, pack::compressGroupHuffman); });
}

}  // namespace packwell::cli
