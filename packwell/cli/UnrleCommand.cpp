// packwell-cli unrle IN OUT: decodes the .rle file IN into OUT, or
// refuses it and leaves no OUT behind.

#include "Subcommands.h"
#include "Twin.h"
#include "compress/FileCodecs.h"

namespace packwell::cli {

void addUnrleCommand(CLI::App& app, int& status)
{
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand("unrle", "decode the .rle file IN into OUT");
    command->add_option("IN", *in, "the .rle file")->required()->check(nonEmptyPath());
    command->add_option("OUT", *out, "the file to write")->required()->check(nonEmptyPath());
    command->callback([=, &status] {
        Twin twin;
        const compress::FileOutcome outcome =
            compress::decodeRleFile(platform::absolutePath(*in), platform::absolutePath(*out));
        if (!outcome.ok) twin.fail(outcome.message);
        status = twin.finish();
    });
}

}  // namespace packwell::cli
