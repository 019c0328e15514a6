#include "Usage.h"

namespace packwell_cli {

const std::string& usageText()
{
    static const std::string text =
        "Usage: packwell-cli COMMAND [ARGUMENTS]\n"
        "\n"
        "Runs one command of the file merger on the files named, as the menu\n"
        "command does with those files chosen in its file dialogs. Report lines go\n"
        "to standard output, message texts to standard error.\n"
        "\n"
        "Commands:\n"
        "  merge FILE            merge the group of FILE's extension (in FILE's folder)\n"
        "                        into Merged.dat and list it in Merged.cpp\n"
        "  add [-C DIR] FILE     append FILE to Merged.dat in DIR (default: the\n"
        "                        current folder)\n"
        "  source FILE...        list the group of each FILE as GAME Pack source lines\n"
        "  pack [-C DIR] SOURCE  build GPACK.dbp and GPACK.h in DIR (default: the\n"
        "                        current folder) from the GAME Pack source file SOURCE\n"
        "  huffman FILE          compress every file of FILE's group into a .huf file\n"
        "  rle FILE              compress every file of FILE's group into a .rle file\n"
        "  unhuf IN OUT          decode the .huf file IN into OUT\n"
        "  unrle IN OUT          decode the .rle file IN into OUT\n"
        "  --help                show this text\n"
        "  --version             show the program's name and version\n"
        "\n"
        "Exit status: 0 on success, 1 when the command ended on an error,\n"
        "2 for a usage error.\n";
    return text;
}

}  // namespace packwell_cli
